// Macro rows, headings and command meanings; the command-word writer; the hardware inputs.
#include "quillonedit/image/Codec.h"
#include "quillonedit/image/HardwareInputs.h"
#include "quillonedit/image/ImageMap.h"
#include "quillonedit/image/Macros.h"
#include "quillonedit/tables/Tables.h"

#include "tests/support/ImageFixture.h"

#include <gtest/gtest.h>

using namespace quillon;
using namespace quillon::testing;

namespace {

class MacroArea : public ::testing::Test {
protected:
    void SetUp() override
    {
        FillAllTables();
        FillImageRamp();
    }
    void TearDown() override
    {
        resetImage();
        ResetTables();
    }
};

std::array<QString, 10> commandsOf(std::initializer_list<const char*> texts)
{
    std::array<QString, 10> out;
    std::size_t i = 0;
    for (const char* t : texts)
        out[i++] = QString::fromLatin1(t);
    return out;
}

TEST_F(MacroArea, NumbersHeadingsAndCaptions)
{
    struct Case {
        int page, row, number;
        const char *code, *command, *review;
    };
    const Case cases[] = {
        {0, 0, 1, "Macro Code 1", "Macro Command 1", "Macro  1  Review"},
        {2, 4, 25, "Macro Code 25", "Macro Command 25", "Macro  25  Review"},
        {3, 9, 40, "Macro Code 40", "Macro Command 40", "Macro  40  Review"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MacroNumber(c.page, c.row), c.number);
        EXPECT_EQ(MacroCodeHeading(c.page, c.row), c.code);
        EXPECT_EQ(MacroCommandHeading(c.page, c.row), c.command);
        EXPECT_EQ(MacroReviewCaption(c.page, c.row), c.review);
    }
    EXPECT_EQ(Str(5), " 5");
}

TEST_F(MacroArea, PageRowsAndTheMeaningsOfABlankRow)
{
    // Macro 25 (page 2, row 4) has no code but ten stored commands; macro 26 has a code.
    PutImage(17112, {0, 1, 2, 3, 4, 5, 6, 7, 0x12, 0x50, 0x00, 0x00, 0x10, 0x9A, 0x10, 0x92, 0x31, 0x11,
                     0x03, 0x70, 0x05, 0x30, 0x00, 0x20, 0x01, 0x20, 0x1A, 0x50});
    PutImage(17140, {3, 11, 1, 0x1A, 9, 9, 9, 9, 0x12, 0x50, 0x0A, 0x05});
    const std::array<MacroRowTexts, 10> rows = MacroPageRows(2);
    EXPECT_EQ(rows[4], MacroRowTexts{});
    EXPECT_EQ(rows[5].code, "*10");
    EXPECT_EQ(rows[5].commands[0], "5012");
    EXPECT_EQ(rows[5].commands[1], "05A");
    EXPECT_EQ(rows[3], DecodeMacroLine(17084));
    const std::array<QString, 10> meanings = MacroCommandMeanings(25);
    EXPECT_EQ(meanings, commandsOf({"Execute Macro 12", "No Command", "Invalid Entry", "A", "DTMF Access ON",
                                    "Link Reset ", "Play Voice Message 5", "Send Time Of Day", "Invalid Entry",
                                    "Execute Macro 1A"}));
    EXPECT_THROW(MacroPageRows(4), std::out_of_range);
    EXPECT_THROW(MacroCommandMeanings(41), std::out_of_range);
}

TEST_F(MacroArea, CommandWordWriterKeepsOnlyAnUnchangedCommandThatIsNotBcd)
{
    struct Case {
        int argument, command;
        const char* text;
        int wantArgument, wantCommand;
    };
    const Case cases[] = {
        {0x12, 0x50, "5012", 0x12, 0x50},   // BCD, unchanged
        {0x12, 0x50, "0307", 0x07, 0x03},   // BCD, changed
        {0x12, 0x50, "", 0x00, 0x00},       // cleared
        {0x10, 0x9A, "9A10", 0x10, 0x9A},   // not BCD, unchanged: kept
        {0x05, 0x0A, "A05", 0x05, 0x0A},    // a single-letter byte, unchanged: kept
        {0x10, 0x9A, "9010", 0x10, 0x90},   // not BCD, retyped
        {0x10, 0x9A, "", 0x00, 0x00},       // not BCD, cleared
        {0xFF, 0xFF, "FFFF", 0xFF, 0xFF},
    };
    for (const Case& c : cases) {
        FillImageRamp();
        PutImage(18000, {c.argument, c.command});
        Bytes expected = image().bytes();
        Put(expected, 18000, {c.wantArgument, c.wantCommand});
        WriteCommandWord(18000, c.text);
        EXPECT_TRUE(SameBytes(expected, image().bytes())) << c.text;
    }
}

TEST_F(MacroArea, SavingARowKeepsItsUnchangedCommandThatIsNotBcd)
{
    // Macro 25: command 1 is 9A10; the user edits command 2 (mode 1), then OK saves the page
    // (mode 0). 9A10 survives both; everything else of the page is written as shown.
    for (int i = 17000; i < 17280; ++i)
        image().set(i, 0);
    PutImage(17112, {2, 2, 5, 0, 0, 0, 0, 0, 0x10, 0x9A, 0x12, 0x50, 0x31, 0x11});
    std::array<MacroRowTexts, 10> rows = MacroPageRows(2);
    ASSERT_EQ(rows[4].commands[0], "9A10");
    rows[4].commands[1] = "6005";
    Bytes expected = image().bytes();
    Put(expected, 17112, {2, 2, 5, 0, 0, 0, 0, 0, 0x10, 0x9A, 0x05, 0x60, 0x31, 0x11});

    SaveMacros(2, 1, 4, rows);
    EXPECT_TRUE(SameBytes(expected, image().bytes()));
    SaveMacros(2, 0, 0, rows);
    EXPECT_TRUE(SameBytes(expected, image().bytes()));
    EXPECT_EQ(MacroCommandMeanings(25)[1], "Time Delay For 5 Seconds");
}

TEST_F(MacroArea, ACodeEnteredInABlankRowStoresTenEmptyCommands)
{
    // The row showed blank, so its commands are empty texts: the hidden commands go.
    PutImage(16440, {0, 0, 0, 0, 0, 0, 0, 0, 0x10, 0x9A, 0x12, 0x50});
    std::array<MacroRowTexts, 10> rows = MacroPageRows(0);
    rows[0].code = "*1";
    Bytes expected = image().bytes();
    Put(expected, 16440, {2, 11, 1, 0, 0, 0, 0, 0});
    for (int i = 8; i < 28; ++i)
        expected[static_cast<std::size_t>(16440 + i)] = 0;
    SaveMacros(0, 1, 0, rows);
    EXPECT_TRUE(SameBytes(expected, image().bytes()));
    EXPECT_EQ(MacroPageRows(0)[0].commands[9], "0000");
}

TEST_F(MacroArea, HardwareInputsShowAndWriteAllEight)
{
    resetImage();
    for (int n = 1; n <= 8; ++n)
        EXPECT_EQ(HardwareInputTitle(n), QStringLiteral("Input #%1").arg(n));
    std::array<QString, 8> codes = HardwareInputCodes();
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(codes[i], "0000");
        EXPECT_EQ(HardwareInputMeanings()[i], "No Command");
    }

    // Input 3 gets 5012, input 8 is cleared, input 5 holds 9A10 and input 6 99C1 untouched.
    FillImageRamp();
    PutImage(18768, {0x10, 0x9A, 0xC1, 0x99});
    codes = HardwareInputCodes();
    ASSERT_EQ(codes[4], "9A10");
    codes[2] = "5012";
    codes[7] = "";
    Bytes expected = image().bytes();
    // Every input is rewritten as shown: pattern bytes that are BCD stay, the others too when
    // still shown as stored.
    Put(expected, 18764, {0x12, 0x50});
    Put(expected, 18774, {0x00, 0x00});
    SaveHardwareInputs(codes);
    EXPECT_TRUE(SameBytes(expected, image().bytes()));
    EXPECT_EQ(HardwareInputMeanings()[2], "Execute Macro 12");
    EXPECT_EQ(HardwareInputMeanings()[4], "Invalid Entry");

    // Retyped, a letter counts as 0, as the packing always did.
    codes[4] = "9010";
    SaveHardwareInputs(codes);
    Put(expected, 18768, {0x10, 0x90});
    EXPECT_TRUE(SameBytes(expected, image().bytes()));
    EXPECT_EQ(HardwareInputMeanings()[4], "10");
    EXPECT_EQ(HardwareInputOffset(8), 18774);
    EXPECT_THROW(HardwareInputOffset(9), std::out_of_range);
}

} // namespace
