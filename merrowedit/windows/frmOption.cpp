#include "merrowedit/windows/frmOption.h"

#include "merrowedit/data/Settings.h"
#include "merrowedit/windows/ImageList.h"
#include "merrowedit/windows/OptionGroup.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace merrow {

const FlagControls& frmOption::Controls()
{
    static const char* const kAlert = " Received Alert Options ";
    static const char* const kPanel = " Front Panel Switch Options ";
    static const char* const kOverride = " Override Options ";
    static const char* const kVoice = " Voice Interval Options ";
    static const FlagControls rows{
        {kAlert, "chkFrontPanel", 0, "Upon receiving an alert, activate the receiver speaker", "NV8008", "SpeakerActive"},
        {kAlert, "chkFrontPanel", 1, "Upon receiving an alert, activate PTT and line output audio", "NV8008",
         "LineActive"},
        {kAlert, "chkFrontPanel", 2, "Upon receiving an alert, activate the LED on the front panel", "NV8008",
         "AlertLedActive"},
        {kPanel, "chkFrontPanel", 3, "Permit front panel monitor switch to activate speaker audio", "NV8008",
         "ForceOnSpeaker"},
        {kPanel, "chkFrontPanel", 4, "Permit front panel monitor switch to activate line audio output", "NV8008",
         "ForceOnLine"},
        {kOverride, "chkOverride", 0, "Accept all FIP codes", "NV8008", "AcceptAllFips"},
        {kOverride, "chkOverride", 1, "Accept all Event Codes", "NV8008", "AcceptAllEvents"},
        {kOverride, "chkOverride", 2, "Ignore the Termination Data Packet", "NV8008", "IgnoreTerminationPacket"},
        {kVoice, "chkVocInt", 0, "Permit voice interval announcements and ID out speaker", "NV800B",
         "VoiceIntervalSpeaker"},
        {kVoice, "chkVocInt", 1, "Permit voice interval announcements and ID out line", "NV800B", "VoiceIntervalLine"},
        {kVoice, "optVocInt", 0, "Permit announcements on all decoded events.", "NV800B", "VocAllEvents"},
        {kVoice, "optVocInt", 1, "Permit announcements on Warnings and Watches only.", "NV800B", "VocWarningsWatch"},
        {kVoice, "optVocInt", 2, "Permit announcements on Warnings only.", "NV800B", "VocWarnings"},
        {kVoice, "chkVocInt", 2, "Limit Monthly/Weekly Test to 15 Minutes Max.", "NV800B", "VocTruncateTest"},
    };
    return rows;
}

frmOption::frmOption(QWidget* parent) : SettingDialog(parent)
{
    setWindowTitle(QStringLiteral(" Merrow Options"));
    setModal(true);

    const FramedControls framed = CreateFramedControls(Controls(), this);
    widgets_ = framed.widgets;
    optVocInt = new OptionGroup(this);
    for (int i = 0; i < 3; ++i)
        optVocInt->addButton(static_cast<QRadioButton*>(control("optVocInt", i)));

    picture = new QLabel(this);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdOK->setDefault(true);

    auto* left = new QVBoxLayout;
    for (std::size_t f = 0; f < 3; ++f)
        left->addWidget(framed.frames[f]);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(framed.frames[3]);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(picture);
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    right->addStretch(1);
    right->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right);

    for (int i = 0; i < 3; ++i)
        connect(control("chkVocInt", i), &QAbstractButton::toggled, this, &frmOption::chkVocInt_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmOption::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QAbstractButton* frmOption::control(const char* name, int index) const
{
    return FindControl(Controls(), widgets_, name, index);
}

void frmOption::GetData()
{
    LoadCheckBoxes(Controls(), widgets_);
    optVocInt->select(FirstTrueOption(Controls(), "optVocInt"));
    chkVocInt_Click();
}

// The announcement options and the test limit only matter while a voice interval output is on.
void frmOption::chkVocInt_Click()
{
    const bool on = control("chkVocInt", 0)->isChecked() || control("chkVocInt", 1)->isChecked();
    optVocInt->setEnabled(on);
    control("chkVocInt", 2)->setEnabled(on);
}

void frmOption::SaveData()
{
    SaveCheckBoxes(Controls(), widgets_);
    // With no option selected the three flags stay as they were.
    if (optVocInt->selected() >= 0)
        SaveSelectedOption(Controls(), "optVocInt", optVocInt->selected());
}

void frmOption::cmdOK_Click()
{
    SaveData();
    accept();
}

void frmOption::Form_Activate()
{
    GetData();
    picture->setPixmap(ImageList1(4));
    cmdOK->setFocus();
}

} // namespace merrow
