#pragma once
// The paging tone pairs: 20 pairs shown as tone names, ten at a time. A click on either tone of a
// row opens the pair's editor (frmPageSet); the list itself never writes the image.
#include "quillonedit/editors/EditorCommon.h"
#include "quillonedit/image/PagingPairs.h"

#include <array>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace quillon {

constexpr int kPagingTonesHelpContext = 907;

// The editor's caption for pair 1..20: "Paging Tone Number 7".
QString PagingToneCaption(int number);

class frmPage : public EditorDialog {
    Q_OBJECT
public:
    explicit frmPage(QWidget* parent = nullptr);

    void Form_Activate() override;
    void DisplayPage();
    void optGroup_Click(int index);
    void lblTone1_Click(int index);
    void lblTone2_Click(int index);
    void cmdOK_Click();

    int PageGroup = 0;                      // 0: pairs 1-10, 1: pairs 11-20
    int PageEntryOffset = kPagingTones;     // the pair the editor last worked on

    QGroupBox* fraGroup = nullptr;          // "Paging Group"
    std::array<QRadioButton*, 2> optGroup{};
    std::array<QLabel*, 2> lblB{};
    std::array<QLabel*, kPagingGroupRows> Label1{};
    std::array<ClickLabel*, kPagingGroupRows> lblTone1{};
    std::array<ClickLabel*, kPagingGroupRows> lblTone2{};
    QPushButton* cmdOK = nullptr;

private:
    void editPair(int index);
};

} // namespace quillon
