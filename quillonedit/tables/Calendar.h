#pragma once
// Calendar tables of the scheduler entry editor and the schedule day and month texts.

#include <QString>

#include <array>
#include <cstdint>

namespace quillon {

// Fills DayNames 0..6, MonthNames and MonthCodes 0..11, DayOfMonthTexts and
// DayOfMonthCodes 0..30. A list position of the scheduler editor is a table index.
void LoadCalendarTables();

const std::array<QString, 7>& DayNames();
const std::array<QString, 14>& MonthNames();
const std::array<std::uint8_t, 14>& MonthCodes();      // BCD months 0x01..0x12
const std::array<QString, 32>& DayOfMonthTexts();
const std::array<std::uint8_t, 32>& DayOfMonthCodes(); // BCD days 0x01..0x31

// Position-safe reads: a position outside the table (for example -1, a list
// without a selection) gives 0.
std::uint8_t MonthCodeAt(int position);
std::uint8_t DayOfMonthCodeAt(int position);
// List position of a stored BCD code among the filled entries, or -1.
int MonthCodeIndex(std::uint8_t code);
int DayOfMonthCodeIndex(std::uint8_t code);

// Weekday code (0 daily, 1..7 Sunday..Saturday, 8 weekdays, 9 weekends) as text;
// "Error" for any other value.
QString GetScheduleDayText(std::uint8_t code);
// BCD month code as text, 255 "Skip"; "Error" for any other value.
QString GetScheduleMonthText(std::uint8_t code);

} // namespace quillon
