#include "quillonedit/image/CourtesyTones.h"

#include "quillonedit/image/ControllerImage.h"

#include <algorithm>
#include <stdexcept>

namespace quillon {

namespace {

// Frequency code c (0..8) shows kFrequencyTexts[c].
constexpr std::array<const char*, 9> kFrequencyTexts = {"0", "500", "600", "700", "800", "900", "1000", "1100", "1200"};
constexpr int kTimeCodes = 10;   // 0..9, 50 ms a step

QString frequencyText(int code)
{
    return code >= 0 && code < int(kFrequencyTexts.size()) ? QString::fromLatin1(kFrequencyTexts[code]) : QString();
}
QString timeText(int code) { return code >= 0 && code < kTimeCodes ? QString::number(50 * code) : QString(); }

// The code whose text is exactly `text`, or -1.
int frequencyCode(const QString& text)
{
    for (int c = 0; c < int(kFrequencyTexts.size()); ++c)
        if (text == QLatin1String(kFrequencyTexts[c]))
            return c;
    return -1;
}
int timeCode(const QString& text)
{
    for (int c = 0; c < kTimeCodes; ++c)
        if (text == timeText(c))
            return c;
    return -1;
}
// The code of a one-digit keypad text, or -1.
int digitCode(const QString& digit)
{
    return digit.size() == 1 && digit[0] >= u'0' && digit[0] <= u'9' ? digit[0].unicode() - u'0' : -1;
}
QString digitText(int code) { return code < 0 ? QString() : QString::number(code); }

} // namespace

int courtesyToneOffset(int row)
{
    if (row < 0 || row >= kCourtesyToneCount)
        throw std::out_of_range("courtesy tone");
    return kCourtesyTones + kCourtesyToneBytes * row;
}

QString CFreq(int offset) { return frequencyText(image().at(offset)); }
QString CDly(int offset) { return timeText(image().at(offset)); }

QString FreqIn(const QString& text) { return digitText(frequencyCode(text)); }
QString FreqOut(const QString& digit) { return frequencyText(digitCode(digit)); }
QString DelayIn(const QString& text) { return digitText(timeCode(text)); }
QString DelayOut(const QString& digit) { return timeText(digitCode(digit)); }

std::uint8_t SaveTones(const QString& text) { return static_cast<std::uint8_t>(std::max(0, frequencyCode(text))); }
std::uint8_t SaveDelay(const QString& text) { return static_cast<std::uint8_t>(std::max(0, timeCode(text))); }

bool CourtesyToneEmpty(int row) { return image().at(courtesyToneOffset(row)) == 0; }

std::array<QString, kCourtesyCells> DisplayCourtesyRow(int row)
{
    const int o = courtesyToneOffset(row);
    std::array<QString, kCourtesyCells> texts;
    if (CourtesyToneEmpty(row))
        return texts;
    for (int k = 0; k < kCourtesyCells; ++k) {
        const CourtesyCell& cell = kCourtesyCellLayout[static_cast<std::size_t>(k)];
        texts[static_cast<std::size_t>(k)] = cell.frequency ? CFreq(o + cell.byte) : CDly(o + cell.byte);
    }
    return texts;
}

void SaveCourtesyCell(int row, int cell, const QString& shownText)
{
    if (cell < 0 || cell >= kCourtesyCells)
        throw std::out_of_range("courtesy tone cell");
    const CourtesyCell& c = kCourtesyCellLayout[static_cast<std::size_t>(cell)];
    image().set(courtesyToneOffset(row) + c.byte, c.frequency ? SaveTones(shownText) : SaveDelay(shownText));
}

void EraseCourtesyTone(int row)
{
    const int o = courtesyToneOffset(row);
    for (int k = 0; k < kCourtesyToneBytes; ++k)
        image().set(o + k, 0);
}

} // namespace quillon
