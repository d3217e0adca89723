#include "quillonedit/editors/frmAreaCodes.h"
#include "tests/support/ImageFixture.h"
#include "tests/support/ScriptedKeyPad.h"

#include "platform/testing/ScriptedServices.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace quillon;
using namespace quillon::testing;

namespace {
// Entries 1..4 hold the odd forms the decoder shows loosely.
void PutOddEntries()
{
    PutImage(18380, {0, 5, 5});      // entry 1: empty
    PutImage(18383, {3, 10, 5});     // entry 2: 305
    PutImage(18386, {3, 0, 5});      // entry 3: also 305
    PutImage(18389, {12, 1, 1});     // entry 4: 011
}
} // namespace

TEST(AreaCodesDialog, ShowsStoredEntries)
{
    platform::doubles::ScriptedServices s;
    resetImage();
    PutOddEntries();
    frmAreaCodes dialog;
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Area Codes");
    EXPECT_EQ(dialog.helpContextID(), 804);
    EXPECT_EQ(dialog.lblAC[0]->text(), "");
    EXPECT_EQ(dialog.lblAC[1]->text(), "305");
    EXPECT_EQ(dialog.lblAC[2]->text(), "305");
    EXPECT_EQ(dialog.lblAC[3]->text(), "011");
    EXPECT_EQ(dialog.lblA[19]->text(), "20");
}

TEST(AreaCodesDialog, AnEntryWritesItsThreeBytesAndNothingElse)
{
    platform::doubles::ScriptedServices s;
    ScriptedKeyPad keys;
    FillImagePattern(70);
    PutOddEntries();
    PutImage(18398, {4, 1, 5});
    Bytes expected = Snapshot();

    frmAreaCodes dialog;
    dialog.show();
    keys.accept("201");
    QTest::mouseClick(dialog.lblAC[6], Qt::LeftButton);
    ASSERT_EQ(keys.requests.size(), 1u);
    EXPECT_EQ(keys.requests[0].mode, KeyPadKeys::Digits);
    EXPECT_EQ(keys.requests[0].maxLen, 3);
    EXPECT_EQ(keys.requests[0].heading, "Area Code 7");
    EXPECT_EQ(keys.requests[0].initial, "415");
    EXPECT_EQ(keys.requests[0].check, KeyPadCheck::ThreeDigits);
    Put(expected, 18398, {2, 10, 1});
    EXPECT_TRUE(ImageEquals(expected)) << "the odd entries keep their bytes";
    EXPECT_EQ(dialog.lblAC[6]->text(), "201");

    // Clear and OK on the keypad empties the entry.
    keys.accept("");
    QTest::mouseClick(dialog.lblAC[19], Qt::LeftButton);
    Put(expected, 18437, {0, 0, 0});
    EXPECT_TRUE(ImageEquals(expected));

    QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(ImageEquals(expected));
}

TEST(AreaCodesDialog, CancelAndOKWithoutAClickWriteNothing)
{
    platform::doubles::ScriptedServices s;
    ScriptedKeyPad keys;
    FillImagePattern(71);
    PutOddEntries();
    const Bytes before = Snapshot();
    frmAreaCodes dialog;
    dialog.show();
    keys.cancel();
    QTest::mouseClick(dialog.lblAC[2], Qt::LeftButton);
    EXPECT_EQ(dialog.lblAC[2]->text(), "305");
    // Accepting the text an entry already shows leaves its bytes alone too.
    keys.accept("011");
    QTest::mouseClick(dialog.lblAC[3], Qt::LeftButton);
    dialog.cmdOK_Click();
    EXPECT_TRUE(ImageEquals(before));
}
