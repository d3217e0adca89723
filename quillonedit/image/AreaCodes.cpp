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

} // namespace quillon
