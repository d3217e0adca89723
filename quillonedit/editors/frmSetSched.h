#pragma once
// The scheduler entry editor: one entry's mode, date or weekday, time and command, or its erasure.
// The scheduler list makes a new one for every opening with the entry it stages; OK packs the entry
// into the image, the close box leaves the image alone, and there is no Cancel.
#include "quillonedit/editors/EditorCommon.h"
#include "quillonedit/image/Scheduler.h"

#include <array>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace quillon {

class frmSetSched final : public EditorDialog {
    Q_OBJECT
public:
    // offset: where OK writes; stage: the entry as the list staged it (command byte first).
    frmSetSched(int schedEntryOffset, const ScheduleStage& schedEntryStage, QWidget* parent = nullptr);

    void DisplaySched();
    void FillCombos();
    void DisplayMonth();
    void DisplayMonthDay();
    void DisplayWeek();
    void DisplayTime();
    void DisplayCommand();
    void optWk_Click(int index);
    void chkErase_Click();
    void lblTime_Click();
    void lblCmd_Click();
    void cmdOK_Click();

    int WkMode = 0;
    std::uint8_t CmdByte = 0;
    std::uint8_t ArgByte = 0;

    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, 5> optWk{};
    QComboBox *cmbWk = nullptr, *cmbMonth = nullptr, *cmbMoDay = nullptr;
    std::array<QLabel*, 3> lblA{};
    ClickLabel *lblTime = nullptr, *lblCmd = nullptr;
    QLabel* lblReview = nullptr;
    QCheckBox *chkHour = nullptr, *chkErase = nullptr;
    QPushButton* cmdOK = nullptr;

private:
    void selectMode(int index);
    void clearModeSelection(int index);

    int schedEntryOffset_;
    ScheduleStage stage_;
    // Whether the user changed the schedule or the time since the entry was shown.
    bool scheduleTouched_ = false;
    bool timeTouched_ = false;
};

} // namespace quillon
