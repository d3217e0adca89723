#include "quillonedit/image/HardwareInputs.h"

#include "quillonedit/image/Codec.h"
#include "quillonedit/image/CommandWord.h"
#include "quillonedit/image/ImageMap.h"

#include <stdexcept>

namespace quillon {

int HardwareInputOffset(int input)
{
    if (input < 1 || input > kHardwareInputCount)
        throw std::out_of_range("hardware input number");
    return kHardwareInputs + 2 * (input - 1);
}

QString HardwareInputTitle(int input) { return QStringLiteral("Input #%1").arg(input); }

std::array<QString, 8> HardwareInputCodes()
{
    std::array<QString, 8> texts;
    for (int n = 1; n <= kHardwareInputCount; ++n)
        texts[static_cast<std::size_t>(n - 1)] = CommandWordText(HardwareInputOffset(n));
    return texts;
}

std::array<QString, 8> HardwareInputMeanings()
{
    std::array<QString, 8> texts;
    for (int n = 1; n <= kHardwareInputCount; ++n)
        texts[static_cast<std::size_t>(n - 1)] = DecodeCommandWord(HardwareInputOffset(n));
    return texts;
}

void SaveHardwareInputs(const std::array<QString, 8>& texts)
{
    for (int n = 1; n <= kHardwareInputCount; ++n)
        WriteCommandWord(HardwareInputOffset(n), texts[static_cast<std::size_t>(n - 1)]);
}

} // namespace quillon
