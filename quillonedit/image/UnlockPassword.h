#pragma once
// The repeater's two access codes: the 7-digit DTMF unlock number (a digit field at 512) and the
// CRT password (a length byte and up to 15 printable characters at 19496).
#include <QString>

#include <cstdint>

namespace quillon {

constexpr int kUnlockDigits = 7;
constexpr int kPasswordMaxChars = 15;

// The stored unlock number: the first min(count, 7) digits, empty for a count of 0.
QString DisplayUnlockText();

// Writes an accepted unlock number: count 7 and the digit codes of the text's first seven
// characters (0 where it is shorter). An empty text empties a stored number (count 0, digits 0)
// and leaves one that already reads empty as it is: never seven "D"s.
void SaveUnlockNumber(const QString& text);

// The stored password as the box shows it: at most 15 characters, bytes outside 32..126 skipped.
QString DisplayPassWordText();

// Writes the password area: all 16 bytes 0, then (for up to 15 characters) the length and each
// character's code, 0 for a character outside 32..126.
void WritePassword(const QString& text);

// The code of a one-character text in 32..126; 0 for anything else, the empty text included.
std::uint8_t AsciiToByte(const QString& character);

// The text with every character outside 32..126 left out: what the password box accepts.
QString PasswordCharacters(const QString& text);

} // namespace quillon
