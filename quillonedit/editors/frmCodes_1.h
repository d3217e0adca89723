#pragma once
// The control codes dialog: the 25 DTMF control codes of the base set or of one memory save.
// Edits live in the code boxes until OK writes them.
#include "quillonedit/editors/DigitGrid.h"

#include <array>
#include <vector>

class QPushButton;

namespace quillon {

// "Repeater Base Codes", "Memory Save #n Codes"; empty for a memory outside 0..8.
QString CodesCaption(int codesMemory);
// The role label of code i (0..24) as the dialog shows it beside the code box.
QString CodeRoleCaption(int index);
// The dialog's table for a memory: code k at its record (none for a memory outside 0..8).
std::vector<DigitField> CodeFields(int codesMemory);

class frmCodes_1 : public EditorDialog {
    Q_OBJECT
public:
    // codesMemory: 0 = base set, 1..8 = memory save n (the main window passes CodesMemory).
    explicit frmCodes_1(int codesMemory, QWidget* parent = nullptr);

    void lblCode_Click(int index);
    void cmdOK_Click();

    DigitGrid* grid = nullptr;
    std::array<QLabel*, 25> lblA{};
    std::array<ClickLabel*, 25> lblCode{};
    QPushButton* cmdOK = nullptr;

private:
    int codesMemory_;
};

} // namespace quillon
