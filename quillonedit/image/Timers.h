#pragma once
// The 19 timers of the base set and of each memory save: two bytes each, low byte first, of which
// the editors keep 11 bits. Seven timers count tenths of a second, the others seconds.
#include <QString>

#include <array>
#include <cstdint>

namespace quillon {

constexpr int kTimerValueMask = 0x7FF;   // low byte + 256 x (high byte And 7)

// Image offset of timer `index` (0..18) of a memory (0 base set, 1..8 memory save n); -1 when
// either lies outside its range, so nothing is ever written for it.
int GetPT(int timersMemory, int index);
// Timers 2, 3, 4, 5, 9, 12 and 13 count tenths of a second; the others count seconds.
bool IsTenthsTimer(int index);
// The 11-bit value stored at offset.
int TimerValue(int offset);
// The text shown for a value: tenths as seconds with one decimal ("2.5"), the others as
// minutes and seconds ("03:00"). Computed from the integer only.
QString TimerText(int index, int value);
// The 19 texts of a memory; all empty for a memory outside 0..8.
std::array<QString, 19> TimerTexts(int timersMemory);
// The keypad's initial text for a shown value: the tenths or the seconds as a whole number.
QString TimerEntryText(int index, const QString& shown);
// Store an entry at offset; each returns whether it wrote. Empty text stores 0.
// SaveTimerSec takes 0..99 tenths; SaveTimerMin takes 0..2047 seconds (the stored range), and
// writes the high byte 0..7 only. Anything else, and an offset of -1, writes nothing.
bool SaveTimerSec(int offset, const QString& text);
bool SaveTimerMin(int offset, const QString& text);

// The 16-bit timer at offset, low byte first, every bit of the high byte counted (0..65535): what
// the printed report shows, without the editors' mask.
std::uint16_t TimerWord(int offset);

// The printed report's label of timer k (0..18); empty outside.
QString TimerReportLabel(int k);
// How the report prints timer k: 1 minutes and seconds, 2 tenths; 0 outside 0..18.
int TimerReportForm(int k);
// The report's unit of timer k: "Min/Sec" or "Sec"; empty outside 0..18.
QString TimerReportUnit(int k);
// A timer word as the report prints it: form 1 "mm:ss" (minutes not limited), form 2 tenths
// "12.5", any other form empty.
QString TimerReportText(int value, int form);

} // namespace quillon
