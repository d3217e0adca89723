#include "quillonedit/image/Scheduler.h"

#include "quillonedit/image/Codec.h"
#include "quillonedit/image/ControllerImage.h"
#include "quillonedit/image/ImageMap.h"
#include "quillonedit/tables/Calendar.h"
#include "quillonedit/tables/CommandDecoder.h"

#include <stdexcept>

namespace quillon {

namespace {
// Image order of the entry bytes.
enum : int { kMonth, kDay, kWeekday, kHour, kMinute, kArgument, kCommand };

std::array<std::uint8_t, 7> ReadEntry(int offset)
{
    std::array<std::uint8_t, 7> b{};
    for (int i = 0; i < kScheduleEntryBytes; ++i)
        b[static_cast<std::size_t>(i)] = image().at(offset + i);
    return b;
}

bool IsMonthDayEntry(std::uint8_t month) { return month != 0 && month != kScheduleWeekdayMonth; }
} // namespace

int ScheduleEntryOffset(int n)
{
    if (n < 1 || n > kSchedulerCount)
        throw std::out_of_range("scheduler entry number");
    return kScheduler + kScheduleEntryBytes * (n - 1);
}

int ScheduleRowOffset(int group, int row)
{
    if (group < 0 || group >= kSchedulerGroupCount || row < 0 || row >= kSchedulerGroupRows)
        throw std::out_of_range("scheduler group or row");
    return kScheduler + kSchedulerGroupBytes * group + kScheduleEntryBytes * row;
}

ScheduleStage StageScheduleEntry(int offset)
{
    const auto b = ReadEntry(offset);
    return {b[kMonth], b[kDay], b[kWeekday], b[kHour], b[kMinute], b[kCommand], b[kArgument]};
}

ScheduleRowTexts ScheduleRowText(int offset, const ScheduleRowMarks& marks)
{
    const auto b = ReadEntry(offset);
    if (b[kMonth] == 0)
        return {};
    ScheduleRowTexts row;
    row.month = GetScheduleMonthText(b[kMonth]);
    if (b[kMonth] != kScheduleWeekdayMonth) {
        row.day = QString::number(b[kDay], 16).toUpper();
        row.weekday = marks.noWeekday;
    } else {
        row.weekday = GetScheduleDayText(b[kWeekday]);
    }
    row.time = b[kHour] != kScheduleEveryHour ? CommandByteText(b[kHour]) + QLatin1Char(':') + CommandByteText(b[kMinute])
                                      : marks.everyHour + CommandByteText(b[kMinute]);
    row.command = CommandWordText(offset + kArgument);
    return row;
}

void SaveScheduleEntry(int offset, const ScheduleEdit& edit)
{
    const auto stored = ReadEntry(offset);   // also checks the whole entry lies in the image
    std::array<std::uint8_t, 7> b = stored;

    if (edit.erase) {
        b.fill(0);
    } else {
        switch (edit.mode) {
        case 0: b[kMonth] = kScheduleWeekdayMonth; b[kDay] = 0; b[kWeekday] = 0; break;
        case 1: b[kMonth] = kScheduleWeekdayMonth; b[kDay] = 0; b[kWeekday] = 8; break;
        case 2: b[kMonth] = kScheduleWeekdayMonth; b[kDay] = 0; b[kWeekday] = 9; break;
        case 3:
        case 4: {
            // The weekday list keeps its position while hidden; a list without one gives 0.
            const int weekday = edit.weekdayPosition >= 0 && edit.weekdayPosition < 7 ? edit.weekdayPosition + 1 : 0;
            if (edit.mode == 3) {
                b[kMonth] = kScheduleWeekdayMonth;
                b[kDay] = 0;
            } else {
                b[kMonth] = MonthCodeAt(edit.monthPosition);
                b[kDay] = DayOfMonthCodeAt(edit.dayPosition);
            }
            b[kWeekday] = static_cast<std::uint8_t>(weekday);
            break;
        }
        default: break;   // no option selected: the schedule bytes stay as stored
        }
        if (!edit.scheduleTouched) {
            // The editor showed a stand-in for a code it has no item for ("Sunday" for weekday
            // code 12, "January" for month 0x13, day "1" for day 0x45); left alone, the entry
            // keeps the code rather than start running on the stand-in.
            if (stored[kMonth] == kScheduleWeekdayMonth && stored[kWeekday] > 9)
                b[kWeekday] = stored[kWeekday];
            if (IsMonthDayEntry(stored[kMonth]) && MonthCodeIndex(stored[kMonth]) < 0)
                b[kMonth] = stored[kMonth];
            if (IsMonthDayEntry(stored[kMonth]) && DayOfMonthCodeIndex(stored[kDay]) < 0)
                b[kDay] = stored[kDay];
        }

        // The shown time was made from the stored bytes: decimal digits pack back to them, while
        // hexadecimal letters would pack to other digits. So an untouched time stays as stored.
        const bool timeShownUntouched = !edit.timeTouched && stored[kMonth] != 0;
        if (!timeShownUntouched) {
            b[kHour] = edit.everyHour ? kScheduleEveryHour : DigitPairToBcd(edit.timeText.left(2));
            b[kMinute] = DigitPairToBcd(edit.timeText.right(2));
        }
        b[kCommand] = edit.commandByte;
        b[kArgument] = edit.argumentByte;
    }

    for (int i = 0; i < kScheduleEntryBytes; ++i)
        image().set(offset + i, b[static_cast<std::size_t>(i)]);
}

ScheduleRowMarks SchedulerReportMarks()
{
    return {.everyHour = QStringLiteral("---:"), .noWeekday = QStringLiteral("      ----")};
}

} // namespace quillon
