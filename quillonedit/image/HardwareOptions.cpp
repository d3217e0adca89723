#include "quillonedit/image/HardwareOptions.h"

#include "quillonedit/image/ControllerImage.h"
#include "quillonedit/image/ImageMap.h"

#include <array>
#include <cstdint>

namespace quillon {

namespace {
constexpr int kHfTypes = 3;

std::optional<int> twoWay(int offset) { return image().at(offset) == 0 ? 0 : 1; }

// Writes the byte of button `choice` (of values.size() buttons), if one is chosen.
template <std::size_t N> void write(int offset, const std::optional<int>& choice, const std::array<std::uint8_t, N>& values)
{
    if (choice && *choice >= 0 && *choice < int(N))
        image().set(offset, values[static_cast<std::size_t>(*choice)]);
}
} // namespace

HardwareChoices ReadHardwareOptions()
{
    HardwareChoices c;
    const int hf = image().at(kHfTransceiverType);
    if (hf < kHfTypes)
        c.hf = hf;
    c.squelch = twoWay(kHfSquelch);
    c.dvr = twoWay(kDvrType);
    c.pps = twoWay(kPulseDialRate);
    return c;
}

void WriteHardwareOptions(const HardwareChoices& choices)
{
    write(kHfTransceiverType, choices.hf, std::array<std::uint8_t, 3>{0, 1, 2});
    write(kHfSquelch, choices.squelch, std::array<std::uint8_t, 2>{0, 255});
    write(kDvrType, choices.dvr, std::array<std::uint8_t, 2>{0, 1});
    write(kPulseDialRate, choices.pps, std::array<std::uint8_t, 2>{0, 255});
}

} // namespace quillon
