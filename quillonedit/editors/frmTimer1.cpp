#include "quillonedit/editors/frmTimer1.h"

#include "quillonedit/image/Codec.h"
#include "quillonedit/image/Timers.h"
#include "quillonedit/image/ImageMap.h"
#include "quillonedit/image/SlotNames.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace quillon {

QString TimersCaption(int timersMemory)
{
    if (timersMemory == 0)
        return QStringLiteral("Repeater Base Timers");
    if (isMemorySet(timersMemory))
        return QStringLiteral("Memory Save #%1 Timers").arg(timersMemory);
    return {};
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
        AddFieldRow(this, grid, row, column, TimerSlotName(i, SlotWording::Caption), 70, lblA[k], lblTime[k],
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
    if (isMemorySet(timersMemory_))
        setWindowTitle(TimersCaption(timersMemory_));
    const std::array<QString, 19> texts = TimerTexts(timersMemory_);
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
    // Cancel gives back the initial text, which is stored too: the shown value is written back
    // with the unused upper bits cleared (a tenths value of 100 or more is not written).
    if (tenths)
        SaveTimerSec(offset, entry.text);
    else
        SaveTimerMin(offset, entry.text);
    DisplayTimers();
}

void frmTimer1::cmdDone_Click()
{
    closeFromOK();   // every entry is already in the image
}

} // namespace quillon
