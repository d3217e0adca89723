#pragma once
// The hardware inputs dialog: the command each of the eight inputs runs, with its meaning. Every
// keypad entry writes all eight commands at once; OK only hides the dialog.
#include "quillonedit/editors/EditorCommon.h"

#include <array>

class QPushButton;

namespace quillon {

constexpr int kHardwareInputsHelpContext = 502;

class frmUser : public EditorDialog {
    Q_OBJECT
public:
    explicit frmUser(QWidget* parent = nullptr);

    void Form_Activate() override;
    void DisHardware();
    void Label1_Click(int index);
    void SaveHardware();
    void cmdOK_Click();

    std::array<QLabel*, 8> lblA{};
    std::array<ClickLabel*, 8> Label1{};
    std::array<QLabel*, 8> Label3{};
    QPushButton* cmdOK = nullptr;
};

} // namespace quillon
