#pragma once
// The flush window: seven regions of the image, each with a box that is red while the region
// holds data and a button that erases it after a question.
#include "quillonedit/editors/EditorCommon.h"

#include <QColor>

#include <array>

class QPushButton;

namespace quillon {

constexpr int kEraseHelpContext = 104;

class frmErase : public EditorDialog {
    Q_OBJECT
public:
    explicit frmErase(QWidget* parent = nullptr);

    void Form_Activate() override;
    void DisplayErase();
    void cmdFls_Click(int index);
    void cmdOK_Click();

    // The colour an indicator box is filled with (a test seam).
    QColor ShapeColourForTests(int row) const;

    std::array<QLabel*, 7> Label1{};
    std::array<QPushButton*, 7> cmdFls{};
    std::array<QLabel*, 7> Shape1{};
    QLabel* Label2 = nullptr;
    QPushButton* cmdOK = nullptr;
};

} // namespace quillon
