#pragma once
// The ten emergency speed dials: telephone entries in the user speed dial's format, each with an
// identification of at most eight words. Every edit is written into the image at once; OK only
// closes the window.
#include "quillonedit/editors/DigitGrid.h"
#include "quillonedit/editors/WordPicker.h"

#include <array>
#include <vector>

class QPushButton;

namespace quillon {

constexpr int kEmergencyHelpContext = 811;

// Rows 0..9 at the emergency entries.
std::vector<DigitField> EmergencyFields();

class frmEmer : public EditorDialog {
    Q_OBJECT
public:
    explicit frmEmer(QWidget* parent = nullptr);

    void Form_Activate() override;
    void DisplayEMSD();
    void SaveEMTelID(int row, const WordPickerResult& result);
    void lblNum_Click(int index);
    void lblID_Click(int index);
    void cmdOK_Click();

    DigitGrid* grid = nullptr;
    std::array<QLabel*, 10> rowNumbers{};   // "0" .. "9"
    std::array<ClickLabel*, 10> lblNum{};
    std::array<ClickLabel*, 10> lblID{};
    QPushButton* cmdOK = nullptr;
};

} // namespace quillon
