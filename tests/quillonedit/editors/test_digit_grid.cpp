// The digit-field grid on its own: groups, the write hook and records without a place.
#include "quillonedit/editors/DigitGrid.h"
#include "tests/support/ImageFixture.h"
#include "tests/support/ScriptedKeyPad.h"

#include "quillonedit/image/Codec.h"
#include "platform/testing/ScriptedServices.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace quillon;
using namespace quillon::testing;

namespace {

// Two groups of three 4-digit fields at 100 + 5k; row 2 of group 1 has no record.
std::vector<DigitField> TestFields(int group)
{
    std::vector<DigitField> fields;
    for (int r = 0; r < 3; ++r) {
        const int k = 3 * group + r;
        fields.push_back({.caption = QString::number(k + 1),
                          .offset = group == 1 && r == 2 ? -1 : 100 + 5 * k,
                          .capacity = 4,
                          .keys = KeyPadKeys::DigitsAndStar,
                          .check = KeyPadCheck::None,
                          .heading = QStringLiteral("Entry %1").arg(k + 1)});
    }
    return fields;
}

// A write that keeps a field already showing the text, so a whole-group rewrite leaves the rows
// the user did not touch as they are.
void writeUnlessShown(int offset, int capacity, const QString& text)
{
    if (DigitFieldText(offset, capacity) != text)
        WriteDtmfField(offset, capacity, text);
}

struct GridDialog : EditorDialog {
    explicit GridDialog(bool writeOnCancel)
    {
        grid = new DigitGrid(*this, TestFields,
                             {.format = {.read = DigitFieldText, .write = writeUnlessShown},
                              .rowsPerColumn = 2,
                              .groupTitle = QStringLiteral("Group"),
                              .groupCaptions = {QStringLiteral("1-3"), QStringLiteral("4-6")},
                              .writeOnCancel = writeOnCancel});
    }
    void Form_Activate() override { grid->Display(); }
    DigitGrid* grid = nullptr;
};

} // namespace

TEST(DigitGrid, GroupsShowTheirRowsAndEachEntryIsWrittenAtOnce)
{
    platform::doubles::ScriptedServices s;
    ScriptedKeyPad keys;
    FillImagePattern(31);
    PutImage(100, {2, 1, 2, 0, 0});       // entry 1: "12"
    PutImage(115, {3, 11, 10, 9, 0});     // entry 4: "*09"
    PutImage(120, {6, 1, 1, 1, 1});       // entry 5: count beyond the capacity
    Bytes expected = Snapshot();

    GridDialog dialog(false);
    dialog.show();
    ASSERT_NE(dialog.grid->groupFrame, nullptr);
    EXPECT_EQ(dialog.grid->groupFrame->title(), "Group");
    EXPECT_EQ(dialog.grid->fieldLabels[0]->text(), "12");
    EXPECT_EQ(dialog.grid->captionLabels[2]->text(), "3");

    QTest::mouseClick(dialog.grid->groupOptions[1], Qt::LeftButton);
    EXPECT_EQ(dialog.grid->group(), 1);
    EXPECT_EQ(dialog.grid->captionLabels[0]->text(), "4");
    EXPECT_EQ(dialog.grid->fieldLabels[0]->text(), "*09");
    EXPECT_EQ(dialog.grid->fieldLabels[1]->text(), "1111");
    EXPECT_EQ(dialog.grid->fieldLabels[2]->text(), "") << "a row without a record shows empty";

    keys.accept("7*");
    keys.cancel();
    keys.accept("55");
    QTest::mouseClick(dialog.grid->fieldLabels[0], Qt::LeftButton);
    QTest::mouseClick(dialog.grid->fieldLabels[1], Qt::LeftButton);
    QTest::mouseClick(dialog.grid->fieldLabels[2], Qt::LeftButton);
    ASSERT_EQ(keys.requests.size(), 3u);
    EXPECT_EQ(keys.requests[0].mode, KeyPadKeys::DigitsAndStar);
    EXPECT_EQ(keys.requests[0].maxLen, 4);
    EXPECT_EQ(keys.requests[0].heading, "Entry 4");
    EXPECT_EQ(keys.requests[0].initial, "*09");
    Put(expected, 115, {2, 7, 11, 0, 0});
    EXPECT_TRUE(ImageEquals(expected)) << "the cancelled entry and the row without a record write nothing";
    EXPECT_EQ(dialog.grid->fieldLabels[2]->text(), "55");
}

TEST(DigitGrid, WriteOnCancelAndAWholeGroupHook)
{
    platform::doubles::ScriptedServices s;
    ScriptedKeyPad keys;
    FillImagePattern(32);
    PutImage(100, {9, 1, 2, 3, 4});       // entry 1 shows "1234", count 9
    PutImage(105, {1, 5, 0, 0, 0});       // entry 2 shows "5"
    Bytes expected = Snapshot();

    GridDialog dialog(true);
    int entries = 0;
    dialog.grid->onEntry = [&](int) {
        ++entries;
        dialog.grid->Save();
    };
    dialog.show();
    keys.cancel();
    QTest::mouseClick(dialog.grid->fieldLabels[1], Qt::LeftButton);
    EXPECT_EQ(entries, 1);
    EXPECT_TRUE(ImageEquals(expected)) << "texts left as they show keep their bytes";

    keys.accept("");
    QTest::mouseClick(dialog.grid->fieldLabels[1], Qt::LeftButton);
    Put(expected, 105, {0, 0, 0, 0, 0});
    EXPECT_TRUE(ImageEquals(expected));
    dialog.grid->Group_Click(0);   // the group shown: nothing happens
    EXPECT_EQ(dialog.grid->fieldLabels[1]->text(), "");
}

TEST(DigitGrid, HeadingsAndASecondClickableLabelPerRow)
{
    platform::doubles::ScriptedServices s;
    ScriptedKeyPad keys;
    EditorDialog owner;
    DigitGrid grid(owner, TestFields,
                   {.format = {.read = DigitFieldText, .write = writeUnlessShown},
                    .rowsPerColumn = 3,
                    .headings = {QStringLiteral("Telephone Number"), QStringLiteral("Identification")},
                    .extraColumn = true});
    ASSERT_EQ(grid.extraLabels.size(), 3u);
    ASSERT_EQ(grid.headingLabels.size(), 2u);
    EXPECT_EQ(grid.headingLabels[1]->text(), "Identification");
    std::vector<int> clicked;
    grid.onExtraClick = [&clicked](int row) { clicked.push_back(row); };
    owner.show();
    QTest::mouseClick(grid.extraLabels[2], Qt::LeftButton);
    EXPECT_EQ(clicked, std::vector<int>{2});
    EXPECT_TRUE(keys.requests.empty()) << "the second label asks no keypad";
}
