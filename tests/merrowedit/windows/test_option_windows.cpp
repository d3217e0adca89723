#include "merrowedit/windows/OptionGroup.h"
#include "merrowedit/windows/frmInOuts.h"
#include "merrowedit/windows/frmOption.h"
#include "merrowedit/windows/frmRS232.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "tests/support/QStringPrinter.h"
#include "SettingWindowTest.h"

using namespace merrow;

namespace {

const std::vector<GoldenControl> kOptionControls = {
    {"chkFrontPanel", 0, "Upon receiving an alert, activate the receiver speaker", 8, 0x01},
    {"chkFrontPanel", 1, "Upon receiving an alert, activate PTT and line output audio", 8, 0x02},
    {"chkFrontPanel", 2, "Upon receiving an alert, activate the LED on the front panel", 8, 0x04},
    {"chkFrontPanel", 3, "Permit front panel monitor switch to activate speaker audio", 8, 0x08},
    {"chkFrontPanel", 4, "Permit front panel monitor switch to activate line audio output", 8, 0x10},
    {"chkOverride", 0, "Accept all FIP codes", 8, 0x20},
    {"chkOverride", 1, "Accept all Event Codes", 8, 0x40},
    {"chkOverride", 2, "Ignore the Termination Data Packet", 8, 0x80},
    {"chkVocInt", 0, "Permit voice interval announcements and ID out speaker", 11, 0x01},
    {"chkVocInt", 1, "Permit voice interval announcements and ID out line", 11, 0x02},
    {"optVocInt", 0, "Permit announcements on all decoded events.", 11, 0x04},
    {"optVocInt", 1, "Permit announcements on Warnings and Watches only.", 11, 0x08},
    {"optVocInt", 2, "Permit announcements on Warnings only.", 11, 0x10},
    {"chkVocInt", 2, "Limit Monthly/Weekly Test to 15 Minutes Max.", 11, 0x20},
};

const std::vector<GoldenControl> kRs232Controls = {
    {"chkRs232", 0, "Send weather data packet out the rear RS232 port.", 12, 0x01},
    {"chkRs232", 1, "Begin transmission with SOH before packet header.", 12, 0x02},
    {"chkRs232", 2, "Insert STX after packet header.", 12, 0x04},
    {"chkRs232", 3, "Append CRLF after sending data variables.", 12, 0x08},
    {"chkRs232", 4, "Not assigned.", 12, 0x10},
    {"chkRs232", 5, "Not assigned.", 12, 0x20},
    {"chkRs232", 6, "Finish data transmission with ETX.", 12, 0x40},
    {"chkRs232", 7, "End completed transmission with EOT.", 12, 0x80},
};

// The inputs and outputs window's groups: option k sets bit firstBit + k of the byte.
struct GoldenGroup {
    const char* tab;
    const char* frame;
    const char* options;
    const char* enableBox;
    const char* enableCaption;
    int byte;
    int firstBit;
    std::vector<const char*> captions;
};

const std::vector<const char*> kInputCaptions = {
    "Activate receiver on all alerts.", "Activate receiver on programmed Watches and Warning alerts only.",
    "Activate receiver on programmed Warning alerts only.", "Cancel any active alerts.", "Skip voice announcements.",
    "Force voice interval announcement.", "Spare", "Spare"};
const std::vector<const char*> kPulseCaptions = {
    "With All Decoded Events.", "With Watch or Warning Decoded Events.", "With Watch Decoded Events. ",
    "With Warning Decoded Events. ", "With Non Watch or Warning Decoded Events.", "Spare.", "Spare.", "Spare."};

const std::vector<GoldenGroup> kInOutGroups = {
    {"Input #1", "Rear Connector Input #1  [When grounded]", "optRear1", "chkActive1", "Use rear connector Input #1",
     9, 0, kInputCaptions},
    {"Input #2", "Rear Connector Input #2  [When grounded]", "optRear2", "chkActive2", "Use rear connector Input #2",
     10, 0, kInputCaptions},
    {"Output #1", " One Second Output#1 Pulse After Start Pulse ", "optTab1", "chkOut1",
     "Use rear connector Oitput #1", 13, 0, kPulseCaptions},
    {"Output #2", " One Second Output#2 Pulse After Start Pulse ", "optTab2", "chkOut2",
     "Use rear connector Oitput #2", 14, 0, kPulseCaptions},
    {"Output #3", " Raising Edge ", "optTab3Raise", nullptr, nullptr, 15, 0,
     {"Upon match of FIP code and Event code.", "After the two second start pulse.",
      "After the relay timer has expired.", "At the beginning of the voice synthesizer announcement.",
      "At the beginning of the weather alert announcement."}},
    {"Output #3", " Trailing Edge ", "optTab3Trail", nullptr, nullptr, 15, 5,
     {"Upon receiving termination packet or Line time-out timer has expired.", "When the active alert terminates.",
      "Spare"}},
};

class OptionWindowsTest : public SettingWindowTest {
protected:
    // Checks each control alone on a window opened over all-False flags and presses OK: exactly
    // the control's bit reaches the block. `prepare` readies the window (an enable box, ...).
    template <class Window>
    void expectEachControlSetsItsBit(const std::vector<GoldenControl>& golden,
                                     const std::function<void(Window&, const GoldenControl&)>& prepare = {})
    {
        EXPECT_EQ(controlsOf(Window::Controls()), goldenControlsOf(golden));
        for (const GoldenControl& g : golden) {
            SCOPED_TRACE(std::string(g.control) + " " + std::to_string(g.index));
            resetSettings();
            Window w;
            w.show();
            QAbstractButton* b = button(w, g.control, g.index);
            ASSERT_NE(b, nullptr);
            EXPECT_EQ(b->text(), g.caption);
            EXPECT_FALSE(b->isChecked());
            if (prepare)
                prepare(w, g);
            b->setChecked(true);
            w.cmdOK->click();
            EXPECT_EQ(w.result(), QDialog::Accepted);
            ParamBlock expected{};
            expected[static_cast<std::size_t>(g.byte)] = g.mask;
            EXPECT_EQ(block(), expected);
        }
    }
};

TEST_F(OptionWindowsTest, OptionsWindowEachControlSetsExactlyItsFlag)
{
    expectEachControlSetsItsBit<frmOption>(kOptionControls);
    frmOption w;
    EXPECT_EQ(w.windowTitle(), " Merrow Options");
    EXPECT_EQ(frameTitles(w), (QStringList{" Received Alert Options ", " Front Panel Switch Options ",
                                           " Override Options ", " Voice Interval Options "}));
}

TEST_F(OptionWindowsTest, Rs232WindowEachBoxSetsExactlyItsBitEtxAndEotOnBitsSixAndSeven)
{
    expectEachControlSetsItsBit<frmRS232>(kRs232Controls);
    frmRS232 w;
    EXPECT_EQ(w.windowTitle(), "RS232 Rear Port Options");
    EXPECT_EQ(frameTitles(w), QStringList{"Rear Panel RS-232 Port Options"});
    EXPECT_TRUE(w.findChildren<QPushButton*>().size() == 1) << "OK only, no Cancel";
}

TEST_F(OptionWindowsTest, InOutsWindowEachOptionSetsExactlyItsFlagWhileItsBoxIsTicked)
{
    std::vector<GoldenControl> golden;
    for (const GoldenGroup& g : kInOutGroups)
        for (std::size_t k = 0; k < g.captions.size(); ++k)
            golden.push_back({g.options, static_cast<int>(k), g.captions[k], g.byte,
                              static_cast<std::uint8_t>(1u << (g.firstBit + static_cast<int>(k)))});
    ASSERT_EQ(golden.size(), 40u);
    expectEachControlSetsItsBit<frmInOuts>(golden, [](frmInOuts& w, const GoldenControl& c) {
        const int group = frmInOuts::GroupOf(c.control);
        if (QCheckBox* box = w.enableBoxes[static_cast<std::size_t>(group)]) {
            EXPECT_FALSE(button(w, c.control, c.index)->isEnabled());
            box->click();
            EXPECT_TRUE(button(w, c.control, c.index)->isEnabled());
        }
    });

    frmInOuts w;
    EXPECT_EQ(w.windowTitle(), " Merrow Hardware Inputs and Outputs");
    EXPECT_EQ(w.tabs->currentIndex(), 0);
    QStringList tabs, frames;
    for (int t = 0; t < w.tabs->count(); ++t)
        tabs << w.tabs->tabText(t);
    EXPECT_EQ(tabs, (QStringList{"Input #1", "Input #2", "Output #1", "Output #2", "Output #3"}));
    for (std::size_t g = 0; g < kInOutGroups.size(); ++g) {
        frames << kInOutGroups[g].frame;
        QCheckBox* box = w.enableBoxes[g];
        ASSERT_EQ(box != nullptr, kInOutGroups[g].enableBox != nullptr);
        if (box) {
            EXPECT_EQ(box->objectName(), kInOutGroups[g].enableBox);
            EXPECT_EQ(box->text(), kInOutGroups[g].enableCaption);
        }
    }
    QStringList shown = frameTitles(w);
    shown.sort();
    frames.sort();
    EXPECT_EQ(shown, frames);
}

TEST_F(OptionWindowsTest, UntickedInputClearsItsWholeByteAndReopensWithNoSelection)
{
    setNvByte(kNV8009, 0x04);   // WarningOnly
    {
        frmInOuts w;
        w.show();
        QCheckBox* box = w.enableBoxes[0];
        EXPECT_TRUE(box->isChecked());
        EXPECT_EQ(w.options[0]->selected(), 2);
        box->click();
        EXPECT_FALSE(w.options[0]->button(2)->isEnabled());
        EXPECT_EQ(w.options[0]->selected(), 2);
        w.cmdOK->click();
    }
    EXPECT_EQ(NvFlagByte(kNV8009), 0);
    frmInOuts w;
    w.show();
    EXPECT_FALSE(w.enableBoxes[0]->isChecked());
    EXPECT_EQ(w.options[0]->selected(), -1);
    EXPECT_FALSE(w.options[0]->button(0)->isEnabled());
}

TEST_F(OptionWindowsTest, TwoStoredFlagsShowTheFirstAndOkKeepsOnlyIt)
{
    setNvByte(kNV8009, 0x0C);   // WarningOnly, CancelAlert
    setNvByte(kNV800F, 0xD2);   // AfterStart, BeginWxReport; AlertEnd, Spare800F_1
    frmInOuts w;
    w.show();
    const std::array<int, 6> expected{2, -1, -1, -1, 1, 1};
    for (std::size_t g = 0; g < expected.size(); ++g)
        EXPECT_EQ(w.options[g]->selected(), expected[g]) << g;
    w.cmdOK->click();
    EXPECT_EQ(NvFlagByte(kNV8009), 0x04);
    EXPECT_EQ(NvFlagByte(kNV800F), 0x42);
}

TEST_F(OptionWindowsTest, AnnouncementOptionsFollowTheVoiceBoxesAndAreSavedEvenGreyed)
{
    struct Row {
        std::uint8_t stored;      // NV800B before
        int selected;
        bool enabled;
        std::uint8_t afterOk;
    };
    const Row rows[] = {
        {0x30, 2, false, 0x30},   // greyed, still saved
        {0x19, 1, true, 0x09},    // two options: the first is kept
        {0x02, -1, true, 0x02},   // none selected: the three flags stay
        {0x27, 0, true, 0x27},    // defaults
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.stored);
        resetSettings();
        setNvByte(kNV800B, r.stored);
        frmOption w;
        w.show();
        EXPECT_EQ(w.optVocInt->selected(), r.selected);
        EXPECT_EQ(w.optVocInt->button(0)->isEnabled(), r.enabled);
        EXPECT_EQ(w.control("chkVocInt", 2)->isEnabled(), r.enabled);
        w.cmdOK->click();
        EXPECT_EQ(NvFlagByte(kNV800B), r.afterOk);
    }

    resetSettings();
    frmOption w;
    w.show();
    EXPECT_FALSE(w.optVocInt->button(0)->isEnabled());
    w.control("chkVocInt", 1)->click();
    EXPECT_TRUE(w.optVocInt->button(0)->isEnabled());
    EXPECT_TRUE(w.control("chkVocInt", 2)->isEnabled());
    w.control("chkVocInt", 1)->click();
    EXPECT_FALSE(w.control("chkVocInt", 2)->isEnabled());
}

TEST_F(OptionWindowsTest, Rs232BoxZeroGreysTheOthersWhichStillSaveAsShown)
{
    setNvByte(kNV800C, 0xC3);
    frmRS232 w;
    w.show();
    for (int k = 1; k < 8; ++k)
        EXPECT_TRUE(w.chkRs232(k)->isEnabled());
    w.chkRs232(0)->click();
    for (int k = 1; k < 8; ++k) {
        EXPECT_FALSE(w.chkRs232(k)->isEnabled());
        EXPECT_EQ(w.chkRs232(k)->isChecked(), k == 1 || k >= 6);
    }
    w.cmdOK->click();
    EXPECT_EQ(NvFlagByte(kNV800C), 0xC2);
    EXPECT_EQ(NvFlagByte(kNV8008), 0);
}

TEST_F(OptionWindowsTest, WindowShownAgainKeepsItsEditsUntilOk)
{
    // Minimised and restored: only the first showing loads the boxes from the flags.
    frmRS232 w;
    w.show();
    w.chkRs232(3)->setChecked(true);
    w.hide();
    w.show();
    EXPECT_TRUE(w.chkRs232(3)->isChecked());
    EXPECT_EQ(NvFlagByte(kNV800C), 0);
}

} // namespace
