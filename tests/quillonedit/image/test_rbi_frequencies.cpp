#include "quillonedit/image/RbiFrequencies.h"
#include "quillonedit/image/ControllerImage.h"
#include "quillonedit/image/ImageMap.h"

#include "tests/support/ImageFixture.h"

#include <gtest/gtest.h>

using namespace quillon;
using namespace quillon::testing;

namespace {

class RbiFrequencies : public ::testing::Test {
protected:
    void SetUp() override { FillImageRamp(); }
    void TearDown() override { resetImage(); }
};

FrequencyEditState State(int band, int mhz, int d100k, int d10k, int five, int txOffset, int power, int tone, bool on)
{
    FrequencyEditState s;
    s.FreqEditBand = band;
    s.FreqEditMHz = mhz;
    s.FreqEditDigit100k = d100k;
    s.FreqEditDigit10k = d10k;
    s.FreqEditFive = five;
    s.FreqEditTxOffset = txOffset;
    s.FreqEditPower = power;
    s.FreqEditTone = tone;
    s.FreqEditToneOn = on;
    return s;
}

std::string RowStr(const FrequencyRowTexts& r)
{
    return (r.frequency + "|" + r.offset + "|" + r.power + "|" + r.ctcss).toStdString();
}

// The three entries every part of the program must agree on, read and written both ways.
TEST_F(RbiFrequencies, WorkedExamplesBothWays)
{
    struct Case {
        std::vector<int> bytes;
        FrequencyEditState state;
        FrequencyRowTexts texts;
    };
    const Case cases[] = {
        {{0xD2, 0x86, 0x52, 0x4C, 0, 0}, State(2, 6, 5, 2, 0, 1, 1, 12, true), {"146.520", "Minus", "High", "100.0"}},
        {{0xF1, 0xF5, 0x52, 0, 0, 0}, State(1, 5, 5, 2, 1, 4, 3, 0, false), {"1255.525", "Minus 20", "No Change", "No CTCSS"}},
        {{0xCC, 0xE0, 0x52, 0, 0, 0}, State(12, 0, 5, 2, 1, 3, 0, 0, false), {"52.525", "Simplex", "Low", "No CTCSS"}},
    };
    int entry = 7;
    for (const Case& c : cases) {
        const int offset = rbiFrequencyOffset(entry++);
        FrequencyEditState want = c.state;
        want.FreqEditOffset = offset;

        PutImage(offset, c.bytes);
        EXPECT_EQ(RowStr(DisplayFrequencyRow(offset)), RowStr(c.texts));
        EXPECT_EQ(FrequencyEditFromEntry(offset), want) << RowStr(c.texts);

        FillImageRamp();
        Bytes expected = image().bytes();
        Put(expected, offset, c.bytes);
        SaveFrequencyEntry(want, false);
        EXPECT_TRUE(SameBytes(expected, image().bytes())) << RowStr(c.texts);
    }
}

// Every band, offset, power and tone code goes out through the row texts and comes back unchanged
// from the bytes; only the entry's six bytes change.
TEST_F(RbiFrequencies, EveryCodeSurvivesPackDisplayAndRead)
{
    Bytes expected = image().bytes();
    int n = 0;
    for (int band = 0; band < kRbiBandCount; ++band)
        for (int tx = 1; tx <= 4; ++tx)
            for (int power = 0; power < 4; ++power)
                for (int tone = 0; tone <= kCtcssToneCount; ++tone, ++n) {
                    FrequencyEditState s = State(band, n % 10, (n / 10) % 10, (n / 3) % 10, n % 2, tx, power, tone, tone != 0);
                    s.FreqEditOffset = rbiFrequencyOffset(n % 40);
                    const std::string what = "band " + std::to_string(band) + " tx " + std::to_string(tx) + " power "
                        + std::to_string(power) + " tone " + std::to_string(tone);

                    SaveFrequencyEntry(s, false);
                    const auto packed = PackFrequencyEntry(s, false);
                    for (int i = 0; i < 6; ++i)
                        expected[static_cast<std::size_t>(s.FreqEditOffset + i)] = packed[static_cast<std::size_t>(i)];
                    ASSERT_EQ(packed[0] & 0xC0, 0xC0) << what;
                    ASSERT_EQ(packed[1] & 0x80, 0x80) << what;
                    ASSERT_EQ(packed[4] | packed[5], 0) << what;

                    const FrequencyRowTexts row = DisplayFrequencyRow(s.FreqEditOffset);
                    EXPECT_EQ(row.offset, TxOffsetText(tx - 1)) << what;
                    EXPECT_EQ(row.power, PowerText(power)) << what;
                    EXPECT_EQ(row.ctcss, tone ? CtcssToneText(tone) : QString("No CTCSS")) << what;
                    ASSERT_EQ(FrequencyEditFromEntry(s.FreqEditOffset), s) << what;
                }
    EXPECT_TRUE(SameBytes(expected, image().bytes()));   // no write strayed outside its entry
}

TEST_F(RbiFrequencies, RowTextsOfOddAndEmptyEntries)
{
    struct Case {
        std::vector<int> bytes;
        const char* frequency;
        const char* ctcss;
    };
    const Case cases[] = {
        {{0x00, 0x86, 0x52, 0x4C, 9, 9}, "", ""},            // byte +0 = 0: empty whatever follows
        {{0xDC, 0xC7, 0x29, 0x00, 0, 0}, "52.295", "No CTCSS"},   // no MHz digit for 52 ...
        {{0xDD, 0xC7, 0x29, 0x40, 0, 0}, "28.295", ""},      // ... nor 28; CTCSS on with tone 0
        {{0xDF, 0x86, 0x52, 0x7F, 0, 0}, "6.520", ""},       // band 15 has no lead; tone 63
        {{0xD2, 0x8C, 0x52, 0x67, 0, 0}, "14.520", ""},      // MHz 12 drops out; tone 38 + 1
        {{0xD2, 0x86, 0xAF, 0x64, 0, 0}, "146.AF0", "233.6"},
        {{0xC9, 0x80, 0x00, 0x41, 0, 0}, "1240.000", "67.0"},
    };
    for (const Case& c : cases) {
        PutImage(kRbiFrequencies, c.bytes);
        const FrequencyRowTexts row = DisplayFrequencyRow(kRbiFrequencies);
        EXPECT_EQ(row.frequency, c.frequency);
        EXPECT_EQ(row.ctcss, c.ctcss) << c.frequency;
        EXPECT_EQ(row.frequency.isEmpty(), row.offset.isEmpty() && row.power.isEmpty());
    }
    EXPECT_EQ(rbiFrequencyOffset(39), 18674);
    EXPECT_THROW(rbiFrequencyOffset(40), std::out_of_range);
}

// The editor starts from the entry's own bytes; values it never writes come in clamped, band 15
// does not open it, and reading never writes.
TEST_F(RbiFrequencies, EditStateFromOddEntries)
{
    struct Case {
        std::vector<int> bytes;
        std::optional<FrequencyEditState> state;
    };
    FrequencyEditState empty;
    empty.FreqEditErased = true;
    const Case cases[] = {
        {{0x00, 0xF7, 0x52, 0x4C, 1, 1}, empty},
        {{0xCF, 0x86, 0x52, 0x4C, 0, 0}, std::nullopt},
        {{0xD2, 0x86, 0x52, 0x72, 0, 0}, State(2, 6, 5, 2, 0, 1, 1, 38, true)},   // tone 50
        {{0xD2, 0x86, 0x52, 0x40, 0, 0}, State(2, 6, 5, 2, 0, 1, 1, 0, true)},    // tone 0, on
        {{0xD2, 0x86, 0x52, 0x0C, 0, 0}, State(2, 6, 5, 2, 0, 1, 1, 0, false)},   // tone bits, off
        {{0xD2, 0x8C, 0xAF, 0x00, 0, 0}, State(2, 9, 9, 9, 0, 1, 1, 0, false)},   // nibbles above 9
        {{0xCD, 0x87, 0x29, 0x00, 0, 0}, State(13, 7, 2, 9, 0, 1, 0, 0, false)},  // hidden nibble of 28
    };
    for (const Case& c : cases) {
        PutImage(kRbiFrequencies + 60, c.bytes);
        const Bytes before = image().bytes();
        std::optional<FrequencyEditState> want = c.state;
        if (want)
            want->FreqEditOffset = kRbiFrequencies + 60;
        EXPECT_EQ(FrequencyEditFromEntry(kRbiFrequencies + 60), want) << c.bytes[0] << " " << c.bytes[3];
        EXPECT_TRUE(SameBytes(before, image().bytes()));
    }
}

TEST_F(RbiFrequencies, StepsWrapAndKeepTheirRanges)
{
    struct Case {
        FrequencyEditState before;
        int cell;   // 0..5 frequency cells, 6 the tone row
        bool down;
        FrequencyEditState after;
    };
    const auto S = [](int band, int mhz, int a, int b, int five, int tone) { return State(band, mhz, a, b, five, 1, 0, tone, true); };
    const Case cases[] = {
        {S(14, 3, 0, 0, 0, 1), 0, false, S(0, 3, 0, 0, 0, 1)},
        {S(0, 3, 0, 0, 0, 1), 1, true, S(14, 3, 0, 0, 0, 1)},
        {S(5, 3, 0, 0, 0, 1), 1, false, S(6, 3, 0, 0, 0, 1)},
        {S(2, 9, 0, 0, 0, 1), 2, false, S(2, 0, 0, 0, 0, 1)},
        {S(2, 0, 0, 0, 0, 1), 2, true, S(2, 9, 0, 0, 0, 1)},
        {S(12, 4, 0, 0, 0, 1), 2, false, S(12, 4, 0, 0, 0, 1)},   // 52 and 28: no MHz digit to step
        {S(13, 4, 0, 0, 0, 1), 2, true, S(13, 4, 0, 0, 0, 1)},
        {S(2, 6, 9, 0, 0, 1), 3, false, S(2, 6, 0, 0, 0, 1)},
        {S(2, 6, 5, 0, 0, 1), 4, true, S(2, 6, 5, 9, 0, 1)},
        {S(2, 6, 5, 2, 0, 1), 5, false, S(2, 6, 5, 2, 1, 1)},
        {S(2, 6, 5, 2, 1, 1), 5, true, S(2, 6, 5, 2, 0, 1)},      // Ctrl makes no difference
        {S(2, 6, 5, 2, 0, 38), 6, false, S(2, 6, 5, 2, 0, 1)},
        {S(2, 6, 5, 2, 0, 1), 6, true, S(2, 6, 5, 2, 0, 38)},
        {S(2, 6, 5, 2, 0, 12), 6, true, S(2, 6, 5, 2, 0, 11)},
        {S(2, 6, 5, 2, 0, 0), 6, false, S(2, 6, 5, 2, 0, 2)},     // tone 0 shows as tone 1
    };
    for (const Case& c : cases) {
        FrequencyEditState s = c.before;
        if (c.cell == 6)
            StepCtcssTone(s, c.down);
        else
            StepFrequencyCell(s, c.cell, c.down);
        EXPECT_EQ(s, c.after) << "cell " << c.cell << (c.down ? " down" : " up") << " band " << c.before.FreqEditBand;
    }
}

TEST_F(RbiFrequencies, PicturesAndTheMinusTwentyRule)
{
    struct Case {
        int band;
        std::array<int, 6> cells;   // with MHz 3, decimals 5 2, five set
        bool selectable;
        bool toSimplex;
    };
    const int P = kGlyph12;
    const Case cases[] = {
        {0, {4, 3, 3, 5, 2, 5}, false, true},   {1, {P, 5, 3, 5, 2, 5}, true, false},
        {2, {1, 4, 3, 5, 2, 5}, false, true},   {3, {2, 2, 3, 5, 2, 5}, false, true},
        {4, {4, 4, 3, 5, 2, 5}, false, true},   {5, {P, 7, 3, 5, 2, 5}, true, false},
        {6, {P, 8, 3, 5, 2, 5}, true, false},   {7, {P, 9, 3, 5, 2, 5}, true, false},
        {8, {P, 6, 3, 5, 2, 5}, true, false},   {9, {P, 4, 3, 5, 2, 5}, true, false},
        {10, {4, 2, 3, 5, 2, 5}, false, false}, {11, {9, 0, 3, 5, 2, 5}, false, false},
        {12, {0, 5, 2, 5, 2, 5}, false, false}, {13, {0, 2, 8, 5, 2, 5}, false, false},
        {14, {1, 3, 3, 5, 2, 5}, false, false},
    };
    for (const Case& c : cases) {
        FrequencyEditState s = State(c.band, 3, 5, 2, 1, 4, 0, 0, false);
        EXPECT_EQ(FrequencyGlyphs(s), c.cells) << c.band;
        EXPECT_EQ(MinusTwentySelectable(c.band), c.selectable) << c.band;
        EXPECT_EQ(ApplyMinusTwentyRule(s), c.toSimplex) << c.band;
        EXPECT_EQ(s.FreqEditTxOffset, c.toSimplex ? 3 : 4) << c.band;
    }
    const int B = kGlyphBlank;
    EXPECT_EQ(CtcssGlyphs(1), (std::array<int, 4>{B, 6, 7, 0}));
    EXPECT_EQ(CtcssGlyphs(36), (std::array<int, 4>{2, 3, 3, 6}));
    EXPECT_EQ(CtcssGlyphs(12), (std::array<int, 4>{1, 0, 0, 0}));
    EXPECT_FALSE(CtcssGlyphs(0));
    EXPECT_FALSE(CtcssGlyphs(39));
}

TEST_F(RbiFrequencies, ErasedAndSamePowerPacking)
{
    FrequencyEditState s = State(10, 1, 2, 3, 0, 4, 3, 5, false);
    s.FreqEditOffset = rbiFrequencyOffset(39);
    EXPECT_EQ(PackFrequencyEntry(s, false), (std::array<std::uint8_t, 6>{0xFA, 0xB1, 0x23, 0, 0, 0}));
    Bytes expected = image().bytes();
    Put(expected, 18674, {0, 0, 0, 0, 0, 0});
    SaveFrequencyEntry(s, true);
    EXPECT_TRUE(SameBytes(expected, image().bytes()));
}

} // namespace
