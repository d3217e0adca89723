#include "quillonedit/image/SpeedDial.h"

#include "quillonedit/image/Codec.h"
#include "quillonedit/image/ControllerImage.h"
#include "quillonedit/image/ImageMap.h"
#include "quillonedit/image/VoiceSlots.h"
#include "quillonedit/tables/Vocabulary.h"

#include <algorithm>

namespace quillon {

namespace {
constexpr std::uint8_t kPauseBit = 16;

int storedWordCount(int offset)
{
    return std::min<int>(image().at(offset + kSpeedDialWordCount), kSpeedDialWordRoom);
}
} // namespace

int SpeedDialOffset(int block, int entry)
{
    if (block < 1 || block > kSpeedDialBlockCount || entry < 0 || entry >= kSpeedDialCount)
        return -1;
    return kSpeedDial1 + kSpeedDialBlockBytes * (block - 1) + kSpeedDialEntryBytes * entry;
}

int EmergencySpeedDialOffset(int index)
{
    if (index < 0 || index >= kEmergencyCount)
        return -1;
    return kEmergency + kEmergencyEntryBytes * index;
}

QString DisplayAPNum(int offset)
{
    const int count = image().at(offset);
    if (count > kSpeedDialMaxDigits)
        return {};
    QString text;
    for (int i = 1; i <= count; ++i)
        text += DialDigitText(image().at(offset + i));
    return text;
}

QString DialDigitText(std::uint8_t byte)
{
    QString text;
    if (byte > 15)
        text += QLatin1Char(',');
    const int d = byte & 15;
    if (d <= 9)
        text += QChar(u'0' + d);
    else if (d == 10)
        text += QLatin1Char('0');
    else if (d == 11)
        text += QLatin1Char('*');
    else if (d == 12)
        text += QLatin1Char('#');
    // 13..15 (the letters) are not dialled digits: nothing shows
    return text;
}

int CalcLength(const QString& text)
{
    return static_cast<int>(text.size() - text.count(QLatin1Char(',')));
}

void SaveTelNum(int offset, const QString& text)
{
    image().at(offset + kSpeedDialMaxDigits);   // the whole entry exists before anything changes
    for (int i = 0; i < kSpeedDialMaxDigits; ++i)
        image().set(offset + i, 0);
    image().set(offset, static_cast<std::uint8_t>(std::min(CalcLength(text), kSpeedDialMaxDigits)));
    int p = 1;
    std::uint8_t pause = 0;
    for (QChar c : text) {
        if (c == QLatin1Char(',')) {
            pause = static_cast<std::uint8_t>(pause + kPauseBit);
            continue;
        }
        if (p > kSpeedDialMaxDigits)
            break;
        image().set(offset + p, static_cast<std::uint8_t>(DtmfCharToCode(QString(c)) | pause));
        pause = 0;
        ++p;
    }
}

void SaveTelNumIfChanged(int offset, const QString& text)
{
    if (!text.isEmpty() && DisplayAPNum(offset) == text)
        return;
    SaveTelNum(offset, text);
}

bool SpeedDialShown(int offset)
{
    const int count = image().at(offset);
    return count >= 1 && count <= kSpeedDialMaxDigits;
}

bool SaveSpeedDialWords(int offset, std::span<const QString> words, int maxWords)
{
    if (offset < 0)
        return false;
    return WriteWordTexts(offset + kSpeedDialWordCount, words, maxWords);
}

bool SpeedDialHasWords(int offset)
{
    return image().at(offset + kSpeedDialWordCount) != 0;
}

std::vector<int> SpeedDialWordCodes(int offset)
{
    std::vector<int> codes;
    const int count = storedWordCount(offset);
    for (int j = 0; j < count; ++j) {
        const int at = offset + kSpeedDialWordCount + 1 + 2 * j;
        codes.push_back((image().at(at) & 15) * 256 + image().at(at + 1));
    }
    return codes;
}

QString SpeedDialIdText(int offset)
{
    if (!SpeedDialShown(offset))
        return {};
    QString text;
    for (int code : SpeedDialWordCodes(offset))
        text += QLatin1Char(' ') + GetVocabularyText(static_cast<VocabularyCode>(code));
    return text;
}

QString SpeedDialReportIdText(int offset)
{
    QString text;
    const int count = storedWordCount(offset);
    for (int j = 0; j < count; ++j) {
        const int at = offset + kSpeedDialWordCount + 1 + 2 * j;
        const int code = image().at(at) * 256 + image().at(at + 1);
        text += QLatin1Char(' ');
        text += code > 0x7FFF ? QString::number(code) : GetVocabularyText(static_cast<VocabularyCode>(code));
    }
    return text;
}

} // namespace quillon
