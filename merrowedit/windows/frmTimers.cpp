#include "merrowedit/windows/frmTimers.h"

#include "merrowedit/data/Settings.h"
#include "merrowedit/windows/FlagControls.h"
#include "merrowedit/windows/ImageList.h"
#include "merrowedit/windows/OptionGroup.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace merrow {

const std::array<TimerGroup, frmTimers::kGroupCount>& frmTimers::Groups()
{
    static const std::array<TimerGroup, kGroupCount> groups{{
        {"Speaker Timeout", "optTimeSp",
         {"1 Minute", "2 Minutes", "3 Minutes", "4 Minutes", "5 Minutes", "6 Minutes"}, &SpeakerTimeoutTimer, 1,
         false},
        {"Line Timeout", "optTimeLn",
         {"1 Minute", "2 Minutes", "3 Minutes", "4 Minutes", "5 Minutes", "6 Minutes"}, &LineTimeoutTimer, 1, false},
        {"Voice Interval Timer", "optVoiceTimer",
         {"  5 Minute Interval", "10 Minute Interval", "15 Minute Interval", "20 Minute Interval",
          "25 Minute Interval", "30 Minute Interval"},
         &VoiceIntervalTimer, 1, false},
        {"Pre Voice Delay", "optVoiceDelay",
         {"No Delay", "0.5 Second", "1.0 Second", "1.5 Second", "2.0 Second", nullptr}, &PreVoiceAnnc, 0, false},
        {"Relay Activation Delay", "optRelayDelay", {"0 Sec", "2 Sec", "4 Sec", "6 Sec", "8 Sec", nullptr},
         &RelayDelayTimer, 0, true},
    }};
    return groups;
}

int frmTimers::ButtonCount(const TimerGroup& group)
{
    int n = 0;
    while (n < 6 && group.captions[static_cast<std::size_t>(n)])
        ++n;
    return n;
}

frmTimers::frmTimers(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral(" Merrow Timer Settings"));
    setModal(true);

    auto* grid = new QGridLayout;
    for (std::size_t g = 0; g < Groups().size(); ++g) {
        const TimerGroup& group = Groups()[g];
        frames[g] = new QGroupBox(QString::fromLatin1(group.frame), this);
        options[g] = new OptionGroup(this);
        auto* inner = new QVBoxLayout(frames[g]);
        for (int i = 0; i < ButtonCount(group); ++i) {
            auto* b = new QRadioButton(QString::fromLatin1(group.captions[static_cast<std::size_t>(i)]), frames[g]);
            b->setObjectName(ControlName(QString::fromLatin1(group.control), i));
            options[g]->addButton(b);
            inner->addWidget(b);
        }
        inner->addStretch(1);
        grid->addWidget(frames[g], static_cast<int>(g) / 3, static_cast<int>(g) % 3);
    }

    picture = new QLabel(this);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdOK->setDefault(true);
    auto* side = new QVBoxLayout;
    side->addWidget(picture, 0, Qt::AlignHCenter);
    side->addStretch(1);
    side->addWidget(cmdOK);
    side->addWidget(cmdCancel);
    grid->addLayout(side, 1, 2);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(grid);

    connect(cmdOK, &QPushButton::clicked, this, &frmTimers::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    // Form_Load
    picture->setPixmap(ImageList1(5));
    GetData();
}

void frmTimers::GetData()
{
    // A code outside a group's range selects no button of it.
    for (std::size_t g = 0; g < Groups().size(); ++g)
        options[g]->select(*Groups()[g].timer - Groups()[g].firstCode);
    // The interval only matters while a voice interval output is on; it still shows and saves.
    const bool voiceInterval = NV800B.VoiceIntervalSpeaker || NV800B.VoiceIntervalLine;
    frames[kVoiceInterval]->setEnabled(voiceInterval);
    options[kVoiceInterval]->setEnabled(voiceInterval);
}

void frmTimers::SaveData()
{
    for (std::size_t g = 0; g < Groups().size(); ++g) {
        const TimerGroup& group = Groups()[g];
        const int selected = options[g]->selected();
        if (selected >= 0)
            *group.timer = static_cast<std::int16_t>(group.firstCode + selected);
        else if (group.zeroWhenNone)
            *group.timer = 0;
    }
}

void frmTimers::cmdOK_Click()
{
    SaveData();
    accept();
}

} // namespace merrow
