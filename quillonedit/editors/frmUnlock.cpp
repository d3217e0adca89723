#include "quillonedit/editors/frmUnlock.h"

#include "platform/Services.h"
#include "quillonedit/image/UnlockPassword.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>
#include <QVBoxLayout>

namespace quillon {

namespace {
// Leaves out what the password area cannot hold, typed or pasted, instead of refusing the whole
// input: a character outside 32..126 would otherwise be stored as 0.
class PrintableOnly final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override
    {
        const QString before = input.left(pos);
        input = PasswordCharacters(input);
        pos = static_cast<int>(PasswordCharacters(before).size());
        return Acceptable;
    }
};

bool keepOpen(const QString& text, const QString& title)
{
    return platform::msgBox(text, platform::MsgButtons::OKCancel, platform::MsgIcon::Exclamation, title)
        == platform::MsgResult::OK;
}
} // namespace

frmUnlock::frmUnlock(QWidget* parent) : ModelessEditor(parent)
{
    setWindowTitle(QStringLiteral("Repeater Unlock/Password"));
    setHelpContextID(kUnlockHelpContext);

    Label1[1] = new QLabel(QStringLiteral("Repeater CRT Password"), this);
    txtPassword = new QLineEdit(this);
    txtPassword->setMaxLength(kPasswordMaxChars);
    txtPassword->setValidator(new PrintableOnly(txtPassword));
    Label2 = new QLabel(QStringLiteral("Max 15 Characters"), this);
    Label1[0] = new QLabel(QStringLiteral("Repeater 7 Digit Unlock Number"), this);
    lblNum = new ClickLabel(this);
    StyleFieldLabel(lblNum, platform::widgets::FieldLook::Editable, 140);
    connect(lblNum, &ClickLabel::clicked, this, [this] { lblNum_Click(); });
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1[1], 0, 0, 1, 2);
    grid->addWidget(txtPassword, 1, 0);
    grid->addWidget(Label2, 1, 1);
    grid->setRowMinimumHeight(2, 8);
    grid->addWidget(Label1[0], 3, 0, 1, 2);
    grid->addWidget(lblNum, 4, 0);
    grid->addWidget(cmdOK, 4, 1);

    DisplayPassWord();
}

void frmUnlock::Form_Activate()
{
    DisplayUnlock();
}

void frmUnlock::ProjectOpened()
{
    DisplayUnlock();
    DisplayPassWord();
}

void frmUnlock::DisplayUnlock()
{
    lblNum->setText(DisplayUnlockText());
}

void frmUnlock::DisplayPassWord()
{
    txtPassword->setText(DisplayPassWordText());
}

void frmUnlock::WritePassword()
{
    quillon::WritePassword(txtPassword->text());
}

void frmUnlock::lblNum_Click()
{
    const KeyPadResult entry =
        GetKeyPadEntry({.mode = KeyPadKeys::DigitsAbcStarPound,
                        .maxLen = kUnlockDigits,
                        .heading = QStringLiteral("Unlock Number"),
                        .initial = lblNum->text(),
                        .check = KeyPadCheck::SevenDigits});
    if (!entry.accepted)
        return;   // Cancel writes nothing: a shorter stored number would come back as another code
    lblNum->setText(entry.text);
    SaveUnlockNumber(entry.text);
}

void frmUnlock::cmdOK_Click()
{
    WritePassword();
    Unload();
}

bool frmUnlock::Form_QueryUnload(bool /*byCloseBox*/)
{
    if (txtPassword->text().isEmpty() && keepOpen(QStringLiteral("Error, No Password Entry."), QStringLiteral("Password")))
        return true;
    if (lblNum->text().isEmpty() && keepOpen(QStringLiteral("Error, No Unlock Entry."), QStringLiteral("Unlock Code")))
        return true;
    return false;
}

} // namespace quillon
