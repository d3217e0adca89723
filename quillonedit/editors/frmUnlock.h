#pragma once
// The unlock number and CRT password window, open beside the main window. The unlock number is
// written at each keypad entry; the password only by OK.
#include "quillonedit/editors/ModelessEditor.h"

#include <array>

class QLineEdit;
class QPushButton;

namespace quillon {

constexpr int kUnlockHelpContext = 202;

class frmUnlock : public ModelessEditor {
    Q_OBJECT
public:
    explicit frmUnlock(QWidget* parent = nullptr);

    void Form_Activate() override;
    bool Form_QueryUnload(bool byCloseBox) override;
    // Shows the new project's number and password, as the hardware-options window does; a
    // password typed for the old project and not yet confirmed goes with it.
    void ProjectOpened() override;
    void DisplayUnlock();
    void DisplayPassWord();
    void WritePassword();
    void lblNum_Click();
    void cmdOK_Click();

    std::array<QLabel*, 2> Label1{};
    QLabel* Label2 = nullptr;
    QLineEdit* txtPassword = nullptr;
    ClickLabel* lblNum = nullptr;
    QPushButton* cmdOK = nullptr;
};

} // namespace quillon
