#include "quillonedit/editors/frmTimer1.h"
#include "tests/support/ImageFixture.h"
#include "tests/support/ScriptedKeyPad.h"

#include "platform/testing/ScriptedServices.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace quillon;
using namespace quillon::testing;

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
    EXPECT_EQ(keys.requests[0].mode, KeyPadKeys::Digits);
    EXPECT_EQ(keys.requests[0].maxLen, 4);
    EXPECT_EQ(keys.requests[0].check, KeyPadCheck::OneTo1800);
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
    EXPECT_EQ(keys.requests[0].check, KeyPadCheck::None);
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

TEST(TimersDialog, CancelWritesTheShownValueBack)
{
    // Each row: a timer of the base set, its stored bytes, what it shows, and its bytes after a
    // keypad Cancel (the upper five bits cleared; a tenths text of 100 or more is not written).
    struct Row { int index; int low; int high; const char* shown; int lowAfter; int highAfter; };
    const Row rows[] = {
        {0, 0xFF, 0xFF, "34:07", 0xFF, 0x07},
        {1, 90, 0xF8, "01:30", 90, 0},
        {6, 0, 0xF8, "00:00", 0, 0},
        {2, 25, 0xF8, "2.5", 25, 0},
        {3, 99, 0x00, "9.9", 99, 0},
        {9, 0xFF, 0xFF, "204.7", 0xFF, 0xFF},
        {12, 100, 0xF8, "10.0", 100, 0xF8},
    };
    platform::doubles::ScriptedServices s;
    ScriptedKeyPad keys;
    FillImagePattern(23);
    for (const Row& r : rows)
        PutImage(GetPT(0, r.index), {r.low, r.high});
    Bytes expected = Snapshot();

    frmTimer1 dialog(0);
    dialog.show();
    for (const Row& r : rows) {
        EXPECT_EQ(dialog.lblTime[static_cast<std::size_t>(r.index)]->text(), r.shown) << "timer " << r.index;
        keys.cancel();
        QTest::mouseClick(dialog.lblTime[static_cast<std::size_t>(r.index)], Qt::LeftButton);
        Put(expected, GetPT(0, r.index), {r.lowAfter, r.highAfter});
        EXPECT_TRUE(ImageEquals(expected)) << "timer " << r.index;
        EXPECT_EQ(dialog.lblTime[static_cast<std::size_t>(r.index)]->text(), r.shown) << "timer " << r.index;
    }
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
