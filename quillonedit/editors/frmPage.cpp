#include "quillonedit/editors/frmPage.h"

#include "quillonedit/editors/frmPageSet.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quillon {

QString PagingToneCaption(int number) { return QStringLiteral("Paging Tone Number %1").arg(number); }

frmPage::frmPage(QWidget* parent) : EditorDialog(parent, CloseBox::AsOK)
{
    setWindowTitle(QStringLiteral("Paging Tones"));
    setHelpContextID(kPagingTonesHelpContext);

    auto* rows = new QGridLayout;
    rows->setHorizontalSpacing(6);
    for (int c = 0; c < 2; ++c) {
        auto* heading = new QLabel(QStringLiteral("Tone #%1").arg(c + 1), this);
        heading->setAlignment(Qt::AlignCenter);
        lblB[static_cast<std::size_t>(c)] = heading;
        rows->addWidget(heading, 0, c + 1);
    }
    for (int r = 0; r < kPagingGroupRows; ++r) {
        const auto k = static_cast<std::size_t>(r);
        Label1[k] = new QLabel(this);
        Label1[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        lblTone1[k] = new ClickLabel(this);
        lblTone2[k] = new ClickLabel(this);
        for (ClickLabel* tone : {lblTone1[k], lblTone2[k]})
            StyleFieldLabel(tone, platform::widgets::FieldLook::Editable, 90);
        connect(lblTone1[k], &ClickLabel::clicked, this, [this, r] { lblTone1_Click(r); });
        connect(lblTone2[k], &ClickLabel::clicked, this, [this, r] { lblTone2_Click(r); });
        rows->addWidget(Label1[k], r + 1, 0);
        rows->addWidget(lblTone1[k], r + 1, 1);
        rows->addWidget(lblTone2[k], r + 1, 2);
    }

    fraGroup = GroupOptionFrame(this, QStringLiteral("Paging Group"), {"1-10", "11-20"}, optGroup,
                                [this](int g) { optGroup_Click(g); });
    LayOutListDialog(this, rows, fraGroup, cmdOK, [this] { cmdOK_Click(); });
}

void frmPage::Form_Activate() { DisplayPage(); }

void frmPage::DisplayPage()
{
    const int first = kPagingGroupRows * PageGroup;
    for (int r = 0; r < kPagingGroupRows; ++r) {
        const auto k = static_cast<std::size_t>(r);
        const PagingPairTexts pair = DisplayPagingPair(pagingPairOffset(first + r));
        Label1[k]->setText(QStringLiteral(" %1").arg(first + r + 1));
        lblTone1[k]->setText(pair.tone1);
        lblTone2[k]->setText(pair.tone2);
    }
}

void frmPage::optGroup_Click(int index)
{
    if (index == PageGroup || index < 0 || index > 1)
        return;
    PageGroup = index;
    DisplayPage();
}

void frmPage::lblTone1_Click(int index) { editPair(index); }
void frmPage::lblTone2_Click(int index) { editPair(index); }

void frmPage::editPair(int index)
{
    if (index < 0 || index >= kPagingGroupRows)
        return;
    const int entry = kPagingGroupRows * PageGroup + index;
    PageEntryOffset = pagingPairOffset(entry);
    runChild([&] {   // redraws the list as the editor closes, however it closes
        frmPageSet editor(PageEntryOffset, this);
        editor.setWindowTitle(PagingToneCaption(entry + 1));
        editor.setHelpContextID(helpContextID());
        editor.exec();
    });
}

void frmPage::cmdOK_Click() { closeFromOK(); }

} // namespace quillon
