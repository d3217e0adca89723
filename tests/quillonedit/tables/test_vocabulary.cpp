#include "quillonedit/tables/Tables.h"
#include "tests/quillonedit/tables/VocabularyListing.h"

#include <gtest/gtest.h>

#include <set>

namespace quillon {
namespace {

class VocabularyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetTables();
        LoadVocabularyTable();
        LoadVocabularyTokens();
    }
    void TearDown() override { ResetTables(); }
};

TEST(VocabularyListingData, HoldsTheWordsOfEveryGroup)
{
    // Guards the second copy itself: each hundred holds as many words as its line says.
    const auto words = testdata::expectedVocabulary();
    const auto groups = testdata::expectedGroupCounts();
    ASSERT_EQ(words.size(), 564u);
    ASSERT_EQ(groups.size(), 10u);
    std::map<int, int> seen;
    for (const auto& [n, text] : words)
        ++seen[n / 100 * 100];
    EXPECT_EQ(seen, groups);
}

TEST_F(VocabularyTest, EveryListedWordGivesItsPrintText)
{
    for (const auto& [n, text] : testdata::expectedVocabulary())
        EXPECT_EQ(GetVocabularyText(VocabularyCodeOf(n)), text) << "word " << n;
}

TEST_F(VocabularyTest, EveryOtherCodeUpTo09FFGivesTheEmptyText)
{
    std::set<int> listed;
    for (const auto& [n, text] : testdata::expectedVocabulary())
        listed.insert((n / 100) * 256 + n % 100);
    int found = 0;
    for (int code = 0x0000; code <= 0x09FF; ++code) {
        const QString text = GetVocabularyText(static_cast<VocabularyCode>(code));
        if (listed.count(code)) {
            ++found;
        } else {
            EXPECT_TRUE(text.isEmpty()) << "code 0x" << std::hex << code << " gave "
                                        << text.toStdString();
        }
    }
    EXPECT_EQ(found, 564);
}

struct CodeCase {
    int code;
    const char* text;
};

TEST_F(VocabularyTest, CodesAtTheEdges)
{
    const CodeCase cases[] = {
        {0x0000, "0"},           {0x0014, "20"},          {0x0015, ""},
        {0x005A, "90"},          {0x081E, "The"},         {0x081F, "The"},
        {0x0655, "Per"},         {0x024B, "Quill"},       {0x0950, "[F Morning]"},
        {0x0952, "[F Evening]"}, {0x0123, "[500ms_Delay]"}, {0x015F, "[DTMF_D]"},
        {0x0A00, ""},            {0x0264, ""},            {-1, ""},
        {-32768, ""},            {0x0179, ""},            {0x0953, ""},
        {0x020A, "A"},           {0x0936, "Zulu"},        {0x032B, "Ed_Sufffix"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetVocabularyText(static_cast<VocabularyCode>(c.code)), QString::fromLatin1(c.text))
            << "code " << c.code;
}

TEST(VocabularyCode, SplitsTheWordNumberIntoHundredsAndRest)
{
    const std::pair<int, int> cases[] = {
        {0, 0x0000}, {90, 0x005A}, {210, 0x020A}, {275, 0x024B}, {954, 0x0936}, {982, 0x0952}};
    for (const auto& [word, code] : cases)
        EXPECT_EQ(VocabularyCodeOf(word), code) << word;
}

TEST_F(VocabularyTest, TableHasTheUnusedEntryAndDistinctCodes)
{
    const auto& table = VocabularyTable();
    EXPECT_EQ(table[kVocabularyUnusedEntry].Code, 0);
    EXPECT_TRUE(table[kVocabularyUnusedEntry].Text.isEmpty());
    std::set<int> codes;
    for (int i = 0; i < kVocabularyTableSize; ++i) {
        if (i == kVocabularyUnusedEntry)
            continue;
        EXPECT_FALSE(table[i].Text.isEmpty()) << "entry " << i;
        EXPECT_TRUE(codes.insert(table[i].Code).second) << "entry " << i;
    }
    EXPECT_EQ(codes.size(), 564u);
}

TEST_F(VocabularyTest, EntriesFallIntoTheirKinds)
{
    // Entry ranges of each kind, with the word-number range they must hold.
    struct Range {
        int first, last, lowWord, highWord;
    };
    const Range ranges[] = {{0, 27, 0, 90},     {28, 462, 210, 954}, {463, 478, 960, 982},
                            {479, 487, 100, 108}, {488, 564, 111, 195}};
    const auto& table = VocabularyTable();
    for (const auto& r : ranges) {
        for (int i = r.first; i <= r.last; ++i) {
            if (i == kVocabularyUnusedEntry)
                continue;
            const int word = (table[i].Code >> 8) * 100 + (table[i].Code & 0xFF);
            EXPECT_GE(word, r.lowWord) << "entry " << i;
            EXPECT_LE(word, r.highWord) << "entry " << i;
        }
    }
}

TEST(VocabularyFills, NothingBeforeStartUpAndTokensOnlyFromTheirOwnFill)
{
    ResetTables();
    EXPECT_EQ(GetVocabularyText(0x020A), QString());
    EXPECT_EQ(GetVocabularyText(0x0000), QString());

    LoadVocabularyTable();
    EXPECT_EQ(GetVocabularyText(0x020A), QStringLiteral("A"));
    EXPECT_EQ(GetVocabularyText(0x0100), QStringLiteral("[Time_of_day]"));
    EXPECT_EQ(GetVocabularyText(0x010B), QString()); // 111, a token
    for (int i = 488; i < kVocabularyTableSize; ++i)
        EXPECT_EQ(VocabularyTable()[i].Code, 0);

    LoadVocabularyTokens();
    EXPECT_EQ(GetVocabularyText(0x010B), QStringLiteral("[UF_1_OFF]"));
    ResetTables();
}

} // namespace
} // namespace quillon
