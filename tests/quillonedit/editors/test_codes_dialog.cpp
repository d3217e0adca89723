#include "quillonedit/editors/frmCodes_1.h"
#include "tests/support/ImageFixture.h"
#include "tests/support/ScriptedKeyPad.h"

#include "quillonedit/image/Codec.h"
#include "platform/testing/ScriptedServices.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace quillon;
using namespace quillon::testing;

namespace {

struct CodesCase {
    int memory;
    int recordStart;   // first byte of the 25 records
    QString caption;
};

class CodesDialogTest : public ::testing::TestWithParam<CodesCase> {
protected:
    platform::doubles::ScriptedServices services;
    ScriptedKeyPad keys;
};

TEST_P(CodesDialogTest, OKWritesTheRecordsOfItsMemoryOnly)
{
    const CodesCase c = GetParam();
    FillImagePattern();
    PutImage(c.recordStart, std::vector<int>(200, 0));   // plain records: OK rewrites them as they are
    // Records 0 and 24 hold ordinary codes that the user replaces.
    PutImage(c.recordStart, {3, 1, 2, 3, 0, 0, 0, 0});
    PutImage(c.recordStart + 8 * 24, {2, 11, 12, 0, 0, 0, 0, 0});
    Bytes expected = Snapshot();

    frmCodes_1 dialog(c.memory);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), c.caption);
    EXPECT_EQ(dialog.lblCode[0]->text(), "123");

    keys.accept("*A0#");
    keys.accept("");
    QTest::mouseClick(dialog.lblCode[0], Qt::LeftButton);
    QTest::mouseClick(dialog.lblCode[24], Qt::LeftButton);
    EXPECT_EQ(dialog.lblCode[0]->text(), "*A0#");
    EXPECT_TRUE(ImageEquals(expected)) << "nothing is written before OK";

    QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
    Put(expected, c.recordStart, {4, 11, 13, 10, 12, 0, 0, 0});
    Put(expected, c.recordStart + 8 * 24, {0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_TRUE(ImageEquals(expected));
    EXPECT_FALSE(dialog.isVisible());
}

TEST_P(CodesDialogTest, EveryRecordRewrittenLandsInItsOwn200Bytes)
{
    const CodesCase c = GetParam();
    FillImagePattern(99);
    Bytes expected = Snapshot();

    frmCodes_1 dialog(c.memory);
    dialog.show();
    for (int k = 0; k < 25; ++k) {
        // k + 1 digits of "1234567" (at most 7), so each record has its own length.
        const QString text = QStringLiteral("1234567").left(1 + k % 7);
        keys.accept(text);
        dialog.lblCode_Click(k);
        std::vector<int> record(8, 0);
        record[0] = text.size();
        for (int i = 0; i < text.size(); ++i)
            record[static_cast<std::size_t>(i + 1)] = i + 1;
        for (int i = 0; i < 8; ++i)
            expected[static_cast<std::size_t>(c.recordStart + 8 * k + i)] = static_cast<std::uint8_t>(record[static_cast<std::size_t>(i)]);
    }
    dialog.cmdOK_Click();
    EXPECT_TRUE(ImageEquals(expected));
}

INSTANTIATE_TEST_SUITE_P(Memories, CodesDialogTest,
                         ::testing::Values(CodesCase{0, 13656, "Repeater Base Codes"},
                                           CodesCase{3, 7380, "Memory Save #3 Codes"},
                                           CodesCase{8, 12610, "Memory Save #8 Codes"}));

TEST(CodesDialog, SendsTheKeypadRequestOfTheClickedCode)
{
    platform::doubles::ScriptedServices s;
    ScriptedKeyPad keys;
    resetImage();
    PutImage(13656 + 8 * 17, {2, 9, 9});
    frmCodes_1 dialog(0);
    dialog.show();
    QTest::mouseClick(dialog.lblCode[17], Qt::LeftButton);
    ASSERT_EQ(keys.requests.size(), 1u);
    const KeyPadRequest& r = keys.requests[0];
    EXPECT_EQ(r.mode, KeyPadKeys::DigitsAbcStarPound);
    EXPECT_EQ(r.maxLen, 7);
    EXPECT_EQ(r.heading, "Emergency SD");
    EXPECT_EQ(r.initial, "99");
    EXPECT_EQ(r.check, KeyPadCheck::None);
    EXPECT_EQ(dialog.lblA[17]->text(), "Emergency Speed Dial Prefix");
}

TEST(CodesDialog, OKRewritesEveryRecordFromItsShownText)
{
    // Each row: the stored record, what its box shows, what a click on it gets from the keypad
    // (none, Cancel, or a text) and the record after OK.
    enum Click { NoClick, Cancel, Accept };
    struct Row {
        std::vector<int> stored;
        const char* shown;
        Click click;
        const char* entry;
        std::vector<int> written;
    };
    const Row rows[] = {
        {{9, 1, 2, 3, 4, 5, 6, 7}, "1234567", NoClick, "", {7, 1, 2, 3, 4, 5, 6, 7}},   // count 9 becomes 7
        {{3, 0x1A, 0, 0x2C, 0xFF, 0xFF, 0xFF, 0xFF}, "0D#", Cancel, "", {3, 10, 0, 12, 0, 0, 0, 0}},
        {{0, 5, 5, 5, 5, 5, 5, 5}, "", NoClick, "", {0, 0, 0, 0, 0, 0, 0, 0}},
        {{2, 4, 5, 0x77, 0, 0, 0, 0}, "45", Cancel, "", {2, 4, 5, 0, 0, 0, 0, 0}},
        {{3, 1, 2, 3, 0, 0, 0, 0}, "123", Accept, "", {0, 0, 0, 0, 0, 0, 0, 0}},        // Clear, OK
        {{7, 12, 13, 14, 15, 11, 10, 9}, "#ABC*09", NoClick, "", {7, 12, 13, 14, 15, 11, 10, 9}},
    };
    platform::doubles::ScriptedServices s;
    ScriptedKeyPad keys;
    FillImagePattern(7);
    PutImage(5288, std::vector<int>(200, 0));   // records past the table: empty
    for (std::size_t k = 0; k < std::size(rows); ++k)
        PutImage(5288 + 8 * static_cast<int>(k), rows[k].stored);
    const Bytes before = Snapshot();
    Bytes expected = before;
    for (std::size_t k = 0; k < std::size(rows); ++k)
        Put(expected, 5288 + 8 * static_cast<int>(k), rows[k].written);

    frmCodes_1 dialog(1);
    dialog.show();
    for (std::size_t k = 0; k < std::size(rows); ++k) {
        EXPECT_EQ(dialog.lblCode[k]->text(), rows[k].shown) << "record " << k;
        if (rows[k].click == NoClick)
            continue;
        if (rows[k].click == Cancel)
            keys.cancel();
        else
            keys.accept(rows[k].entry);
        QTest::mouseClick(dialog.lblCode[k], Qt::LeftButton);
        EXPECT_EQ(dialog.lblCode[k]->text(), rows[k].click == Cancel ? rows[k].shown : rows[k].entry) << "record " << k;
        EXPECT_TRUE(ImageEquals(before)) << "nothing is written before OK";
    }
    dialog.cmdOK_Click();
    EXPECT_TRUE(ImageEquals(expected));
}

TEST(CodesDialog, ClosingWithoutOKWritesNothing)
{
    platform::doubles::ScriptedServices s;
    ScriptedKeyPad keys;
    FillImagePattern(3);
    const Bytes before = Snapshot();
    frmCodes_1 dialog(1);
    dialog.show();
    keys.accept("777");
    QTest::mouseClick(dialog.lblCode[0], Qt::LeftButton);
    QTest::keyClick(&dialog, Qt::Key_Escape);   // the close box and Esc drop the edits
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(ImageEquals(before));
}

TEST(CodesDialog, AMemoryOutsideItsRangeShowsNothingAndWritesNothing)
{
    platform::doubles::ScriptedServices s;
    ScriptedKeyPad keys;
    FillImagePattern(5);
    const Bytes before = Snapshot();
    for (int memory : {-1, 9}) {
        frmCodes_1 dialog(memory);
        dialog.show();
        EXPECT_EQ(dialog.lblCode[0]->text(), "");
        keys.accept("12");
        dialog.lblCode_Click(0);
        dialog.cmdOK_Click();
        EXPECT_TRUE(ImageEquals(before)) << "memory " << memory;
    }
}

} // namespace
