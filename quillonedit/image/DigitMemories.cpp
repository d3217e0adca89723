#include "quillonedit/image/DigitMemories.h"

#include "quillonedit/image/Codec.h"
#include "quillonedit/image/ControllerImage.h"
#include "quillonedit/image/ImageMap.h"

namespace quillon {

int DtmfMemoryOffset(int k)
{
    if (k < 0 || k >= kDtmfMemoryCount)
        return -1;
    return kDtmfMemories + kDtmfMemoryBytes * k;
}

int LockoutOffset(int k)
{
    if (k < 0 || k >= kLockoutCount)
        return -1;
    return kLockouts + kLockoutBytes * k;
}

QString DtmfMemoryText(int offset, int capacity)
{
    const int count = image().at(offset);
    if (count < 1 || count > capacity)
        return {};
    return DigitFieldText(offset, capacity);
}

void WriteBackDtmfMemory(int offset, int capacity, const QString& text)
{
    if (text.isEmpty() && image().at(offset) > capacity)
        return;
    WriteDtmfField(offset, capacity, text);
}

} // namespace quillon
