#include "quillonedit/image/EraseRegions.h"

#include "quillonedit/image/ControllerImage.h"

namespace quillon {

void OKErase(int start, int last)
{
    for (int i = 0; i <= last; ++i)
        image().set(start + i, 0);
}

void EraseRegionRow(int row)
{
    if (row < 0 || row >= kEraseRegionCount)
        return;
    const EraseRegion& region = kEraseRegions[static_cast<std::size_t>(row)];
    OKErase(region.start, region.length - 1);
}

bool RegionHoldsData(int row)
{
    if (row < 0 || row >= kEraseRegionCount)
        return false;
    const EraseRegion& region = kEraseRegions[static_cast<std::size_t>(row)];
    for (int i = 0; i < region.length; ++i)
        if (image().at(region.start + i) != 0)
            return true;
    return false;
}

} // namespace quillon
