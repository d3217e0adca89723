#include "quillonedit/editors/frmDTMF.h"

#include "quillonedit/image/Codec.h"
#include "quillonedit/image/DigitMemories.h"
#include "quillonedit/image/ImageMap.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace quillon {

std::vector<DigitField> DtmfMemoryFields(int group)
{
    std::vector<DigitField> fields;
    for (int r = 0; r < kDtmfMemoryGroupRows; ++r) {
        const int k = kDtmfMemoryGroupRows * group + r;
        fields.push_back({.caption = QString::number(k + 1),
                          .offset = DtmfMemoryOffset(k),
                          .capacity = kDtmfMemoryDigits,
                          .keys = KeyPadKeys::DigitsAbcStarPound,
                          .check = KeyPadCheck::AtMost15,
                          .heading = QStringLiteral("DTMF Position # %1").arg(k + 1)});
    }
    return fields;
}

frmDTMF::frmDTMF(QWidget* parent) : EditorDialog(parent, CloseBox::AsOK)
{
    setWindowTitle(QStringLiteral("DTMF Generator"));
    setHelpContextID(kDtmfGeneratorHelpContext);

    // The keypad's text goes back even after Cancel: a shown memory gives every code back exactly,
    // and one shown empty for its count keeps its bytes. An accepted empty text empties a memory.
    grid = new DigitGrid(*this, DtmfMemoryFields,
                         {.format = {.read = DtmfMemoryText,
                                     .write = WriteDtmfField,
                                     .writeBack = WriteBackDtmfMemory},
                          .fieldWidth = 160,
                          .groupTitle = QStringLiteral("Group Selection"),
                          .groupCaptions = {QStringLiteral("1-10"), QStringLiteral("11-20"), QStringLiteral("21-30"),
                                            QStringLiteral("31-40")},
                          .writeOnCancel = true});
    grid->onFieldClick = [this](int row) { lblDis_Click(row); };
    grid->onGroupClick = [this](int group) { optSelect_Click(group); };
    for (std::size_t k = 0; k < lblDis.size(); ++k) {
        lblA[k] = grid->captionLabels[k];
        lblDis[k] = grid->fieldLabels[k];
    }

    QHBoxLayout* buttons = OKButtonRow(this, cmdOK, [this] { cmdOK_Click(); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid);
    layout->addLayout(buttons);
}

int frmDTMF::DtmfSelectedGroupForTests() const
{
    return grid->group();
}

void frmDTMF::Form_Activate()
{
    DisplayDTMF();
}

void frmDTMF::DisplayDTMF()
{
    grid->Display();
}

void frmDTMF::optSelect_Click(int index)
{
    grid->Group_Click(index);
}

void frmDTMF::lblDis_Click(int index)
{
    grid->Field_Click(index);   // the row is written as the keypad closes
}

void frmDTMF::cmdOK_Click()
{
    closeFromOK();   // every memory is already in the image
}

} // namespace quillon
