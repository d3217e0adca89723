#pragma once
// The plain digit fields of the autopatch and the DTMF generator: the pre-dial number (7 digits),
// the 40 DTMF generator memories (15 digits, four groups of ten) and the 20 telephone lock-out
// numbers (11 digits, two groups of ten). Each is a count byte and one digit code per byte.
// These fields store what their editor shows: the text goes back whole, count and spare bytes
// included, and the decoding gives every code back exactly.
#include <QString>

namespace quillon {

constexpr int kPreDialDigits = 7;
constexpr int kDtmfMemoryGroupRows = 10;
constexpr int kLockoutGroupRows = 10;

// The pre-dial number reads as DigitFieldText(kPreDial, kPreDialDigits): at most 7 digits.
// Memory k (0..39) and lock-out k (0..19); -1 outside those ranges.
int DtmfMemoryOffset(int k);
int LockoutOffset(int k);

// A generator memory's text: empty for a count of 0 or 16 and above.
QString DtmfMemoryText(int offset, int capacity = 15);
// Writes a memory back from the text it showed, after a cancelled keypad. A memory whose stored
// count is past the field shows empty and keeps its bytes, so digits the user never saw are not
// wiped. An accepted text, empty included, is written by WriteDtmfField.
void WriteBackDtmfMemory(int offset, int capacity, const QString& text);
// A lock-out number reads as DigitFieldText(offset, kLockoutDigits): at most 11 digits, whatever
// the count. All three kinds are written by WriteDtmfField.

} // namespace quillon
