#pragma once
// Telephone entries of the autopatch: the 300 user speed dials (three blocks of 100) and the ten
// emergency speed dials share one 40-byte layout:
//   +0        digit count (pauses not counted; 0 = no number)
//   +1..+16   one byte per digit: its digit code in the low four bits, 16 added when a pause
//             (",") comes before it
//   +17       identification word count
//   +18..+39  identification words, two bytes each (word number div 100, mod 100); room for 11
#include <QString>

#include <cstdint>
#include <span>
#include <vector>

namespace quillon {

constexpr int kSpeedDialBlockCount = 3;
constexpr int kSpeedDialGroupRows = 10;
constexpr int kSpeedDialMaxDigits = 16;     // digit bytes of an entry
constexpr int kSpeedDialWordCount = 17;     // offset of the word count inside an entry
constexpr int kSpeedDialWordRoom = 11;      // words the entry has room for

// Entry `entry` (0..99) of block 1..3; -1 outside those ranges.
int SpeedDialOffset(int block, int entry);
// Emergency entry 0..9; -1 outside that range.
int EmergencySpeedDialOffset(int index);

// The number of the entry at offset as text with pauses: "" for a count of 0 or above 16; digit
// code 0 and 10 both show "0", codes 13..15 show nothing.
QString DisplayAPNum(int offset);
// What one digit byte of a telephone number shows: "," for a pause (bit 4 or above), then its
// dialled digit (nothing for the letter codes 13..15).
QString DialDigitText(std::uint8_t byte);
// Characters of a number text that are not pauses.
int CalcLength(const QString& text);
// Stores a number text: the count and digit bytes +1..+15 are cleared first (+16 keeps its value),
// then each digit goes in with the pause before it. A trailing pause is dropped. At most 16 digits
// are stored, so a long text never reaches the identification.
void SaveTelNum(int offset, const QString& text);
// An accepted keypad text: SaveTelNum unless it is the non-empty text the entry already shows, so
// an entry the user left as it shows keeps its bytes (a stored 0 would otherwise become 10, codes
// 13..15 would vanish). An empty text is always stored (count 0), even for an entry that showed
// empty: the user chose an empty entry.
void SaveTelNumIfChanged(int offset, const QString& text);

// Writes the identification words (three-digit texts) of the entry at offset: WriteWordTexts on
// its word count. Nothing for an offset of -1. Returns whether it wrote.
bool SaveSpeedDialWords(int offset, std::span<const QString> words, int maxWords);

// Whether the entry's number count is one an entry can hold (1..16); only such rows are shown.
bool SpeedDialShown(int offset);
// Whether the entry stores identification words (count byte not 0), shown or not.
bool SpeedDialHasWords(int offset);
// The editors' identification codes: (first byte And 15) x 256 + second byte, for at most 11 of
// the counted words.
std::vector<int> SpeedDialWordCodes(int offset);
// The identification as the editors show it: each word's text after a blank, so it starts with
// one; empty when the row is not shown (number count 0 or above 16).
QString SpeedDialIdText(int offset);
// The identification as the report prints it, whatever the number count: each word after a
// blank; the stored code is first byte x 256 + second byte, and a code of 32768 or more prints
// its value. At most 11 words.
QString SpeedDialReportIdText(int offset);

} // namespace quillon
