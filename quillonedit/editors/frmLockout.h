#pragma once
// The 20 telephone lock-out numbers, ten at a time in two groups. An edit rewrites the ten
// numbers of its group from what they show.
#include "quillonedit/editors/DigitGrid.h"

#include <array>
#include <vector>

class QPushButton;

namespace quillon {

constexpr int kLockoutHelpContext = 814;

// Rows of group 0..1: numbers 10g+1 .. 10g+10.
std::vector<DigitField> LockoutFields(int group);

class frmLockout : public EditorDialog {
    Q_OBJECT
public:
    explicit frmLockout(QWidget* parent = nullptr);

    void Form_Activate() override;
    void DisplayLockout();
    void SaveLockout();
    void optSel_Click(int index);
    void Label1_Click(int index);
    void cmdOK_Click();

    // The group shown (a test seam: the grid keeps it and no program path asks for it).
    int LockoutSelectedGroupForTests() const;

    DigitGrid* grid = nullptr;
    std::array<QLabel*, 10> lblNum{};
    std::array<ClickLabel*, 10> Label1{};
    QPushButton* cmdOK = nullptr;
};

} // namespace quillon
