#include "quillonedit/editors/frmPageSet.h"

#include "quillonedit/image/PagingPairs.h"
#include "quillonedit/tables/PagingTones.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QPushButton>

namespace quillon {

frmPageSet::frmPageSet(int pageEntryOffset, QWidget* parent)
    : EditorDialog(parent, CloseBox::AsCancel), offset_(pageEntryOffset)
{
    lblA[0] = new QLabel(QStringLiteral("Tone #1"), this);
    lblA[1] = new QLabel(QStringLiteral("Tone #2"), this);
    cmbTone1 = new QComboBox(this);
    cmbTone2 = new QComboBox(this);
    for (QComboBox* list : {cmbTone1, cmbTone2}) {
        list->setMaxVisibleItems(15);
        list->setMinimumWidth(100);
    }
    chkErase = new QCheckBox(QStringLiteral("Erase(d) Paging Tones"), this);
    connect(chkErase, &QCheckBox::toggled, this, [this] { chkErase_Click(); });
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });

    auto* grid = new QGridLayout(this);
    grid->addWidget(lblA[0], 0, 0);
    grid->addWidget(lblA[1], 0, 1);
    grid->addWidget(cmbTone1, 1, 0);
    grid->addWidget(cmbTone2, 1, 1);
    grid->addWidget(chkErase, 2, 0, 1, 2);
    grid->addWidget(cmdOK, 3, 1, Qt::AlignRight);

    Form_Load();
}

void frmPageSet::LoadCombos()
{
    const auto& table = PagingToneTable();
    for (QComboBox* list : {cmbTone1, cmbTone2}) {
        list->clear();
        for (int r = 0; r < kAvailablePagingTones; ++r)
            list->addItem(table[static_cast<std::size_t>(r)].Text);   // list index r is table row r
    }
}

void frmPageSet::Form_Load()
{
    LoadCombos();
    // Erased only when all four bytes are 0: a pair whose tone 1 alone is 0 keeps its tone 2.
    if (PagingPairErased(offset_)) {
        chkErase->setChecked(true);   // runs chkErase_Click
        return;
    }
    chkErase->setChecked(false);
    chkErase_Click();
    const PagingPair pair = ReadPagingPair(offset_);
    cmbTone1->setCurrentIndex(PagingToneListIndex(pair.hi1, pair.lo1));   // -1: no selection
    cmbTone2->setCurrentIndex(PagingToneListIndex(pair.hi2, pair.lo2));
}

void frmPageSet::chkErase_Click()
{
    const bool erase = chkErase->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{cmbTone1, cmbTone2, lblA[0], lblA[1]})
        w->setEnabled(!erase);
    if (erase) {
        cmbTone1->setCurrentIndex(0);
        cmbTone2->setCurrentIndex(0);
    }
}

void frmPageSet::cmdOK_Click()
{
    if (chkErase->isChecked())
        ErasePagingPair(offset_);
    else
        SavePagingPair(offset_, cmbTone1->currentIndex(), cmbTone2->currentIndex());   // -1 keeps that tone
    closeFromOK();
}

} // namespace quillon
