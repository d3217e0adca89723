#pragma once
// The area codes dialog: 20 three-digit telephone area codes. Every keypad return, Cancel
// included, writes all 20 into the image from their texts.
#include "quillonedit/editors/DigitGrid.h"

#include <array>
#include <vector>

class QPushButton;

namespace quillon {

constexpr int kAreaCodesHelpContext = 804;

// The dialog's table: entry i + 1 at its record, three digits from the digit keys.
std::vector<DigitField> AreaCodeFields();

class frmAreaCodes : public EditorDialog {
    Q_OBJECT
public:
    explicit frmAreaCodes(QWidget* parent = nullptr);

    void Form_Activate() override;
    void DisplayAreaCodes();
    void SaveAreaCodes();
    void lblAC_Click(int index);
    void cmdOK_Click();

    DigitGrid* grid = nullptr;
    std::array<ClickLabel*, 20> lblAC{};
    std::array<QLabel*, 20> lblA{};
    QPushButton* cmdOK = nullptr;
};

} // namespace quillon
