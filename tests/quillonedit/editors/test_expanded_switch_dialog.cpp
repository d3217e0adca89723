#include "quillonedit/editors/frmExp.h"
#include "tests/support/ImageFixture.h"

#include "platform/testing/ScriptedServices.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace quillon;
using namespace quillon::testing;

TEST(ExpandedSwitch, EveryPictureFlipsItsOwnBitOnBothSwitches)
{
    platform::doubles::ScriptedServices s;
    for (int sw : {1, 2}) {
        FillImagePattern(40 + static_cast<std::uint32_t>(sw));
        Bytes expected = Snapshot();
        frmExp dialog(sw);
        dialog.show();
        const int areaStart = sw == 1 ? 18680 : 18720;
        for (int page = 0; page < 4; ++page) {
            dialog.opt1_Click(page);
            for (int row = 1; row <= 10; ++row)
                for (int bit = 0; bit < 8; ++bit) {
                    // Flip only the bits whose (row + bit + page) is odd, so neighbours stay put.
                    if ((row + bit + page) % 2 == 0)
                        continue;
                    dialog.Img_Click(row, bit);
                    expected[static_cast<std::size_t>(areaStart + 10 * page + row - 1)] ^= static_cast<std::uint8_t>(1u << bit);
                }
        }
        EXPECT_TRUE(ImageEquals(expected)) << "switch " << sw;
    }
}

TEST(ExpandedSwitch, ClickingPicturesWithTheMouse)
{
    platform::doubles::ScriptedServices s;
    FillImagePattern(50);
    PutImage(18690, {0});
    PutImage(18759, {0x01});
    Bytes expected = Snapshot();

    {
        // Switch #1, page "11-20": the third picture of the top row is bit 2 of byte 18690.
        frmExp dialog(1);
        dialog.show();
        QTest::mouseClick(dialog.opt1[1], Qt::LeftButton);
        EXPECT_EQ(dialog.lblA[0]->text(), "11");
        QTest::mouseClick(dialog.Img[0][2], Qt::LeftButton);
        Put(expected, 18690, {0x04});
        EXPECT_TRUE(ImageEquals(expected));
        EXPECT_TRUE(dialog.pictureIsOnForTests(1, 2));
        QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible());
    }
    {
        // Switch #2, page "31-40": the bottom row is line 40 at 18759, its rightmost picture bit 7.
        frmExp dialog(2);
        dialog.show();
        QTest::mouseClick(dialog.opt1[3], Qt::LeftButton);
        EXPECT_EQ(dialog.lblA[9]->text(), "40");
        QTest::mouseClick(dialog.Img[9][7], Qt::LeftButton);
        Put(expected, 18759, {0x81});
        EXPECT_TRUE(ImageEquals(expected));
        // A second click on the same picture puts the byte back.
        QTest::mouseClick(dialog.Img[9][7], Qt::LeftButton);
        Put(expected, 18759, {0x01});
        EXPECT_TRUE(ImageEquals(expected));
    }
}

TEST(ExpandedSwitch, RowsShowTheirLineBytes)
{
    platform::doubles::ScriptedServices s;
    resetImage();
    PutImage(18720, {0, 255, 129});
    frmExp dialog(2);
    dialog.show();
    for (int bit = 0; bit < 8; ++bit) {
        EXPECT_FALSE(dialog.pictureIsOnForTests(1, bit));
        EXPECT_TRUE(dialog.pictureIsOnForTests(2, bit));
        EXPECT_EQ(dialog.pictureIsOnForTests(3, bit), bit == 0 || bit == 7) << bit;
    }
}

TEST(ExpandedSwitch, PagesAndTheirRowLabels)
{
    platform::doubles::ScriptedServices s;
    resetImage();
    PutImage(18680 + 20, {0x10});   // line 21 of switch #1
    frmExp dialog(1);
    dialog.show();
    EXPECT_EQ(dialog.lblA[0]->text(), "1");
    EXPECT_EQ(dialog.lblA[9]->text(), "10");
    EXPECT_FALSE(dialog.pictureIsOnForTests(1, 4));

    dialog.opt1_Click(2);
    EXPECT_EQ(dialog.CurrentPage, 2);
    EXPECT_EQ(dialog.LineBase, 18700);
    EXPECT_EQ(dialog.lblA[0]->text(), "21");
    EXPECT_EQ(dialog.lblA[9]->text(), "30");
    EXPECT_TRUE(dialog.pictureIsOnForTests(1, 4));

    // Activating again opens on page "01-10".
    dialog.hide();
    dialog.show();
    EXPECT_EQ(dialog.CurrentPage, 0);
    EXPECT_TRUE(dialog.opt1[0]->isChecked());
    EXPECT_EQ(dialog.lblA[0]->text(), "1");
}

TEST(ExpandedSwitch, ASwitchNumberOtherThan1Or2WritesNothing)
{
    platform::doubles::ScriptedServices s;
    FillImagePattern(51);
    const Bytes before = Snapshot();
    for (int sw : {0, 3}) {
        frmExp dialog(sw);
        dialog.show();
        dialog.opt1_Click(1);
        QTest::mouseClick(dialog.Img[0][0], Qt::LeftButton);
        dialog.Img_Click(10, 7);
    }
    EXPECT_FALSE(ToggleExpBit(18760, 0));   // the byte after switch #2
    EXPECT_FALSE(ToggleExpBit(18680, 8));
    EXPECT_TRUE(ImageEquals(before));
}
