#include "quillonedit/editors/frmFreqDis.h"

#include "quillonedit/editors/frmFreqSet.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quillon {

QString FrequencyPositionCaption(int position)
{
    // The number keeps the blank a positive number gets in front, hence two blanks after "No.".
    return QStringLiteral("Frequency Position No.  %1").arg(position);
}

frmFreqDis::frmFreqDis(QWidget* parent) : EditorDialog(parent, CloseBox::AsOK)
{
    setWindowTitle(QStringLiteral("Remote Base Frequencies"));
    setHelpContextID(kRbiFrequenciesHelpContext);

    auto* rows = new QGridLayout;
    rows->setHorizontalSpacing(6);
    const std::array<const char*, 4> headings = {"Frequency", "Offset", "Power", "CTCSS"};
    for (int c = 0; c < 4; ++c) {
        auto* heading = new QLabel(QString::fromLatin1(headings[static_cast<std::size_t>(c)]), this);
        heading->setAlignment(Qt::AlignCenter);
        lblB[static_cast<std::size_t>(c)] = heading;
        rows->addWidget(heading, 0, c + 1);
    }
    const auto cell = [this](int minimumWidth) {
        QLabel* label = ValueLabel(this, minimumWidth);
        label->setAlignment(Qt::AlignCenter);
        return label;
    };
    for (int r = 0; r < kRbiGroupRows; ++r) {
        const auto k = static_cast<std::size_t>(r);
        lblA[k] = new QLabel(this);
        lblA[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        lblF[k] = new ClickLabel(this);
        StyleFieldLabel(lblF[k], platform::widgets::FieldLook::Editable, 90);
        connect(lblF[k], &ClickLabel::clicked, this, [this, r] { lblF_Click(r); });
        lblO[k] = cell(80);
        lblPower[k] = cell(80);
        lblPL[k] = cell(80);
        rows->addWidget(lblA[k], r + 1, 0);
        rows->addWidget(lblF[k], r + 1, 1);
        rows->addWidget(lblO[k], r + 1, 2);
        rows->addWidget(lblPower[k], r + 1, 3);
        rows->addWidget(lblPL[k], r + 1, 4);
    }

    fraGroup = GroupOptionFrame(this, QStringLiteral("Group Selection"), {"1-10", "11-20", "21-30", "31-40"}, optSel,
                                [this](int g) { optSel_Click(g); });
    LayOutListDialog(this, rows, fraGroup, cmdOK, [this] { cmdOK_Click(); });
}

void frmFreqDis::Form_Activate() { DisplayFreq(FreqGroup); }

void frmFreqDis::DisplayFreq(int group)
{
    if (group < 0 || group >= kRbiGroupCount)
        return;
    const int first = kRbiGroupRows * group;
    for (int r = 0; r < kRbiGroupRows; ++r) {
        const auto k = static_cast<std::size_t>(r);
        const FrequencyRowTexts row = DisplayFrequencyRow(rbiFrequencyOffset(first + r));
        lblA[k]->setText(QString::number(first + r + 1));
        lblF[k]->setText(row.frequency);
        lblO[k]->setText(row.offset);
        lblPower[k]->setText(row.power);
        lblPL[k]->setText(row.ctcss);
    }
}

void frmFreqDis::optSel_Click(int index)
{
    if (index == FreqGroup || index < 0 || index >= kRbiGroupCount)
        return;
    FreqGroup = index;
    FreqGroupOffset = rbiFrequencyOffset(kRbiGroupRows * index);
    FreqGroupFirst = kRbiGroupRows * index + 1;
    DisplayFreq(FreqGroup);
}

void frmFreqDis::lblF_Click(int index)
{
    if (index < 0 || index >= kRbiGroupRows)
        return;
    const int offset = rbiFrequencyOffset(kRbiGroupRows * FreqGroup + index);
    // Each edit starts from the clicked entry's own bytes, never from what the last edit left.
    const std::optional<FrequencyEditState> start = FrequencyEditFromEntry(offset);
    if (!start) {
        DisplayFreq(FreqGroup);   // a row the editor cannot show: band code 15
        return;
    }
    FreqEdit = *start;
    runChild([&] {
        frmFreqSet editor(FreqEdit, this);
        editor.setWindowTitle(FrequencyPositionCaption(FreqGroupFirst + index));
        editor.setHelpContextID(helpContextID());
        editor.exec();
    });
}

void frmFreqDis::cmdOK_Click() { closeFromOK(); }

} // namespace quillon
