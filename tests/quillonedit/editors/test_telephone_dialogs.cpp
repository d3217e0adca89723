// The speed-dial, emergency, pre-dial, DTMF generator and lock-out dialogs, against golden images.
#include "quillonedit/editors/frmDTMF.h"
#include "quillonedit/editors/frmEmer.h"
#include "quillonedit/editors/frmLockout.h"
#include "quillonedit/editors/frmPreDial.h"
#include "quillonedit/editors/frmSpeed.h"
#include "quillonedit/image/DigitMemories.h"
#include "quillonedit/image/ImageMap.h"
#include "quillonedit/image/SpeedDial.h"
#include "tests/support/ImageFixture.h"
#include "tests/support/ScriptedKeyPad.h"
#include "tests/support/ScriptedWordPicker.h"

#include "platform/testing/ScriptedServices.h"
#include "quillonedit/tables/Tables.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace quillon;
using namespace quillon::testing;

namespace {

class TelephoneDialogs : public ::testing::Test {
protected:
    bool tablesFilled = (FillAllTables(), true);
    platform::doubles::ScriptedServices services;
    ScriptedKeyPad keys;
    ScriptedWordPicker picker;
};

} // namespace

TEST_F(TelephoneDialogs, SpeedDialShowsBlocksAndGroupsAndStoresANumber)
{
    FillImagePattern(160);
    PutImage(SpeedDialOffset(3, 93), {2, 10, 0x15});                 // "0,5"
    PutImage(SpeedDialOffset(3, 93) + 17, {2, 2, 44, 2, 31});        // Autopatch And
    PutImage(SpeedDialOffset(3, 94), {0});                           // no number: no identification
    PutImage(SpeedDialOffset(3, 94) + 17, {1, 2, 12});
    PutImage(SpeedDialOffset(1, 23), {0});
    Bytes expected = Snapshot();

    frmSpeed dialog;
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "User Speed Dial Numbers");
    EXPECT_EQ(dialog.helpContextID(), kSpeedDialHelpContext);
    ASSERT_EQ(dialog.grid->groupOptions.size(), 10u);
    EXPECT_EQ(dialog.grid->groupOptions[0]->text(), " 00-09");
    EXPECT_EQ(dialog.grid->groupOptions[9]->text(), " 90-99");
    EXPECT_EQ(dialog.optBlock[2]->text(), " 3");

    QTest::mouseClick(dialog.optBlock[2], Qt::LeftButton);
    QTest::mouseClick(dialog.grid->groupOptions[9], Qt::LeftButton);
    EXPECT_EQ(dialog.GroupFirstNumber, 90) << "the group option goes through optGrp_Click";
    EXPECT_EQ(dialog.GetPT(0), 31144);
    EXPECT_EQ(dialog.lblPos[0]->text(), "90");
    EXPECT_EQ(dialog.lblPos[9]->text(), "99");
    EXPECT_EQ(dialog.lblNum[3]->text(), "0,5");
    EXPECT_EQ(dialog.Label2[3]->text(), " Autopatch And");
    EXPECT_EQ(dialog.lblNum[4]->text(), "");
    EXPECT_EQ(dialog.Label2[4]->text(), "");

    // A new block starts at group 00-09.
    QTest::mouseClick(dialog.optBlock[0], Qt::LeftButton);
    EXPECT_EQ(dialog.SelectedGroup(), 0);
    EXPECT_TRUE(dialog.grid->groupOptions[0]->isChecked());
    QTest::mouseClick(dialog.grid->groupOptions[2], Qt::LeftButton);
    keys.accept("5,551234");
    QTest::mouseClick(dialog.lblNum[3], Qt::LeftButton);
    ASSERT_EQ(keys.requests.size(), 1u);
    EXPECT_EQ(keys.requests[0].heading, "Telephone Number 23");
    EXPECT_EQ(keys.requests[0].mode, KeyPadKeys::Telephone);
    EXPECT_EQ(keys.requests[0].maxLen, 15);
    EXPECT_EQ(keys.requests[0].check, KeyPadCheck::AtMost16);
    std::vector<int> field = {7, 5, 21, 5, 1, 2, 3, 4};
    field.resize(16, 0);
    Put(expected, SpeedDialOffset(1, 23), field);
    EXPECT_TRUE(ImageEquals(expected));
    EXPECT_EQ(dialog.lblNum[3]->text(), "5,551234");

    QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(ImageEquals(expected));
}

TEST_F(TelephoneDialogs, CancelledAndUnchangedEntriesKeepAll40Bytes)
{
    FillImagePattern(161);
    const int entry = SpeedDialOffset(1, 2);
    PutImage(entry, {3, 0, 13, 0x15});                 // shows "0,5": code 0, a letter, a pause
    PutImage(entry + 17, {2, 9, 99, 9, 98});            // two words the vocabulary lacks: blanks
    const Bytes before = Snapshot();

    frmSpeed dialog;
    dialog.show();
    EXPECT_EQ(dialog.lblNum[2]->text(), "0,5");
    EXPECT_EQ(dialog.Label2[2]->text(), "  ");
    keys.cancel();
    QTest::mouseClick(dialog.lblNum[2], Qt::LeftButton);
    keys.accept("0,5");                                 // OK on the shown text
    QTest::mouseClick(dialog.lblNum[2], Qt::LeftButton);
    picker.cancel();
    picker.keep();
    QTest::mouseClick(dialog.Label2[2], Qt::LeftButton);
    QTest::mouseClick(dialog.Label2[2], Qt::LeftButton);
    ASSERT_EQ(picker.requests.size(), 2u);
    EXPECT_EQ(picker.requests[0].VoiceOriginalText, "");
    EXPECT_TRUE(picker.requests[0].HasStoredWords);
    EXPECT_EQ(picker.requests[0].VoiceMaxWords, 11);
    EXPECT_FALSE(picker.requests[0].VoiceMessageNumber.has_value());
    EXPECT_TRUE(ImageEquals(before));
}

// Clear and OK hands back the empty text, the same text an entry shows when its count is past the
// field or it holds only codes the display drops: the user chose an empty entry, so it gets count 0.
// Cancel still keeps every byte.
TEST_F(TelephoneDialogs, AcceptedEmptyTextClearsAnEntryThatShowedEmpty)
{
    FillImagePattern(167);
    const int letters = SpeedDialOffset(1, 4);
    PutImage(letters, {2, 13, 14});                      // two letters: nothing shows
    const int past = SpeedDialOffset(1, 5);
    PutImage(past, {17, 1, 2});
    const int emergency = EmergencySpeedDialOffset(6);
    PutImage(emergency, {200, 3});
    const int memory = DtmfMemoryOffset(2);
    PutImage(memory, {16, 1, 2});
    Bytes expected = Snapshot();
    const std::vector<int> cleared(16, 0);               // count and digits +1..+15

    frmSpeed speed;
    speed.show();
    ASSERT_EQ(speed.lblNum[4]->text(), "");
    ASSERT_EQ(speed.lblNum[5]->text(), "");
    keys.cancel();
    QTest::mouseClick(speed.lblNum[5], Qt::LeftButton);
    EXPECT_TRUE(ImageEquals(expected)) << "Cancel writes nothing";
    keys.accept("");
    keys.accept("");
    QTest::mouseClick(speed.lblNum[4], Qt::LeftButton);
    QTest::mouseClick(speed.lblNum[5], Qt::LeftButton);
    Put(expected, letters, cleared);
    Put(expected, past, cleared);
    EXPECT_TRUE(ImageEquals(expected));

    frmEmer emer;
    emer.show();
    ASSERT_EQ(emer.lblNum[6]->text(), "");
    keys.accept("");
    QTest::mouseClick(emer.lblNum[6], Qt::LeftButton);
    Put(expected, emergency, cleared);
    EXPECT_TRUE(ImageEquals(expected));

    frmDTMF dtmf;
    dtmf.show();
    ASSERT_EQ(dtmf.lblDis[2]->text(), "");
    keys.cancel();
    QTest::mouseClick(dtmf.lblDis[2], Qt::LeftButton);
    EXPECT_TRUE(ImageEquals(expected)) << "Cancel keeps a memory shown empty for its count";
    keys.accept("");
    QTest::mouseClick(dtmf.lblDis[2], Qt::LeftButton);
    Put(expected, memory, cleared);
    EXPECT_TRUE(ImageEquals(expected));
}

TEST_F(TelephoneDialogs, IdentificationsStoreAtMost11WordsAndShowAtMost11)
{
    FillImagePattern(162);
    const int entry = SpeedDialOffset(1, 7);
    PutImage(entry, {1, 9});
    image().set(entry + 17, 200);
    for (int j = 0; j < 11; ++j)
        PutImage(entry + 18 + 2 * j, {2, 12});         // Abort
    Bytes expected = Snapshot();

    frmSpeed dialog;
    dialog.show();
    QString eleven;
    for (int j = 0; j < 11; ++j)
        eleven += " Abort";
    EXPECT_EQ(dialog.Label2[7]->text(), eleven);

    // Twelve picked words: the picker stops at the eleventh.
    picker.accept("A And Abort", {210, 231, 212, 210, 210, 210, 210, 210, 210, 210, 210, 244});
    QTest::mouseClick(dialog.Label2[7], Qt::LeftButton);
    std::vector<int> words = {11, 2, 10, 2, 31, 2, 12};
    for (int j = 3; j < 11; ++j)
        words.insert(words.end(), {2, 10});
    Put(expected, entry + 17, words);
    EXPECT_TRUE(ImageEquals(expected));
    EXPECT_EQ(dialog.Label2[7]->text(), "A And Abort");

    // A twelfth word never reaches the image, whoever offers it.
    WordPickerResult twelve;
    twelve.VoiceAccepted = true;
    twelve.VoiceWordCount = 12;
    for (int j = 0; j < 12; ++j)
        twelve.VoiceWords[static_cast<std::size_t>(j)] = "244";
    EXPECT_FALSE(SaveSpeedDialId(entry, twelve, kSpeedDialMaxWords));
    EXPECT_TRUE(ImageEquals(expected));

    // Clear and Exit: count 0, the words stay.
    picker.accept("", {});
    QTest::mouseClick(dialog.Label2[7], Qt::LeftButton);
    Put(expected, entry + 17, {0});
    EXPECT_TRUE(ImageEquals(expected));
}

TEST_F(TelephoneDialogs, EmergencyEntriesLiveAt31544AndTakeEightWords)
{
    FillImagePattern(163);
    PutImage(31544 + 40 * 3, {15, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1, 2, 3, 4, 5});
    image().set(31544 + 40 * 3 + 17, 0);
    PutImage(31544 + 40 * 5, {17});
    Bytes expected = Snapshot();

    frmEmer dialog;
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Emergency Speed Dial Numbers");
    EXPECT_EQ(dialog.rowNumbers[9]->text(), "9");
    EXPECT_EQ(dialog.lblNum[3]->text(), "123456789012345");
    EXPECT_EQ(dialog.lblNum[5]->text(), "");
    EXPECT_EQ(dialog.lblID[5]->text(), "");

    keys.accept("911");
    QTest::mouseClick(dialog.lblNum[9], Qt::LeftButton);
    EXPECT_EQ(keys.requests.at(0).heading, "Emergency Number 9");
    keys.cancel();                                       // count 17 stays 17
    QTest::mouseClick(dialog.lblNum[5], Qt::LeftButton);
    picker.accept("Autopatch", {244});
    QTest::mouseClick(dialog.lblID[3], Qt::LeftButton);
    EXPECT_EQ(picker.requests.at(0).VoiceMaxWords, 8);

    std::vector<int> field = {3, 9, 1, 1};
    field.resize(16, 0);
    Put(expected, 31544 + 40 * 9, field);
    Put(expected, 31544 + 40 * 3 + 17, {1, 2, 44});
    EXPECT_TRUE(ImageEquals(expected)) << "nothing of the user speed dial changes";
    EXPECT_EQ(dialog.lblID[3]->text(), " Autopatch");   // redrawn as the picker closes
}

TEST_F(TelephoneDialogs, PreDialStoresTheKeypadTextWholeEvenAfterCancel)
{
    FillImagePattern(164);
    PutImage(kPreDial, {9, 0, 13, 1, 2, 3, 4, 5});      // count past the field: 7 digits show
    Bytes expected = Snapshot();

    frmPreDial dialog;
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Telephone Pre-Dial Number");
    EXPECT_EQ(dialog.lblNum->text(), "DA12345");
    keys.cancel();
    QTest::mouseClick(dialog.lblNum, Qt::LeftButton);
    Put(expected, kPreDial, {7, 0, 13, 1, 2, 3, 4, 5});   // the count becomes the shown length
    EXPECT_TRUE(ImageEquals(expected));

    keys.accept("12#");
    QTest::mouseClick(dialog.lblNum, Qt::LeftButton);
    EXPECT_EQ(keys.requests.at(1).heading, "Telephone Pre-Dial");
    EXPECT_EQ(keys.requests.at(1).mode, KeyPadKeys::DigitsStarPound);
    EXPECT_EQ(keys.requests.at(1).maxLen, 7);
    Put(expected, kPreDial, {3, 1, 2, 12, 0, 0, 0, 0});
    EXPECT_TRUE(ImageEquals(expected));
    EXPECT_EQ(dialog.lblNum->text(), "12#");
}

TEST_F(TelephoneDialogs, DtmfMemoriesShowCounts1To15AndGiveCodesBack)
{
    FillImagePattern(165);
    const int m12 = kDtmfMemories + 16 * 11;
    PutImage(m12, {4, 0, 13, 0x1F, 12, 7, 7});          // "DAC#", a high nibble and spare bytes
    PutImage(m12 + 16, {0, 1, 2});                       // memory 13 empty
    PutImage(m12 + 32, {16, 1, 2});                      // memory 14: count past the field
    Bytes expected = Snapshot();

    frmDTMF dialog;
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "DTMF Generator");
    EXPECT_EQ(dialog.grid->groupFrame->title(), "Group Selection");
    QTest::mouseClick(dialog.grid->groupOptions[1], Qt::LeftButton);
    EXPECT_EQ(dialog.DtmfSelectedGroupForTests(), 1);
    EXPECT_EQ(dialog.lblA[0]->text(), "11");
    EXPECT_EQ(dialog.lblDis[1]->text(), "DAC#");
    EXPECT_EQ(dialog.lblDis[2]->text(), "");
    EXPECT_EQ(dialog.lblDis[3]->text(), "");

    keys.cancel();
    QTest::mouseClick(dialog.lblDis[1], Qt::LeftButton);
    EXPECT_EQ(keys.requests.at(0).heading, "DTMF Position # 12");
    EXPECT_EQ(keys.requests.at(0).mode, KeyPadKeys::DigitsAbcStarPound);
    EXPECT_EQ(keys.requests.at(0).check, KeyPadCheck::AtMost15);
    std::vector<int> field = {4, 0, 13, 15, 12};
    field.resize(16, 0);
    Put(expected, m12, field);                           // D stays 0; spare bytes cleared
    EXPECT_TRUE(ImageEquals(expected));

    keys.cancel();
    QTest::mouseClick(dialog.lblDis[3], Qt::LeftButton);
    EXPECT_TRUE(ImageEquals(expected));                  // memory 14 shown empty keeps its bytes

    keys.accept("1B*");
    QTest::mouseClick(dialog.lblDis[9], Qt::LeftButton);
    field = {3, 1, 14, 11};
    field.resize(16, 0);
    Put(expected, kDtmfMemories + 16 * 19, field);
    EXPECT_TRUE(ImageEquals(expected));
}

TEST_F(TelephoneDialogs, LockoutEditRewritesItsGroupFromTheLabels)
{
    FillImagePattern(166);
    for (int k = 10; k < 20; ++k)
        PutImage(kLockouts + 12 * k, {2, 5, 5});          // "55" with stray bytes after it
    PutImage(kLockouts + 12 * 14, {200, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
    PutImage(kLockouts + 12 * 15, {0});
    Bytes expected = Snapshot();

    frmLockout dialog;
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Telephone Lockout Numbers");
    QTest::mouseClick(dialog.grid->groupOptions[1], Qt::LeftButton);
    EXPECT_EQ(dialog.lblNum[0]->text(), " 11");
    EXPECT_EQ(dialog.Label1[4]->text(), "1234567890*");
    EXPECT_TRUE(ImageEquals(expected)) << "showing writes nothing";

    keys.accept("*0");
    QTest::mouseClick(dialog.Label1[2], Qt::LeftButton);
    EXPECT_EQ(keys.requests.at(0).heading, "Lock Out Number 13");
    EXPECT_EQ(keys.requests.at(0).mode, KeyPadKeys::DigitsAndStar);
    EXPECT_EQ(keys.requests.at(0).maxLen, 11);
    for (int k = 10; k < 20; ++k) {
        std::vector<int> field = {2, 5, 5};
        if (k == 12)
            field = {2, 11, 10};
        if (k == 14)
            field = {11, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
        if (k == 15)
            field = {0};
        field.resize(12, 0);
        Put(expected, kLockouts + 12 * k, field);
    }
    EXPECT_TRUE(ImageEquals(expected)) << "group 1 only, from its labels";
}
