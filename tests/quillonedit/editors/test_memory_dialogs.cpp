// The statistics, flush, memory copy and unlock windows: what each shows, asks and writes.
#include "quillonedit/editors/frmConfig.h"
#include "quillonedit/editors/frmErase.h"
#include "quillonedit/editors/frmMemory.h"
#include "quillonedit/editors/frmUnlock.h"
#include "quillonedit/image/Project.h"
#include "tests/support/ImageFixture.h"
#include "tests/support/ScriptedKeyPad.h"

#include "platform/testing/ScriptedServices.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace quillon;
using namespace quillon::testing;
using platform::MsgButtons;
using platform::MsgDefault;
using platform::MsgIcon;
using platform::MsgResult;

namespace {

void Zero(Bytes& b, int first, int last)
{
    for (int i = first; i <= last; ++i)
        b[static_cast<std::size_t>(i)] = 0;
}

void ExpectAsked(const platform::MessageRequest& r, const QString& text, const QString& title, MsgButtons buttons,
                 MsgIcon icon, MsgDefault byDefault = MsgDefault::First)
{
    EXPECT_EQ(r.text, text);
    EXPECT_EQ(r.title, title);
    EXPECT_EQ(r.buttons, buttons) << text.toStdString();
    EXPECT_EQ(r.icon, icon) << text.toStdString();
    EXPECT_EQ(r.defaultButton, byDefault) << text.toStdString();
}

void DeleteClosedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

} // namespace

TEST(StatsDialog, ShowsCappedCountersAndResetsOnlyOnYes)
{
    platform::doubles::ScriptedServices s;
    FillImagePattern(16);
    PutImage(533, {0xFF, 0xFF, 0x05, 0x40});
    resetProject();
    project().ProjectFileName = "/gone/stats.001";
    const Bytes before = Snapshot();

    frmConfig dialog;
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Quillon Repeater Stats");
    EXPECT_EQ(dialog.lblA[11]->text(), "CRT Logins");
    EXPECT_EQ(dialog.lblFileName->text(), " /gone/stats.001");
    EXPECT_EQ(dialog.lblFileDate->text(), " File Date Unavailable");
    EXPECT_EQ(dialog.lblData[0]->text(), "9999");
    EXPECT_EQ(dialog.lblData[1]->text(), "5");

    s.messageBox.answers = {MsgResult::No, MsgResult::Yes};
    QTest::mouseClick(dialog.cmdErase, Qt::LeftButton);
    EXPECT_TRUE(ImageEquals(before));
    EXPECT_EQ(dialog.lblData[0]->text(), "9999");
    QTest::mouseClick(dialog.cmdErase, Qt::LeftButton);
    ASSERT_EQ(s.messageBox.shown.size(), 2u);
    ExpectAsked(s.messageBox.shown[1], "Do you want to clear all repeater stats?", "Clear Stats", MsgButtons::YesNo,
                MsgIcon::Question, MsgDefault::Second);
    Bytes expected = before;
    Zero(expected, 533, 552);
    EXPECT_TRUE(ImageEquals(expected));
    for (QLabel* value : dialog.lblData)
        EXPECT_EQ(value->text(), "0");

    resetProject();   // no project: the counters go blank and the date keeps its text
    dialog.DisplayStats();
    EXPECT_EQ(dialog.lblFileName->text(), " No File Assigned");
    EXPECT_EQ(dialog.lblFileDate->text(), " File Date Unavailable");
    EXPECT_EQ(dialog.lblData[9]->text(), "");
}

TEST(EraseDialog, FlushAsksThenErasesItsRegionAndRedrawsTheBoxes)
{
    platform::doubles::ScriptedServices s;
    resetImage();
    PutImage(23543, {1});   // only the last byte of block 1
    PutImage(24000, {2});   // block 2
    PutImage(27544, {3});   // block 3
    const Bytes before = Snapshot();
    const QColor red(255, 0, 0), white(255, 255, 255);

    frmErase dialog;
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Flush Memory Blocks");
    EXPECT_EQ(dialog.Label1[3]->text(), "Emergency Speed Dial Memory ");
    EXPECT_EQ(dialog.Label2->text(), "If box is filled, Memory Contains Data");
    const std::vector<QColor> shown = {red, red, red, white, white, white, white};
    for (int row = 0; row < 7; ++row)
        EXPECT_EQ(dialog.ShapeColourForTests(row), shown[static_cast<std::size_t>(row)]) << row;

    s.messageBox.answers = {MsgResult::No, MsgResult::Yes};
    QTest::mouseClick(dialog.cmdFls[1], Qt::LeftButton);
    EXPECT_TRUE(ImageEquals(before));
    EXPECT_EQ(dialog.ShapeColourForTests(1), red);
    QTest::mouseClick(dialog.cmdFls[1], Qt::LeftButton);
    ASSERT_EQ(s.messageBox.shown.size(), 2u);
    ExpectAsked(s.messageBox.shown[0], "Are you sure you want to Erase?", "Erase Process", MsgButtons::YesNo,
                MsgIcon::Exclamation, MsgDefault::Second);
    Bytes expected = before;
    Zero(expected, 23544, 27543);
    EXPECT_TRUE(ImageEquals(expected)) << "blocks 1 and 3 keep their data";
    EXPECT_EQ(dialog.ShapeColourForTests(0), red);
    EXPECT_EQ(dialog.ShapeColourForTests(1), white);
    EXPECT_EQ(dialog.ShapeColourForTests(2), red);
}

TEST(MemoryDialog, EachCopyButtonWritesItsRangeAndConfirms)
{
    platform::doubles::ScriptedServices s;
    s.desktop.setWaitCursor(true);   // as the menu entry leaves it
    FillImagePattern(17);
    auto* dialog = new frmMemory;
    std::unique_ptr<frmMemory> owner(dialog);

    // Before the window has been activated a click copies nothing and says nothing.
    const Bytes before = Snapshot();
    dialog->cmdTimers[7]->click();
    dialog->cmdOK->click();
    EXPECT_TRUE(ImageEquals(before));
    EXPECT_TRUE(s.messageBox.shown.empty());
    EXPECT_EQ(s.desktop.beeps, 0);

    dialog->show();
    EXPECT_FALSE(s.desktop.busy) << "activation ends the hourglass";
    EXPECT_TRUE(dialog->CopyArmed);
    EXPECT_EQ(dialog->lblB[3]->text(), "12 Voice Msgs.");
    struct Row { std::array<QPushButton*, 8>& buttons; int index, source, first, last; };
    const std::vector<Row> rows = {
        {dialog->cmdTimers, 7, 13610, 12564, 12603},
        {dialog->cmdVoice, 0, 13880, 5512, 6279},
        {dialog->cmdCodes, 0, 13656, 5288, 5495},   // 13856..13863 land at 5488..5495
        {dialog->cmdZones, 4, 13602, 9418, 9425},
    };
    int copies = 0;
    for (const Row& r : rows) {
        Bytes expected = Snapshot();
        for (int i = r.first; i <= r.last; ++i)
            expected[static_cast<std::size_t>(i)] = expected[static_cast<std::size_t>(r.source + i - r.first)];
        QTest::mouseClick(r.buttons[static_cast<std::size_t>(r.index)], Qt::LeftButton);
        ++copies;
        EXPECT_TRUE(ImageEquals(expected)) << r.first;
        EXPECT_EQ(dialog->CopyTarget, r.first);
        EXPECT_EQ(s.desktop.beeps, copies);
        ASSERT_EQ(s.messageBox.shown.size(), static_cast<std::size_t>(copies));
        ExpectAsked(s.messageBox.shown.back(), " Memory File Data Copy OK ", "Memory Files Configuration",
                    MsgButtons::OK, MsgIcon::Information);
    }
    // The same copy again still confirms.
    QTest::mouseClick(dialog->cmdZones[4], Qt::LeftButton);
    EXPECT_EQ(s.messageBox.shown.size(), 5u);
    QTest::mouseClick(dialog->cmdOK, Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
}

// ---- unlock number and password -----------------------------------------------------------

class UnlockDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        FillImagePattern(18);
        PutImage(512, {5, 1, 2, 3, 4, 5, 0x5F, 0x5F});
        PutImage(19496, {3, 'o', 'l', 'd', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    }
    frmUnlock& open()
    {
        dialog = new frmUnlock;   // deletes itself once closed
        dialog->show();
        return *dialog;
    }
    void TearDown() override
    {
        DeleteClosedWindows();
        delete dialog.data();
    }

    platform::doubles::ScriptedServices s;
    ScriptedKeyPad keys;
    QPointer<frmUnlock> dialog;
};

TEST_F(UnlockDialog, KeypadEntriesWriteTheNumberAndCancelWritesNothing)
{
    frmUnlock& w = open();
    EXPECT_EQ(w.windowTitle(), "Repeater Unlock/Password");
    EXPECT_EQ(w.lblNum->text(), "12345");
    EXPECT_EQ(w.txtPassword->text(), "old");
    Bytes expected = Snapshot();

    keys.cancel();
    QTest::mouseClick(w.lblNum, Qt::LeftButton);
    EXPECT_TRUE(ImageEquals(expected)) << "a 5-digit number keeps 512..519";
    EXPECT_EQ(w.lblNum->text(), "12345");

    keys.accept("A*#0123");
    QTest::mouseClick(w.lblNum, Qt::LeftButton);
    ASSERT_EQ(keys.requests.size(), 2u);
    const KeyPadRequest& r = keys.requests[1];
    EXPECT_EQ(r.mode, KeyPadKeys::DigitsAbcStarPound);
    EXPECT_EQ(r.maxLen, 7);
    EXPECT_EQ(r.heading, "Unlock Number");
    EXPECT_EQ(r.initial, "12345");
    EXPECT_EQ(r.check, KeyPadCheck::SevenDigits);
    Put(expected, 512, {7, 13, 11, 12, 10, 1, 2, 3});
    EXPECT_TRUE(ImageEquals(expected));
    EXPECT_EQ(w.lblNum->text(), "A*#0123");

    keys.accept("");   // OK on an empty display empties the number, never seven "D"s
    QTest::mouseClick(w.lblNum, Qt::LeftButton);
    Put(expected, 512, {0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_TRUE(ImageEquals(expected));
    EXPECT_EQ(w.lblNum->text(), "");
    keys.cancel();
    QTest::mouseClick(w.lblNum, Qt::LeftButton);
    EXPECT_TRUE(ImageEquals(expected));
    EXPECT_TRUE(s.messageBox.shown.empty());
}

TEST_F(UnlockDialog, OKWritesThePasswordAndCloses)
{
    frmUnlock& w = open();
    Bytes expected = Snapshot();
    w.txtPassword->setText("K9x");
    EXPECT_TRUE(ImageEquals(expected)) << "typing alone writes nothing";
    QTest::mouseClick(w.cmdOK, Qt::LeftButton);
    Put(expected, 19496, {3, 'K', '9', 'x', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_TRUE(ImageEquals(expected));
    EXPECT_TRUE(s.messageBox.shown.empty());
    DeleteClosedWindows();
    EXPECT_TRUE(dialog.isNull()) << "a closed window is gone; the next opening makes a fresh one";
}

TEST_F(UnlockDialog, AnEmptyPasswordIsWrittenThenQuestioned)
{
    PutImage(512, {0});
    frmUnlock& w = open();
    w.txtPassword->clear();
    Bytes expected = Snapshot();
    Zero(expected, 19496, 19511);

    s.messageBox.answers = {MsgResult::OK};   // keep the window open
    QTest::mouseClick(w.cmdOK, Qt::LeftButton);
    EXPECT_TRUE(ImageEquals(expected));
    ASSERT_EQ(s.messageBox.shown.size(), 1u);
    ExpectAsked(s.messageBox.shown[0], "Error, No Password Entry.", "Password", MsgButtons::OKCancel,
                MsgIcon::Exclamation);
    EXPECT_TRUE(w.isVisible());

    s.messageBox.answers = {MsgResult::Cancel, MsgResult::Cancel};   // both fields left empty
    w.close();   // the close box asks the same
    ASSERT_EQ(s.messageBox.shown.size(), 3u);
    ExpectAsked(s.messageBox.shown[2], "Error, No Unlock Entry.", "Unlock Code", MsgButtons::OKCancel,
                MsgIcon::Exclamation);
    EXPECT_TRUE(ImageEquals(expected));
    DeleteClosedWindows();
    EXPECT_TRUE(dialog.isNull());
}

TEST_F(UnlockDialog, TheCloseBoxKeepsTheOldPassword)
{
    frmUnlock& w = open();
    const Bytes before = Snapshot();
    w.txtPassword->setText("new");
    w.close();
    EXPECT_TRUE(ImageEquals(before));
    EXPECT_TRUE(s.messageBox.shown.empty());
    DeleteClosedWindows();
    EXPECT_TRUE(dialog.isNull());
}

TEST_F(UnlockDialog, PasswordBoxTakesOnlyPrintableCharacters)
{
    frmUnlock& w = open();
    w.txtPassword->clear();
    w.txtPassword->insert(QString("a") + QChar(7) + "b" + QChar(0xE9) + "\tc");
    EXPECT_EQ(w.txtPassword->text(), "abc");
    QTest::keyClicks(w.txtPassword, "de~");
    EXPECT_EQ(w.txtPassword->text(), "abcde~");
    w.txtPassword->insert("0123456789ABCDEF");
    EXPECT_EQ(w.txtPassword->text().size(), 15);
}

TEST_F(UnlockDialog, RedrawsTheNumberWhenItBecomesActiveAgain)
{
    frmUnlock& w = open();
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    PutImage(512, {7, 7, 6, 5, 4, 3, 2, 1});   // changed while the user was elsewhere
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    EXPECT_EQ(w.lblNum->text(), "7654321");
}
