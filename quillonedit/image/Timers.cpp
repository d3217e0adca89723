#include "quillonedit/image/Timers.h"

#include "quillonedit/image/ControllerImage.h"
#include "quillonedit/image/ImageMap.h"
#include "quillonedit/image/SlotNames.h"

#include <cstdint>
#include <optional>

namespace quillon {

namespace {

// The decimal value of a text of digits only; nullopt for anything else (empty included).
std::optional<int> digitsValue(const QString& text)
{
    if (text.isEmpty() || text.size() > 9)
        return std::nullopt;
    int value = 0;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

void storeTimer(int offset, int value)
{
    image().set(offset, static_cast<std::uint8_t>(value & 0xFF));
    image().set(offset + 1, static_cast<std::uint8_t>((value & 0x700) >> 8));
}

// Stores a keypad entry of digits up to maxValue; an empty entry stores 0.
bool saveTimer(int offset, const QString& text, int maxValue)
{
    if (offset < 0)
        return false;
    if (text.isEmpty()) {
        storeTimer(offset, 0);
        return true;
    }
    const std::optional<int> value = digitsValue(text);
    if (!value || *value > maxValue)
        return false;
    storeTimer(offset, *value);
    return true;
}
} // namespace

int GetPT(int timersMemory, int index)
{
    if (!isMemorySet(timersMemory) || index < 0 || index >= kTimerCount)
        return -1;
    return timerOffset(timersMemory, index);
}

bool IsTenthsTimer(int index)
{
    switch (index) {
    case 2: case 3: case 4: case 5: case 9: case 12: case 13: return true;
    default: return false;
    }
}

int TimerValue(int offset)
{
    return (image().at(offset) + 256 * (image().at(offset + 1) & 7)) & kTimerValueMask;
}

QString TimerText(int index, int value)
{
    if (IsTenthsTimer(index))
        return QStringLiteral("%1.%2").arg(value / 10).arg(value % 10);
    return QStringLiteral("%1:%2").arg(value / 60, 2, 10, QLatin1Char('0')).arg(value % 60, 2, 10, QLatin1Char('0'));
}

std::array<QString, 19> TimerTexts(int timersMemory)
{
    std::array<QString, 19> texts;
    if (!isMemorySet(timersMemory))
        return texts;
    for (int i = 0; i < kTimerCount; ++i)
        texts[static_cast<std::size_t>(i)] = TimerText(i, TimerValue(GetPT(timersMemory, i)));
    return texts;
}

QString TimerEntryText(int index, const QString& shown)
{
    if (IsTenthsTimer(index)) {
        // "2.5" -> 25: the digits without the point.
        QString digits = shown;
        digits.remove(QLatin1Char('.'));
        const std::optional<int> tenths = digitsValue(digits);
        return tenths ? QString::number(*tenths) : QString();
    }
    // "03:00" -> 180: first two characters are minutes, last two seconds.
    const std::optional<int> minutes = digitsValue(shown.left(2));
    const std::optional<int> seconds = digitsValue(shown.right(2));
    if (!minutes || !seconds)
        return {};
    return QString::number(*minutes * 60 + *seconds);
}

bool SaveTimerSec(int offset, const QString& text)
{
    return saveTimer(offset, text, 99);
}

bool SaveTimerMin(int offset, const QString& text)
{
    // A value beyond the 11 stored bits would come back as another value: refuse it.
    return saveTimer(offset, text, kTimerValueMask);
}

std::uint16_t TimerWord(int offset)
{
    return static_cast<std::uint16_t>(image().at(offset + 1) * 256 + image().at(offset));
}

QString TimerReportLabel(int k) { return TimerSlotName(k, SlotWording::Report); }

int TimerReportForm(int k)
{
    if (k < 0 || k >= kTimerCount)
        return 0;
    return IsTenthsTimer(k) ? 2 : 1;
}

QString TimerReportUnit(int k)
{
    const int form = TimerReportForm(k);
    return form == 1 ? QStringLiteral("Min/Sec") : form == 2 ? QStringLiteral("Sec") : QString();
}

QString TimerReportText(int value, int form)
{
    if (form == 1)
        return QStringLiteral("%1:%2").arg(value / 60, 2, 10, QLatin1Char('0')).arg(value % 60, 2, 10, QLatin1Char('0'));
    if (form == 2)
        return QStringLiteral("%1.%2").arg(value / 10).arg(value % 10);
    return {};
}

} // namespace quillon
