// The paging tone pairs, courtesy tones and hardware options windows: what each shows, and the
// whole image after each edit.
#include "quillonedit/editors/frmCTones.h"
#include "quillonedit/editors/frmPage.h"
#include "quillonedit/editors/frmPageSet.h"
#include "quillonedit/editors/frmQuillConfig.h"
#include "quillonedit/tables/Tables.h"
#include "tests/support/ImageFixture.h"
#include "tests/support/ModalEditor.h"
#include "tests/support/ScriptedKeyPad.h"

#include "platform/testing/ScriptedServices.h"

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
#include <optional>

using namespace quillon;
using namespace quillon::testing;

namespace {

// ---- paging tone pairs --------------------------------------------------------------------

class PagingDialogs : public ::testing::Test {
protected:
    static void SetUpTestSuite() { FillAllTables(); }
    void SetUp() override
    {
        FillImagePattern(21);
        PutImage(19416, {29, 12, 112, 2});   // 288.5 / 1433.4
        PutImage(19420, {0, 0, 0, 0});       // erased
        PutImage(19424, {0, 0, 43, 11});     // tone 1 zero, tone 2 313.0
        PutImage(19428, {1, 1, 29, 12});     // tone 1 no tone of the table
    }
    void TearDown() override { resetImage(); }

    QStringList Row(const frmPage& list, int r) const
    {
        const auto k = static_cast<std::size_t>(r);
        return {list.Label1[k]->text(), list.lblTone1[k]->text(), list.lblTone2[k]->text()};
    }

    // Clicks tone 1 or 2 of `row` and runs `work` on the editor it opens; an editor left open is
    // closed by its close box. False when no editor opened.
    bool Edit(frmPage& list, int row, const std::function<void(frmPageSet&)>& work, bool tone2 = false)
    {
        const auto k = static_cast<std::size_t>(row);
        return ClickAndEdit(tone2 ? list.lblTone2[k] : list.lblTone1[k], work);
    }

    platform::doubles::ScriptedServices s;
};

TEST_F(PagingDialogs, ListShowsToneNamesTenAtATime)
{
    frmPage list;
    list.show();
    EXPECT_EQ(list.windowTitle(), "Paging Tones");
    EXPECT_EQ(list.fraGroup->title(), "Paging Group");
    EXPECT_EQ(list.helpContextID(), kPagingTonesHelpContext);
    EXPECT_EQ(Row(list, 0), (QStringList{" 1", "288.5", "1433.4"}));
    EXPECT_EQ(Row(list, 1), (QStringList{" 2", "", ""}));
    EXPECT_EQ(Row(list, 2), (QStringList{" 3", "", "313.0"}));
    EXPECT_EQ(Row(list, 3), (QStringList{" 4", "", "288.5"}));

    PutImage(19464, {43, 11, 29, 12});
    QTest::mouseClick(list.optGroup[1], Qt::LeftButton);
    EXPECT_EQ(Row(list, 0)[0], " 11");
    EXPECT_EQ(Row(list, 9)[0], " 20");
    EXPECT_EQ(Row(list, 2), (QStringList{" 13", "313.0", "288.5"}));

    // Either tone of the third row edits pair 13 at 19464; the list is redrawn afterwards.
    Bytes expected = Snapshot();
    Put(expected, 19464, {112, 2, 124, 9});
    ASSERT_TRUE(Edit(list, 2, [](frmPageSet& e) {
        EXPECT_EQ(e.windowTitle(), "Paging Tone Number 13");
        EXPECT_EQ(e.cmbTone1->count(), 60);
        EXPECT_EQ(e.cmbTone1->currentText(), "313.0");
        EXPECT_EQ(e.cmbTone2->currentText(), "288.5");
        e.cmbTone1->setCurrentIndex(59);
        e.cmbTone2->setCurrentIndex(9);   // 368.5
        e.cmdOK->click();
    }, true));
    EXPECT_EQ(list.PageEntryOffset, 19464);
    EXPECT_TRUE(ImageEquals(expected));
    EXPECT_EQ(Row(list, 2), (QStringList{" 13", "1433.4", "368.5"}));
}

// How each kind of stored pair opens in the editor, and what it holds after the user's action.
// The group frame is as tall as its two options; the room beside the ten rows stays under it.
TEST_F(PagingDialogs, TheGroupFrameKeepsToItsOptions)
{
    frmPage list;
    list.show();
    EXPECT_EQ(list.fraGroup->height(), list.fraGroup->sizeHint().height());
}

TEST_F(PagingDialogs, EditorOpensEachPairAndWritesOnlyOnOK)
{
    enum class Act { OK, TickThenOK, UntickThenOK, ChangeThenCloseBox };
    struct Case {
        const char* what;
        int row;
        Act act;
        bool erased;                 // the box as the editor opens
        int index1, index2;          // list selections as it opens (-1: none)
        std::vector<int> after;      // the four bytes afterwards
    };
    const std::vector<Case> cases = {
        {"a named pair kept by OK", 0, Act::OK, false, 0, 59, {29, 12, 112, 2}},
        {"an erased pair set to 288.5 twice", 1, Act::UntickThenOK, true, 0, 0, {29, 12, 29, 12}},
        {"an erased pair stays erased", 1, Act::OK, true, 0, 0, {0, 0, 0, 0}},
        {"tone 1 zero keeps tone 2", 2, Act::OK, false, -1, 3, {0, 0, 43, 11}},
        {"tone 1 zero, ticked, erased whole", 2, Act::TickThenOK, false, -1, 3, {0, 0, 0, 0}},
        {"a tone outside the table kept", 3, Act::OK, false, -1, 0, {1, 1, 29, 12}},
        {"the close box writes nothing", 0, Act::ChangeThenCloseBox, false, 0, 59, {29, 12, 112, 2}},
    };
    for (const Case& c : cases) {
        SetUp();
        const int offset = 19416 + 4 * c.row;
        Bytes expected = Snapshot();
        Put(expected, offset, c.after);
        frmPage list;
        list.show();
        ASSERT_TRUE(Edit(list, c.row, [&](frmPageSet& e) {
            EXPECT_EQ(e.chkErase->isChecked(), c.erased) << c.what;
            EXPECT_EQ(e.cmbTone1->isEnabled(), !c.erased) << c.what;
            EXPECT_EQ(e.lblA[1]->isEnabled(), !c.erased) << c.what;
            EXPECT_EQ(e.cmbTone1->currentIndex(), c.index1) << c.what;
            EXPECT_EQ(e.cmbTone2->currentIndex(), c.index2) << c.what;
            switch (c.act) {
            case Act::OK: break;
            case Act::TickThenOK:
            case Act::UntickThenOK: e.chkErase->click(); break;
            case Act::ChangeThenCloseBox:
                e.cmbTone1->setCurrentIndex(7);
                e.reject();
                return;
            }
            EXPECT_EQ(e.cmbTone2->isEnabled(), !e.chkErase->isChecked()) << c.what;
            e.cmdOK->click();
        })) << c.what;
        EXPECT_TRUE(ImageEquals(expected)) << c.what;
    }
}

// ---- courtesy tones -----------------------------------------------------------------------

class CourtesyDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        FillImagePattern(22);
        PutImage(553, {1, 2, 0, 8, 9, 3, 0, 0});
        PutImage(561, {0, 5, 5, 5, 5, 5, 5, 5});     // empty: shown blank whatever follows
        PutImage(569, {9, 10, 255, 8, 1, 2, 3, 4});  // codes outside their sets show blank
        PutImage(577, {4, 4, 4, 4, 4, 4, 4, 4});
        dialog.show();
    }
    void TearDown() override { resetImage(); }

    QStringList Row(int r) const
    {
        QStringList texts;
        for (int k = 0; k < kCourtesyCells; ++k)
            texts << dialog.cell(k, r)->text();
        return texts;
    }

    platform::doubles::ScriptedServices s;
    ScriptedKeyPad keys;
    frmCTones dialog;
};

TEST_F(CourtesyDialog, RowsShowHertzAndMilliseconds)
{
    EXPECT_EQ(dialog.windowTitle(), "Courtesy Tones");
    EXPECT_EQ(dialog.lblA[9]->text(), "9");
    EXPECT_EQ(dialog.lblB[3]->text(), "Dly 2");
    EXPECT_EQ(dialog.cmdErase[0]->text(), "E");
    EXPECT_EQ(Row(0), (QStringList{"500", "100", "0", "1200", "450", "150", "0", "0"}));
    EXPECT_EQ(Row(1), (QStringList{"", "", "", "", "", "", "", ""}));
    EXPECT_EQ(Row(2), (QStringList{"", "", "", "1200", "50", "100", "700", "200"}));
    EXPECT_EQ(Row(3), (QStringList{"800", "200", "200", "800", "200", "200", "800", "200"}));

    const Bytes before = Snapshot();
    Bytes expected = before;
    Put(expected, 577, {0, 0, 0, 0, 0, 0, 0, 0});
    QTest::mouseClick(dialog.cmdErase[3], Qt::LeftButton);
    EXPECT_TRUE(ImageEquals(expected)) << "577..584 only, at once";
    EXPECT_EQ(Row(3), (QStringList{"", "", "", "", "", "", "", ""}));
    EXPECT_TRUE(keys.requests.empty());
    EXPECT_TRUE(s.messageBox.shown.empty());
}

// Each click asks the keypad for one digit and writes that cell's byte at once. Steps run in
// order on the same image.
TEST_F(CourtesyDialog, EachCellTakesOneDigitAndWritesItsByte)
{
    struct Step {
        int row, cell;
        std::optional<QString> answer;   // nullopt: Cancel
        QString initial;                 // the digit the keypad starts from
        QString shown;                   // the cell afterwards
        std::optional<int> stored;       // the cell's byte afterwards; nullopt: unchanged
    };
    const std::vector<Step> steps = {
        {0, 3, "0", "8", "0", 0},
        {0, 6, "8", "0", "1200", 8},
        {0, 1, "7", "2", "350", 7},
        {0, 4, "", "9", "", 0},               // OK on an empty keypad
        {1, 2, std::nullopt, "", "", std::nullopt},   // a blank cell holding 5: Cancel keeps it
        {2, 0, std::nullopt, "", "", std::nullopt},   // code 9 shown blank: Cancel keeps it
        {2, 1, "3", "", "150", 3},
        {0, 0, "9", "1", "", 0},              // 9 is no tone: blank, 0 stored
    };
    Bytes expected = Snapshot();
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const Step& st = steps[i];
        if (st.answer)
            keys.accept(*st.answer);
        else
            keys.cancel();
        QTest::mouseClick(dialog.cell(st.cell, st.row), Qt::LeftButton);
        ASSERT_EQ(keys.requests.size(), i + 1);
        const KeyPadRequest& r = keys.requests.back();
        const bool frequency = st.cell % 3 == 0;
        EXPECT_EQ(r.mode, KeyPadKeys::Digits) << i;
        EXPECT_EQ(r.maxLen, 1) << i;
        EXPECT_EQ(r.heading, frequency ? "Enter Frequency 1..8" : "Enter Time Delay 0..9") << i;
        EXPECT_EQ(r.check, frequency ? KeyPadCheck::ToneFrequency : KeyPadCheck::OneCharacter) << i;
        EXPECT_EQ(r.initial, st.initial) << i;
        EXPECT_EQ(dialog.cell(st.cell, st.row)->text(), st.shown) << i;
        if (st.stored)
            Put(expected, 553 + 8 * st.row + st.cell, {*st.stored});
        EXPECT_TRUE(ImageEquals(expected)) << i;
    }
    EXPECT_EQ(Row(0), (QStringList{"", "350", "0", "0", "0", "150", "1200", "0"}));
    dialog.DisplayCTones();   // tone 1 now 0: the next full redraw blanks the row, its bytes kept
    EXPECT_EQ(Row(0), (QStringList{"", "", "", "", "", "", "", ""}));
    EXPECT_EQ(Row(2), (QStringList{"", "150", "", "1200", "50", "100", "700", "200"}));
}

// ---- hardware options ---------------------------------------------------------------------

class HardwareOptionsDialog : public ::testing::Test {
protected:
    void SetUp() override { FillImagePattern(23); }
    void TearDown() override
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        delete dialog.data();
        resetImage();
    }
    frmQuillConfig& open()
    {
        dialog = new frmQuillConfig;   // deletes itself once closed
        dialog->show();
        return *dialog;
    }
    static QStringList Checked(const frmQuillConfig& w)
    {
        QStringList out;
        for (QGroupBox* frame : {w.fraHf, w.fraPPS, w.fraHfSquelch, w.fraDvr}) {
            QString text = "-";
            for (QRadioButton* b : frame->findChildren<QRadioButton*>())
                if (b->isChecked())
                    text = b->text();
            out << text;
        }
        return out;
    }

    platform::doubles::ScriptedServices s;
    QPointer<frmQuillConfig> dialog;
};

// Stored bytes 633, 634, 635, 645 -> buttons shown -> bytes after OK.
TEST_F(HardwareOptionsDialog, ShowsEachStoredValueAndOKRewritesIt)
{
    struct Case {
        std::array<int, 4> stored;
        QStringList shown;   // HF, PPS, squelch, DVR
        std::array<int, 4> written;
    };
    const std::vector<Case> cases = {
        {{0, 0, 0, 0}, {"No HF", "10 PPS", "No", "Brindle"}, {0, 0, 0, 0}},
        {{1, 1, 1, 7}, {"K-44", "20 PPS", "Yes", "Sorrel"}, {1, 255, 255, 1}},
        {{2, 255, 255, 1}, {"O-76", "20 PPS", "Yes", "Sorrel"}, {2, 255, 255, 1}},
        {{5, 0, 200, 0}, {"-", "10 PPS", "Yes", "Brindle"}, {5, 0, 255, 0}},
        {{255, 2, 0, 255}, {"-", "20 PPS", "No", "Sorrel"}, {255, 255, 0, 1}},
    };
    for (const Case& c : cases) {
        const std::array<int, 4> at = {633, 634, 635, 645};
        for (std::size_t i = 0; i < 4; ++i)
            PutImage(at[i], {c.stored[i]});
        Bytes expected = Snapshot();
        for (std::size_t i = 0; i < 4; ++i)
            Put(expected, at[i], {c.written[i]});
        frmQuillConfig& w = open();
        EXPECT_EQ(Checked(w), c.shown) << c.stored[0];
        w.cmdOK->click();
        EXPECT_TRUE(ImageEquals(expected)) << c.stored[0];
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(dialog.isNull());
    }
}

TEST_F(HardwareOptionsDialog, EveryDisplayTakesTheBytesAgain)
{
    PutImage(633, {1, 0, 0});
    PutImage(645, {0});
    frmQuillConfig& w = open();
    EXPECT_EQ(w.windowTitle(), "Quillon Configuration");
    EXPECT_EQ(w.fraHf->title(), "HF  Type");
    EXPECT_EQ(w.fraPPS->title(), "Pulse Dialing PPS");
    EXPECT_EQ(Checked(w), (QStringList{"K-44", "10 PPS", "No", "Brindle"}));

    w.optHf[2]->click();
    w.optDvr[1]->click();
    PutImage(633, {9});   // the image changed under the window, which then became active again
    w.Form_Activate();
    EXPECT_EQ(Checked(w), (QStringList{"-", "10 PPS", "No", "Brindle"})) << "no HF type, none left from before";
    Bytes expected = Snapshot();
    w.optPPS[1]->click();
    w.close();   // the close box writes nothing
    EXPECT_TRUE(ImageEquals(expected));

    frmQuillConfig& again = open();
    again.optPPS[1]->click();
    again.optHfSquelch[1]->click();
    again.cmdOK->click();
    Put(expected, 634, {255, 255});
    EXPECT_TRUE(ImageEquals(expected)) << "633 keeps 9";
}

// Becoming the active window again redraws only when the user comes from another window of this
// program: a trip to another program (no window of this one active meanwhile) keeps unsaved choices.
TEST_F(HardwareOptionsDialog, ReturningFromAnotherProgramKeepsUnsavedChoices)
{
    PutImage(645, {0});
    frmQuillConfig& w = open();
    QWidget other;                                   // another window of this program
    other.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(w.isActiveWindow());
    w.optDvr[1]->click();
    QApplication::setActiveWindow(nullptr);          // into another program
    QApplication::setActiveWindow(&w);               // and straight back
    EXPECT_EQ(Checked(w)[3], "Sorrel");

    QApplication::setActiveWindow(&other);
    QApplication::setActiveWindow(&w);
    EXPECT_EQ(Checked(w)[3], "Brindle");

    w.optDvr[1]->click();
    QApplication::setActiveWindow(nullptr);
    QApplication::setActiveWindow(&other);           // back through the other window first
    QApplication::setActiveWindow(&w);
    EXPECT_EQ(Checked(w)[3], "Brindle");
}

} // namespace
