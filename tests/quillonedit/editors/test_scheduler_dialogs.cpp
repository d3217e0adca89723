// The scheduler list and its entry editor, offscreen: what they show, the bytes OK writes against
// the whole image, and their lifecycles.
#include "quillonedit/editors/frmSetSched.h"
#include "quillonedit/editors/frmsched.h"
#include "tests/support/ImageFixture.h"
#include "tests/support/ScriptedKeyPad.h"

#include "platform/testing/ScriptedServices.h"
#include "quillonedit/tables/Tables.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace quillon;
using namespace quillon::testing;

namespace {

class Scheduler : public ::testing::Test {
protected:
    bool tablesFilled = (FillAllTables(), true);
    platform::doubles::ScriptedServices services;
    ScriptedKeyPad keys;

    static void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
    // A user's choice from a drop-down list.
    static void pick(QComboBox* list, int position)
    {
        list->setCurrentIndex(position);
        emit list->activated(position);
    }
    // Runs `act` on the entry editor the list is about to show modally.
    static void onEditor(std::function<void(frmSetSched&)> act)
    {
        QTimer::singleShot(0, [act] {
            auto* editor = qobject_cast<frmSetSched*>(QApplication::activeModalWidget());
            ASSERT_NE(editor, nullptr);
            act(*editor);
        });
    }
};

// ---- the list ----------------------------------------------------------------------------------

TEST_F(Scheduler, ListShowsTheRowsOfEachGroup)
{
    resetImage();
    PutImage(17960, {0x05, 0x25, 0x00, 0x09, 0x30, 0x03, 0x50});   // entry 1
    PutImage(17967, {0xFF, 0x00, 0x08, 0xFF, 0x15, 0x00, 0x20});   // entry 2
    PutImage(18170, {0xFF, 0x00, 0x01, 0x12, 0x00, 0x00, 0x20});   // entry 31
    PutImage(18177, {0x13, 0x07, 0x00, 0x23, 0x59, 0x12, 0x50});   // entry 32
    frmsched list;
    list.show();
    EXPECT_EQ(list.windowTitle(), "Quillon Scheduler");
    EXPECT_EQ(list.helpContextID(), 501);
    EXPECT_EQ(list.optGroup[3]->text(), "31-40");
    EXPECT_TRUE(list.optGroup[0]->isChecked());

    struct Row { int row; const char* num; const char* time; const char* dow; const char* moy; const char* dom; const char* cmd; };
    auto check = [&](const std::vector<Row>& rows) {
        for (const Row& r : rows) {
            const auto k = static_cast<std::size_t>(r.row);
            EXPECT_EQ(list.lblNum[k]->text(), r.num) << r.num;
            EXPECT_EQ(list.lblTime[k]->text(), r.time) << r.num;
            EXPECT_EQ(list.lblDOW[k]->text(), r.dow) << r.num;
            EXPECT_EQ(list.lblMOY[k]->text(), r.moy) << r.num;
            EXPECT_EQ(list.lblDOM[k]->text(), r.dom) << r.num;
            EXPECT_EQ(list.lblCmd[k]->text(), r.cmd) << r.num;
        }
    };
    check({{0, " 1", "09:30", "----", "May", "25", "5003"},
           {1, " 2", "----:15", "Weekdays", "Skip", "", "2000"},
           {9, " 10", "", "", "", "", ""}});

    click(list.optGroup[3]);
    EXPECT_EQ(list.SchedGroup, 3);
    // Row 0 showed a month and day before: its day column is empty now.
    check({{0, " 31", "12:00", "Sunday", "Skip", "", "2000"},
           {1, " 32", "23:59", "----", "Error", "7", "5012"},
           {2, " 33", "", "", "", "", ""}});
    EXPECT_EQ(list.GetPT(1), 32);
    EXPECT_EQ(list.SchedEntryOffset, 18177);
    EXPECT_EQ(list.SchedEntryStage, (ScheduleStage{0x13, 0x07, 0x00, 0x23, 0x59, 0x50, 0x12}));
}

TEST_F(Scheduler, ListOpensTheEditorOnTheClickedEntryAndRedrawsAfterIt)
{
    FillImagePattern(140);
    PutImage(18037, {0xFF, 0x00, 0x03, 0x09, 0x30, 0x01, 0x50});   // entry 12
    Bytes expected = Snapshot();
    frmsched list;
    list.show();
    click(list.optGroup[1]);

    // The close box of the editor writes nothing, whatever was changed.
    onEditor([&](frmSetSched& editor) {
        EXPECT_EQ(editor.windowTitle(), "Schedular Position 12");
        EXPECT_EQ(editor.helpContextID(), 501);
        EXPECT_TRUE(editor.optWk[3]->isChecked());
        EXPECT_EQ(editor.cmbWk->currentText(), "Tuesday");
        EXPECT_EQ(editor.lblTime->text(), "0930");
        EXPECT_EQ(editor.lblCmd->text(), "5001");
        EXPECT_EQ(editor.lblReview->text(), "Execute Macro 1");
        click(editor.chkErase);
        editor.close();
    });
    click(list.lblTime[1]);
    EXPECT_TRUE(ImageEquals(expected));
    EXPECT_EQ(list.lblTime[1]->text(), "09:30");

    // Erased by OK: the row is drawn empty at once.
    onEditor([&](frmSetSched& editor) {
        click(editor.chkErase);
        click(editor.cmdOK);
    });
    click(list.lblTime[1]);
    Put(expected, 18037, {0, 0, 0, 0, 0, 0, 0});
    EXPECT_TRUE(ImageEquals(expected));
    EXPECT_EQ(list.lblTime[1]->text(), "");
    EXPECT_EQ(list.lblNum[1]->text(), " 12");
}

TEST_F(Scheduler, ASecondOpeningDoesNotCarryTheFirstEntrysCommand)
{
    FillImagePattern(141);
    PutImage(17960, {0x05, 0x25, 0x00, 0x09, 0x30, 0x03, 0x50});
    PutImage(17967, {0, 0, 0, 0, 0, 0, 0});
    Bytes expected = Snapshot();
    frmsched list;
    list.show();
    onEditor([&](frmSetSched& editor) { click(editor.cmdOK); });
    click(list.lblTime[0]);
    onEditor([&](frmSetSched& editor) {
        EXPECT_EQ(editor.CmdByte, 0);
        click(editor.chkErase);
        click(editor.cmdOK);
    });
    click(list.lblTime[1]);
    Put(expected, 17967, {0xFF, 0, 0, 0, 0, 0, 0});
    EXPECT_TRUE(ImageEquals(expected));
}

TEST_F(Scheduler, ListOKHidesAndKeepsItsGroupTheCloseBoxDestroysIt)
{
    resetImage();
    QPointer<frmsched> list = new frmsched;
    list->show();
    click(list->optGroup[2]);
    click(list->cmdOK);
    ASSERT_FALSE(list.isNull());
    EXPECT_FALSE(list->isVisible());

    // Shown again: same group, rows drawn from the image as it is now.
    PutImage(18100, {0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00});
    list->show();
    EXPECT_EQ(list->SchedGroup, 2);
    EXPECT_EQ(list->lblMOY[0]->text(), "January");

    list->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(list.isNull());
}

// ---- the entry editor --------------------------------------------------------------------------

struct ShownCase {
    const char* name;
    ScheduleStage stage;
    int mode;              // checked option, -1 none
    const char* weekday;   // nullptr: list hidden
    const char* month;
    const char* day;
    const char* time;
    bool everyHour;
    const char* command;
    const char* review;
};

TEST_F(Scheduler, EditorShowsEachKindOfEntry)
{
    const std::vector<ShownCase> cases = {
        {"weekday", {0xFF, 0x00, 0x03, 0x09, 0x30, 0x50, 0x01}, 3, "Tuesday", nullptr, nullptr, "0930", false, "5001",
         "Execute Macro 1"},
        {"month and day", {0x05, 0x25, 0x00, 0x09, 0x30, 0x50, 0x03}, 4, nullptr, "May", "25", "0930", false, "5003",
         "Execute Macro 3"},
        {"weekdays every hour", {0xFF, 0x00, 0x08, 0xFF, 0x15, 0x20, 0x00}, 1, nullptr, nullptr, nullptr, "15", true,
         "2000", "Send Time Of Day"},
        {"daily", {0xFF, 0x00, 0x00, 0x00, 0x05, 0x00, 0x00}, 0, nullptr, nullptr, nullptr, "0005", false, "0000",
         "No Command"},
        {"weekday code 12", {0xFF, 0x00, 12, 0x09, 0x30, 0x50, 0x01}, 3, "Sunday", nullptr, nullptr, "0930", false,
         "5001", "Execute Macro 1"},
        {"month 0x13, day 0x45", {0x13, 0x45, 0x00, 0x1A, 0x30, 0x0A, 0x05}, 4, nullptr, "January", "1", "1A30", false,
         "A05", "Invalid Entry"},
    };
    for (const ShownCase& c : cases) {
        frmSetSched editor(18100, c.stage);
        editor.show();
        EXPECT_EQ(editor.optWk[static_cast<std::size_t>(c.mode)]->isChecked(), true) << c.name;
        auto list = [&](QComboBox* box, const char* text) {
            EXPECT_EQ(box->isHidden(), text == nullptr) << c.name;
            if (text) {
                EXPECT_EQ(box->currentText(), text) << c.name;
            }
        };
        list(editor.cmbWk, c.weekday);
        list(editor.cmbMonth, c.month);
        list(editor.cmbMoDay, c.day);
        EXPECT_EQ(editor.lblTime->text(), c.time) << c.name;
        EXPECT_EQ(editor.chkHour->isChecked(), c.everyHour) << c.name;
        EXPECT_EQ(editor.lblCmd->text(), c.command) << c.name;
        EXPECT_EQ(editor.lblReview->text(), c.review) << c.name;
        EXPECT_FALSE(editor.chkErase->isChecked()) << c.name;
        EXPECT_FALSE(editor.Frame1->isHidden()) << c.name;
    }

    // An empty entry shows only the ticked Erase box and OK.
    frmSetSched empty(18100, ScheduleStage{});
    empty.show();
    EXPECT_TRUE(empty.chkErase->isChecked());
    for (QWidget* w : std::vector<QWidget*>{empty.Frame1, empty.lblTime, empty.lblCmd, empty.lblReview, empty.chkHour,
                                            empty.lblA[0], empty.lblA[1], empty.lblA[2]})
        EXPECT_TRUE(w->isHidden());
    EXPECT_FALSE(empty.cmdOK->isHidden());
    // Cleared, the rest comes back on "Daily" with the lists hidden.
    click(empty.chkErase);
    EXPECT_FALSE(empty.Frame1->isHidden());
    EXPECT_TRUE(empty.optWk[0]->isChecked());
    EXPECT_TRUE(empty.cmbWk->isHidden() && empty.cmbMonth->isHidden() && empty.cmbMoDay->isHidden());
}

struct FlowCase {
    const char* name;
    std::vector<int> stored;
    std::function<void(frmSetSched&, ScriptedKeyPad&)> act;
    std::vector<int> written;
    std::vector<const char*> headings;   // the keypad requests, in order
};

TEST_F(Scheduler, EditorOKWritesTheEntryAsShownAndEdited)
{
    const std::vector<int> empty = {0, 0, 0, 0, 0, 0, 0};
    const std::vector<int> tuesday = {0xFF, 0x00, 0x03, 0x09, 0x30, 0x01, 0x50};
    const std::vector<int> may25 = {0x05, 0x25, 0x00, 0x09, 0x30, 0x03, 0x50};
    const auto none = [](frmSetSched&, ScriptedKeyPad&) {};
    const std::vector<FlowCase> cases = {
        {"empty entry", empty, none, empty, {}},
        {"empty entry, Erase cleared", empty, [](frmSetSched& e, ScriptedKeyPad&) { click(e.chkErase); },
         {0xFF, 0, 0, 0, 0, 0, 0}, {}},
        {"weekday entry unchanged", tuesday, none, tuesday, {}},
        {"the mode already chosen changes nothing", tuesday, [](frmSetSched& e, ScriptedKeyPad&) { click(e.optWk[3]); },
         tuesday, {}},
        {"Friday, then month and day", may25,
         [](frmSetSched& e, ScriptedKeyPad&) {
             click(e.optWk[3]);
             pick(e.cmbWk, 5);
             click(e.optWk[4]);
             EXPECT_EQ(e.cmbMonth->currentText(), "January");
             EXPECT_EQ(e.cmbMoDay->currentText(), "1");
         },
         {0x01, 0x01, 6, 0x09, 0x30, 0x03, 0x50}, {}},
        {"December 31st", tuesday,
         [](frmSetSched& e, ScriptedKeyPad&) {
             click(e.optWk[4]);
             pick(e.cmbMonth, 11);
             pick(e.cmbMoDay, 30);
         },
         {0x12, 0x31, 3, 0x09, 0x30, 0x01, 0x50}, {}},   // the hidden weekday list keeps Tuesday
        {"every hour at 15", may25,
         [](frmSetSched& e, ScriptedKeyPad& k) {
             click(e.chkHour);
             k.accept("15");
             click(e.lblTime);
         },
         {0x05, 0x25, 0, 0xFF, 0x15, 0x03, 0x50}, {"Enter minutes"}},
        {"15, then Every Hour cleared", {0xFF, 0x00, 0x08, 0xFF, 0x15, 0x00, 0x20},
         [](frmSetSched& e, ScriptedKeyPad&) { click(e.chkHour); }, {0xFF, 0, 8, 0x15, 0x15, 0x00, 0x20}, {}},
        {"0930, then Every Hour ticked", tuesday, [](frmSetSched& e, ScriptedKeyPad&) { click(e.chkHour); },
         {0xFF, 0, 3, 0xFF, 0x30, 0x01, 0x50}, {}},
        {"command 50 03", tuesday,
         [](frmSetSched& e, ScriptedKeyPad& k) {
             k.accept("5003");
             click(e.lblCmd);
             EXPECT_EQ(e.CmdByte, 0x50);
             EXPECT_EQ(e.ArgByte, 0x03);
             EXPECT_EQ(e.lblReview->text(), "Execute Macro 3");
         },
         {0xFF, 0, 3, 0x09, 0x30, 0x03, 0x50}, {"Schedular Command"}},
        {"command cleared", tuesday,
         [](frmSetSched& e, ScriptedKeyPad& k) {
             k.accept("");
             click(e.lblCmd);
             EXPECT_EQ(e.lblReview->text(), "No Command");
         },
         {0xFF, 0, 3, 0x09, 0x30, 0x00, 0x00}, {"Schedular Command"}},
        {"Erase after edits", may25,
         [](frmSetSched& e, ScriptedKeyPad& k) {
             k.accept("1200");
             click(e.lblTime);
             k.accept("2000");
             click(e.lblCmd);
             click(e.chkErase);
         },
         empty, {"Enter Hours/Minutes", "Schedular Command"}},
        {"Erase ticked and cleared: daily, time and command kept", may25,
         [](frmSetSched& e, ScriptedKeyPad&) {
             click(e.chkErase);
             click(e.chkErase);
             EXPECT_TRUE(e.cmbMonth->isHidden());
         },
         {0xFF, 0, 0, 0x09, 0x30, 0x03, 0x50}, {}},
        // Codes the lists cannot show stay as stored while the user leaves them alone.
        {"weekday code 12 untouched", {0xFF, 0x00, 12, 0x09, 0x30, 0x01, 0x50},
         [](frmSetSched& e, ScriptedKeyPad& k) {
             k.accept("0800");
             click(e.lblTime);
         },
         {0xFF, 0x00, 12, 0x08, 0x00, 0x01, 0x50}, {"Enter Hours/Minutes"}},
        {"weekday code 12 picked again", {0xFF, 0x00, 12, 0x09, 0x30, 0x01, 0x50},
         [](frmSetSched& e, ScriptedKeyPad&) { pick(e.cmbWk, 0); }, {0xFF, 0x00, 1, 0x09, 0x30, 0x01, 0x50}, {}},
        {"hexadecimal bytes untouched, keypad cancelled", {0x13, 0x45, 0x00, 0x1A, 0x30, 0x0A, 0x05},
         [](frmSetSched& e, ScriptedKeyPad& k) {
             k.cancel();
             click(e.lblCmd);
         },
         {0x13, 0x45, 0x00, 0x1A, 0x30, 0x0A, 0x05}, {"Schedular Command"}},
    };
    for (const FlowCase& c : cases) {
        keys.requests.clear();
        keys.answers.clear();
        FillImagePattern(150);
        Bytes expected = Snapshot();
        for (std::size_t i = 0; i < 7; ++i) {
            image().set(18240 + static_cast<int>(i), static_cast<std::uint8_t>(c.stored[i]));
            expected[18240 + i] = static_cast<std::uint8_t>(c.written[i]);
        }
        frmSetSched editor(18240, StageScheduleEntry(18240));
        editor.show();
        c.act(editor, keys);
        click(editor.cmdOK);
        EXPECT_FALSE(editor.isVisible()) << c.name;
        EXPECT_TRUE(ImageEquals(expected)) << c.name;
        ASSERT_EQ(keys.requests.size(), c.headings.size()) << c.name;
        for (std::size_t i = 0; i < c.headings.size(); ++i)
            EXPECT_EQ(keys.requests[i].heading, c.headings[i]) << c.name;
    }
}

TEST_F(Scheduler, EditorKeypadRequestsAndCloseBox)
{
    FillImagePattern(151);
    PutImage(18240, {0xFF, 0x00, 0x03, 0x09, 0x30, 0x01, 0x50});
    const Bytes before = Snapshot();
    frmSetSched editor(18240, StageScheduleEntry(18240));
    editor.show();
    keys.accept("1145");
    click(editor.lblTime);
    click(editor.chkHour);
    keys.accept("07");
    click(editor.lblTime);
    keys.accept("1131");
    click(editor.lblCmd);
    EXPECT_EQ(editor.lblReview->text(), "DTMF Access ON");
    ASSERT_EQ(keys.requests.size(), 3u);
    struct Expect { int mode, maxLen, check; const char* initial; };
    const Expect want[] = {{1, 4, 1, "0930"}, {1, 2, 5, "1145"}, {1, 4, 1, "5001"}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(static_cast<int>(keys.requests[i].mode), want[i].mode) << i;
        EXPECT_EQ(keys.requests[i].maxLen, want[i].maxLen) << i;
        EXPECT_EQ(static_cast<int>(keys.requests[i].check), want[i].check) << i;
        EXPECT_EQ(keys.requests[i].initial, want[i].initial) << i;
    }
    editor.close();
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(editor.result(), QDialog::Rejected);
    EXPECT_TRUE(ImageEquals(before));
}

} // namespace
