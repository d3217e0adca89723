#pragma once
// The macro editor: the 40 macros ten to a page, each row its number, its code and its ten
// commands. A click on a code or command asks the keypad and stores that macro at once; OK stores
// the page again and hides the editor; a click on a macro number opens its review (MacHelp).
#include "quillonedit/editors/EditorCommon.h"
#include "quillonedit/editors/MacHelp.h"
#include "quillonedit/image/Codec.h"

#include <array>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace quillon {

constexpr int kMacroHelpContext = 500;

class frmMacro : public EditorDialog {
    Q_OBJECT
public:
    explicit frmMacro(QWidget* parent = nullptr);

    void Form_Activate() override;
    void DisplayMacros();
    void optSel_Click(int index);
    QString GetMacHeading() const;
    void Label1_Click(int index);
    void Label2_Click(int index);
    // Command columns 1..10.
    void Label3_Click(int index) { CommandLabel_Click(1, index); }
    void Label4_Click(int index) { CommandLabel_Click(2, index); }
    void Label5_Click(int index) { CommandLabel_Click(3, index); }
    void Label6_Click(int index) { CommandLabel_Click(4, index); }
    void Label7_Click(int index) { CommandLabel_Click(5, index); }
    void Label8_Click(int index) { CommandLabel_Click(6, index); }
    void Label9_Click(int index) { CommandLabel_Click(7, index); }
    void Label10_Click(int index) { CommandLabel_Click(8, index); }
    void Label11_Click(int index) { CommandLabel_Click(9, index); }
    void Label12_Click(int index) { CommandLabel_Click(10, index); }
    void MacSummary(int row);
    // Stores the page (mode 0) or one row (mode 1) from the labels.
    void SaveMacros(int mode, int row);
    void cmdOK_Click();

    // The label of command column 1..10 in row 0..9.
    ClickLabel* commandLabel(int column, int row) const;
    // The review window, once a review has made it.
    MacHelp* review() const { return review_; }

    int MacroPage = 0;   // the page shown, stored and reviewed: 0..3
    int MacroRow = 0;    // the row last clicked: 0..9

    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, 4> optSel{};
    std::array<QLabel*, 10> lblNum{};
    std::array<ClickLabel*, 10> Label1{}, Label2{}, Label3{}, Label4{}, Label5{}, Label6{}, Label7{}, Label8{},
        Label9{}, Label10{}, Label11{}, Label12{};
    QLabel* Label13 = nullptr;
    QPushButton* cmdOK = nullptr;

private:
    void CommandLabel_Click(int column, int index);
    // Asks the keypad for the text of a field and stores its row, then shows the page again.
    void EditField(ClickLabel* field, int row, const KeyPadRequest& request);
    std::array<MacroRowTexts, 10> shownRows() const;

    QPointer<MacHelp> review_;
};

} // namespace quillon
