#include "quillonedit/editors/frmVoice.h"
#include "tests/support/ImageFixture.h"

#include "quillonedit/tables/Tables.h"
#include "platform/testing/ScriptedServices.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace quillon;
using namespace quillon::testing;

namespace {

int rowOf(const QListWidget* list, const QString& label)
{
    for (int r = 0; r < list->count(); ++r)
        if (list->item(r)->text() == label)
            return r;
    ADD_FAILURE() << "no row " << label.toStdString();
    return -1;
}

// A real mouse click on a row, the way the user picks.
void clickRow(QListWidget* list, const QString& label)
{
    QListWidgetItem* item = list->item(rowOf(list, label));
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

WordPickerRequest request(int maxWords, const QString& text, std::optional<int> number = std::nullopt,
                          bool stored = false)
{
    WordPickerRequest r;
    r.VoiceMaxWords = maxWords;
    r.VoiceOriginalText = text;
    r.VoiceMessageNumber = number;
    r.HasStoredWords = stored;
    return r;
}

class WordConstruction : public ::testing::Test {
protected:
    // Shown on a request, with the arming tick already past.
    void open(const WordPickerRequest& r)
    {
        dialog.setRequest(r);
        dialog.show();
        dialog.Timer1_Timer();
    }
    QString text() const { return dialog.Text1->toPlainText(); }

    // The lists are copied from the tables when the dialog is made, so fill them first.
    bool tablesFilled = (FillAllTables(), true);
    platform::doubles::ScriptedServices services;
    frmVoice dialog;
};

TEST(WordSequenceWriter, StoresCountAndDigitPairsAndLeavesTheRestOfTheSlot)
{
    struct Row { int offset; int maxWords; };
    // Message 40 of the base set; message 12 of memory save 8; a speed-dial identification.
    for (const Row row : {Row{16376, 30}, Row{13538, 30}, Row{19544 + 17, 11}}) {
        FillImagePattern(7);
        Bytes expected = Snapshot();
        WordPickerResult r;
        r.VoiceAccepted = true;
        r.VoiceWordCount = 4;
        r.VoiceWords = {"210", "007", "954", "090"};
        EXPECT_TRUE(WriteWordSequence(row.offset, r, row.maxWords));
        Put(expected, row.offset, {4, 2, 10, 0, 7, 9, 54, 0, 90});
        EXPECT_TRUE(ImageEquals(expected)) << "offset " << row.offset;
    }
}

TEST(WordSequenceWriter, WritesNothingUnlessAcceptedAndWellFormed)
{
    FillImagePattern(8);
    const Bytes before = Snapshot();
    WordPickerResult r;
    r.VoiceWordCount = 1;
    r.VoiceWords[0] = "210";
    EXPECT_FALSE(WriteWordSequence(13880, r, 30)) << "not accepted";
    r.VoiceAccepted = true;
    r.VoiceWords[0] = "21";
    EXPECT_FALSE(WriteWordSequence(13880, r, 30)) << "not three digits";
    r.VoiceWords[0] = "2x0";
    EXPECT_FALSE(WriteWordSequence(13880, r, 30));
    r.VoiceWords.fill("100");
    r.VoiceWordCount = 9;
    EXPECT_FALSE(WriteWordSequence(31544 + 17, r, 8)) << "more words than the item holds";
    r.VoiceWordCount = -1;
    EXPECT_FALSE(WriteWordSequence(13880, r, 30));
    EXPECT_TRUE(ImageEquals(before));

    // Accepted with no words: the item becomes empty, nothing else changes.
    Bytes expected = before;
    r.VoiceWordCount = 0;
    EXPECT_TRUE(WriteWordSequence(13880, r, 30));
    Put(expected, 13880, {0});
    EXPECT_TRUE(ImageEquals(expected));
}

TEST_F(WordConstruction, OpenItemTakesPicksFromEveryListAndOKAcceptsThem)
{
    open(request(30, "", 7));
    EXPECT_EQ(dialog.windowTitle(), "Voice Synthesizer Editor Dialog Box");
    EXPECT_EQ(dialog.Label1[0]->text(), "Word Construction For Message 7");
    EXPECT_TRUE(dialog.cboVoice->isEnabled());
    EXPECT_TRUE(dialog.cmdBackSpace->isEnabled());
    EXPECT_TRUE(dialog.cboVoice->isVisible());
    EXPECT_FALSE(dialog.cbocall->isVisible());

    clickRow(dialog.cboVoice, "Quill");
    clickRow(dialog.cboVoice, "7");
    QTest::mouseClick(dialog.optCall, Qt::LeftButton);
    EXPECT_TRUE(dialog.cbocall->isVisible());
    EXPECT_FALSE(dialog.cboVoice->isVisible());
    clickRow(dialog.cbocall, "W");
    QTest::mouseClick(dialog.optSpecial, Qt::LeftButton);
    EXPECT_TRUE(dialog.cboSpecial->isVisible());
    clickRow(dialog.cboSpecial, "[DVR_Track_1]");
    EXPECT_EQ(text(), "Quill 7 W [DVR_Track_1]");

    QTest::mouseClick(dialog.cmdExit, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    const WordPickerResult r = dialog.result();
    EXPECT_TRUE(r.VoiceAccepted);
    EXPECT_EQ(r.VoiceResultText, "Quill 7 W [DVR_Track_1]");
    ASSERT_EQ(r.VoiceWordCount, 4);
    EXPECT_EQ(r.VoiceWords[0], "275");
    EXPECT_EQ(r.VoiceWords[1], "007");
    EXPECT_EQ(r.VoiceWords[2], "890");
    EXPECT_EQ(r.VoiceWords[3], "140");

    // The list choice survives to the next request, which starts from no words.
    open(request(30, ""));
    EXPECT_TRUE(dialog.cboSpecial->isVisible());
    EXPECT_EQ(dialog.result().VoiceWordCount, 0);
    EXPECT_EQ(dialog.Label1[0]->text(), "Word Construction For Message 7") << "no number: the last one stays";
}

TEST_F(WordConstruction, ItemWithTextOpensLockedAndOKHandsItBackUnaccepted)
{
    open(request(30, "Quill Repeater", 3));
    EXPECT_EQ(text(), "Quill Repeater");
    EXPECT_FALSE(dialog.cboVoice->isEnabled());
    EXPECT_FALSE(dialog.cmdBackSpace->isEnabled());
    dialog.cboVoice_Click(rowOf(dialog.cboVoice, "A"));
    EXPECT_EQ(text(), "Quill Repeater");
    QTest::mouseClick(dialog.cmdExit, Qt::LeftButton);
    const WordPickerResult r = dialog.result();
    EXPECT_FALSE(r.VoiceAccepted);
    EXPECT_EQ(r.VoiceResultText, "Quill Repeater");
    EXPECT_EQ(r.VoiceWordCount, 0);
}

TEST_F(WordConstruction, StoredWordsWithoutTextAlsoOpenLocked)
{
    open(request(30, "", 5, true));
    EXPECT_FALSE(dialog.cboVoice->isEnabled());
    QTest::mouseClick(dialog.cmdExit, Qt::LeftButton);
    EXPECT_FALSE(dialog.result().VoiceAccepted) << "OK alone must not erase the stored words";
}

TEST_F(WordConstruction, ClearThenOKAcceptsTheEmptySequence)
{
    open(request(30, "Quill"));
    QTest::mouseClick(dialog.cmdClear, Qt::LeftButton);
    EXPECT_TRUE(dialog.cboVoice->isEnabled());
    EXPECT_TRUE(dialog.cmdBackSpace->isEnabled());
    EXPECT_EQ(text(), "");
    QTest::mouseClick(dialog.cmdExit, Qt::LeftButton);
    const WordPickerResult r = dialog.result();
    EXPECT_TRUE(r.VoiceAccepted);
    EXPECT_EQ(r.VoiceResultText, "");
    EXPECT_EQ(r.VoiceWordCount, 0);
}

TEST_F(WordConstruction, BackSpaceTakesWholeWordsKeepsASoleOneAndBeepsOnAnEmptyText)
{
    open(request(30, ""));
    QTest::mouseClick(dialog.cmdBackSpace, Qt::LeftButton);
    EXPECT_EQ(services.desktop.beeps, 1);
    const int moreThan = rowOf(dialog.cboVoice, "More Than");
    dialog.cboVoice_Click(moreThan);
    dialog.cboVoice_Click(moreThan);
    dialog.cboVoice_Click(moreThan);
    EXPECT_EQ(text(), "More Than More Than More Than");
    ASSERT_EQ(dialog.VoiceWordCount, 3);

    const char* after[] = {"More Than More Than", "More Than", "More Than", "More Than"};
    const int counts[] = {2, 1, 1, 1};
    const int beeps[] = {1, 1, 1, 1};
    for (int press = 0; press < 4; ++press) {
        QTest::mouseClick(dialog.cmdBackSpace, Qt::LeftButton);
        EXPECT_EQ(text(), after[press]) << "press " << press + 1;
        EXPECT_EQ(dialog.VoiceWordCount, counts[press]) << "press " << press + 1;
        EXPECT_EQ(services.desktop.beeps, beeps[press]) << "press " << press + 1;
    }
    dialog.cboVoice_Click(rowOf(dialog.cboVoice, "Zulu"));
    QTest::mouseClick(dialog.cmdExit, Qt::LeftButton);
    const WordPickerResult r = dialog.result();
    ASSERT_EQ(r.VoiceWordCount, 2);
    EXPECT_EQ(r.VoiceWords[1], "954");
    EXPECT_EQ(r.VoiceResultText, "More Than Zulu");
}

TEST_F(WordConstruction, PicksStopAtTheCallersMaximum)
{
    for (const int maxWords : {kVoiceMessageMaxWords, kSpeedDialMaxWords, kEmergencyMaxWords}) {
        open(request(maxWords, ""));
        const int row = rowOf(dialog.cboVoice, "Zulu");
        for (int k = 0; k < maxWords + 2; ++k)
            dialog.cboVoice_Click(row);
        EXPECT_EQ(dialog.VoiceWordCount, maxWords);
        EXPECT_EQ(text().count("Zulu"), maxWords);
        QTest::mouseClick(dialog.cmdExit, Qt::LeftButton);
        const WordPickerResult r = dialog.result();
        EXPECT_EQ(r.VoiceWordCount, maxWords);
        EXPECT_EQ(r.VoiceWords[static_cast<std::size_t>(maxWords - 1)], "954");
        EXPECT_EQ(r.VoiceWords[static_cast<std::size_t>(maxWords)], "");
    }
}

TEST_F(WordConstruction, ButtonsWaitForTheArmingTickButPicksDoNot)
{
    dialog.setRequest(request(30, "Quill"));
    dialog.show();
    for (QPushButton* b : {dialog.cmdClear, dialog.cmdExit, dialog.cmdCancel})
        QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(text(), "Quill");

    // The real timer arms them about half a second after the showing.
    QElapsedTimer clock;
    clock.start();
    while (!dialog.Armed && clock.elapsed() < 3000)
        QTest::qWait(20);
    ASSERT_TRUE(dialog.Armed);
    EXPECT_GE(clock.elapsed(), 300);
    QTest::mouseClick(dialog.cmdClear, Qt::LeftButton);
    EXPECT_EQ(text(), "");

    // A new showing disarms again; a pick still counts at once.
    dialog.hide();
    dialog.setRequest(request(30, ""));
    dialog.show();
    dialog.cboVoice_Click(rowOf(dialog.cboVoice, "A"));
    QTest::mouseClick(dialog.cmdBackSpace, Qt::LeftButton);
    EXPECT_EQ(text(), "A");
    EXPECT_EQ(dialog.VoiceWordCount, 1);
}

TEST_F(WordConstruction, CancelEscAndTheCloseBoxAllHandBackTheOriginalUnaccepted)
{
    for (int way = 0; way < 3; ++way) {
        open(request(30, ""));
        dialog.cboVoice_Click(rowOf(dialog.cboVoice, "A"));
        if (way == 0)
            QTest::mouseClick(dialog.cmdCancel, Qt::LeftButton);
        else if (way == 1)
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            dialog.close();
        EXPECT_FALSE(dialog.isVisible()) << way;
        const WordPickerResult r = dialog.result();
        EXPECT_FALSE(r.VoiceAccepted) << way;
        EXPECT_EQ(r.VoiceResultText, "") << way;
    }
    // Hidden, not destroyed: the lists are still there for the next request.
    EXPECT_EQ(dialog.cboVoice->count(), 563);
    EXPECT_EQ(dialog.cbocall->count(), 36);
    EXPECT_EQ(dialog.cboSpecial->count(), 102);
}

TEST(WordPickerDialogService, RunsTheDialogModallyAndReturnsItsResult)
{
    platform::doubles::ScriptedServices s;
    FillAllTables();
    WordPickerDialogService service;
    service.Load();
    frmVoice* dialog = service.dialog();
    ASSERT_NE(dialog, nullptr);
    QTimer::singleShot(0, dialog, [dialog] {
        dialog->Timer1_Timer();
        QTest::mouseClick(dialog->cmdClear, Qt::LeftButton);
        dialog->cbocall_Click(10);   // "A"
        dialog->cbocall_Click(0);    // "0"
        QTest::mouseClick(dialog->cmdExit, Qt::LeftButton);
    });
    const WordPickerResult r = service.PickWords(request(11, "Old Text", 2));
    EXPECT_TRUE(r.VoiceAccepted);
    EXPECT_EQ(r.VoiceResultText, "A 0");
    ASSERT_EQ(r.VoiceWordCount, 2);
    EXPECT_EQ(r.VoiceWords[0], "210");
    EXPECT_EQ(r.VoiceWords[1], "000");
    EXPECT_EQ(service.dialog(), dialog) << "the same dialog serves every request";
}

} // namespace
