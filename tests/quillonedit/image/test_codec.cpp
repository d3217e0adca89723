#include "quillonedit/image/Codec.h"
#include "quillonedit/image/ImageMap.h"

#include "tests/support/ImageFixture.h"

#include <gtest/gtest.h>

using namespace quillon;
using namespace quillon::testing;

namespace {

class Codec : public ::testing::Test {
protected:
    void SetUp() override { FillImageRamp(); }
    void TearDown() override { resetImage(); }
};

struct DecodeCase {
    std::vector<int> field;
    int maxIn;
    const char* text;
    int maxOut;
};

TEST_F(Codec, DecodeDtmfStringClipsToCountAndMaximum)
{
    const DecodeCase cases[] = {
        {{3, 1, 10, 11, 0, 0, 0, 0}, 7, "10*", 3},
        {{3, 1, 10, 11, 0, 0, 0, 0}, 2, "10", 2},
        {{0, 5, 5, 5, 5, 5, 5, 5}, 7, "", 0},
        {{9, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 7, "1234567", 7},
        {{2, 0x1A, 0x00}, 7, "0D", 2},                         // high bits ignored; 0 is "D"
        {{7, 12, 13, 14, 15, 0xFB, 0x2C, 10}, 7, "#ABC*#0", 7},
        {{4, 1, 2, 3, 4}, 0, "", 0},
        {{4, 1, 2, 3, 4}, -1, "", -1},
        {{12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, 12, "1234567890*#", 12},
    };
    for (const auto& c : cases) {
        FillImageRamp();
        PutImage(17720, c.field);
        int maxLen = c.maxIn;
        EXPECT_EQ(DecodeDtmfString(17720, maxLen), QString::fromLatin1(c.text)) << c.text;
        EXPECT_EQ(maxLen, c.maxOut) << c.text;
    }
}

TEST(CodecText, DtmfCharToCode)
{
    const std::pair<QString, int> cases[] = {
        {"1", 1},  {"2", 2},  {"3", 3}, {"4", 4}, {"5", 5},   {"6", 6},   {"7", 7},  {"8", 8},
        {"9", 9},  {"0", 10}, {"*", 11}, {"#", 12}, {"A", 13}, {"B", 14}, {"C", 15}, {"D", 0},
        {"", 0},   {"a", 0},  {",", 0}, {"12", 0}, {"c", 0},  {" ", 0},   {"A ", 0},
    };
    for (const auto& [text, code] : cases)
        EXPECT_EQ(DtmfCharToCode(text), code) << text.toStdString();
}

TEST(CodecText, DigitPairToBcd)
{
    const std::pair<QString, int> cases[] = {
        {"47", 0x47}, {"90", 0x90}, {"05", 0x05}, {"0", 0x00}, {"5", 0x55}, {"*#", 0x00},
        {"A1", 0x01}, {"", 0x00},   {"1D", 0x10}, {"9999", 0x99}, {"1234", 0x14}, {"C7", 0x07},
    };
    for (const auto& [text, bcd] : cases)
        EXPECT_EQ(DigitPairToBcd(text), bcd) << text.toStdString();
}

TEST_F(Codec, DecodeThreeDigits)
{
    const std::pair<std::vector<int>, const char*> cases[] = {
        {{0, 5, 5}, ""}, {{3, 10, 5}, "305"}, {{3, 0, 5}, "305"}, {{12, 1, 1}, "011"},
        {{9, 9, 9}, "999"}, {{1, 255, 10}, "100"},
    };
    for (const auto& [bytes, text] : cases) {
        PutImage(18380, bytes);
        EXPECT_EQ(DecodeThreeDigits(18380), QString::fromLatin1(text)) << text;
    }
}

TEST(CodecText, CodeAndTimerNames)
{
    const std::tuple<int, const char*, const char*> cases[] = {
        {0, "Control Op Prefix", "Repeater Time-Out"},
        {3, "DTMF Generator Prefix", "COR Drop To Beep"},
        {9, "User Function Switch", "Voice Delay."},
        {10, "Serial Card #1 Prefix", "Autopatch Length"},
        {12, "Autopatch Prefix", "DTMF Pre-window"},
        {14, "User SD Block #1", "Programming Max Length"},
        {18, "Voice Prefix", "Link Auto Disconnect"},
        {19, "DVR Prefix", ""},
        {24, "DTMF Paging", ""},
        {25, "", ""},
        {-1, "", ""},
    };
    for (const auto& [index, code, timer] : cases) {
        EXPECT_EQ(GetCodeName(index), QString::fromLatin1(code)) << index;
        EXPECT_EQ(GetTimerName(index), QString::fromLatin1(timer)) << index;
    }
}

TEST_F(Codec, SaveCodesWritesTheRecordsOfTheChosenMemoryOnly)
{
    // Memory save 3 owns 7380..7579; only its records may change.
    std::array<QString, 25> texts;
    texts[0] = "12";
    texts[1] = "";
    texts[2] = "*#ABC09";
    texts[24] = "1234567";
    for (int k = 3; k < 24; ++k)
        texts[static_cast<std::size_t>(k)] = QString::number(k);
    Bytes expected = image().bytes();
    Put(expected, 7380, {2, 1, 2, 0, 0, 0, 0, 0});
    Put(expected, 7388, {0, 0, 0, 0, 0, 0, 0, 0});
    Put(expected, 7396, {7, 11, 12, 13, 14, 15, 10, 9});
    for (int k = 3; k < 10; ++k)
        Put(expected, 7380 + 8 * k, {1, k, 0, 0, 0, 0, 0, 0});
    for (int k = 10; k < 24; ++k)
        Put(expected, 7380 + 8 * k, {2, k / 10, k % 10 == 0 ? 10 : k % 10, 0, 0, 0, 0, 0});
    Put(expected, 7380 + 192, {7, 1, 2, 3, 4, 5, 6, 7});

    SaveCodes(3, texts);
    EXPECT_TRUE(SameBytes(expected, image().bytes()));
}

TEST_F(Codec, SaveCodesOfTheBaseSetStartsAt13656)
{
    std::array<QString, 25> texts;
    texts[0] = "9";
    Bytes expected = image().bytes();
    for (int k = 0; k < 25; ++k)
        Put(expected, 13656 + 8 * k, {0, 0, 0, 0, 0, 0, 0, 0});
    Put(expected, 13656, {1, 9, 0, 0, 0, 0, 0, 0});
    SaveCodes(0, texts);
    EXPECT_TRUE(SameBytes(expected, image().bytes()));
}

TEST_F(Codec, SaveCodesOutsideTheMemoriesWritesNothing)
{
    std::array<QString, 25> texts;
    texts.fill("1");
    const Bytes before = image().bytes();
    for (int memory : {-1, 9, 100})
        SaveCodes(memory, texts);
    EXPECT_TRUE(SameBytes(before, image().bytes()));
}

TEST_F(Codec, SaveCodesRewritesEveryRecordFromItsShownText)
{
    // Each record of memory save 1 read as the dialog shows it and saved unchanged: plain records
    // come back byte for byte, odd ones in their plain form.
    struct Case { std::vector<int> stored; const char* shown; std::vector<int> written; };
    const Case cases[] = {
        {{9, 1, 2, 3, 4, 5, 6, 7}, "1234567", {7, 1, 2, 3, 4, 5, 6, 7}},        // count 9 becomes 7
        {{3, 0x1A, 0, 0x2C, 0xFF, 0xFF, 0xFF, 0xFF}, "0D#", {3, 10, 0, 12, 0, 0, 0, 0}},
        {{0, 5, 5, 5, 5, 5, 5, 5}, "", {0, 0, 0, 0, 0, 0, 0, 0}},             // stray digits cleared
        {{2, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77}, "12", {2, 1, 2, 0, 0, 0, 0, 0}},
        {{3, 1, 2, 3, 0, 0, 0, 0}, "123", {3, 1, 2, 3, 0, 0, 0, 0}},
        {{7, 12, 13, 14, 15, 11, 10, 9}, "#ABC*09", {7, 12, 13, 14, 15, 11, 10, 9}},
        {{1, 0, 0, 0, 0, 0, 0, 0}, "D", {1, 0, 0, 0, 0, 0, 0, 0}},
    };
    Bytes expected = image().bytes();
    for (int k = 0; k < 25; ++k) {
        PutImage(5288 + 8 * k, std::vector<int>(8, 0));   // records past the table: empty
        Put(expected, 5288 + 8 * k, std::vector<int>(8, 0));
    }
    for (std::size_t k = 0; k < std::size(cases); ++k) {
        PutImage(5288 + 8 * static_cast<int>(k), cases[k].stored);
        Put(expected, 5288 + 8 * static_cast<int>(k), cases[k].written);
    }
    std::array<QString, 25> texts;   // as the codes dialog shows them
    for (int k = 0; k < 25; ++k)
        texts[static_cast<std::size_t>(k)] = DigitFieldText(CodeFieldOffset(1, k), kCodeDigits);
    for (std::size_t k = 0; k < std::size(cases); ++k)
        EXPECT_EQ(texts[k], cases[k].shown) << "record " << k;

    SaveCodes(1, texts);
    EXPECT_TRUE(SameBytes(expected, image().bytes()));
}

TEST_F(Codec, WritersStoreAtMostTheFieldCapacityAsCount)
{
    std::array<QString, 25> texts;
    texts[5] = "1234567890";
    Bytes expected = image().bytes();
    for (int k = 0; k < 25; ++k)
        Put(expected, 13656 + 8 * k, std::vector<int>(8, 0));
    Put(expected, 13656 + 40, {7, 1, 2, 3, 4, 5, 6, 7});
    SaveCodes(0, texts);
    EXPECT_TRUE(SameBytes(expected, image().bytes()));

    MacroRowTexts row;
    row.code = "*123456789";
    expected = image().bytes();
    Put(expected, 16440, {7, 11, 1, 2, 3, 4, 5, 6});
    for (int i = 8; i < 28; ++i)
        expected[static_cast<std::size_t>(16440 + i)] = 0;
    SaveMacroLine(16440, row);
    EXPECT_TRUE(SameBytes(expected, image().bytes()));

    expected = image().bytes();
    Put(expected, 18776, {15, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15});
    WriteDtmfField(18776, 15, "1234567890*#ABC0");
    EXPECT_TRUE(SameBytes(expected, image().bytes()));
}

TEST_F(Codec, SaveMacroLineLayout)
{
    MacroRowTexts row;
    row.code = "*12";
    row.commands = {"0307", "5012", "", "9999", "1", "0000", "12", "A1B2", "4700", "0047"};
    Bytes expected = image().bytes();
    Put(expected, 16720 + 28, {3, 11, 1, 2, 0, 0, 0, 0,
                               0x07, 0x03, 0x12, 0x50, 0x00, 0x00, 0x99, 0x99, 0x11, 0x11,
                               0x00, 0x00, 0x12, 0x12, 0x02, 0x01, 0x00, 0x47, 0x47, 0x00});
    SaveMacroLine(16720 + 28, row);
    EXPECT_TRUE(SameBytes(expected, image().bytes()));
}

TEST_F(Codec, SaveMacrosModeOneWritesOnlyTheChosenRow)
{
    std::array<MacroRowTexts, 10> rows;
    rows[4].code = "25";
    rows[4].commands[0] = "0307";
    rows[3].code = "99";   // another row's texts must not be written
    Bytes expected = image().bytes();
    Put(expected, 17112, {2, 2, 5, 0, 0, 0, 0, 0, 0x07, 0x03});
    for (int i = 10; i < 28; ++i)
        expected[static_cast<std::size_t>(17112 + i)] = 0;

    SaveMacros(2, 1, 4, rows);
    EXPECT_TRUE(SameBytes(expected, image().bytes()));
}

TEST_F(Codec, SaveMacrosModeZeroWritesTheWholePage)
{
    std::array<MacroRowTexts, 10> rows;
    for (int r = 0; r < 10; ++r) {
        rows[static_cast<std::size_t>(r)].code = QString::number(r + 1);
        rows[static_cast<std::size_t>(r)].commands.fill(QStringLiteral("0%1%1%1").arg(r));
    }
    Bytes expected = image().bytes();
    for (int r = 0; r < 10; ++r) {
        const int o = 16440 + 28 * r;
        Put(expected, o, {r + 1 == 10 ? 2 : 1, r + 1 == 10 ? 1 : r + 1, r + 1 == 10 ? 10 : 0, 0, 0, 0, 0, 0});
        for (int c = 0; c < 10; ++c)
            Put(expected, o + 8 + 2 * c, {r * 16 + r, r});
    }
    SaveMacros(0, 0, 0, rows);
    EXPECT_TRUE(SameBytes(expected, image().bytes()));
}

TEST_F(Codec, SaveMacrosRefusesPagesRowsAndModesWithoutARecord)
{
    std::array<MacroRowTexts, 10> rows;
    rows.fill(MacroRowTexts{"1", {"1111", "1111", "1111", "1111", "1111", "1111", "1111", "1111", "1111", "1111"}});
    const Bytes before = image().bytes();
    SaveMacros(4, 0, 0, rows);
    SaveMacros(-1, 1, 0, rows);
    SaveMacros(0, 2, 0, rows);
    SaveMacros(0, 1, 10, rows);
    SaveMacros(0, 1, -1, rows);
    EXPECT_TRUE(SameBytes(before, image().bytes()));
}

TEST_F(Codec, SaveMacrosModeZeroRewritesEveryRowFromItsTexts)
{
    // Row 0: blank on screen (count 0) but holding commands; row 1: digits past its count and a
    // command that is not BCD; row 2: edited by the user. Every row is rewritten from its texts,
    // except the command that is not BCD and still shows as stored.
    for (int i = 17280; i < 17560; ++i)
        image().set(i, 0);
    PutImage(17280, {0, 1, 2, 3, 4, 5, 6, 7, 0x07, 0x03, 0x12, 0x50});
    PutImage(17308, {1, 0x15, 9, 9, 9, 9, 9, 9, 0x10, 0x9A, 0x07, 0x03});
    PutImage(17336, {1, 4});
    std::array<MacroRowTexts, 10> rows;
    for (int r = 0; r < 10; ++r)
        rows[static_cast<std::size_t>(r)] = DecodeMacroLine(17280 + 28 * r);
    ASSERT_EQ(rows[0], MacroRowTexts{});
    ASSERT_EQ(rows[1].code, "5");
    ASSERT_EQ(rows[1].commands[0], "9A10");
    rows[2].code = "44";
    Bytes expected = image().bytes();
    Put(expected, 17280, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    Put(expected, 17308, {1, 5, 0, 0, 0, 0, 0, 0, 0x10, 0x9A, 0x07, 0x03});
    Put(expected, 17336, {2, 4, 4});

    SaveMacros(3, 0, 0, rows);
    EXPECT_TRUE(SameBytes(expected, image().bytes()));
}

TEST_F(Codec, DecodeMacroLineShowsCommandByteFirst)
{
    PutImage(16440, {3, 11, 1, 2, 0, 0, 0, 0, 0x12, 0x50, 0x00, 0x00, 0x0A, 0x05});
    const MacroRowTexts row = DecodeMacroLine(16440);
    EXPECT_EQ(row.code, "*12");
    EXPECT_EQ(row.commands[0], "5012");
    EXPECT_EQ(row.commands[1], "0000");
    EXPECT_EQ(row.commands[2], "05A");
    EXPECT_EQ(CommandWordText(16448), "5012");
}

TEST_F(Codec, WritersNeverTouchBeyondTheImage)
{
    const Bytes before = image().bytes();
    EXPECT_THROW(WriteDtmfField(32765, 7, "1"), std::out_of_range);
    EXPECT_THROW(SaveMacroLine(32760, MacroRowTexts{"1", {}}), std::out_of_range);
    EXPECT_THROW(DecodeThreeDigits(-1), std::out_of_range);
    EXPECT_TRUE(SameBytes(before, image().bytes()));
}

} // namespace
