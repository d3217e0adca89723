#pragma once
// The 20 telephone area codes of the autopatch: three digit bytes each, empty when the first is 0.
#include <QString>

namespace quillon {

// The image offset of entry i (0..19); -1 outside that range.
int AreaCodeOffset(int index);
// The text of the entry at offset (DecodeThreeDigits); capacity is the entry's three digits.
QString AreaCodeText(int offset, int capacity);
// Writes one entry from a text: a digit code per character, 0 past the text. An entry written
// from the text it shows comes out in its plain form (3,0,5 shows 305 and becomes 3,10,5).
void SaveAreaCode(int offset, int capacity, const QString& text);

} // namespace quillon
