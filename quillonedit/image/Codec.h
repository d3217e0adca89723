#pragma once
// The DTMF digit codec and the record writers that the editors share. They keep no state and work
// on image() at the absolute offsets they are given.
#include <QString>

#include <array>
#include <cstdint>

namespace quillon {

// What one macro row of the macro editor shows: its code and its ten four-digit commands.
struct MacroRowTexts {
    QString code;
    std::array<QString, 10> commands;
    bool operator==(const MacroRowTexts&) const = default;
};

// The digits of the digit field at offset: min(count, maxLen) of them. maxLen is in-out: it is
// lowered to the count when the count is smaller.
QString DecodeDtmfString(int offset, int& maxLen);
// The character a stored digit byte shows in a digit field: its low four bits as a digit code.
QChar DtmfDigitChar(std::uint8_t byte);
// The digit code of a one-character text; 0 for "D", the empty text and anything else.
std::uint8_t DtmfCharToCode(const QString& text);
// The BCD pair of the first and last characters; non-decimal characters count as 0.
std::uint8_t DigitPairToBcd(const QString& text);
// The three-digit text at offset; empty when the first byte is 0.
QString DecodeThreeDigits(int offset);
// The character one byte of a three-digit code shows: its digit below 10, else "0".
QString ThreeDigitChar(std::uint8_t byte);
QString GetCodeName(int index);    // empty outside 0..24
QString GetTimerName(int index);   // empty outside 0..18
// The four-digit text of the command word at offset (CommandDisplayText): command byte first,
// then argument.
QString CommandWordText(int offset);
// Whether both bytes of the command word at offset are BCD pairs (every nibble 0..9).
bool IsBcdCommandWord(int offset);
// Writes a command text as a command word: the first two characters to the command byte, the last
// two to the argument byte, each through DigitPairToBcd. A stored word that is not BCD ("9A10")
// keeps its bytes when the text is still its own: packing it would make it another command.
void WriteCommandWord(int offset, const QString& text);

// Writes a digit field of `capacity` digit bytes: count (at most capacity), the codes, 0 beyond.
void WriteDtmfField(int offset, int capacity, const QString& text);

// The text of a digit field of `capacity` digits: DecodeDtmfString without the in-out maximum.
QString DigitFieldText(int offset, int capacity);
// The image offset of code record k (0..24) of a memory; -1 when either lies outside its range.
int CodeFieldOffset(int codesMemory, int k);

// Writes all 25 code records of a memory from their texts, in index order, changed or not: each
// count becomes the text's length (at most 7) and every byte behind the text 0. Nothing for
// codesMemory outside 0..8.
void SaveCodes(int codesMemory, const std::array<QString, 25>& texts);

// Whether the macro record at offset holds a macro: its code count is not 0.
bool MacroHasCode(int offset);
// A macro row as the macro editor shows it: blank when the code count is 0.
MacroRowTexts DecodeMacroLine(int offset);
// Mode 0 writes all ten rows of the page, mode 1 only `row`; nothing for a page outside 0..3,
// another mode or a row outside 0..9.
void SaveMacros(int macroPage, int mode, int row, const std::array<MacroRowTexts, 10>& rows);
// Writes one 28-byte macro record at offset: the code as a digit field, the ten commands through
// WriteCommandWord (a blank row becomes 28 zero bytes).
void SaveMacroLine(int offset, const MacroRowTexts& row);

} // namespace quillon
