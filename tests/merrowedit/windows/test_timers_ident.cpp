#include "merrowedit/windows/ImageList.h"
#include "merrowedit/windows/Mwr_Rec.h"
#include "merrowedit/windows/OptionGroup.h"
#include "merrowedit/windows/SettingWindows.h"
#include "merrowedit/windows/frmIdent.h"
#include "merrowedit/windows/frmInOuts.h"
#include "merrowedit/windows/frmOption.h"
#include "merrowedit/windows/frmRS232.h"
#include "merrowedit/windows/frmTimers.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

#include "tests/support/QStringPrinter.h"
#include "SettingWindowTest.h"

using namespace merrow;

namespace {

// Bytes 0..31 with the stored defaults and no identification.
const ParamBlock kDefaultBlock{0, 3, 3, 1, 0, 2, 0, 0, 31, 0, 0, 39, 0, 0, 0, 33};

struct GoldenTimer {
    const char* frame;
    const char* control;
    std::vector<const char*> captions;
    int byte;        // upload byte
    int firstCode;   // code of button 0
};

const std::vector<GoldenTimer> kTimers = {
    {"Speaker Timeout", "optTimeSp",
     {"1 Minute", "2 Minutes", "3 Minutes", "4 Minutes", "5 Minutes", "6 Minutes"}, 1, 1},
    {"Line Timeout", "optTimeLn", {"1 Minute", "2 Minutes", "3 Minutes", "4 Minutes", "5 Minutes", "6 Minutes"}, 2, 1},
    {"Voice Interval Timer", "optVoiceTimer",
     {"  5 Minute Interval", "10 Minute Interval", "15 Minute Interval", "20 Minute Interval", "25 Minute Interval",
      "30 Minute Interval"},
     3, 1},
    {"Pre Voice Delay", "optVoiceDelay", {"No Delay", "0.5 Second", "1.0 Second", "1.5 Second", "2.0 Second"}, 5, 0},
    {"Relay Activation Delay", "optRelayDelay", {"0 Sec", "2 Sec", "4 Sec", "6 Sec", "8 Sec"}, 4, 0},
};

const std::vector<GoldenControl> kIdentControls = {
    {"chkID", 0, "Append station identification after weather alert announcements", 7, 0x01},
    {"chkID", 1, "Preceed identification with voice words \"This Is\".", 7, 0x02},
    {"chkID", 2, "After identification say voice word \"Repeater\"", 7, 0x04},
    {"chkID", 3, "After identification say voice word \"Transmitter\"", 7, 0x08},
};

class TimersIdentTest : public SettingWindowTest {
protected:
    void SetUp() override
    {
        SettingWindowTest::SetUp();
        LoadRegistrySettings();   // defaults from the empty scripted store
    }
    static QString selectedCaption(const frmTimers& w, int group)
    {
        const int i = w.options[static_cast<std::size_t>(group)]->selected();
        return i < 0 ? QString() : w.options[static_cast<std::size_t>(group)]->button(i)->text();
    }
};

TEST_F(TimersIdentTest, EveryTimerButtonStoresItsCodeAndUploadsIt)
{
    for (std::size_t g = 0; g < kTimers.size(); ++g) {
        const GoldenTimer& t = kTimers[g];
        for (std::size_t i = 0; i < t.captions.size(); ++i) {
            SCOPED_TRACE(std::string(t.control) + " " + std::to_string(i));
            LoadRegistrySettings();
            frmTimers w;
            EXPECT_EQ(w.frames[g]->title(), t.frame);
            EXPECT_EQ(w.options[g]->count(), static_cast<int>(t.captions.size()));
            QAbstractButton* b = button(w, t.control, static_cast<int>(i));
            ASSERT_NE(b, nullptr);
            EXPECT_EQ(b->text(), t.captions[i]);
            b->setChecked(true);
            w.cmdOK->click();
            ParamBlock expected = kDefaultBlock;
            expected[static_cast<std::size_t>(t.byte)] = static_cast<std::uint8_t>(t.firstCode + static_cast<int>(i));
            EXPECT_EQ(block(), expected);
        }
    }
    frmTimers w;
    EXPECT_EQ(w.windowTitle(), " Merrow Timer Settings");
}

TEST_F(TimersIdentTest, StoredTimersSelectTheirButtonsOrNone)
{
    struct Row {
        std::array<std::int16_t, 5> stored;   // speaker, line, voice interval, pre-voice, relay
        std::array<const char*, 5> shown;     // "" for no selection
        std::array<std::int16_t, 5> afterOk;
        std::uint8_t speakerByte;   // uploaded
    };
    const Row rows[] = {
        {{3, 3, 1, 2, 0}, {"3 Minutes", "3 Minutes", "  5 Minute Interval", "1.0 Second", "0 Sec"}, {3, 3, 1, 2, 0},
         3},
        {{9, 0, 7, -1, 7}, {"", "", "", "", ""}, {9, 0, 7, -1, 0}, 0},
        {{6, 1, 6, 4, 4}, {"6 Minutes", "1 Minute", "30 Minute Interval", "2.0 Second", "8 Sec"}, {6, 1, 6, 4, 4},
         6},
    };
    std::int16_t* timers[5] = {&SpeakerTimeoutTimer, &LineTimeoutTimer, &VoiceIntervalTimer, &PreVoiceAnnc,
                               &RelayDelayTimer};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.stored[0]);
        for (int t = 0; t < 5; ++t)
            *timers[t] = r.stored[static_cast<std::size_t>(t)];
        frmTimers w;
        for (int t = 0; t < 5; ++t)
            EXPECT_EQ(selectedCaption(w, t), r.shown[static_cast<std::size_t>(t)]) << t;
        w.cmdOK->click();
        for (int t = 0; t < 5; ++t)
            EXPECT_EQ(*timers[t], r.afterOk[static_cast<std::size_t>(t)]) << t;
        EXPECT_EQ(block()[1], r.speakerByte);
    }
}

TEST_F(TimersIdentTest, VoiceIntervalGreyedWithoutVoiceOutputsStillShowsAndSaves)
{
    const std::pair<std::uint8_t, bool> rows[] = {{0x00, false}, {0x01, true}, {0x02, true}, {0x3C, false}};
    for (const auto& [nv800b, enabled] : rows) {
        setNvByte(kNV800B, nv800b);
        VoiceIntervalTimer = 4;
        frmTimers w;
        EXPECT_EQ(w.frames[frmTimers::kVoiceInterval]->isEnabled(), enabled) << int(nv800b);
        EXPECT_EQ(w.options[frmTimers::kVoiceInterval]->button(3)->isEnabled(), enabled);
        EXPECT_EQ(selectedCaption(w, frmTimers::kVoiceInterval), "20 Minute Interval");
        w.options[frmTimers::kVoiceInterval]->button(5)->setChecked(true);
        w.cmdOK->click();
        EXPECT_EQ(VoiceIntervalTimer, 6);
    }
}

TEST_F(TimersIdentTest, IdentBoxesSetTheirFlagsAndBoxZeroTakesTheText)
{
    EXPECT_EQ(controlsOf(frmIdent::Controls()), goldenControlsOf(kIdentControls));
    for (const GoldenControl& g : kIdentControls) {
        SCOPED_TRACE(g.index);
        resetSettings();
        frmIdent w;
        w.show();
        QAbstractButton* b = w.chkID(g.index);
        EXPECT_EQ(b->text(), g.caption);
        b->setChecked(true);   // boxes 1..3 are greyed but still saved
        w.txtIdent->setText("W1AW");
        w.cmdOK->click();
        ParamBlock expected{};
        expected[7] = g.mask;
        if (g.index == 0) {
            EXPECT_EQ(UserStationID, "W1AW");
            const std::uint8_t id[] = {4, 32, 1, 10, 32};
            std::copy(std::begin(id), std::end(id), expected.begin() + 16);
        } else {
            EXPECT_EQ(UserStationID, "");
        }
        EXPECT_EQ(block(), expected);
    }
    frmIdent w;
    EXPECT_EQ(w.windowTitle(), " Station Identification");
    EXPECT_EQ(frameTitles(w), QStringList{" Station Identification "});
    EXPECT_EQ(w.lblText[0]->text(), "Station Identification Call Letters");
    EXPECT_EQ(w.lblText[1]->text(), "Valid Characters are  A-Z,  0-9    Fifteen (15) characters maximum.");
}

TEST_F(TimersIdentTest, IdentFilterForTypedPastedAndStoredText)
{
    struct Row {
        const char* stored;
        const char* typed;    // QTest::keyClicks
        const char* pasted;   // inserted as a paste would
        const char* shown;
        int beeps;
    };
    const Row rows[] = {
        {"", "ab-1", nullptr, "AB1", 1},
        {"", "w1aw/ x", nullptr, "W1AWX", 2},
        {"", ":@[`{~", nullptr, "", 6},
        {"", "ABCDEFGHIJKLMNOP", nullptr, "ABCDEFGHIJKLMNO", 0},   // the sixteenth is refused
        {"", nullptr, "ab-1", "AB1", 1},
        {"", nullptr, "k9xyz", "K9XYZ", 0},
        {"k1-abc", nullptr, nullptr, "K1ABC", 0},
        {"AB", "c", ".d", "ABCD", 1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.typed ? r.typed : "") + "|" + (r.pasted ? r.pasted : ""));
        services.desktop.beeps = 0;
        UserStationID = r.stored;
        NV8007.GiveStationID = true;
        frmIdent w;
        w.show();
        w.txtIdent->setFocus();
        w.txtIdent->end(false);
        if (r.typed)
            QTest::keyClicks(w.txtIdent, r.typed);
        if (r.pasted)
            w.txtIdent->insert(r.pasted);
        EXPECT_EQ(w.txtIdent->text(), r.shown);
        EXPECT_EQ(services.desktop.beeps, r.beeps);
    }
    EXPECT_EQ(FilterStationId("abcdefghijklmnopqrstu"), "ABCDEFGHIJKLMNO");
    EXPECT_EQ(FilterStationId(QString::fromUtf8("é1/Ä")), "1");
}

TEST_F(TimersIdentTest, IdentOkRulesAndClear)
{
    UserStationID = "W1AW";
    NV8007.GiveStationID = true;
    NV8007.AppendRepeater = true;
    {
        frmIdent w;   // box 0 cleared: the text keeps its value, the flags of 1..3 are stored
        w.show();
        w.chkID(0)->click();
        EXPECT_FALSE(w.txtIdent->isEnabled());
        EXPECT_FALSE(w.cmdErase->isEnabled());
        EXPECT_FALSE(w.chkID(3)->isEnabled());
        w.cmdOK->click();
        ParamBlock expected = kDefaultBlock;
        expected[7] = 0x04;
        const std::uint8_t id[] = {4, 32, 1, 10, 32};
        std::copy(std::begin(id), std::end(id), expected.begin() + 16);
        EXPECT_EQ(block(), expected);
        EXPECT_EQ(UserStationID, "W1AW");
    }
    {
        frmIdent w;   // box 0 ticked, text cleared: refused, the window stays
        w.show();
        w.chkID(0)->click();
        w.cmdErase->click();
        EXPECT_EQ(w.txtIdent->text(), "");
        EXPECT_EQ(services.desktop.beeps, 0);
        w.cmdErase->click();
        EXPECT_EQ(services.desktop.beeps, 1);
        w.cmdOK->click();
        ASSERT_EQ(services.messageBox.shown.size(), 1u);
        EXPECT_EQ(services.messageBox.shown[0].text, "Error..No Identification Entered");
        EXPECT_EQ(services.messageBox.shown[0].title, "Merrow Digital Weather Receiver");
        EXPECT_EQ(services.messageBox.shown[0].icon, platform::MsgIcon::Exclamation);
        EXPECT_EQ(services.messageBox.shown[0].buttons, platform::MsgButtons::OK);
        EXPECT_TRUE(w.isVisible());
        EXPECT_FALSE(NV8007.GiveStationID);
        EXPECT_EQ(UserStationID, "W1AW");
    }
}

TEST_F(TimersIdentTest, CancelAndCloseBoxChangeNothingInAnyWindow)
{
    struct Row {
        const char* name;
        std::function<std::unique_ptr<QDialog>()> make;
        bool hasCancel;
    };
    const Row rows[] = {
        {"frmOption", [] { return std::make_unique<frmOption>(); }, true},
        {"frmInOuts", [] { return std::make_unique<frmInOuts>(); }, true},
        {"frmRS232", [] { return std::make_unique<frmRS232>(); }, false},
        {"frmTimers", [] { return std::make_unique<frmTimers>(); }, true},
        {"frmIdent", [] { return std::make_unique<frmIdent>(); }, true},
    };
    // Something set in every byte the windows edit.
    for (int s = 0; s < kNvSectionCount; ++s)
        setNvByte(s, static_cast<std::uint8_t>(0x11 << (s % 4)));
    UserStationID = "K1ABC";
    const ParamBlock before = block();
    for (const Row& r : rows) {
        for (const bool useCancel : {true, false}) {
            if (useCancel && !r.hasCancel)
                continue;
            SCOPED_TRACE(std::string(r.name) + (useCancel ? " Cancel" : " close box"));
            const std::unique_ptr<QDialog> w = r.make();
            w->show();
            for (QAbstractButton* b : w->findChildren<QAbstractButton*>())
                if (b->isCheckable())
                    b->setChecked(!b->isChecked());
            if (auto* text = w->findChild<QLineEdit*>())
                text->setText("N0CALL");
            if (useCancel) {
                QPushButton* cancel = nullptr;
                for (QPushButton* p : w->findChildren<QPushButton*>())
                    if (p->text() == "Cancel")
                        cancel = p;
                ASSERT_NE(cancel, nullptr);
                cancel->click();
            } else {
                w->close();
            }
            EXPECT_EQ(w->result(), QDialog::Rejected);
            EXPECT_EQ(block(), before);
            EXPECT_EQ(UserStationID, "K1ABC");
        }
    }
}

TEST_F(TimersIdentTest, ToolbarButtonsOpenTheirWindowsWhoseOkReachesTheBlock)
{
    struct Row {
        const char* key;
        const char* title;
        std::function<void(QDialog&)> edit;
        int byte;
        std::uint8_t value;
    };
    const Row rows[] = {
        {"Options", " Merrow Options", [](QDialog& d) { button(d, "chkFrontPanel", 0)->click(); }, 8, 30},
        {"Timers", " Merrow Timer Settings", [](QDialog& d) { button(d, "optTimeSp", 5)->click(); }, 1, 6},
        {"Inputs", " Merrow Hardware Inputs and Outputs",
         [](QDialog& d) { button(d, "optTab3Raise", 4)->click(); }, 15, 0x30},
        {"Identification", " Station Identification",
         [](QDialog& d) {
             button(d, "chkID", 0)->click();
             QTest::keyClicks(d.findChild<QLineEdit*>(), "wx9");
         },
         16, 3},
        {"RS232", "RS232 Rear Port Options", [](QDialog& d) { button(d, "chkRs232", 0)->click(); }, 12, 1},
    };
    Mwr_Rec main;
    ConnectSettingWindows(main);
    for (const Row& r : rows) {
        SCOPED_TRACE(r.key);
        LoadRegistrySettings();
        QString title;
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            title = d->windowTitle();
            r.edit(*d);
            for (QPushButton* p : d->findChildren<QPushButton*>())
                if (p->text() == "OK")
                    p->click();
        });
        main.toolButtonForTests(r.key)->trigger();
        EXPECT_EQ(title, r.title);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        ParamBlock expected = kDefaultBlock;
        expected[static_cast<std::size_t>(r.byte)] = r.value;
        if (r.byte == 16) {
            expected[7] = 1;
            expected[17] = 32;   // W X 9
            expected[18] = 33;
            expected[19] = 9;
        }
        EXPECT_EQ(block(), expected);
    }
    EXPECT_EQ(kImageListCount, 16);
    for (int i = 13; i <= kImageListCount; ++i)
        EXPECT_FALSE(ImageList1(i).isNull()) << i;
}

} // namespace
