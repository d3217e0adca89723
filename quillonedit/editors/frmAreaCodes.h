#pragma once
// The area codes dialog: 20 three-digit telephone area codes, each written into the image as soon
// as the keypad accepts it.
#include "quillonedit/editors/EditorCommon.h"

#include <array>

class QPushButton;

namespace quillon {

constexpr int kAreaCodesHelpContext = 804;

// The texts of the 20 stored entries.
std::array<QString, 20> DisplayAreaCodes();
// Writes the entries whose text differs from what their stored bytes show; an entry left as it
// shows keeps its bytes, odd ones included.
void SaveAreaCodes(const std::array<QString, 20>& texts);

class frmAreaCodes : public EditorDialog {
    Q_OBJECT
public:
    explicit frmAreaCodes(QWidget* parent = nullptr);

    void Form_Activate() override;
    void DisplayAreaCodes();
    void SaveAreaCodes();
    void lblAC_Click(int index);
    void cmdOK_Click();

    std::array<ClickLabel*, 20> lblAC{};
    std::array<QLabel*, 20> lblA{};
    QPushButton* cmdOK = nullptr;
};

} // namespace quillon
