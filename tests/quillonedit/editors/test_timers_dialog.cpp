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
