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

// After any keypad return (an entry, Clear and OK, or Cancel) all 20 entries are written from
// their texts: the odd forms of entries 1..4 come out plain, everything outside the list stays.
TEST(AreaCodesDialog, EveryKeypadReturnRewritesAllEntriesFromTheirTexts)
{
    struct Case { const char* name; int entry; std::optional<QString> answer; int written; std::vector<int> bytes; };
    const Case cases[] = {
        {"an entry", 6, QString("201"), 18398, {2, 10, 1}},
        {"Clear and OK", 6, QString(""), 18398, {0, 0, 0}},
        {"Cancel", 6, std::nullopt, 18398, {4, 1, 5}},
        {"Cancel on an odd entry", 2, std::nullopt, 18386, {3, 10, 5}},
    };
    for (const Case& c : cases) {
        platform::doubles::ScriptedServices s;
        ScriptedKeyPad keys;
        FillImagePattern(70);
        PutImage(18380, std::vector<int>(60, 0));
        PutOddEntries();
        PutImage(18398, {4, 1, 5});   // entry 7: 415
        Bytes expected = Snapshot();
        Put(expected, 18380, {0, 0, 0, 3, 10, 5, 3, 10, 5, 10, 1, 1});
        Put(expected, c.written, c.bytes);

        frmAreaCodes dialog;
        dialog.show();
        keys.answers.push_back(c.answer);
        QTest::mouseClick(dialog.lblAC[static_cast<std::size_t>(c.entry)], Qt::LeftButton);
        ASSERT_EQ(keys.requests.size(), 1u) << c.name;
        EXPECT_TRUE(ImageEquals(expected)) << c.name;
        EXPECT_EQ(dialog.lblAC[static_cast<std::size_t>(c.entry)]->text(), c.answer.value_or(keys.requests[0].initial))
            << c.name;
        QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_TRUE(ImageEquals(expected)) << c.name << ": OK writes nothing more";
    }
}

TEST(AreaCodesDialog, SendsTheKeypadRequestOfTheClickedEntry)
{
    platform::doubles::ScriptedServices s;
    ScriptedKeyPad keys;
    resetImage();
    PutImage(18398, {4, 1, 5});
    frmAreaCodes dialog;
    dialog.show();
    QTest::mouseClick(dialog.lblAC[6], Qt::LeftButton);
    ASSERT_EQ(keys.requests.size(), 1u);
    EXPECT_EQ(keys.requests[0].mode, KeyPadKeys::Digits);
    EXPECT_EQ(keys.requests[0].maxLen, 3);
    EXPECT_EQ(keys.requests[0].heading, "Area Code 7");
    EXPECT_EQ(keys.requests[0].initial, "415");
    EXPECT_EQ(keys.requests[0].check, KeyPadCheck::ThreeDigits);
}

TEST(AreaCodesDialog, OpeningAndOKWithoutAClickWriteNothing)
{
    platform::doubles::ScriptedServices s;
    ScriptedKeyPad keys;
    FillImagePattern(71);
    PutOddEntries();
    const Bytes before = Snapshot();
    frmAreaCodes dialog;
    dialog.show();
    dialog.cmdOK_Click();
    EXPECT_TRUE(keys.requests.empty());
    EXPECT_TRUE(ImageEquals(before));
}
