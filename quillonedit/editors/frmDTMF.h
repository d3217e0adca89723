#pragma once
// The 40 DTMF generator memories, ten at a time in four groups; each written as the keypad
// closes.
#include "quillonedit/editors/DigitGrid.h"

#include <array>
#include <vector>

class QPushButton;

namespace quillon {

constexpr int kDtmfGeneratorHelpContext = 813;

// Rows of group 0..3: memories 10g+1 .. 10g+10.
std::vector<DigitField> DtmfMemoryFields(int group);

class frmDTMF : public EditorDialog {
    Q_OBJECT
public:
    explicit frmDTMF(QWidget* parent = nullptr);

    void Form_Activate() override;
    void DisplayDTMF();
    void optSelect_Click(int index);
    void lblDis_Click(int index);
    void cmdOK_Click();

    // The group shown (a test seam: the grid keeps it and no program path asks for it).
    int DtmfSelectedGroupForTests() const;

    DigitGrid* grid = nullptr;
    std::array<QLabel*, 10> lblA{};
    std::array<ClickLabel*, 10> lblDis{};
    QPushButton* cmdOK = nullptr;
};

} // namespace quillon
