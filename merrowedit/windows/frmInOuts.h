#pragma once
// The hardware inputs and outputs window: what the two rear inputs do when grounded and when the
// three rear outputs pulse or switch (NV bytes 0x8009, 0x800A, 0x800D, 0x800E, 0x800F).
#include "merrowedit/windows/FlagControls.h"
#include "merrowedit/windows/SettingDialog.h"

#include <array>

class QCheckBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace merrow {

class OptionGroup;

// One group of alternative options; a group with an enable box counts only while it is ticked.
struct InOutGroup {
    const char* tab;
    const char* options;         // option array of the rows
    const char* enableBox;       // nullptr: no box, always in use
    const char* enableCaption;
};

class frmInOuts : public SettingDialog {
    Q_OBJECT

public:
    explicit frmInOuts(QWidget* parent = nullptr);

    static constexpr int kGroupCount = 6;
    static const std::array<InOutGroup, kGroupCount>& Groups();
    // Every option button with its flag; together they cover all 40 flags of the five bytes.
    static const FlagControls& Controls();

    QTabWidget* tabs = nullptr;
    std::array<OptionGroup*, kGroupCount> options{};
    std::array<QCheckBox*, kGroupCount> enableBoxes{};   // nullptr for the output 3 groups
    std::array<QLabel*, 6> pictures{};                    // the window's, then one per tab
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

    // Group index of an option array name, -1 for an unknown one.
    static int GroupOf(const char* options);

    void GetData();
    void SaveData();
    void InitButtons();
    void cmdOK_Click();
    void Form_Activate() override;
};

} // namespace merrow
