#pragma once
// The memory files window: 32 Copy buttons, one per part of the base set (rows) and memory save
// (columns). A copy is written at once and confirmed with a beep and a message.
#include "quillonedit/editors/EditorCommon.h"

#include <array>

class QPushButton;

namespace quillon {

constexpr int kMemoryHelpContext = 906;

class frmMemory : public EditorDialog {
    Q_OBJECT
public:
    explicit frmMemory(QWidget* parent = nullptr);

    void Form_Activate() override;
    void cmdZones_Click(int index);
    void cmdCodes_Click(int index);
    void cmdTimers_Click(int index);
    void cmdVoice_Click(int index);
    void cmdOK_Click();
    void AnimateArrow();
    void MsgOK();

    // Clicks that arrive before the window's first activation do nothing.
    bool CopyArmed = false;
    int CopyTarget = 0;

    QLabel* Label2 = nullptr;
    std::array<QLabel*, 2> Label1{};
    std::array<QLabel*, 8> lblA{};
    std::array<QLabel*, 4> lblB{};
    std::array<QPushButton*, 8> cmdZones{}, cmdCodes{}, cmdTimers{}, cmdVoice{};
    QPushButton* cmdOK = nullptr;

private:
    void copy(int part, int index);
};

} // namespace quillon
