#include "quillonedit/image/AreaCodes.h"

#include "quillonedit/image/Codec.h"
#include "quillonedit/image/ControllerImage.h"
#include "quillonedit/image/ImageMap.h"

namespace quillon {

int AreaCodeOffset(int index)
{
    if (index < 0 || index >= kAreaCodeCount)
        return -1;
    return kAreaCodes + kAreaCodeBytes * index;
}

QString AreaCodeText(int offset, int /*capacity*/)
{
    return DecodeThreeDigits(offset);
}

void SaveAreaCode(int offset, int /*capacity*/, const QString& text)
{
    for (int j = 0; j < kAreaCodeBytes; ++j)
        image().set(offset + j, DtmfCharToCode(text.mid(j, 1)));
}

std::array<QString, 20> AreaCodeTexts()
{
    std::array<QString, 20> texts;
    for (int i = 0; i < kAreaCodeCount; ++i)
        texts[static_cast<std::size_t>(i)] = DecodeThreeDigits(AreaCodeOffset(i));
    return texts;
}

void WriteAreaCodes(const std::array<QString, 20>& texts)
{
    for (int i = 0; i < kAreaCodeCount; ++i)
        SaveAreaCode(AreaCodeOffset(i), kAreaCodeBytes, texts[static_cast<std::size_t>(i)]);
}

} // namespace quillon
