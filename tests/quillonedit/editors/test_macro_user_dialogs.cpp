// The macro editor with its review window, and the hardware inputs dialog.
#include "quillonedit/editors/MacHelp.h"
#include "quillonedit/editors/frmMacro.h"
#include "quillonedit/editors/frmUser.h"
#include "tests/support/ImageFixture.h"
#include "tests/support/ScriptedKeyPad.h"

#include "platform/testing/ScriptedServices.h"
#include "quillonedit/tables/Tables.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace quillon;
using namespace quillon::testing;

namespace {

class Dialogs : public ::testing::Test {
protected:
    bool tablesFilled = (FillAllTables(), true);
    platform::doubles::ScriptedServices services;
    ScriptedKeyPad keys;
    void TearDown() override
    {
        resetImage();
        ResetTables();
    }
    static void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
    // On the option's round button, which a click in the middle of a wide option would miss.
    static void choose(QRadioButton* option)
    {
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    }
    static void expectRequest(const KeyPadRequest& r, KeyPadKeys mode, int maxLen, const char* heading,
                              const char* initial, KeyPadCheck check)
    {
        EXPECT_EQ(r.mode, mode) << heading;
        EXPECT_EQ(r.maxLen, maxLen) << heading;
        EXPECT_EQ(r.heading, heading);
        EXPECT_EQ(r.initial, initial) << heading;
        EXPECT_EQ(r.check, check) << heading;
    }
};

// Macro 25 (page "21-30", row 4): code 12, commands 5012, 1131, 0000 .. 0000.
constexpr int kMacro25 = 17112;
void PutMacro25()
{
    PutImage(kMacro25, {2, 1, 2, 0, 0, 0, 0, 0, 0x12, 0x50, 0x31, 0x11, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
}

} // namespace

TEST_F(Dialogs, MacroEntriesStoreOnlyTheirMacroWithTheirHeadings)
{
    FillImagePattern(130);
    PutMacro25();
    Bytes expected = Snapshot();
    frmMacro dialog;
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Macro Commands");
    EXPECT_EQ(dialog.helpContextID(), 500);
    EXPECT_TRUE(dialog.optSel[0]->isChecked());
    choose(dialog.optSel[2]);
    EXPECT_EQ(dialog.Label1[4]->text(), " 25");
    EXPECT_EQ(dialog.Label2[4]->text(), "12");
    EXPECT_EQ(dialog.Label3[4]->text(), "5012");
    EXPECT_EQ(dialog.Label4[4]->text(), "1131");

    // Command 3, then the code, then Cancel on command 10 (stores the row as it shows).
    keys.accept("0307");
    click(dialog.Label5[4]);
    keys.accept("*1A");
    click(dialog.Label2[4]);
    keys.cancel();
    click(dialog.Label12[4]);
    ASSERT_EQ(keys.requests.size(), 3u);
    expectRequest(keys.requests[0], KeyPadKeys::Digits, 4, "Macro Command 25/3", "0000", KeyPadCheck::FourDigits);
    expectRequest(keys.requests[1], KeyPadKeys::DigitsAbcStarPound, 7, "Macro Code 25", "12", KeyPadCheck::AtMost15);
    expectRequest(keys.requests[2], KeyPadKeys::Digits, 4, "Macro Command 25/10", "0000", KeyPadCheck::FourDigits);
    EXPECT_EQ(dialog.GetMacHeading(), "Macro Command 25");
    Put(expected, kMacro25, {3, 11, 1, 13});
    Put(expected, kMacro25 + 12, {0x07, 0x03});
    EXPECT_TRUE(ImageEquals(expected));
    EXPECT_EQ(dialog.Label5[4]->text(), "0307");
    EXPECT_EQ(dialog.Label2[4]->text(), "*1A");
}

TEST_F(Dialogs, ABlankRowShowsBlankAndItsReviewListsItsTenCommands)
{
    resetImage();
    // Macro 25 has no code but stored commands; macro 26 has a code.
    PutImage(kMacro25, {0, 0, 0, 0, 0, 0, 0, 0, 0x12, 0x50, 0x10, 0x9A, 0x03, 0x70, 0x10, 0x92});
    frmMacro dialog;
    dialog.show();
    choose(dialog.optSel[2]);
    EXPECT_EQ(dialog.Label2[4]->text(), "");
    for (int c = 1; c <= 10; ++c)
        EXPECT_EQ(dialog.commandLabel(c, 4)->text(), "") << c;
    EXPECT_EQ(dialog.commandLabel(1, 5)->text(), "");

    QStringList seen;
    const auto review = [&] {
        QTimer::singleShot(0, &dialog, [&] {
            MacHelp* h = dialog.review();
            seen << h->windowTitle() + "|" + QString::number(h->helpContextID());
            for (std::size_t k = 0; k < 10; ++k)
                seen << h->Label1[k]->text() + "|" + h->Label2[k]->text();
            click(h->cmdOK);
        });
        click(dialog.Label1[4]);
    };
    review();
    ASSERT_EQ(seen.size(), 11);
    EXPECT_EQ(seen[0], "Macro  25  Review|500");
    EXPECT_EQ(seen[1], " 1| Execute Macro 12");
    EXPECT_EQ(seen[2], " 2| Invalid Entry");
    EXPECT_EQ(seen[3], " 3| Link Reset ");
    EXPECT_EQ(seen[4], " 4| A");
    EXPECT_EQ(seen[5], " 5| No Command");
    EXPECT_EQ(seen[10], " 10| No Command");
    EXPECT_FALSE(dialog.review()->isVisible());
    EXPECT_EQ(dialog.MacroRow, 4);

    // The same window serves the next review, rebuilt for its macro.
    MacHelp* first = dialog.review();
    seen.clear();
    choose(dialog.optSel[0]);
    review();
    EXPECT_EQ(dialog.review(), first);
    EXPECT_EQ(seen[0], "Macro  5  Review|500");
    EXPECT_EQ(seen[1], " 1| No Command");
}

TEST_F(Dialogs, OKWritesThePageAsShownKeepingAnUnchangedCommandThatIsNotBcd)
{
    FillImagePattern(131);
    for (int i = 17000; i < 17280; ++i)
        image().set(i, 0);
    PutImage(17000, {0, 1, 2, 3, 4, 5, 6, 7, 0x12, 0x50});              // macro 21: blank, with commands
    PutImage(17028, {1, 0x15, 9, 9, 9, 9, 9, 9, 0x07, 0x03});             // macro 22: digits past the count
    PutImage(kMacro25, {2, 1, 2, 0, 0, 0, 0, 0, 0x10, 0x9A, 0x31, 0x11}); // macro 25: 9A10
    Bytes expected = Snapshot();
    frmMacro dialog;
    dialog.show();
    choose(dialog.optSel[2]);
    ASSERT_EQ(dialog.Label3[4]->text(), "9A10");

    keys.accept("6005");
    click(dialog.Label4[4]);   // another command of the same row
    Put(expected, kMacro25 + 10, {0x05, 0x60});
    EXPECT_TRUE(ImageEquals(expected));

    click(dialog.cmdOK);
    Put(expected, 17000, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    Put(expected, 17028, {1, 5, 0, 0, 0, 0, 0, 0});
    EXPECT_TRUE(ImageEquals(expected));
    EXPECT_FALSE(dialog.isVisible());

    // Kept: shown again on the same page, from the image.
    dialog.show();
    EXPECT_TRUE(dialog.optSel[2]->isChecked());
    EXPECT_EQ(dialog.Label3[4]->text(), "9A10");
    EXPECT_EQ(dialog.Label4[4]->text(), "6005");
}

TEST_F(Dialogs, EnteringIntoABlankRow)
{
    resetImage();
    PutImage(16440, {0, 0, 0, 0, 0, 0, 0, 0, 0x12, 0x50, 0x31, 0x11});
    Bytes expected = Snapshot();
    frmMacro dialog;
    dialog.show();

    // A command alone leaves the macro without a code: stored, and the row is blank again.
    keys.accept("2000");
    click(dialog.Label4[0]);
    Put(expected, 16440 + 8, {0, 0, 0x00, 0x20});
    EXPECT_TRUE(ImageEquals(expected));
    EXPECT_EQ(dialog.Label4[0]->text(), "");

    // A code stores ten empty commands, shown as 0000 from then on.
    keys.accept("7");
    click(dialog.Label2[0]);
    Put(expected, 16440, {1, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_TRUE(ImageEquals(expected));
    EXPECT_EQ(dialog.Label2[0]->text(), "7");
    EXPECT_EQ(dialog.Label4[0]->text(), "0000");
}

TEST_F(Dialogs, HardwareInputsWriteAllEightAtEachEntry)
{
    resetImage();
    {
        frmUser dialog;
        dialog.show();
        EXPECT_EQ(dialog.windowTitle(), "Hardware Inputs");
        EXPECT_EQ(dialog.helpContextID(), 502);
        for (std::size_t k = 0; k < 8; ++k) {
            EXPECT_EQ(dialog.lblA[k]->text(), QStringLiteral("Input #%1").arg(k + 1));
            EXPECT_EQ(dialog.Label1[k]->text(), "0000");
            EXPECT_EQ(dialog.Label3[k]->text(), "No Command");
        }
    }

    FillImagePattern(132);
    PutImage(18760, {0x10, 0x9A});   // input 1: not BCD, left alone by the user
    PutImage(18762, {0x31, 0x11, 0x99, 0x99, 0x00, 0x62, 0x01, 0x64, 0x03, 0x70, 0x00, 0x00, 0x15, 0x20});
    Bytes expected = Snapshot();
    frmUser dialog;
    dialog.show();
    EXPECT_EQ(dialog.Label3[0]->text(), "Invalid Entry");
    EXPECT_EQ(dialog.Label3[7]->text(), "Invalid Entry");

    keys.accept("5012");
    click(dialog.Label1[2]);
    expectRequest(keys.requests.at(0), KeyPadKeys::Digits, 4, "Macro Command", "9999", KeyPadCheck::FourDigits);
    Put(expected, 18764, {0x12, 0x50});
    EXPECT_TRUE(ImageEquals(expected));
    EXPECT_EQ(dialog.Label1[2]->text(), "5012");
    EXPECT_EQ(dialog.Label3[2]->text(), "Execute Macro 12");

    keys.accept("");   // Clear, then OK
    click(dialog.Label1[7]);
    Put(expected, 18774, {0x00, 0x00});
    EXPECT_TRUE(ImageEquals(expected));
    EXPECT_EQ(dialog.Label3[7]->text(), "No Command");
    EXPECT_EQ(dialog.Label3[0]->text(), "Invalid Entry");

    click(dialog.cmdOK);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(ImageEquals(expected));
}
