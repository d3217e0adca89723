#pragma once
// The ten courtesy tones, eight clickable cells a row (three tones with their lengths, two
// delays). Each cell takes one keypad digit and is written into the image at once; "E" erases a
// row. OK only closes the window.
#include "quillonedit/editors/EditorCommon.h"
#include "quillonedit/image/CourtesyTones.h"

#include <array>

class QPushButton;

namespace quillon {

constexpr int kCourtesyTonesHelpContext = 908;

class frmCTones : public EditorDialog {
    Q_OBJECT
public:
    using CellColumn = std::array<ClickLabel*, kCourtesyToneCount>;

    explicit frmCTones(QWidget* parent = nullptr);

    void Form_Activate() override;
    void DisplayCTones();
    void cmdOK_Click();
    void cmdErase_Click(int index);

    void lblT1_Click(int index) { Cell_Click(0, index); }
    void lblTD1_Click(int index) { Cell_Click(1, index); }
    void lblD1_Click(int index) { Cell_Click(2, index); }
    void lblT2_Click(int index) { Cell_Click(3, index); }
    void lblTD2_Click(int index) { Cell_Click(4, index); }
    void lblD2_Click(int index) { Cell_Click(5, index); }
    void lblT3_Click(int index) { Cell_Click(6, index); }
    void lblTD3_Click(int index) { Cell_Click(7, index); }

    // Cell k (0..7, left to right) of row `index`.
    ClickLabel* cell(int k, int index) const;

    std::array<QLabel*, kCourtesyToneCount> lblA{};
    CellColumn lblT1{}, lblTD1{}, lblD1{}, lblT2{}, lblTD2{}, lblD2{}, lblT3{}, lblTD3{};
    std::array<QPushButton*, kCourtesyToneCount> cmdErase{};
    std::array<QLabel*, 5> lblB{};
    std::array<QLabel*, 3> lblC{};
    std::array<QLabel*, 5> Label1{};
    QPushButton* cmdOK = nullptr;

private:
    // The one click handler behind the eight cell columns.
    void Cell_Click(int k, int index);
};

} // namespace quillon
