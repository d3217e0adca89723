#pragma once
// The timers dialog: the 19 timers of the base set or of one memory save. Each keypad return,
// Cancel included, is written into the image at once.
#include "quillonedit/editors/EditorCommon.h"
#include "quillonedit/image/Timers.h"

#include <array>

class QPushButton;

namespace quillon {

// "Repeater Base Timers", "Memory Save #n Timers"; empty for a memory outside 0..8.
QString TimersCaption(int timersMemory);

class frmTimer1 : public EditorDialog {
    Q_OBJECT
public:
    // timersMemory: 0 = base set, 1..8 = memory save n (the main window passes TimersMemory).
    explicit frmTimer1(int timersMemory, QWidget* parent = nullptr);

    void Form_Activate() override;
    void DisplayTimers();
    void lblTime_Click(int index);
    void cmdDone_Click();

    std::array<QLabel*, 19> lblA{};
    std::array<ClickLabel*, 19> lblTime{};
    std::array<QLabel*, 7> lblS{};
    std::array<QLabel*, 12> lblM{};
    QPushButton* cmdDone = nullptr;

private:
    int timersMemory_;
};

} // namespace quillon
