#pragma once
// The scheduler list: the 60 entries in six groups of ten. A click on an entry's time opens a new
// entry editor for it; the list itself never writes the image. OK hides the list and keeps it;
// its close box destroys it, so the next opening starts again on the first group.
#include "quillonedit/editors/EditorCommon.h"
#include "quillonedit/image/Scheduler.h"

#include <array>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace quillon {

class frmsched final : public EditorDialog {
    Q_OBJECT
public:
    explicit frmsched(QWidget* parent = nullptr);

    void Form_Activate() override;
    void DisplaySched();
    int GetPT(int index);
    void optGroup_Click(int index);
    void lblTime_Click(int index);
    void cmdOK_Click();
    void reject() override;

    int SchedGroup = 0;
    int SchedEntryOffset = 0;
    ScheduleStage SchedEntryStage{};

    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, kSchedulerGroupCount> optGroup{};
    std::array<QLabel*, 5> Label1{};   // 0 "Time", 1 "Day Of Week", 3 "Month/Day Of Year", 4 "Cmd"
    std::array<QLabel*, kSchedulerGroupRows> lblNum{}, lblDOW{}, lblMOY{}, lblDOM{}, lblCmd{};
    std::array<ClickLabel*, kSchedulerGroupRows> lblTime{};
    QPushButton* cmdOK = nullptr;
};

} // namespace quillon
