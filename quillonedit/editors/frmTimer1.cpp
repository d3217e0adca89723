#include "quillonedit/editors/frmTimer1.h"

#include "quillonedit/image/Codec.h"
#include "quillonedit/image/ControllerImage.h"
#include "quillonedit/image/ImageMap.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <optional>

namespace quillon {

namespace {
bool validMemory(int memory) { return memory >= 0 && memory <= kMemorySaveCount; }

constexpr std::array<const char*, 19> kRoleCaptions = {
    "Repeater Time-Out",       "Repeater Sleep Time",     "Turn On Delay Time",
    "COR Drop To Beep Time",   "Beep To PTT Drop Time",   "DTMF Mute Delay Time",
    "Repeater ID Time",        "Squelch Message Time",    "Drop Out Message Time",
    "Voice Delay Timer",       "Autopatch Length Time",   "Autopatch Activity Time",
    "DTMF Pre-Window Time",    "DTMF Window Time",        "Program Max Length Time",
    "Audio Test Tone Length",  "Ring Detector Time",      "Modem Connect Time",
    "Link Auto Disconnect Time",
};

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
    if (!validMemory(timersMemory) || index < 0 || index >= kTimerCount)
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

QString TimersCaption(int timersMemory)
{
    if (timersMemory == 0)
        return QStringLiteral("Repeater Base Timers");
    if (validMemory(timersMemory))
        return QStringLiteral("Memory Save #%1 Timers").arg(timersMemory);
    return {};
}

std::array<QString, 19> DisplayTimers(int timersMemory)
{
    std::array<QString, 19> texts;
    if (!validMemory(timersMemory))
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

frmTimer1::frmTimer1(int timersMemory, QWidget* parent)
    : EditorDialog(parent, CloseBox::AsOK), timersMemory_(timersMemory)
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    std::size_t tenths = 0;
    std::size_t minutes = 0;
    for (int i = 0; i < kTimerCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        // Timers 0..9 in the left column, 10..18 in the right.
        const int row = i < 10 ? i : i - 10;
        const int column = i < 10 ? 0 : 4;
        AddFieldRow(this, grid, row, column, QString::fromLatin1(kRoleCaptions[k]), 70, lblA[k], lblTime[k],
                    [this, i] { lblTime_Click(i); });
        QLabel* unit = nullptr;
        if (IsTenthsTimer(i))
            unit = lblS[tenths++] = new QLabel(QStringLiteral("Sec"), this);
        else
            unit = lblM[minutes++] = new QLabel(QStringLiteral("Min:Sec"), this);
        grid->addWidget(unit, row, column + 2);
    }
    grid->setColumnMinimumWidth(3, 24);

    QHBoxLayout* buttons = OKButtonRow(this, cmdDone, [this] { cmdDone_Click(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

void frmTimer1::Form_Activate()
{
    DisplayTimers();
}

void frmTimer1::DisplayTimers()
{
    if (validMemory(timersMemory_))
        setWindowTitle(TimersCaption(timersMemory_));
    const std::array<QString, 19> texts = quillon::DisplayTimers(timersMemory_);
    for (std::size_t k = 0; k < texts.size(); ++k)
        lblTime[k]->setText(texts[k]);
}

void frmTimer1::lblTime_Click(int index)
{
    const int offset = GetPT(timersMemory_, index);
    if (offset < 0)
        return;
    const QString initial = TimerEntryText(index, lblTime[static_cast<std::size_t>(index)]->text());
    const bool tenths = IsTenthsTimer(index);
    const KeyPadResult entry = GetKeyPadEntry({.mode = KeyPadKeys::Digits,
                                                     .maxLen = tenths ? 2 : 4,
                                                     .heading = GetTimerName(index),
                                                     .initial = initial,
                                                     .check = tenths ? KeyPadCheck::None : KeyPadCheck::OneTo1800});
    // A cancelled keypad leaves the stored bytes alone.
    if (entry.accepted) {
        if (tenths)
            SaveTimerSec(offset, entry.text);
        else
            SaveTimerMin(offset, entry.text);
    }
    DisplayTimers();
}

void frmTimer1::cmdDone_Click()
{
    closeFromOK();   // every entry is already in the image
}

} // namespace quillon
