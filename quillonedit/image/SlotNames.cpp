#include "quillonedit/image/SlotNames.h"

#include <span>

namespace quillon {

namespace {
QString wording(std::span<const SlotNames> table, int index, SlotWording use)
{
    if (index < 0 || index >= static_cast<int>(table.size()))
        return {};
    const SlotNames& names = table[static_cast<std::size_t>(index)];
    switch (use) {
    case SlotWording::Heading: return QString::fromLatin1(names.heading);
    case SlotWording::Caption: return QString::fromLatin1(names.caption);
    case SlotWording::Report: return QString::fromLatin1(names.report);
    }
    return {};
}
} // namespace

QString CodeSlotName(int index, SlotWording use) { return wording(kCodeSlotNames, index, use); }
QString TimerSlotName(int index, SlotWording use) { return wording(kTimerSlotNames, index, use); }

} // namespace quillon
