#include "quillonedit/editors/frmAreaCodes.h"

#include "quillonedit/image/AreaCodes.h"
#include "quillonedit/image/ImageMap.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace quillon {

std::vector<DigitField> AreaCodeFields()
{
    std::vector<DigitField> fields;
    for (int i = 0; i < kAreaCodeCount; ++i)
        fields.push_back({.caption = QString::number(i + 1),
                          .offset = AreaCodeOffset(i),
                          .capacity = kAreaCodeBytes,
                          .keys = KeyPadKeys::Digits,
                          .check = KeyPadCheck::ThreeDigits,
                          .heading = QStringLiteral("Area Code %1").arg(i + 1)});
    return fields;
}

frmAreaCodes::frmAreaCodes(QWidget* parent) : EditorDialog(parent, CloseBox::AsOK)
{
    setWindowTitle(QStringLiteral("Area Codes"));
    setHelpContextID(kAreaCodesHelpContext);

    // Four columns of five, numbered down each column.
    grid = new DigitGrid(*this, [](int) { return AreaCodeFields(); },
                         {.format = {.read = AreaCodeText, .write = SaveAreaCode},
                          .rowsPerColumn = 5,
                          .fieldWidth = 60,
                          .writeOnCancel = true});
    // Every keypad return, Cancel included (the keypad then gives back the shown text), rewrites
    // all 20 entries from their texts, so entries stored in an odd form come out plain.
    grid->onEntry = [this](int) { SaveAreaCodes(); };
    grid->onFieldClick = [this](int row) { lblAC_Click(row); };
    for (std::size_t k = 0; k < lblAC.size(); ++k) {
        lblAC[k] = grid->fieldLabels[k];
        lblA[k] = grid->captionLabels[k];
    }

    QHBoxLayout* buttons = OKButtonRow(this, cmdOK, [this] { cmdOK_Click(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid);
    layout->addLayout(buttons);
}

void frmAreaCodes::Form_Activate()
{
    DisplayAreaCodes();
}

void frmAreaCodes::DisplayAreaCodes()
{
    grid->Display();
}

void frmAreaCodes::SaveAreaCodes()
{
    grid->Save();
}

void frmAreaCodes::lblAC_Click(int index)
{
    grid->Field_Click(index);   // the list is written at once
}

void frmAreaCodes::cmdOK_Click()
{
    closeFromOK();   // every entry is already in the image
}

} // namespace quillon
