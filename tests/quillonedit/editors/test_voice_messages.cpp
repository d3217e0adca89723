#include "quillonedit/editors/VoiceMessages.h"
#include "quillonedit/editors/frmVoc.h"
#include "quillonedit/editors/frmVocMem.h"
#include "quillonedit/editors/frmVoice.h"
#include "tests/support/ImageFixture.h"
#include "tests/support/ScriptedWordPicker.h"

#include "quillonedit/tables/Tables.h"
#include "platform/testing/ScriptedServices.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace quillon;
using namespace quillon::testing;

namespace {

class VoiceMessages : public ::testing::Test {
protected:
    bool tablesFilled = (FillAllTables(), true);
    platform::doubles::ScriptedServices services;
    ScriptedWordPicker picker;
};

// A slot of `count` words, each the given word number.
void PutWords(int offset, std::initializer_list<int> words)
{
    image().set(offset, static_cast<std::uint8_t>(words.size()));
    int k = 0;
    for (int w : words) {
        image().set(offset + 1 + 2 * k, static_cast<std::uint8_t>(w / 100));
        image().set(offset + 2 + 2 * k, static_cast<std::uint8_t>(w % 100));
        ++k;
    }
}

TEST_F(VoiceMessages, SlotTextReadsCounts1To31AndOnlyTheLowBitsOfTheHundreds)
{
    FillImagePattern(3);
    const int slot = BaseVoiceSlotOffset(5);
    image().set(slot, 31);
    for (int k = 0; k < 31; ++k)
        PutImage(slot + 1 + 2 * k, {2, 10});   // "A"
    PutImage(slot + 61, {9, 54});              // word 31 at bytes 61, 62: "Zulu"
    QString expected;
    for (int k = 0; k < 30; ++k)
        expected += "A ";
    EXPECT_EQ(VoiceSlotText(slot), expected + "Zulu");
    EXPECT_TRUE(VoiceSlotHasWords(slot));

    image().set(slot, 32);
    EXPECT_EQ(VoiceSlotText(slot), "");
    EXPECT_FALSE(VoiceSlotHasWords(slot));
    image().set(slot, 0);
    EXPECT_EQ(VoiceSlotText(slot), "");
    EXPECT_FALSE(VoiceSlotHasWords(slot));

    PutImage(slot, {3, 0x12, 10, 0, 21, 8, 31});   // 0x12 reads as 2; word 021 is no word
    EXPECT_EQ(VoiceSlotText(slot), "A  The");

    PutWords(slot, {21, 22});   // stored words, none with a text
    EXPECT_EQ(VoiceSlotText(slot), "");
    EXPECT_TRUE(VoiceSlotHasWords(slot));
}

TEST_F(VoiceMessages, BaseDialogPagesShowTheirTenMessages)
{
    resetImage();
    PutWords(BaseVoiceSlotOffset(1), {275, 746});
    PutWords(BaseVoiceSlotOffset(40), {980});
    frmVoc dialog;
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Base Voice Message Display");
    EXPECT_EQ(dialog.helpContextID(), 400);
    EXPECT_TRUE(dialog.optSel[0]->isChecked());
    EXPECT_EQ(dialog.Label1[0]->text(), " 1");
    EXPECT_EQ(dialog.lblMsg[0]->text(), "Quill Repeater");

    QTest::mouseClick(dialog.optSel[3], Qt::LeftButton);
    EXPECT_EQ(dialog.Label1[0]->text(), " 31");
    EXPECT_EQ(dialog.Label1[9]->text(), " 40");
    EXPECT_EQ(dialog.lblMsg[9]->text(), "[F Morning]");

    // Only a change of page reads the image again.
    PutWords(BaseVoiceSlotOffset(40), {954});
    QTest::mouseClick(dialog.optSel[3], Qt::LeftButton);
    EXPECT_EQ(dialog.lblMsg[9]->text(), "[F Morning]");
    QTest::mouseClick(dialog.optSel[0], Qt::LeftButton);
    QTest::mouseClick(dialog.optSel[3], Qt::LeftButton);
    EXPECT_EQ(dialog.lblMsg[9]->text(), "Zulu");
}

TEST_F(VoiceMessages, ClickOnMessage40WritesThePickedWordsAtOnce)
{
    FillImagePattern(4);
    PutImage(BaseVoiceSlotOffset(40), {0});
    Bytes expected = Snapshot();
    frmVoc dialog;
    dialog.show();
    dialog.optSel_Click(3);

    picker.accept("Quill 7 [G_Morning]", {275, 7, 980});
    QTest::mouseClick(dialog.lblMsg[9], Qt::LeftButton);
    ASSERT_EQ(picker.requests.size(), 1u);
    EXPECT_EQ(picker.requests[0].VoiceMaxWords, 30);
    EXPECT_EQ(picker.requests[0].VoiceMessageNumber, 40);
    EXPECT_EQ(picker.requests[0].VoiceOriginalText, "");
    EXPECT_FALSE(picker.requests[0].HasStoredWords);

    Put(expected, 16376, {3, 2, 75, 0, 7, 9, 80});
    EXPECT_TRUE(ImageEquals(expected));
    // Shown again from the image: the print texts, not the pick-list labels.
    EXPECT_EQ(dialog.lblMsg[9]->text(), "Quill 7 [F Morning]");

    QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(ImageEquals(expected));
}

TEST_F(VoiceMessages, CancelAndOKWithoutClearOnAStoredMessageWriteNothing)
{
    FillImagePattern(5);
    PutWords(BaseVoiceSlotOffset(3), {275, 746});
    const Bytes before = Snapshot();
    frmVoc dialog;
    dialog.show();
    picker.cancel();
    picker.keep();
    QTest::mouseClick(dialog.lblMsg[2], Qt::LeftButton);
    QTest::mouseClick(dialog.lblMsg[2], Qt::LeftButton);
    ASSERT_EQ(picker.requests.size(), 2u);
    EXPECT_EQ(picker.requests[0].VoiceOriginalText, "Quill Repeater");
    EXPECT_TRUE(picker.requests[0].HasStoredWords);
    EXPECT_TRUE(ImageEquals(before));
    EXPECT_EQ(dialog.lblMsg[2]->text(), "Quill Repeater");
}

TEST_F(VoiceMessages, MemorySave8Message12AndClearToEmptyKeepsTheOldWordBytes)
{
    FillImagePattern(6);
    PutWords(MemoryVoiceSlotOffset(8, 12), {210, 250, 270});
    Bytes expected = Snapshot();
    frmVocMem dialog(8);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Memory Save #8 Voice Messages");
    EXPECT_EQ(dialog.helpContextID(), 401);
    EXPECT_EQ(dialog.Label1[11]->text(), " 12");
    EXPECT_EQ(dialog.lblMsg[11]->text(), "A B C");

    picker.accept("Zulu", {954});
    QTest::mouseClick(dialog.lblMsg[11], Qt::LeftButton);
    ASSERT_EQ(picker.requests.size(), 1u);
    EXPECT_EQ(picker.requests[0].VoiceMessageNumber, 12);
    Put(expected, 13538, {1, 9, 54});
    EXPECT_TRUE(ImageEquals(expected)) << "the second and third words' bytes stay";
    EXPECT_EQ(dialog.lblMsg[11]->text(), "Zulu");

    picker.accept("", {});
    QTest::mouseClick(dialog.lblMsg[11], Qt::LeftButton);
    Put(expected, 13538, {0});
    EXPECT_TRUE(ImageEquals(expected));
    EXPECT_EQ(dialog.lblMsg[11]->text(), "");
}

TEST_F(VoiceMessages, AMemorySaveOutside1To8ShowsAndWritesNothing)
{
    for (const int memory : {0, 9, -1}) {
        FillImagePattern(7);
        PutWords(5512, {210});
        const Bytes before = Snapshot();
        frmVocMem dialog(memory);
        dialog.show();
        for (QLabel* row : dialog.lblMsg)
            EXPECT_EQ(row->text(), "") << memory;
        picker.accept("Zulu", {954});
        QTest::mouseClick(dialog.lblMsg[0], Qt::LeftButton);
        EXPECT_TRUE(picker.requests.empty()) << memory;
        EXPECT_TRUE(ImageEquals(before)) << memory;
        picker.answers.clear();
    }
}

// Through the real word construction dialog: a slot whose words are all missing from the
// vocabulary shows empty, yet OK alone must not erase it; Clear and picks do replace it.
TEST_F(VoiceMessages, WordsWithoutTextSurviveOKAndAreReplacedAfterClear)
{
    WordPickerDialogService service;
    setWordPickerService(&service);
    struct Restore {
        ScriptedWordPicker& p;
        ~Restore() { setWordPickerService(&p); }
    } restore{picker};

    FillImagePattern(8);
    PutWords(MemoryVoiceSlotOffset(2, 5), {21, 22});
    Bytes expected = Snapshot();
    frmVocMem dialog(2);
    dialog.show();
    EXPECT_EQ(dialog.lblMsg[4]->text(), "");
    service.Load();
    frmVoice* words = service.dialog();

    QTimer::singleShot(0, words, [words] {
        words->Timer1_Timer();
        QTest::mouseClick(words->cmdExit, Qt::LeftButton);
    });
    QTest::mouseClick(dialog.lblMsg[4], Qt::LeftButton);
    EXPECT_EQ(words->Label1[0]->text(), "Word Construction For Message 5");
    EXPECT_TRUE(ImageEquals(expected));

    QTimer::singleShot(0, words, [words] {
        words->Timer1_Timer();
        QTest::mouseClick(words->cmdClear, Qt::LeftButton);
        words->cboVoice_Click(0);    // "0"
        words->cboVoice_Click(80);   // "Calm", 299
        QTest::mouseClick(words->cmdExit, Qt::LeftButton);
    });
    QTest::mouseClick(dialog.lblMsg[4], Qt::LeftButton);
    Put(expected, MemoryVoiceSlotOffset(2, 5), {2, 0, 0, 2, 99});
    EXPECT_TRUE(ImageEquals(expected));
    EXPECT_EQ(dialog.lblMsg[4]->text(), "0 Calm");
}

} // namespace
