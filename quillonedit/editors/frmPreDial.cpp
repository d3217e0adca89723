#include "quillonedit/editors/frmPreDial.h"

#include "quillonedit/image/Codec.h"
#include "quillonedit/image/DigitMemories.h"
#include "quillonedit/image/ImageMap.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace quillon {

frmPreDial::frmPreDial(QWidget* parent) : EditorDialog(parent, CloseBox::AsOK)
{
    setWindowTitle(QStringLiteral("Telephone Pre-Dial Number"));
    setHelpContextID(kPreDialHelpContext);

    const DigitField field{.offset = kPreDial,
                           .capacity = kPreDialDigits,
                           .keys = KeyPadKeys::DigitsStarPound,
                           .check = KeyPadCheck::None,
                           .heading = QStringLiteral("Telephone Pre-Dial")};
    // The keypad's text goes back even after Cancel: the field shows every code exactly.
    grid = new DigitGrid(*this, [field](int) { return std::vector<DigitField>{field}; },
                         {.format = {.read = DigitFieldText, .write = WriteDtmfField},
                          .fieldWidth = 120,
                          .writeOnCancel = true});
    grid->onEntry = [this](int) {
        SavePreDial();
        DisplayPreDial();
    };
    grid->onFieldClick = [this](int) { lblNum_Click(); };
    lblNum = grid->fieldLabels[0];

    QHBoxLayout* buttons = OKButtonRow(this, cmdOK, [this] { cmdOK_Click(); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid);
    layout->addLayout(buttons);
}

void frmPreDial::Form_Activate()
{
    DisplayPreDial();
}

void frmPreDial::DisplayPreDial()
{
    grid->Display();
}

void frmPreDial::SavePreDial()
{
    grid->Save();
}

void frmPreDial::lblNum_Click()
{
    grid->Field_Click(0);
}

void frmPreDial::cmdOK_Click()
{
    closeFromOK();   // the number is already in the image
}

} // namespace quillon
