#pragma once
// The controller's hardware options, open beside the main window: HF transceiver, pulse-dialing
// rate, HF squelch and DVR type. The window takes the four bytes afresh whenever it becomes active
// or another project is opened, and writes them only on OK.
#include "quillonedit/editors/ModelessEditor.h"

#include <array>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace quillon {

constexpr int kHardwareOptionsHelpContext = 909;

class frmQuillConfig : public ModelessEditor {
    Q_OBJECT
public:
    explicit frmQuillConfig(QWidget* parent = nullptr);

    void Form_Activate() override;
    void ProjectOpened() override;
    void DisplayConfig();
    void SaveConfig();
    void cmdOK_Click();

    QGroupBox* fraHf = nullptr;          // "HF  Type"
    QGroupBox* fraPPS = nullptr;         // "Pulse Dialing PPS"
    QGroupBox* fraHfSquelch = nullptr;   // "HF Squelch"
    QGroupBox* fraDvr = nullptr;         // "DVR Type"
    std::array<QRadioButton*, 3> optHf{};
    std::array<QRadioButton*, 2> optPPS{};
    std::array<QRadioButton*, 2> optHfSquelch{};
    std::array<QRadioButton*, 2> optDvr{};
    QPushButton* cmdOK = nullptr;
};

} // namespace quillon
