#include "quillonedit/editors/frmFreqDis.h"
#include "quillonedit/editors/frmFreqSet.h"
#include "tests/support/ImageFixture.h"
#include "tests/support/ModalEditor.h"

#include "platform/testing/ScriptedServices.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace quillon;
using namespace quillon::testing;

namespace {

class FrequencyDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        FillImagePattern(17);
        list.show();
    }
    void TearDown() override { resetImage(); }

    // Clicks the frequency of `row` and runs `work` on the editor it opens; an editor left open
    // is closed by its close box. False when no editor opened.
    bool Edit(int row, const std::function<void(frmFreqSet&)>& work)
    {
        const bool opened = ClickAndEdit(list.lblF[static_cast<std::size_t>(row)], work);
        QCoreApplication::processEvents();
        return opened;
    }

    void Step(FreqPictureCell* cell, int times = 1, bool ctrl = false)
    {
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(cell, Qt::LeftButton, ctrl ? Qt::ControlModifier : Qt::NoModifier);
    }

    void ConfirmAfterArming(frmFreqSet& editor)
    {
        s.clock.advance(kFreqArmingMs);
        editor.cmdOK->click();
    }

    static std::vector<int> Glyphs(const std::array<FreqPictureCell*, 6>& cells)
    {
        std::vector<int> out;
        for (auto* cell : cells)
            out.push_back(cell->glyph());
        return out;
    }

    QStringList Row(int r) const
    {
        const auto k = static_cast<std::size_t>(r);
        return {list.lblA[k]->text(), list.lblF[k]->text(), list.lblO[k]->text(), list.lblPower[k]->text(),
                list.lblPL[k]->text()};
    }

    platform::doubles::ScriptedServices s;
    frmFreqDis list;
};

} // namespace

TEST_F(FrequencyDialogs, ListShowsGroupsOfTenRows)
{
    PutImage(18440, {0xD2, 0x86, 0x52, 0x4C, 0, 0});
    PutImage(18446, {0x00, 0x86, 0x52, 0x4C, 7, 7});   // empty whatever follows byte +0
    PutImage(18674, {0xCC, 0xE0, 0x52, 0x00, 0, 0});
    list.DisplayFreq(list.FreqGroup);
    EXPECT_EQ(list.windowTitle(), "Remote Base Frequencies");
    EXPECT_EQ(list.helpContextID(), 905);
    EXPECT_EQ(Row(0), (QStringList{"1", "146.520", "Minus", "High", "100.0"}));
    EXPECT_EQ(Row(1), (QStringList{"2", "", "", "", ""}));

    QTest::mouseClick(list.optSel[3], Qt::LeftButton);
    EXPECT_EQ(list.FreqGroupOffset, 18620);
    EXPECT_EQ(list.FreqGroupFirst, 31);
    EXPECT_EQ(Row(9), (QStringList{"40", "52.525", "Simplex", "Low", "No CTCSS"}));
    list.lblF[9]->setText("x");
    QTest::mouseClick(list.optSel[3], Qt::LeftButton);   // the shown group: no redraw
    EXPECT_EQ(list.lblF[9]->text(), "x");
    EXPECT_EQ(FrequencyPositionCaption(40), "Frequency Position No.  40");
}

// From an empty row to 146.520 Minus High 100.0 by clicks alone: stepping up and, with Ctrl,
// down; OK is ignored until half a second has passed on the clock.
TEST_F(FrequencyDialogs, SettingAFrequencyFromAnEmptyRow)
{
    PutImage(18500, {0x00, 0x35, 0x99, 0x4C, 1, 2});
    Bytes expected = Snapshot();
    Put(expected, 18500, {0xD2, 0x86, 0x52, 0x4C, 0, 0});
    QTest::mouseClick(list.optSel[1], Qt::LeftButton);

    const bool opened = Edit(0, [&](frmFreqSet& e) {
        EXPECT_EQ(e.windowTitle(), "Frequency Position No.  11");
        EXPECT_TRUE(e.chkErase->isChecked());
        for (QGroupBox* frame : {e.Frame1, e.Frame2, e.Frame3, e.Frame4, e.Frame5})
            EXPECT_FALSE(frame->isVisible());

        e.chkErase->click();
        EXPECT_TRUE(e.Frame3->isVisible());
        EXPECT_EQ(Glyphs(e.Image1), (std::vector<int>{4, 3, 0, 0, 0, 0}));
        EXPECT_TRUE(e.optOffset[0]->isChecked());
        EXPECT_TRUE(e.optPower[0]->isChecked());
        EXPECT_TRUE(e.OptPL[0]->isChecked());
        EXPECT_FALSE(e.Img3[0]->isVisible());

        Step(e.Image1[1], 1, true);                        // 43 down to 13
        EXPECT_EQ(Glyphs(e.Image1), (std::vector<int>{1, 3, 0, 0, 0, 0}));
        Step(e.Image1[0], 3);                              // 13 up to 43, 125, 14
        EXPECT_EQ(Glyphs(e.Image1), (std::vector<int>{1, 4, 0, 0, 0, 0}));
        Step(e.Image1[2], 4, true);                        // MHz 0 down to 6
        Step(e.Image1[3], 5);
        Step(e.Image1[4], 8, true);                        // 0 down to 2
        Step(e.Image1[5], 2, true);                        // the 5 toggles with Ctrl too
        EXPECT_EQ(Glyphs(e.Image1), (std::vector<int>{1, 4, 6, 5, 2, 0}));
        e.optPower[1]->click();

        e.OptPL[1]->click();                               // no tone yet: 67.0
        EXPECT_TRUE(e.Img3[0]->isVisible());
        EXPECT_EQ(e.Img3[0]->glyph(), kGlyphBlank);
        EXPECT_EQ(e.Img3[1]->glyph(), 6);
        Step(e.Img3[2], 1, true);                          // 67.0 down to 250.3
        EXPECT_EQ(e.Img3[0]->glyph(), 2);
        EXPECT_EQ(e.Img3[3]->glyph(), 3);
        Step(e.Img3[0], 12);                               // up past 250.3 to 67.0, then to 100.0
        e.OptPL[0]->click();
        e.OptPL[1]->click();                               // Off and On again keep the tone
        EXPECT_EQ(e.Img3[0]->glyph(), 1);

        e.cmdOK->click();                                  // at once: ignored
        s.clock.advance(kFreqArmingMs - 1);
        e.cmdOK->click();
        EXPECT_TRUE(e.isVisible());
        EXPECT_TRUE(ImageEquals(Snapshot()));              // nothing written before OK
        s.clock.advance(1);
        e.cmdOK->click();
        EXPECT_FALSE(e.isVisible());
    });
    ASSERT_TRUE(opened);
    EXPECT_TRUE(ImageEquals(expected));
    EXPECT_EQ(Row(0), (QStringList{"11", "146.520", "Minus", "High", "100.0"}));
}

// The erase box decides what OK writes, whatever the hidden controls hold.
TEST_F(FrequencyDialogs, EraseBoxDecidesWhatOKWrites)
{
    struct Case {
        std::vector<int> bytes;
        bool tick;   // click the box before OK
        std::vector<int> written;
    };
    const Case cases[] = {
        {{0x00, 0xF5, 0x52, 0x41, 3, 3}, false, {0, 0, 0, 0, 0, 0}},           // empty row, box left ticked
        {{0xF1, 0xF5, 0x52, 0x00, 3, 3}, true, {0, 0, 0, 0, 0, 0}},            // ticked on a full row
        {{0xF1, 0xF5, 0x52, 0x00, 3, 3}, false, {0xF1, 0xF5, 0x52, 0, 0, 0}},  // unchanged, spare bytes cleared
    };
    for (const Case& c : cases) {
        PutImage(18452, c.bytes);
        Bytes expected = Snapshot();
        Put(expected, 18452, c.written);
        ASSERT_TRUE(Edit(2, [&](frmFreqSet& e) {
            if (c.tick) {
                e.chkErase->click();
                EXPECT_FALSE(e.Frame1->isVisible());
                e.chkErase->click();
                EXPECT_TRUE(e.Frame1->isVisible());
                e.chkErase->click();
            }
            ConfirmAfterArming(e);
        }));
        EXPECT_TRUE(ImageEquals(expected)) << c.bytes[0] << (c.tick ? " ticked" : "");
    }
}

// Leaving a band that allows "Minus 20": bands 43/14/22/44 fall back to Simplex, 42..13 keep it
// but disabled, and OK stores what is selected. Power "Same" stores 3.
TEST_F(FrequencyDialogs, MinusTwentyAcrossBandsAndPowerSame)
{
    struct Case {
        std::vector<int> bytes;
        int cell;
        bool ctrl;
        bool simplex;            // "Minus 20" gave way to Simplex
        std::vector<int> written;
    };
    const Case cases[] = {
        {{0xC1, 0xB5, 0x52, 0, 0, 0}, 0, false, true, {0xF2, 0xA5, 0x52, 0, 0, 0}},   // 125 up to 14
        {{0xC5, 0xB5, 0x52, 0, 0, 0}, 1, true, true, {0xF4, 0xA5, 0x52, 0, 0, 0}},    // 127 down to 44
        {{0xC9, 0xB5, 0x52, 0, 0, 0}, 0, false, false, {0xFA, 0xB5, 0x52, 0, 0, 0}},  // 124 up to 42
    };
    for (const Case& c : cases) {
        PutImage(18458, c.bytes);
        Bytes expected = Snapshot();
        Put(expected, 18458, c.written);
        ASSERT_TRUE(Edit(3, [&](frmFreqSet& e) {
            EXPECT_TRUE(e.optOffset[3]->isChecked());
            EXPECT_TRUE(e.optOffset[3]->isEnabled());
            Step(e.Image1[static_cast<std::size_t>(c.cell)], 1, c.ctrl);
            EXPECT_FALSE(e.optOffset[3]->isEnabled());
            EXPECT_EQ(e.optOffset[2]->isChecked(), c.simplex);
            EXPECT_EQ(e.optOffset[3]->isChecked(), !c.simplex);
            e.optPower[3]->click();
            ConfirmAfterArming(e);
        }));
        EXPECT_TRUE(ImageEquals(expected)) << c.bytes[0];
    }
    EXPECT_EQ(Row(3)[3], "No Change");
}

// Each edit starts from its own entry: the close box leaves entry A as it was, and OK on entry B
// writes B back unchanged, its hidden MHz nibble and tone included, whatever A held.
TEST_F(FrequencyDialogs, EditsNeverCarryOverBetweenEntries)
{
    PutImage(18464, {0xCD, 0xC7, 0x29, 0x4C, 0, 0});   // A: 28.295, hidden nibble 7, tone 12
    PutImage(18470, {0xCC, 0xE3, 0x52, 0x00, 0, 0});   // B: 52.525, hidden nibble 3, no CTCSS
    const Bytes before = Snapshot();
    ASSERT_TRUE(Edit(4, [&](frmFreqSet& e) {
        EXPECT_EQ(Glyphs(e.Image1), (std::vector<int>{0, 2, 8, 2, 9, 5}));
        Step(e.Image1[2]);                                // no MHz digit to step for 28
        EXPECT_EQ(Glyphs(e.Image1), (std::vector<int>{0, 2, 8, 2, 9, 5}));
        Step(e.Image1[0]);
        Step(e.Img3[1], 5);
        e.optPower[2]->click();
        s.clock.advance(kFreqArmingMs);                   // then the close box
    }));
    EXPECT_TRUE(ImageEquals(before));
    ASSERT_TRUE(Edit(5, [&](frmFreqSet& e) {
        EXPECT_TRUE(e.OptPL[0]->isChecked());
        ConfirmAfterArming(e);
    }));
    EXPECT_TRUE(ImageEquals(before));
}

// Bands 52 and 28 neither show nor step the MHz nibble, so an unchanged OK gives it back as stored,
// even above 9; only a band that shows the digit has it brought into 0..9.
TEST_F(FrequencyDialogs, HiddenNibbleOfBands52And28SurvivesAnUnchangedOK)
{
    PutImage(18440, {0xCC, 0x8F, 0x99, 0x00, 0, 0});   // 52.990, nibble F
    PutImage(18446, {0xCD, 0xFA, 0x29, 0x4C, 0, 0});   // 28.295 Minus 20, nibble A
    PutImage(18452, {0xCD, 0x8F, 0x29, 0x00, 0, 0});   // 28.290, nibble F
    list.DisplayFreq(0);
    Bytes expected = Snapshot();
    ASSERT_TRUE(Edit(0, [&](frmFreqSet& e) { ConfirmAfterArming(e); }));
    ASSERT_TRUE(Edit(1, [&](frmFreqSet& e) { ConfirmAfterArming(e); }));
    EXPECT_TRUE(ImageEquals(expected));

    ASSERT_TRUE(Edit(2, [&](frmFreqSet& e) {
        Step(e.Image1[0]);                                // 28 -> 13: the digit shows, clamped
        EXPECT_EQ(Glyphs(e.Image1), (std::vector<int>{1, 3, 9, 2, 9, 0}));
        ConfirmAfterArming(e);
    }));
    Put(expected, 18452, {0xCE, 0x89});
    EXPECT_TRUE(ImageEquals(expected));
}

// Rows the editor never writes: band 15 opens nothing; tone 50 and letters in the decimals open
// clamped; nothing is written before OK.
TEST_F(FrequencyDialogs, OddRowsOpenWithoutWriting)
{
    PutImage(18476, {0xDF, 0x86, 0x52, 0x4C, 0, 0});   // band 15: "6.520"
    PutImage(18482, {0xD2, 0x86, 0x5A, 0x72, 0, 0});   // 146.5A0, tone 50
    const Bytes before = Snapshot();
    list.DisplayFreq(0);
    EXPECT_EQ(Row(6)[1], "6.520");
    EXPECT_FALSE(Edit(6, [](frmFreqSet&) {}));
    EXPECT_TRUE(ImageEquals(before));

    ASSERT_TRUE(Edit(7, [&](frmFreqSet& e) {
        EXPECT_EQ(Glyphs(e.Image1), (std::vector<int>{1, 4, 6, 5, 9, 0}));
        EXPECT_EQ(e.Img3[0]->glyph(), 2);                 // 250.3
        EXPECT_EQ(e.Img3[3]->glyph(), 3);
        Step(e.Image1[4]);                                // stepping wraps from the clamped 9
        EXPECT_EQ(e.Image1[4]->glyph(), 0);
        Step(e.Img3[0]);
        EXPECT_EQ(e.Img3[1]->glyph(), 6);
    }));
    EXPECT_TRUE(ImageEquals(before));
}
