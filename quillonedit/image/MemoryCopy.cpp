#include "quillonedit/image/MemoryCopy.h"

#include "quillonedit/image/ControllerImage.h"

namespace quillon {

int CopyTargetOffset(int part, int save)
{
    return memorySaveOffset(save) + kMemoryCopyParts.at(static_cast<std::size_t>(part)).recordOffset;
}

int CopyBaseToMemorySave(int part, int save)
{
    if (part < 0 || part >= kMemoryCopyPartCount || save < 1 || save > kMemorySaveCount)
        return -1;
    const MemoryCopyPart& p = kMemoryCopyParts[static_cast<std::size_t>(part)];
    const int source = kBaseSet + p.recordOffset;
    const int target = CopyTargetOffset(part, save);
    for (int i = 0; i < p.length; ++i)
        image().set(target + i, image().at(source + i));
    return target;
}

} // namespace quillon
