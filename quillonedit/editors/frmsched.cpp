#include "quillonedit/editors/frmsched.h"

#include "quillonedit/editors/frmSetSched.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quillon {

frmsched::frmsched(QWidget* parent) : EditorDialog(parent, CloseBox::AsCancel)
{
    setObjectName(QStringLiteral("frmsched"));
    setWindowTitle(QStringLiteral("Quillon Scheduler"));
    setHelpContextID(kSchedulerHelpContext);

    Frame1 = new QGroupBox(QStringLiteral("Scheduler Group"), this);
    auto* groups = new QHBoxLayout(Frame1);
    for (int g = 0; g < kSchedulerGroupCount; ++g) {
        QRadioButton*& option = optGroup[static_cast<std::size_t>(g)];
        option = new QRadioButton(QStringLiteral("%1-%2").arg(10 * g + 1).arg(10 * g + 10), Frame1);
        groups->addWidget(option);
        connect(option, &QRadioButton::toggled, this, [this, g](bool on) {
            if (on)
                optGroup_Click(g);
        });
    }

    // Columns: number, time, weekday, month, day of month, command; the number has no heading.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    Label1[0] = new QLabel(QStringLiteral("Time"), this);
    Label1[1] = new QLabel(QStringLiteral("Day Of Week"), this);
    Label1[3] = new QLabel(QStringLiteral("Month/Day Of Year"), this);
    Label1[4] = new QLabel(QStringLiteral("Cmd"), this);
    grid->addWidget(Label1[0], 0, 1, Qt::AlignHCenter);
    grid->addWidget(Label1[1], 0, 2, Qt::AlignHCenter);
    grid->addWidget(Label1[3], 0, 3, 1, 2, Qt::AlignHCenter);
    grid->addWidget(Label1[4], 0, 5, Qt::AlignHCenter);
    for (int i = 0; i < kSchedulerGroupRows; ++i) {
        const auto k = static_cast<std::size_t>(i);
        lblNum[k] = new QLabel(this);
        lblTime[k] = new ClickLabel(this);
        StyleFieldLabel(lblTime[k], 70);
        connect(lblTime[k], &ClickLabel::clicked, this, [this, i] { lblTime_Click(i); });
        lblDOW[k] = new QLabel(this);
        lblMOY[k] = new QLabel(this);
        lblDOM[k] = new QLabel(this);
        lblCmd[k] = new QLabel(this);
        lblDOW[k]->setMinimumWidth(90);
        lblMOY[k]->setMinimumWidth(80);
        lblDOM[k]->setMinimumWidth(24);
        lblCmd[k]->setMinimumWidth(40);
        const std::array<QLabel*, 6> row = {lblNum[k], lblTime[k], lblDOW[k], lblMOY[k], lblDOM[k], lblCmd[k]};
        for (int column = 0; column < 6; ++column) {
            row[static_cast<std::size_t>(column)]->setTextFormat(Qt::PlainText);
            grid->addWidget(row[static_cast<std::size_t>(column)], i + 1, column);
        }
    }

    QHBoxLayout* buttons = OKButtonRow(this, cmdOK, [this] { cmdOK_Click(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    // Load: the first group.
    SchedGroup = 0;
    optGroup[0]->setChecked(true);
    DisplaySched();
}

void frmsched::Form_Activate()
{
    // Drawn again whenever the list is shown, so a reopened list never shows rows of another
    // project or of entries erased since.
    DisplaySched();
}

void frmsched::DisplaySched()
{
    for (int i = 0; i < kSchedulerGroupRows; ++i) {
        const auto k = static_cast<std::size_t>(i);
        lblNum[k]->setText(QStringLiteral(" %1").arg(10 * SchedGroup + i + 1));
        const ScheduleRowTexts row = ScheduleRowText(ScheduleRowOffset(SchedGroup, i));
        lblTime[k]->setText(row.time);
        lblDOW[k]->setText(row.weekday);
        lblMOY[k]->setText(row.month);
        lblDOM[k]->setText(row.day);
        lblCmd[k]->setText(row.command);
    }
}

int frmsched::GetPT(int index)
{
    SchedEntryOffset = ScheduleRowOffset(SchedGroup, index);
    SchedEntryStage = StageScheduleEntry(SchedEntryOffset);
    return 10 * SchedGroup + index + 1;
}

void frmsched::optGroup_Click(int index)
{
    if (index == SchedGroup || index < 0 || index >= kSchedulerGroupCount)
        return;
    SchedGroup = index;
    DisplaySched();
}

void frmsched::lblTime_Click(int index)
{
    if (index < 0 || index >= kSchedulerGroupRows)
        return;
    const int n = GetPT(index);   // staged before the editor is made
    frmSetSched editor(SchedEntryOffset, SchedEntryStage, this);
    editor.setWindowTitle(QStringLiteral("Schedular Position %1").arg(n));
    editor.exec();
    DisplaySched();
}

void frmsched::cmdOK_Click()
{
    closeFromOK();   // hidden; group and rows stay for the next opening
}

void frmsched::reject()
{
    // The close box (and Esc) end this list for good; the next opening makes a new one.
    EditorDialog::reject();
    deleteLater();
}

} // namespace quillon
