#include "quillonedit/editors/frmCodes_1.h"

#include "quillonedit/image/Codec.h"
#include "quillonedit/image/ImageMap.h"
#include "quillonedit/image/SlotNames.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace quillon {

QString CodesCaption(int codesMemory)
{
    if (codesMemory == 0)
        return QStringLiteral("Repeater Base Codes");
    if (isMemorySet(codesMemory))
        return QStringLiteral("Memory Save #%1 Codes").arg(codesMemory);
    return {};
}

QString CodeRoleCaption(int index)
{
    return CodeSlotName(index, SlotWording::Caption);
}

std::vector<DigitField> CodeFields(int codesMemory)
{
    std::vector<DigitField> fields;
    for (int k = 0; k < kCodeCount; ++k)
        fields.push_back({.caption = CodeRoleCaption(k),
                          .offset = CodeFieldOffset(codesMemory, k),
                          .capacity = kCodeDigits,
                          .keys = KeyPadKeys::DigitsAbcStarPound,
                          .check = KeyPadCheck::None,
                          .heading = GetCodeName(k)});
    return fields;
}

frmCodes_1::frmCodes_1(int codesMemory, QWidget* parent)
    : EditorDialog(parent, CloseBox::AsCancel), codesMemory_(codesMemory)
{
    setWindowTitle(CodesCaption(codesMemory_));

    // Codes 0..12 in the left column, 13..24 in the right.
    grid = new DigitGrid(*this, [memory = codesMemory_](int) { return CodeFields(memory); },
                         {.format = {.read = DigitFieldText, .write = WriteDtmfField},
                          .rowsPerColumn = 13,
                          .fieldWidth = 90,
                          .columnGap = 24});
    grid->onEntry = nullptr;   // the codes wait in their boxes for OK
    grid->onFieldClick = [this](int row) { lblCode_Click(row); };
    for (std::size_t k = 0; k < lblCode.size(); ++k) {
        lblCode[k] = grid->fieldLabels[k];
        lblA[k] = grid->captionLabels[k];
    }

    QHBoxLayout* buttons = OKButtonRow(this, cmdOK, [this] { cmdOK_Click(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid);
    layout->addLayout(buttons);

    grid->Display();
}

void frmCodes_1::lblCode_Click(int index)
{
    grid->Field_Click(index);
}

void frmCodes_1::cmdOK_Click()
{
    // All 25 records from their boxes, changed or not; a memory outside 0..8 writes nothing.
    std::array<QString, 25> texts;
    for (std::size_t k = 0; k < texts.size(); ++k)
        texts[k] = lblCode[k]->text();
    SaveCodes(codesMemory_, texts);
    closeFromOK();
}

} // namespace quillon
