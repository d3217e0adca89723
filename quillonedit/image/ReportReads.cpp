#include "quillonedit/image/ReportReads.h"

#include "quillonedit/image/ControllerImage.h"

#include <algorithm>

namespace quillon {

std::uint16_t TimerWord(int offset)
{
    return static_cast<std::uint16_t>(image().at(offset + 1) * 256 + image().at(offset));
}

std::vector<std::uint16_t> VoiceSlotWordCodes(int offset)
{
    const int count = std::min<int>(image().at(offset), kVoiceSlotWordCapacity);
    std::vector<std::uint16_t> codes;
    codes.reserve(static_cast<std::size_t>(count));
    for (int w = 0; w < count; ++w) {
        const int at = offset + 1 + 2 * w;
        codes.push_back(static_cast<std::uint16_t>(image().at(at) * 256 + image().at(at + 1)));
    }
    return codes;
}

std::pair<std::uint8_t, std::uint8_t> ZonePairBytes(int offset)
{
    const std::uint8_t first = image().at(offset);
    return {first, image().at(offset + 1)};
}

} // namespace quillon
