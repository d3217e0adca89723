#include "quillonedit/editors/frmUser.h"

#include "quillonedit/image/HardwareInputs.h"
#include "quillonedit/image/ImageMap.h"

#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillon {

namespace {
// The keypad request of an input: exactly four digits, or none.
KeyPadRequest HardwareInputRequest(const QString& initial)
{
    return {.mode = KeyPadKeys::Digits, .maxLen = 4, .heading = QStringLiteral("Macro Command"), .initial = initial,
            .check = KeyPadCheck::FourDigits};
}
} // namespace

frmUser::frmUser(QWidget* parent) : EditorDialog(parent, CloseBox::Destroys)
{
    setWindowTitle(QStringLiteral("Hardware Inputs"));
    setHelpContextID(kHardwareInputsHelpContext);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    for (int i = 0; i < kHardwareInputCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        AddFieldRow(this, grid, i, 0, HardwareInputTitle(i + 1), 60, lblA[k], Label1[k], [this, i] { Label1_Click(i); });
        Label3[k] = new QLabel(this);
        StyleFieldLabel(Label3[k], platform::widgets::FieldLook::Editable, 260);
        Label3[k]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        Label3[k]->setIndent(4);
        grid->addWidget(Label3[k], i, 2);
    }
    QHBoxLayout* buttons = OKButtonRow(this, cmdOK, [this] { cmdOK_Click(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

void frmUser::Form_Activate()
{
    DisHardware();
}

void frmUser::DisHardware()
{
    const std::array<QString, 8> codes = HardwareInputCodes();
    const std::array<QString, 8> meanings = HardwareInputMeanings();
    for (std::size_t k = 0; k < codes.size(); ++k) {
        Label1[k]->setText(codes[k]);
        Label3[k]->setText(meanings[k]);
    }
}

void frmUser::Label1_Click(int index)
{
    if (index < 0 || index >= kHardwareInputCount)
        return;
    ClickLabel* field = Label1[static_cast<std::size_t>(index)];
    // The dialog is shown again from the image afterwards, so the meaning follows at once.
    runChild([&] {
        // Cancel hands back the initial text, which is stored again as it shows.
        field->setText(keyPad().GetKeyPadEntry(HardwareInputRequest(field->text())).text);
        SaveHardware();
    });
}

void frmUser::SaveHardware()
{
    std::array<QString, 8> texts;
    for (std::size_t k = 0; k < texts.size(); ++k)
        texts[k] = Label1[k]->text();
    SaveHardwareInputs(texts);
}

void frmUser::cmdOK_Click()
{
    closeFromOK();   // every entry is already in the image; hidden, not destroyed
}

} // namespace quillon
