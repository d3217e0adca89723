#pragma once
// The review of one macro: its ten stored commands in words, listed even when the macro has no
// code. Made on the first review and hidden by its OK.
#include "quillonedit/editors/EditorCommon.h"

#include <array>

class QPushButton;

namespace quillon {

class MacHelp : public EditorDialog {
    Q_OBJECT
public:
    explicit MacHelp(QWidget* parent = nullptr);

    void Form_Activate() override;
    void cmdOK_Click();

    int MacroPage = 0;   // set by the macro editor before each review
    int MacroRow = 0;

    std::array<QLabel*, 10> Label1{};
    std::array<QLabel*, 10> Label2{};
    QPushButton* cmdOK = nullptr;
};

} // namespace quillon
