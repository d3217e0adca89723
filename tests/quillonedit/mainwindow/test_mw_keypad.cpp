// The keypad: which keys each mode shows, what each check kind accepts, and the dialog itself
// driven by clicks on its buttons.
#include "platform/testing/ScriptedServices.h"
#include "quillonedit/mainwindow/KeyPadRules.h"
#include "quillonedit/mainwindow/frmKeyPad.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace quillon;

namespace {

// ---- rules ----------------------------------------------------------------------------------

TEST(KeyPadModes, EachModeShowsItsKeys)
{
    struct Row { int mode; const char* keys; };   // a b c d * # Delay, '1' = shown
    const std::vector<Row> rows = {
        {1, "0000000"}, {2, "0000110"}, {3, "1110110"}, {4, "1111110"}, {5, "0000100"}, {6, "0000111"},
    };
    for (const Row& r : rows) {
        const std::optional<KeyPadKeySet> k = KeyPadKeysForMode(static_cast<KeyPadKeys>(r.mode));
        ASSERT_TRUE(k) << r.mode;
        const std::string got{k->a ? '1' : '0', k->b ? '1' : '0', k->c ? '1' : '0', k->d ? '1' : '0',
                              k->star ? '1' : '0', k->pound ? '1' : '0', k->delay ? '1' : '0'};
        EXPECT_EQ(got, r.keys) << "mode " << r.mode;
    }
    for (int mode : {0, 7, 12, -1})
        EXPECT_FALSE(KeyPadKeysForMode(static_cast<KeyPadKeys>(mode))) << mode;
}

struct CheckRow {
    int check;
    const char* entry;
    bool pass;
    const char* message;
    const char* title;
};

TEST(KeyPadChecks, EachKindAcceptsItsEntriesAndNamesItsRefusal)
{
    const std::vector<CheckRow> rows = {
        {0, "1234567", true, "", ""},
        {1, "123", false, "Error! Need 4 Digit Entry", "Macro Command"},
        {1, "1234", true, "", ""},
        {1, "12345", false, "Error! Need 4 Digit Entry", "Macro Command"},
        {2, "0", false, "Error! Entry must be between 1 and 1800", "Macro Command"},
        {2, "1", true, "", ""},
        {2, "1800", true, "", ""},
        {2, "1801", false, "Error! Entry must be between 1 and 1800", "Macro Command"},
        {2, "99999", false, "Error! Entry must be between 1 and 1800", "Macro Command"},
        {2, "*", false, "Error! Entry must be between 1 and 1800", "Macro Command"},
        {4, "123456789012345", true, "", ""},
        {4, "1234567890123456", false, "Error! Maximum 15 Digit Entry", "Macro Command"},
        {5, "7", false, "Error! Need 2 Digit Entry", "Macro Command"},
        {5, "07", true, "", ""},
        {6, "1", true, "", ""},
        {6, "8", true, "", ""},
        {6, "0", true, "", ""},
        {6, "9", true, "", ""},
        {6, "12", false, "Error! Frequency between 1 and 8", "Frequency Entry"},
        {7, "0", true, "", ""},
        {7, "9", true, "", ""},
        {7, "10", false, "Error! Time Selection 1..9", "Delay Value"},
        {8, "12", false, "Error! Need 3 Digit Entry", "Area Code Entry"},
        {8, "123", true, "", ""},
        {9, "1234567890123456", true, "", ""},
        {9, "12345678901234567", false, "Error! Maximum 16 Digit Entry", "Telephone Number"},
        {10, "123456", false, "Error! Requires a 7 Digit Entry", "Unlock Number"},
        {10, "1234567", true, "", ""},
        {12, "1", false, "", ""},
        {-1, "1", false, "", ""},
    };
    for (const CheckRow& r : rows) {
        const KeyPadVerdict v = KeyPadCheckEntry(static_cast<KeyPadCheck>(r.check), QString::fromLatin1(r.entry));
        EXPECT_EQ(v.pass, r.pass) << "kind " << r.check << " entry " << r.entry;
        EXPECT_EQ(v.message, QString::fromLatin1(r.message)) << "kind " << r.check << " entry " << r.entry;
        EXPECT_EQ(v.title, QString::fromLatin1(r.title)) << "kind " << r.check << " entry " << r.entry;
    }
}

// ---- the dialog -----------------------------------------------------------------------------

class KeyPad : public ::testing::Test {
protected:
    void SetUp() override { resetKeyPadRequest(); }

    // Shows the pad for a request and waits until its keys are armed.
    void open(int mode, int maxLen, const QString& initial, int check = 0, const QString& heading = "Heading")
    {
        KeyPadRequestState& r = keyPadRequest();
        r.KeyPadMode = static_cast<KeyPadKeys>(mode);
        r.KeyPadMaxLen = maxLen;
        r.KeyPadHeading = heading;
        r.KeyPadInitial = initial;
        r.KeyPadCheck = static_cast<KeyPadCheck>(check);
        pad.ArmingIntervalMs = 20;
        pad.show();
        ASSERT_TRUE(QTest::qWaitFor([this] { return pad.KeysArmed; }, 2000));
    }
    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    QString display() const { return pad.lblDisplay->text(); }

    platform::doubles::ScriptedServices s;
    frmKeyPad pad;
};

TEST_F(KeyPad, EveryButtonIsInertUntilTheArmingTimerTicks)
{
    KeyPadRequestState& r = keyPadRequest();
    r.KeyPadMode = KeyPadKeys::Telephone;
    r.KeyPadMaxLen = 7;
    r.KeyPadInitial = "123";
    r.KeyPadCheck = KeyPadCheck::None;
    pad.show();   // the full half second
    for (QPushButton* b : {pad.cmdFive, pad.cmdDelay, pad.cmdClear, pad.cmdCancel, pad.cmdOK})
        click(b);
    EXPECT_EQ(display(), "123");
    EXPECT_TRUE(pad.isVisible());
    EXPECT_FALSE(pad.KeysArmed);
    ASSERT_TRUE(QTest::qWaitFor([this] { return pad.KeysArmed; }, 2000));
    click(pad.cmdFive);
    EXPECT_EQ(display(), "5");
}

TEST_F(KeyPad, ShowingAgainDisarmsTheKeysAfresh)
{
    open(1, 4, "");
    click(pad.cmdOK);
    ASSERT_FALSE(pad.isVisible());
    pad.ArmingIntervalMs = 500;
    pad.show();
    click(pad.cmdSeven);
    EXPECT_EQ(display(), "");
}

TEST_F(KeyPad, TheFirstKeyReplacesTheInitialTextThenKeysAppend)
{
    open(3, 7, "123");
    EXPECT_EQ(pad.lblHeading->text(), "Heading");
    click(pad.cmdFour);
    EXPECT_EQ(display(), "4");
    click(pad.cmdFive);
    click(pad.cmdA);
    click(pad.cmdStar);
    click(pad.cmdPound);
    EXPECT_EQ(display(), "45A*#");
}

TEST_F(KeyPad, KeysBeyondTheMaximumBeepAndChangeNothing)
{
    open(1, 2, "98765");   // longer than the maximum: the first key still replaces it
    click(pad.cmdOne);
    click(pad.cmdTwo);
    EXPECT_EQ(s.desktop.beeps, 0);
    click(pad.cmdThree);
    EXPECT_EQ(display(), "12");
    EXPECT_EQ(s.desktop.beeps, 1);
}

TEST_F(KeyPad, OnlyOneDelayInARow)
{
    open(6, 15, "555");
    click(pad.cmdDelay);
    EXPECT_EQ(display(), ",");
    click(pad.cmdDelay);
    ASSERT_EQ(s.messageBox.shown.size(), 1u);
    EXPECT_EQ(s.messageBox.shown[0].text, "Error, One delay entry only.");
    EXPECT_EQ(s.messageBox.shown[0].title, "Autopatch Delay");
    EXPECT_EQ(s.messageBox.shown[0].icon, platform::MsgIcon::Exclamation);
    EXPECT_EQ(display(), ",");
    click(pad.cmdFive);
    click(pad.cmdDelay);
    EXPECT_EQ(display(), ",5,");
}

TEST_F(KeyPad, ClearLeavesTheDelayRuleInForce)
{
    open(6, 15, "");
    click(pad.cmdOne);
    click(pad.cmdDelay);
    click(pad.cmdClear);
    EXPECT_EQ(display(), "");
    click(pad.cmdDelay);
    EXPECT_EQ(s.messageBox.texts(), QStringList{"Error, One delay entry only."});
    EXPECT_EQ(display(), "");
}

TEST_F(KeyPad, ADelayAtTheMaximumDoesNothingAtAll)
{
    open(6, 2, "");
    click(pad.cmdOne);
    click(pad.cmdTwo);
    click(pad.cmdDelay);
    EXPECT_EQ(display(), "12");
    EXPECT_EQ(s.desktop.beeps, 0);
    EXPECT_TRUE(s.messageBox.shown.empty());
    click(pad.cmdThree);   // the delay did not count as the last key
    EXPECT_EQ(s.desktop.beeps, 1);
}

TEST_F(KeyPad, ModesShowTheirKeysAndUnknownModesKeepThePreviousOnes)
{
    open(3, 7, "");
    EXPECT_TRUE(pad.cmdA->isVisible());
    EXPECT_FALSE(pad.cmdD->isVisible());
    EXPECT_FALSE(pad.cmdDelay->isVisible());
    click(pad.cmdCancel);
    open(9, 7, "");
    EXPECT_TRUE(pad.cmdA->isVisible());
    EXPECT_TRUE(pad.cmdStar->isVisible());
    EXPECT_FALSE(pad.cmdDelay->isVisible());
    click(pad.cmdCancel);
    open(6, 7, "");
    EXPECT_FALSE(pad.cmdA->isVisible());
    EXPECT_TRUE(pad.cmdDelay->isVisible());
    EXPECT_TRUE(pad.cmdPound->isVisible());
}

TEST_F(KeyPad, ARefusedEntryStaysForCorrection)
{
    open(1, 4, "", 1);
    click(pad.cmdOne);
    click(pad.cmdTwo);
    click(pad.cmdThree);
    click(pad.cmdOK);
    ASSERT_EQ(s.messageBox.shown.size(), 1u);
    EXPECT_EQ(s.messageBox.shown[0].text, "Error! Need 4 Digit Entry");
    EXPECT_EQ(s.messageBox.shown[0].title, "Macro Command");
    EXPECT_EQ(s.messageBox.shown[0].buttons, platform::MsgButtons::OK);
    EXPECT_TRUE(pad.isVisible());
    EXPECT_EQ(display(), "123");
    click(pad.cmdFour);
    click(pad.cmdOK);
    EXPECT_FALSE(pad.isVisible());
    EXPECT_TRUE(pad.EntryAccepted);
    EXPECT_EQ(display(), "1234");
}

TEST_F(KeyPad, ARefusalBeforeAnyKeyLeavesTheNextKeyReplacingTheText)
{
    open(1, 3, "12", 8);
    click(pad.cmdOK);
    EXPECT_EQ(s.messageBox.texts(), QStringList{"Error! Need 3 Digit Entry"});
    click(pad.cmdNine);
    EXPECT_EQ(display(), "9");
}

TEST_F(KeyPad, AnEmptyEntryIsAcceptedWhateverTheCheck)
{
    open(1, 4, "77", 12);
    click(pad.cmdOK);   // kind 12 refuses silently
    EXPECT_TRUE(pad.isVisible());
    EXPECT_TRUE(s.messageBox.shown.empty());
    click(pad.cmdClear);
    click(pad.cmdOK);
    EXPECT_FALSE(pad.isVisible());
    EXPECT_TRUE(pad.EntryAccepted);
    EXPECT_EQ(display(), "");
}

TEST_F(KeyPad, CancelGivesBackTheInitialText)
{
    open(1, 4, "42");
    click(pad.cmdSeven);
    click(pad.cmdCancel);
    EXPECT_FALSE(pad.isVisible());
    EXPECT_FALSE(pad.EntryAccepted);
    EXPECT_EQ(display(), "42");
}

TEST_F(KeyPad, TheCloseBoxAndEscActAsCancel)
{
    open(1, 4, "42");
    click(pad.cmdSeven);
    pad.close();
    EXPECT_FALSE(pad.isVisible());
    EXPECT_FALSE(pad.EntryAccepted);
    EXPECT_EQ(display(), "42");

    open(1, 4, "13");
    click(pad.cmdSeven);
    QTest::keyClick(&pad, Qt::Key_Escape);
    EXPECT_FALSE(pad.isVisible());
    EXPECT_EQ(display(), "13");
}

TEST_F(KeyPad, F1OpensTheKeypadsOwnTopic)
{
    open(1, 4, "42");
    pad.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&pad));
    QTest::keyClick(pad.cmdOK, Qt::Key_F1);
    ASSERT_EQ(s.help.calls.size(), 1);
    EXPECT_TRUE(s.help.calls[0].startsWith("topic 107 ")) << s.help.calls[0].toStdString();
    EXPECT_TRUE(s.help.calls[0].endsWith("/Help/Quillon.hlp"));
}

// The keys a mode leaves out keep their places empty: the pad is one size for every mode, and no
// other size can be dragged out of it.
TEST_F(KeyPad, EveryModeShowsThePadAtOneSize)
{
    open(6, 15, "");
    const QSize all = pad.size();
    for (int mode : {1, 2, 3, 5, 6}) {
        pad.hide();
        open(mode, 4, "");
        EXPECT_EQ(pad.size(), all) << "mode " << mode;
        EXPECT_EQ(pad.minimumSize(), all) << "mode " << mode;
        EXPECT_EQ(pad.maximumSize(), all) << "mode " << mode;
    }
}

// ---- the service the editors call ---------------------------------------------------------

// Runs `steps` on the shown keypad once its keys are armed.
void whenArmed(KeyPadDialogService& service, std::function<void(frmKeyPad&)> steps)
{
    QTimer::singleShot(0, [&service, steps] {
        frmKeyPad* pad = service.dialog();
        ASSERT_NE(pad, nullptr);
        ASSERT_TRUE(QTest::qWaitFor([pad] { return pad->KeysArmed; }, 3000));
        steps(*pad);
    });
}

TEST(KeyPadService, ReturnsTheEntryAndWhetherItWasAccepted)
{
    platform::doubles::ScriptedServices s;
    KeyPadDialogService service;
    whenArmed(service, [](frmKeyPad& pad) {
        QTest::mouseClick(pad.cmdTwo, Qt::LeftButton);
        QTest::mouseClick(pad.cmdZero, Qt::LeftButton);
        QTest::mouseClick(pad.cmdOK, Qt::LeftButton);
    });
    const KeyPadResult ok = service.GetKeyPadEntry({.mode = KeyPadKeys::Digits, .maxLen = 4, .heading = "Timer", .initial = "15", .check = KeyPadCheck::OneTo1800});
    EXPECT_EQ(ok.text, "20");
    EXPECT_TRUE(ok.accepted);
    EXPECT_EQ(keyPadRequest().KeyPadHeading, "Timer");

    whenArmed(service, [](frmKeyPad& pad) {
        QTest::mouseClick(pad.cmdNine, Qt::LeftButton);
        pad.close();
    });
    const KeyPadResult cancelled = service.GetKeyPadEntry({.mode = KeyPadKeys::Digits, .maxLen = 4, .heading = "Timer", .initial = "15", .check = KeyPadCheck::OneTo1800});
    EXPECT_EQ(cancelled.text, "15");
    EXPECT_FALSE(cancelled.accepted);
}

} // namespace
