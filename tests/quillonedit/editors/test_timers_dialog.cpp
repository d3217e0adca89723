#include "quillonedit/editors/frmTimer1.h"
#include "tests/support/ImageFixture.h"
#include "tests/support/ScriptedKeyPad.h"

#include "platform/testing/ScriptedServices.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace quillon;
using namespace quillon::testing;

TEST(TimerPositions, BaseSetAndMemorySavesAndNothingOutsideTheirRange)
{
    EXPECT_EQ(GetPT(0, 0), 13610);
    EXPECT_EQ(GetPT(0, 18), 13646);
    EXPECT_EQ(GetPT(1, 0), 5242);
    EXPECT_EQ(GetPT(5, 3), 9426 + 6);
    EXPECT_EQ(GetPT(8, 18), 12600);
    EXPECT_EQ(GetPT(9, 0), -1);
    EXPECT_EQ(GetPT(-1, 0), -1);
    EXPECT_EQ(GetPT(0, 19), -1);
    EXPECT_EQ(GetPT(0, -1), -1);
}

TEST(TimerText, TenthsAndMinutesFromStoredBytes)
{
    struct Row { int index; int low; int high; const char* text; };
    const Row rows[] = {
        {2, 0, 0, "0.0"},      {2, 25, 0, "2.5"},     {13, 5, 0, "0.5"},
        {9, 0xFF, 0xFF, "204.7"},                     // upper five bits of the high byte ignored
        {12, 0xE8, 0x03, "100.0"},
        {0, 180, 0, "03:00"},  {0, 8, 7, "30:00"},    {18, 0xFF, 0xFF, "34:07"},
        {6, 0, 0, "00:00"},    {1, 90, 0xF8, "01:30"},
    };
    for (const Row& r : rows) {
        resetImage();
        PutImage(GetPT(0, r.index), {r.low, r.high});
        EXPECT_EQ(quillon::DisplayTimers(0)[static_cast<std::size_t>(r.index)], r.text)
            << "timer " << r.index << " bytes " << r.low << "," << r.high;
    }
    EXPECT_EQ(quillon::DisplayTimers(9)[0], "");
}

TEST(TimerEntryText, TurnsTheShownValueBackIntoAWholeNumber)
{
    EXPECT_EQ(TimerEntryText(2, "2.5"), "25");
    EXPECT_EQ(TimerEntryText(2, "0.0"), "0");
    EXPECT_EQ(TimerEntryText(9, "204.7"), "2047");
    EXPECT_EQ(TimerEntryText(0, "03:00"), "180");
    EXPECT_EQ(TimerEntryText(18, "34:07"), "2047");
    EXPECT_EQ(TimerEntryText(6, "00:00"), "0");
}

TEST(SaveTimer, WritesBothBytesOrNothing)
{
    struct Row { bool tenths; const char* text; bool written; int low; int high; };
    const Row rows[] = {
        {true, "5", true, 5, 0},       {true, "99", true, 99, 0},   {true, "", true, 0, 0},
        {true, "100", false, 0, 0},    {true, "2047", false, 0, 0},
        {false, "90", true, 90, 0},    {false, "1800", true, 8, 7}, {false, "2047", true, 0xFF, 7},
        {false, "", true, 0, 0},       {false, "2048", false, 0, 0}, {false, "12a", false, 0, 0},
    };
    for (const Row& r : rows) {
        FillImagePattern(11);
        Bytes expected = Snapshot();
        const int offset = GetPT(4, 7);
        const bool written = r.tenths ? SaveTimerSec(offset, r.text) : SaveTimerMin(offset, r.text);
        EXPECT_EQ(written, r.written) << r.text;
        if (r.written)
            Put(expected, offset, {r.low, r.high});
        EXPECT_TRUE(ImageEquals(expected)) << (r.tenths ? "tenths " : "minutes ") << r.text;
    }
    FillImagePattern(11);
    const Bytes before = Snapshot();
    EXPECT_FALSE(SaveTimerMin(GetPT(9, 0), "90"));
    EXPECT_FALSE(SaveTimerSec(GetPT(9, 0), ""));
    EXPECT_TRUE(ImageEquals(before));
}

TEST(TimersDialog, MinuteEntryOnMemorySave8WritesItsTwoBytesAtOnce)
{
    platform::doubles::ScriptedServices s;
    ScriptedKeyPad keys;
    FillImagePattern(21);
    PutImage(12600, {0xB4, 0xF8});   // 180 seconds with stray upper bits
    Bytes expected = Snapshot();

    frmTimer1 dialog(8);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Memory Save #8 Timers");
    EXPECT_EQ(dialog.lblTime[18]->text(), "03:00");

    keys.accept("90");
    QTest::mouseClick(dialog.lblTime[18], Qt::LeftButton);
    ASSERT_EQ(keys.requests.size(), 1u);
    EXPECT_EQ(keys.requests[0].mode, 1);
    EXPECT_EQ(keys.requests[0].maxLen, 4);
    EXPECT_EQ(keys.requests[0].check, 2);
    EXPECT_EQ(keys.requests[0].heading, "Link Auto Disconnect");
    EXPECT_EQ(keys.requests[0].initial, "180");

    Put(expected, 12600, {90, 0});
    EXPECT_TRUE(ImageEquals(expected));
    EXPECT_EQ(dialog.lblTime[18]->text(), "01:30");

    QTest::mouseClick(dialog.cmdDone, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(ImageEquals(expected));
}

TEST(TimersDialog, TenthsEntryOnTheBaseSet)
{
    platform::doubles::ScriptedServices s;
    ScriptedKeyPad keys;
    FillImagePattern(22);
    PutImage(13614, {25, 0});
    Bytes expected = Snapshot();

    frmTimer1 dialog(0);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Repeater Base Timers");
    EXPECT_EQ(dialog.lblTime[2]->text(), "2.5");
    keys.accept("5");
    QTest::mouseClick(dialog.lblTime[2], Qt::LeftButton);
    ASSERT_EQ(keys.requests.size(), 1u);
    EXPECT_EQ(keys.requests[0].maxLen, 2);
    EXPECT_EQ(keys.requests[0].check, 0);
    EXPECT_EQ(keys.requests[0].heading, "Turn-On Delay");
    EXPECT_EQ(keys.requests[0].initial, "25");
    Put(expected, 13614, {5, 0});
    EXPECT_TRUE(ImageEquals(expected));
    EXPECT_EQ(dialog.lblTime[2]->text(), "0.5");

    // Clear and OK stores 0, the only way to a zero minute timer.
    keys.accept("");
    QTest::mouseClick(dialog.lblTime[0], Qt::LeftButton);
    Put(expected, 13610, {0, 0});
    EXPECT_TRUE(ImageEquals(expected));
    EXPECT_EQ(dialog.lblTime[0]->text(), "00:00");
}

TEST(TimersDialog, CancelWritesNothingEvenOverOddBytes)
{
    platform::doubles::ScriptedServices s;
    ScriptedKeyPad keys;
    FillImagePattern(23);
    PutImage(13610, {0xFF, 0xFF});
    PutImage(13610 + 2 * 9, {0xFF, 0xFF});
    const Bytes before = Snapshot();

    frmTimer1 dialog(0);
    dialog.show();
    EXPECT_EQ(dialog.lblTime[0]->text(), "34:07");
    EXPECT_EQ(dialog.lblTime[9]->text(), "204.7");
    keys.cancel();
    keys.cancel();
    QTest::mouseClick(dialog.lblTime[0], Qt::LeftButton);
    QTest::mouseClick(dialog.lblTime[9], Qt::LeftButton);
    EXPECT_TRUE(ImageEquals(before));
    EXPECT_EQ(dialog.lblTime[9]->text(), "204.7");
}

TEST(TimersDialog, RedisplaysFromTheImageOnEveryActivation)
{
    platform::doubles::ScriptedServices s;
    ScriptedKeyPad keys;
    resetImage();
    frmTimer1 dialog(2);
    dialog.show();
    EXPECT_EQ(dialog.lblTime[5]->text(), "0.0");
    PutImage(GetPT(2, 5), {77, 0});   // changed behind the dialog's back
    keys.cancel();
    dialog.lblTime_Click(0);          // the keypad closing activates the dialog again
    EXPECT_EQ(dialog.lblTime[5]->text(), "7.7");
}

TEST(TimersDialog, AMemoryOutsideItsRangeWritesNothing)
{
    platform::doubles::ScriptedServices s;
    ScriptedKeyPad keys;
    FillImagePattern(24);
    const Bytes before = Snapshot();
    frmTimer1 dialog(9);
    dialog.show();
    keys.accept("90");
    dialog.lblTime_Click(0);
    EXPECT_TRUE(keys.requests.empty());
    EXPECT_TRUE(ImageEquals(before));
}
