#pragma once
// The 60 scheduler entries: where they lie, how one shows as a row of texts, the staged copy the
// entry editor works from, and the bytes the entry editor's OK writes. Free of widgets; the list,
// the entry editor and the printed report all go through these.
//
// An entry is 7 bytes: month (0 = empty, 255 = weekday mode, else BCD 0x01..0x12), day of month
// (BCD), weekday code (0 daily, 1..7 Sunday..Saturday, 8 weekdays, 9 weekends), hour (BCD, 255 =
// every hour), minute (BCD), then the command word: argument byte, command byte.
#include <QString>

#include <array>
#include <cstdint>

namespace quillon {

constexpr int kSchedulerGroupCount = 6;
constexpr int kSchedulerGroupRows = 10;
constexpr int kSchedulerHelpContext = 501;
constexpr std::uint8_t kScheduleWeekdayMonth = 255;   // the month byte of a weekday entry
constexpr std::uint8_t kScheduleEveryHour = 255;      // the hour byte of an every-hour entry

// Image offset of entry n = 1..60, and of row 0..9 of group 0..5; out of range throws.
int ScheduleEntryOffset(int n);
int ScheduleRowOffset(int group, int row);

// An entry in display order: month, day, weekday code, hour, minute, command byte, argument byte
// (the last two swapped against the image, so the command comes first).
using ScheduleStage = std::array<std::uint8_t, 7>;
enum ScheduleStageByte : std::size_t { kStageMonth, kStageDay, kStageWeekday, kStageHour, kStageMinute, kStageCommand, kStageArgument };

ScheduleStage StageScheduleEntry(int offset);

// The texts of one entry's row; all empty for an empty entry (month byte 0).
struct ScheduleRowTexts {
    QString time;      // "09:30", or the every-hour mark then the minute
    QString weekday;   // the weekday text, or the no-weekday mark for a month/day entry
    QString month;     // "May", "Skip" for a weekday entry, "Error" for an unknown code
    QString day;       // the BCD day without leading zero; empty for a weekday entry
    QString command;   // four digits, command first
    bool operator==(const ScheduleRowTexts&) const = default;
};

// The list and the printed report mark an every-hour time and a month/day entry's weekday
// column differently; the list's marks are the defaults.
struct ScheduleRowMarks {
    QString everyHour = QStringLiteral("----:");
    QString noWeekday = QStringLiteral("----");
};

ScheduleRowTexts ScheduleRowText(int offset, const ScheduleRowMarks& marks = {});
// The printed report's marks: "---:" for every hour, six blanks and "----" for no weekday.
ScheduleRowMarks SchedulerReportMarks();

// What the entry editor holds when OK is pressed.
struct ScheduleEdit {
    bool erase = false;
    int mode = 0;                  // the selected option: 0 daily, 1 weekdays, 2 weekends,
                                   // 3 one weekday, 4 month and day; -1 none
    int weekdayPosition = -1;      // list positions; -1 = no position
    int monthPosition = -1;
    int dayPosition = -1;
    bool everyHour = false;
    QString timeText;              // "HHMM", or "MM" with every hour
    std::uint8_t commandByte = 0;
    std::uint8_t argumentByte = 0;
    // Whether the user changed the schedule (mode, lists, Erase) or the time (keypad, Every
    // Hour). An untouched field whose stored bytes the editor cannot show keeps them.
    bool scheduleTouched = true;
    bool timeTouched = true;
};

// Writes the 7 bytes at offset as the editor's OK does: seven zeros when erased; otherwise the
// schedule bytes of the mode, the time from its text (255 for every hour) and the command.
void SaveScheduleEntry(int offset, const ScheduleEdit& edit);

} // namespace quillon
