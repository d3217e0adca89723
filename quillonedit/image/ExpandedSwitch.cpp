#include "quillonedit/image/ExpandedSwitch.h"

#include "quillonedit/image/ControllerImage.h"
#include "quillonedit/image/ImageMap.h"

namespace quillon {

namespace {
bool insideSwitchAreas(int offset)
{
    return (offset >= kExpSwitch1 && offset < kExpSwitch1 + kExpSwitchBytes)
        || (offset >= kExpSwitch2 && offset < kExpSwitch2 + kExpSwitchBytes);
}
} // namespace

int ExpLineBase(int expSwitch, int page)
{
    if (page < 0 || page >= kExpPages)
        return -1;
    if (expSwitch == 1)
        return kExpSwitch1 + kExpRows * page;
    if (expSwitch == 2)
        return kExpSwitch2 + kExpRows * page;
    return -1;
}

int ExpLineOffset(int lineBase, int row)
{
    if (lineBase < 0 || row < 1 || row > kExpRows)
        return -1;
    return lineBase + row - 1;
}

std::uint8_t ExpLine(int offset)
{
    return image().at(offset);
}

bool ExpOutputOn(std::uint8_t line, int bit)
{
    return bit >= 0 && bit < kExpBits && ((line >> bit) & 1) != 0;
}

bool ToggleExpBit(int offset, int bit)
{
    if (bit < 0 || bit >= kExpBits || !insideSwitchAreas(offset))
        return false;
    image().set(offset, static_cast<std::uint8_t>(image().at(offset) ^ (1u << bit)));
    return true;
}

} // namespace quillon
