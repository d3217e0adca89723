#pragma once
// The remote-base frequency list: 40 entries in four groups of ten. A click on a row's frequency
// opens the frequency editor for that entry; the list itself never writes the image.
#include "quillonedit/editors/EditorCommon.h"
#include "quillonedit/image/ImageMap.h"
#include "quillonedit/image/RbiFrequencies.h"

#include <array>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace quillon {

constexpr int kRbiFrequenciesHelpContext = 905;

// The editor's caption for position 1..40: "Frequency Position No.  40".
QString FrequencyPositionCaption(int position);

class frmFreqDis : public EditorDialog {
    Q_OBJECT
public:
    explicit frmFreqDis(QWidget* parent = nullptr);

    void Form_Activate() override;
    void DisplayFreq(int group);
    void optSel_Click(int index);
    void lblF_Click(int index);
    void cmdOK_Click();

    int FreqGroup = 0;
    int FreqGroupOffset = kRbiFrequencies;
    int FreqGroupFirst = 1;

    // The entry the editor works on; filled afresh at each row click.
    FrequencyEditState FreqEdit;

    QGroupBox* fraGroup = nullptr;
    std::array<QRadioButton*, kRbiGroupCount> optSel{};
    std::array<QLabel*, 4> lblB{};
    std::array<QLabel*, kRbiGroupRows> lblA{};
    std::array<ClickLabel*, kRbiGroupRows> lblF{};
    std::array<QLabel*, kRbiGroupRows> lblO{};
    std::array<QLabel*, kRbiGroupRows> lblPower{};
    std::array<QLabel*, kRbiGroupRows> lblPL{};
    QPushButton* cmdOK = nullptr;
};

} // namespace quillon
