#pragma once
// The expanded switch dialog: the 40 output lines of switch #1 or #2, ten at a time, each line a
// row of eight on/off pictures. A click flips one output in the image at once.
#include "quillonedit/editors/EditorCommon.h"
#include "quillonedit/image/ExpandedSwitch.h"

#include <array>
#include <cstdint>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace quillon {

class frmExp : public EditorDialog {
    Q_OBJECT
public:
    // expSwitch: 1 or 2 (the main window passes ExpSwitch); its caption and help context are
    // the opener's to set.
    explicit frmExp(int expSwitch, QWidget* parent = nullptr);

    void Form_Activate() override;
    void DisplayExp(int page);
    // Rows are numbered 1..10 from the top, as Img1 .. Img10.
    void DisExpLine(int row, std::uint8_t line);
    void Img_Click(int row, int index);
    void opt1_Click(int page);
    void cmdOK_Click();

    // Whether the picture of row (1..10), column index (0..7) shows "on" (a test seam).
    bool pictureIsOnForTests(int row, int index) const;

    int CurrentPage = 0;
    int LineBase = -1;

    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, kExpPages> opt1{};
    QLabel* Label6 = nullptr;
    std::array<QLabel*, kExpBits> lblB{};
    std::array<QLabel*, kExpRows> lblA{};
    std::array<std::array<ClickLabel*, kExpBits>, kExpRows> Img{};   // Img[r - 1] is Img1 .. Img10
    QPushButton* cmdOK = nullptr;

private:
    int expSwitch_;
    QPixmap onPicture_;
    QPixmap offPicture_;
};

} // namespace quillon
