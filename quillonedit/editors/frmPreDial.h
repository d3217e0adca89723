#pragma once
// The telephone pre-dial number: one digit field of seven, written as the keypad closes.
#include "quillonedit/editors/DigitGrid.h"

class QPushButton;

namespace quillon {

constexpr int kPreDialHelpContext = 812;

class frmPreDial : public EditorDialog {
    Q_OBJECT
public:
    explicit frmPreDial(QWidget* parent = nullptr);

    void Form_Activate() override;
    void DisplayPreDial();
    void SavePreDial();
    void lblNum_Click();
    void cmdOK_Click();

    DigitGrid* grid = nullptr;
    ClickLabel* lblNum = nullptr;
    QPushButton* cmdOK = nullptr;
};

} // namespace quillon
