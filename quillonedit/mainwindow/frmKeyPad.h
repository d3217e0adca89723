#pragma once
// The one on-screen DTMF keypad through which every digit entry of the editors is typed.
#include "quillonedit/editors/KeyPadService.h"

#include <QDialog>

#include <array>
#include <memory>

class QLabel;
class QPushButton;
class QTimer;

namespace quillon {

// The request of the entry being made, read by the keypad when it is shown.
struct KeyPadRequestState {
    KeyPadKeys KeyPadMode{};   // none yet: the keys stay as built
    int KeyPadMaxLen = 0;
    QString KeyPadHeading;
    QString KeyPadInitial;
    quillon::KeyPadCheck KeyPadCheck = quillon::KeyPadCheck::None;
};
KeyPadRequestState& keyPadRequest();
void resetKeyPadRequest();   // tests

class frmKeyPad final : public QDialog {
    Q_OBJECT
public:
    explicit frmKeyPad(QWidget* parent = nullptr);

    // Applied at every showing: disarms the keys, shows those of the mode, heading and display.
    void Form_Activate();

    void CharacterKey_Click(QChar c);
    void cmdDelay_Click();
    void cmdClear_Click();
    void cmdCancel_Click();
    void cmdOK_Click();
    void Timer1_Timer();

    // How long the keys stay inert after each showing, so a double click that closed the previous
    // window cannot land on this one. Tests may shorten it.
    int ArmingIntervalMs = 500;

    QLabel* lblHeading = nullptr;
    QLabel* lblDisplay = nullptr;
    QPushButton *cmdOne = nullptr, *cmdTwo = nullptr, *cmdThree = nullptr, *cmdFour = nullptr, *cmdFive = nullptr,
                *cmdSix = nullptr, *cmdSeven = nullptr, *cmdEight = nullptr, *cmdNine = nullptr, *cmdZero = nullptr;
    QPushButton *cmdA = nullptr, *cmdB = nullptr, *cmdC = nullptr, *cmdD = nullptr;
    QPushButton *cmdStar = nullptr, *cmdPound = nullptr;
    QPushButton *cmdDelay = nullptr, *cmdClear = nullptr, *cmdCancel = nullptr, *cmdOK = nullptr;
    QTimer* Timer1 = nullptr;

    QString OriginalText;
    bool KeysArmed = false;
    bool FirstKey = true;
    bool LastWasDelay = false;
    // True when the last showing ended with an accepted OK.
    bool EntryAccepted = false;

protected:
    void showEvent(QShowEvent* event) override;
    // Esc and the close box: the same as Cancel, so the caller gets its initial text back.
    void reject() override;

private:
    QPushButton* characterKey(QChar c, const QString& name);
    void finish(bool accepted);
};

// The real keypad service: one keypad dialog, created at the first request and only hidden after
// each, so its key layout carries over to the next request of an unknown mode.
class KeyPadDialogService final : public KeyPadService {
public:
    KeyPadDialogService();
    ~KeyPadDialogService() override;
    KeyPadResult GetKeyPadEntry(const KeyPadRequest& request) override;
    frmKeyPad* dialog() { return dialog_.get(); }   // null until the first request

private:
    std::unique_ptr<frmKeyPad> dialog_;
};

} // namespace quillon
