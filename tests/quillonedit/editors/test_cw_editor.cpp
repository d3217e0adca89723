#include "quillonedit/editors/CwMessages.h"
#include "quillonedit/editors/frmCwEdit.h"
#include "tests/support/ImageFixture.h"

#include "quillonedit/tables/Tables.h"
#include "platform/testing/ScriptedServices.h"

#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace quillon;
using namespace quillon::testing;

namespace {

class CwEditor : public ::testing::Test {
protected:
    // The character list is copied from the table when the dialog is made.
    bool tablesFilled = (FillAllTables(), true);
    platform::doubles::ScriptedServices services;
    frmCwEdit dialog;

    void open()
    {
        dialog.show();
    }
    // A real mouse click on the row of a code (row r carries code r).
    void pick(int code)
    {
        QListWidgetItem* item = dialog.List1->item(code);
        dialog.List1->scrollToItem(item);
        QTest::mouseClick(dialog.List1->viewport(), Qt::LeftButton, {}, dialog.List1->visualItemRect(item).center());
    }
    // A radio button reacts to clicks on its circle and text only, and a narrow font leaves its
    // text short of the button's middle: click the circle.
    void click(QAbstractButton* button)
    {
        const bool radio = qobject_cast<QRadioButton*>(button) != nullptr;
        QTest::mouseClick(button, Qt::LeftButton, {}, radio ? QPoint(6, button->height() / 2) : button->rect().center());
    }
};

// The settings bytes OK writes for speed option s and tone option t of message `which`.
void PutSettings(Bytes& bytes, int which, int speedCode, int toneCode, int low, int high)
{
    const int base = which == 1 ? 521 : 527;
    Put(bytes, base, {speedCode});
    Put(bytes, base + 2, {low, high, toneCode});
}

TEST(CwText, StoredCodesReadAsTheirCharacters)
{
    struct Row { int code; const char* text; };
    const Row rows[] = {{0, "0"},  {9, "9"},   {10, "A"},   {35, "Z"},  {36, "/"}, {37, "(AR)"},
                        {38, " "}, {45, "("},  {46, "(SK)"}, {47, ""},  {100, ""}, {255, ""}};
    resetImage();
    for (const Row& r : rows) {
        image().set(20000, static_cast<std::uint8_t>(r.code));
        EXPECT_EQ(GetCwChar(20000), r.text) << r.code;
    }
    EXPECT_EQ(GetCwChar(-1), "");
    EXPECT_EQ(GetCwChar(32768), "");
}

TEST(CwText, MessageTextsAndTheirAreas)
{
    resetImage();
    EXPECT_EQ(CwMessageText(1), "(Empty)");
    EXPECT_EQ(CwMessageText(2), "(Empty)");
    PutImage(17560, {3, 10, 60, 11});
    EXPECT_EQ(CwMessageText(1), "AB");
    PutImage(17560, {2, 37, 46});
    EXPECT_EQ(CwMessageText(1), "(AR)(SK)");
    EXPECT_EQ(CwMessageText(3), "");

    // A count beyond message 2's area reads no lock-out byte as a character.
    image().set(17688, 200);
    for (int i = 17689; i < 17720; ++i)
        image().set(i, 10);
    for (int i = 17720; i < 17900; ++i)
        image().set(i, 35);
    EXPECT_EQ(CwMessageText(2), QString(31, QLatin1Char('A')));
}

TEST_F(CwEditor, FreshImageShowsEmptyMessagesAndOKWritesOnlyTheDefaultSettings)
{
    resetImage();
    Bytes expected = Snapshot();
    open();
    EXPECT_EQ(dialog.windowTitle(), "CW Edit Dialog Box");
    EXPECT_EQ(dialog.helpContextID(), 402);
    EXPECT_EQ(dialog.List1->count(), 47);
    EXPECT_EQ(dialog.List1->item(37)->text(), "[AR)");
    EXPECT_EQ(dialog.Text1->text(), "(Empty)");
    EXPECT_EQ(dialog.Text2->text(), "(Empty)");
    EXPECT_TRUE(dialog.opt1Spd[0]->isChecked());
    EXPECT_TRUE(dialog.opt2Frq[0]->isChecked());
    EXPECT_FALSE(dialog.List1->isEnabled());
    EXPECT_TRUE(dialog.Shape1[0]->isVisible());
    EXPECT_FALSE(dialog.Shape1[1]->isVisible());
    EXPECT_FALSE(dialog.Frame2->isEnabled());

    click(dialog.cmdOK);
    EXPECT_FALSE(dialog.isVisible());
    PutSettings(expected, 1, 4, 1, 252, 6);
    PutSettings(expected, 2, 4, 1, 252, 6);
    EXPECT_TRUE(ImageEquals(expected));
}

TEST_F(CwEditor, OKWithoutClearKeepsBothMessagesAndWritesTheChosenSettings)
{
    FillImagePattern(40);
    PutImage(17560, {3, 10, 60, 11});
    PutImage(521, {5});   // a speed code without option shows as "25"
    PutImage(527, {8});
    PutImage(531, {7});
    Bytes expected = Snapshot();
    open();
    EXPECT_EQ(dialog.Text1->text(), "AB");
    EXPECT_TRUE(dialog.opt1Spd[0]->isChecked());
    EXPECT_TRUE(dialog.opt2Spd[3]->isChecked());
    EXPECT_TRUE(dialog.opt2Frq[6]->isChecked());

    click(dialog.cmdSel);
    click(dialog.opt2Frq[7]);   // 1200 Hz
    click(dialog.cmdOK);
    const int tone1 = expected[525] >= 1 && expected[525] <= 8 ? expected[525] : 1;
    const int divisors[] = {1788, 1490, 1278, 1118, 994, 894, 813, 745};
    PutSettings(expected, 1, 4, tone1, divisors[tone1 - 1] & 0xFF, divisors[tone1 - 1] >> 8);
    PutSettings(expected, 2, 8, 8, 233, 2);
    EXPECT_TRUE(ImageEquals(expected));
}

TEST_F(CwEditor, ClearThenOKWithoutPicksEmptiesMessage1AndLeavesItsOldCodes)
{
    FillImagePattern(41);
    PutImage(17560, {3, 10, 11, 12});
    PutImage(521, {6, 0, 0xD2, 5, 2});
    PutImage(527, {10, 0, 0xE9, 2, 8});
    Bytes expected = Snapshot();
    open();
    click(dialog.cmdClear);
    EXPECT_EQ(dialog.Text1->text(), "");
    EXPECT_TRUE(dialog.List1->isEnabled());
    click(dialog.cmdOK);
    Put(expected, 17560, {0});
    EXPECT_TRUE(ImageEquals(expected));
}

TEST_F(CwEditor, PicksAfterClearAreStoredAndCancelWritesNothing)
{
    FillImagePattern(42);
    PutImage(17560, {2, 37, 46});
    PutImage(521, {4, 0, 252, 6, 1});
    PutImage(527, {4, 0, 252, 6, 1});
    Bytes expected = Snapshot();

    open();
    EXPECT_EQ(dialog.Text1->text(), "(AR)(SK)");
    click(dialog.cmdClear);
    pick(18);   // I
    pick(13);   // D
    EXPECT_EQ(dialog.Text1->text(), "ID");
    click(dialog.cmdCancel);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(ImageEquals(expected));

    // The next opening shows the stored message again; OK without a new Clear writes no message.
    open();
    EXPECT_EQ(dialog.Text1->text(), "(AR)(SK)");
    EXPECT_FALSE(dialog.List1->isEnabled());
    click(dialog.cmdOK);
    EXPECT_TRUE(ImageEquals(expected));

    open();
    click(dialog.cmdClear);
    pick(37);
    pick(38);
    pick(46);
    EXPECT_EQ(dialog.Text1->text(), "[AR) (SK)");
    click(dialog.cmdOK);
    Put(expected, 17560, {3, 37, 38, 46});
    EXPECT_TRUE(ImageEquals(expected));
    open();
    EXPECT_EQ(dialog.Text1->text(), "(AR) (SK)");
}

TEST_F(CwEditor, PicksGoOnlyIntoAMessageClearedInThisOpening)
{
    FillImagePattern(43);
    PutImage(17560, {1, 10});
    PutImage(17688, {1, 11});
    PutImage(521, {4, 0, 252, 6, 1});
    PutImage(527, {4, 0, 252, 6, 1});
    Bytes expected = Snapshot();
    open();
    click(dialog.cmdClear);
    click(dialog.cmdSel);
    EXPECT_EQ(dialog.SelectedBuffer, 2);
    EXPECT_TRUE(dialog.Shape1[1]->isVisible());
    EXPECT_FALSE(dialog.Shape1[0]->isVisible());
    EXPECT_TRUE(dialog.Frame2->isEnabled());
    EXPECT_FALSE(dialog.Frame1->isEnabled());
    EXPECT_FALSE(dialog.List1->isEnabled());
    dialog.List1_Click(12);
    EXPECT_EQ(dialog.Text2->text(), "B");

    click(dialog.cmdSel);   // back to the cleared message 1
    EXPECT_TRUE(dialog.List1->isEnabled());
    pick(12);
    click(dialog.cmdOK);
    Put(expected, 17560, {1, 12});
    EXPECT_TRUE(ImageEquals(expected));
}

TEST_F(CwEditor, AFullMessageBeepsAndNoByteBeyondItsRoomChanges)
{
    struct Case { int which; int capacity; };
    for (const Case c : {Case{1, 33}, Case{2, 31}}) {
        FillImagePattern(44);
        PutImage(521, {4, 0, 252, 6, 1});
        PutImage(527, {4, 0, 252, 6, 1});
        Bytes expected = Snapshot();
        const int base = c.which == 1 ? 17560 : 17688;
        open();
        if (c.which == 2)
            click(dialog.cmdSel);
        click(dialog.cmdClear);
        const int before = services.desktop.beeps;
        for (int k = 0; k < c.capacity + 3; ++k)
            dialog.List1_Click(k % 47);
        EXPECT_EQ(services.desktop.beeps - before, 3) << c.which;
        click(dialog.cmdOK);
        Put(expected, base, {c.capacity});
        for (int k = 0; k < c.capacity; ++k)
            Put(expected, base + 1 + k, {k % 47});
        EXPECT_TRUE(ImageEquals(expected)) << "message " << c.which;
    }
    // A full message 2 fills its area up to its last byte, 17719.
    EXPECT_EQ(image().at(17719), 30);
}

TEST_F(CwEditor, EscAndTheCloseBoxCancelAndTheDialogStaysForTheNextOpening)
{
    FillImagePattern(45);
    const Bytes before = Snapshot();
    for (int way = 0; way < 2; ++way) {
        open();
        click(dialog.cmdClear);
        pick(10);
        click(dialog.opt1Spd[5]);
        if (way == 0)
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            dialog.close();
        EXPECT_FALSE(dialog.isVisible()) << way;
        EXPECT_TRUE(ImageEquals(before)) << way;
    }
    open();
    EXPECT_EQ(dialog.List1->count(), 47);
    EXPECT_FALSE(dialog.List1->isEnabled());
}

} // namespace
