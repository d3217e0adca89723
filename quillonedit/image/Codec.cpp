#include "quillonedit/image/Codec.h"

#include "quillonedit/image/ControllerImage.h"
#include "quillonedit/image/ImageMap.h"
#include "quillonedit/image/SlotNames.h"
#include "quillonedit/tables/CommandDecoder.h"

#include <algorithm>

namespace quillon {

namespace {

// Index = digit code; the controller stores "D" as 0 and "0" as 10.
constexpr char16_t kDigitChars[16] = {u'D', u'1', u'2', u'3', u'4', u'5', u'6', u'7',
                                      u'8', u'9', u'0', u'*', u'#', u'A', u'B', u'C'};

// Character i (0-based) of text as a one-character text, empty beyond its end.
QString charAt(const QString& text, int i)
{
    return i < text.size() ? text.mid(i, 1) : QString();
}

std::uint8_t decimalNibble(const QString& ch)
{
    const std::uint8_t code = DtmfCharToCode(ch);
    return code > 9 ? 0 : code;
}

} // namespace

QString DecodeDtmfString(int offset, int& maxLen)
{
    const int count = image().at(offset);
    if (count < maxLen)
        maxLen = count;
    QString text;
    for (int i = 1; i <= maxLen; ++i)
        text += DtmfDigitChar(image().at(offset + i));
    return text;
}

std::uint8_t DtmfCharToCode(const QString& text)
{
    if (text.size() != 1)
        return 0;
    // Code 0 ("D") is the fallback anyway, so the search starts at 1.
    for (std::uint8_t code = 1; code < 16; ++code) {
        if (text.at(0) == QChar(kDigitChars[code]))
            return code;
    }
    return 0;
}

std::uint8_t DigitPairToBcd(const QString& text)
{
    if (text.isEmpty())
        return 0;
    const std::uint8_t high = decimalNibble(text.left(1));
    const std::uint8_t low = decimalNibble(text.right(1));
    return static_cast<std::uint8_t>(high * 16 + low);
}

QChar DtmfDigitChar(std::uint8_t byte) { return QChar(kDigitChars[byte & 15]); }

QString DecodeThreeDigits(int offset)
{
    if (image().at(offset) == 0)
        return {};
    QString text;
    for (int i = 0; i < 3; ++i)
        text += ThreeDigitChar(image().at(offset + i));
    return text;
}

QString ThreeDigitChar(std::uint8_t byte) { return byte < 10 ? QString::number(byte) : QStringLiteral("0"); }

QString GetCodeName(int index) { return CodeSlotName(index, SlotWording::Heading); }

QString GetTimerName(int index) { return TimerSlotName(index, SlotWording::Heading); }

QString CommandWordText(int offset)
{
    return CommandDisplayText(image().at(offset + 1), image().at(offset));
}

bool IsBcdCommandWord(int offset)
{
    for (int i = 0; i < 2; ++i) {
        const int b = image().at(offset + i);
        if ((b >> 4) > 9 || (b & 15) > 9)
            return false;
    }
    return true;
}

void WriteCommandWord(int offset, const QString& text)
{
    image().at(offset + 1);
    if (!IsBcdCommandWord(offset) && text == CommandWordText(offset))
        return;
    image().set(offset + 1, DigitPairToBcd(text.left(2)));
    image().set(offset, DigitPairToBcd(text.right(2)));
}

void WriteDtmfField(int offset, int capacity, const QString& text)
{
    // Check the whole field first so a bad offset never leaves it half written.
    image().at(offset + capacity);
    const int count = std::min<int>(static_cast<int>(text.size()), capacity);
    image().set(offset, static_cast<std::uint8_t>(count));
    for (int i = 1; i <= capacity; ++i)
        image().set(offset + i, DtmfCharToCode(charAt(text, i - 1)));
}

QString DigitFieldText(int offset, int capacity)
{
    int maxLen = capacity;
    return DecodeDtmfString(offset, maxLen);
}

int CodeFieldOffset(int codesMemory, int k)
{
    if (!isMemorySet(codesMemory) || k < 0 || k >= kCodeCount)
        return -1;
    return codeRecordOffset(codesMemory, k);
}

void SaveCodes(int codesMemory, const std::array<QString, 25>& texts)
{
    if (!isMemorySet(codesMemory))
        return;
    for (int k = 0; k < kCodeCount; ++k)
        WriteDtmfField(codeRecordOffset(codesMemory, k), kCodeDigits, texts[static_cast<std::size_t>(k)]);
}

bool MacroHasCode(int offset) { return image().at(offset + kMacroCodeCount) != 0; }

MacroRowTexts DecodeMacroLine(int offset)
{
    MacroRowTexts row;
    if (!MacroHasCode(offset))
        return row;   // a macro without a code shows as a blank row
    int maxLen = kCodeDigits;
    row.code = DecodeDtmfString(offset, maxLen);
    for (int c = 0; c < kMacroCommands; ++c)
        row.commands[static_cast<std::size_t>(c)] = CommandWordText(offset + kMacroFirstCommand + 2 * c);
    return row;
}

void SaveMacroLine(int offset, const MacroRowTexts& row)
{
    image().at(offset + kMacroRecordBytes - 1);
    WriteDtmfField(offset, kCodeDigits, row.code);
    for (int c = 0; c < kMacroCommands; ++c)
        WriteCommandWord(offset + kMacroFirstCommand + 2 * c, row.commands[static_cast<std::size_t>(c)]);
}

void SaveMacros(int macroPage, int mode, int row, const std::array<MacroRowTexts, 10>& rows)
{
    if (macroPage < 0 || macroPage >= kMacroPageCount)
        return;
    const int start = macroPageOffset(macroPage);
    if (mode == 0) {
        for (int r = 0; r < kMacroRows; ++r)
            SaveMacroLine(start + kMacroRecordBytes * r, rows[static_cast<std::size_t>(r)]);
    } else if (mode == 1 && row >= 0 && row < kMacroRows) {
        SaveMacroLine(start + kMacroRecordBytes * row, rows[static_cast<std::size_t>(row)]);
    }
}

} // namespace quillon
