#pragma once
// The receiver timers window: five groups of option buttons, each selecting the code of one timer.
#include <QDialog>

#include <array>
#include <cstdint>

class QGroupBox;
class QLabel;
class QPushButton;

namespace merrow {

class OptionGroup;

struct TimerGroup {
    const char* frame;
    const char* control;                 // option array: "optTimeSp"
    std::array<const char*, 6> captions; // button 0 first; unused ones nullptr
    std::int16_t* timer;                 // the global it sets
    int firstCode;                       // code of button 0; button i gives firstCode + i
    bool zeroWhenNone;                   // no selection stores 0 instead of keeping the timer
};

class frmTimers : public QDialog {
    Q_OBJECT

public:
    explicit frmTimers(QWidget* parent = nullptr);

    static constexpr int kGroupCount = 5;
    static constexpr int kVoiceInterval = 2;   // group index of the voice interval timer
    // In saving order: speaker, line, voice interval, pre-voice delay, relay delay.
    static const std::array<TimerGroup, kGroupCount>& Groups();
    // Number of buttons of a group.
    static int ButtonCount(const TimerGroup& group);

    std::array<QGroupBox*, kGroupCount> frames{};
    std::array<OptionGroup*, kGroupCount> options{};
    QLabel* picture = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

    void GetData();
    void SaveData();
    void cmdOK_Click();
};

} // namespace merrow
