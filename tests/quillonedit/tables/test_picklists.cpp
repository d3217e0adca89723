#include "quillonedit/tables/Tables.h"
#include "tests/quillonedit/tables/VocabularyListing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace quillon {
namespace {

// Words that the "All Words" list shows out of numeric order: word, the word it follows.
const std::pair<int, int> kMovedWords[] = {
    {299, 272}, {373, 370}, {393, 372}, {457, 446}, {486, 476}, {703, 684},
    {704, 698}, {802, 770}, {831, 829}, {852, 840}, {910, 906},
};

// Labels of the "All Words" list that differ from the print texts.
const std::map<int, QString> kVoiceLabels = {
    {343, "Ed_(suffix)"},    {479, "Ing_(suffix)"},   {555, "Less_Than"},
    {610, "More Than"},      {651, "O'clock"},        {802, "S_(plural)"},
    {830, "The_(short_E)"},  {831, "The_(long_E)"},   {876, "Use_(noun)"},
    {877, "Use_(verb)"},     {910, "Wind-Chill"},     {960, "[Pause_1]"},
    {961, "[Pause_2]"},      {962, "[Pause_3]"},      {963, "[Pause_4]"},
    {964, "[Chime_1]"},      {965, "[Chime_2]"},      {966, "[Chime_3]"},
    {980, "[G_Morning]"},    {981, "[G_Afternoon]"},  {982, "[G_Evening]"},
    {100, "[Time_Of_Day]"},  {101, "[Day_of_Week]"},  {102, "[Day_of_Month]"},
    {104, "[Inside_Temperature]"}, {105, "[Outside_Temperature]"}, {106, "[Wind_Speed]"},
    {107, "[Hi/Lo_Temperature]"},  {108, "[Rain_Rate]"},          {135, "[500_Ms_Delay]"},
    {170, "[CW_Buffer_1]"},  {171, "[CW_Buffer_2]"},
};

std::vector<int> specialItems()
{
    std::vector<int> items;
    auto range = [&](int a, int b) {
        for (int n = a; n <= b; ++n)
            items.push_back(n);
    };
    range(960, 972);
    range(980, 982);
    range(100, 108);
    range(111, 135);
    range(140, 155);
    range(160, 195);
    return items;
}

// The label a special row should carry; `hashes` for the "All Words" list,
// which numbers tracks and tones with a "#".
QString specialLabel(int n, const QString& printText, bool allWordsList)
{
    if (n >= 111 && n <= 134) // "[UF_1_OFF]" -> "[UF_#1_OFF]"
        return QString(printText).insert(4, QLatin1Char('#'));
    if (n >= 140 && n <= 155)
        return QStringLiteral("[DVR_Track_%1%2]").arg(allWordsList ? "#" : "").arg(n - 139);
    if (n >= 160 && n <= 169)
        return QStringLiteral("[Courtesy_Tone_%1%2]").arg(allWordsList ? "#" : "").arg(n - 160);
    if ((n == 170 || n == 171) && !allWordsList)
        return printText;
    const auto it = kVoiceLabels.find(n);
    return it != kVoiceLabels.end() ? it->second : printText;
}

class PickListTest : public ::testing::Test {
protected:
    void SetUp() override { FillAllTables(); }
    void TearDown() override { ResetTables(); }
    const std::map<int, QString> vocabulary = testdata::expectedVocabulary();
};

TEST_F(PickListTest, AllWordsRowExamples)
{
    struct Row {
        int index;
        const char* label;
        int item;
    };
    const Row rows[] = {
        {0, "0", 0},           {27, "90", 90},         {28, "A", 210},
        {79, "Call", 272},     {80, "Calm", 299},      {81, "Calling", 273},
        {83, "Quill", 275},    {263, "Much", 612},     {264, "N", 620},
        {388, "The_(long_E)", 831}, {389, "The_(short_E)", 830}, {460, "Zulu", 954},
        {461, "[Pause_1]", 960}, {477, "[Time_Of_Day]", 100}, {562, "[DTMF_D]", 195},
    };
    const auto& list = cboVoiceRows();
    ASSERT_EQ(list.size(), 563u);
    for (const auto& r : rows) {
        EXPECT_EQ(list[r.index].label, QString::fromLatin1(r.label)) << "row " << r.index;
        EXPECT_EQ(list[r.index].item, r.item) << "row " << r.index;
    }
}

TEST_F(PickListTest, AllWordsListOrderAndLabelsRowByRow)
{
    // Expected order: numbers, the words 210..954 ascending with the moved
    // words after their neighbours and 685 left out, then the specials.
    std::vector<int> expected;
    std::set<int> moved;
    for (const auto& [w, after] : kMovedWords)
        moved.insert(w);
    for (const auto& [n, text] : vocabulary)
        if (n <= 90)
            expected.push_back(n);
    std::vector<int> words;
    for (const auto& [n, text] : vocabulary)
        if (n >= 210 && n <= 954 && n != 685 && !moved.count(n))
            words.push_back(n);
    for (const auto& [w, after] : kMovedWords)
        words.insert(std::find(words.begin(), words.end(), after) + 1, w);
    expected.insert(expected.end(), words.begin(), words.end());
    const auto specials = specialItems();
    expected.insert(expected.end(), specials.begin(), specials.end());
    ASSERT_EQ(expected.size(), 563u);

    const auto& list = cboVoiceRows();
    ASSERT_EQ(list.size(), expected.size());
    int differing = 0;
    for (size_t i = 0; i < list.size(); ++i) {
        const int n = expected[i];
        ASSERT_EQ(list[i].item, n) << "row " << i;
        const QString& print = vocabulary.at(n);
        const QString label = (n >= 100 && n <= 195) || n >= 960 ? specialLabel(n, print, true)
                              : kVoiceLabels.count(n)            ? kVoiceLabels.at(n)
                                                                 : print;
        EXPECT_EQ(list[i].label, label) << "row " << i;
        if (list[i].label != GetVocabularyText(VocabularyCodeOf(n)))
            ++differing;
    }
    EXPECT_EQ(differing, 82);
}

TEST_F(PickListTest, SpecialListMatchesTheSpecialRowsOfAllWords)
{
    const auto& special = cboSpecialRows();
    const auto items = specialItems();
    ASSERT_EQ(special.size(), 102u);
    int differing = 0;
    for (size_t i = 0; i < special.size(); ++i) {
        const int n = items[i];
        EXPECT_EQ(special[i].item, n) << "row " << i;
        EXPECT_EQ(cboVoiceRows()[461 + i].item, n) << "row " << i;
        EXPECT_EQ(special[i].label, specialLabel(n, vocabulary.at(n), false)) << "row " << i;
        if (special[i].label != vocabulary.at(n))
            ++differing;
    }
    EXPECT_EQ(differing, 69);
    EXPECT_EQ(special[16].label, QStringLiteral("[Time_Of_Day]"));
    // Word 140: hashed in "All Words", plain in "Special", same item.
    const auto dvr1 = std::find_if(special.begin(), special.end(), [](auto& r) { return r.item == 140; });
    ASSERT_NE(dvr1, special.end());
    EXPECT_EQ(dvr1->label, QStringLiteral("[DVR_Track_1]"));
    EXPECT_EQ(cboVoiceRows()[461 + (dvr1 - special.begin())].label, QStringLiteral("[DVR_Track_#1]"));
}

TEST_F(PickListTest, CallLettersAreDigitsThenLetterWords)
{
    const int letterWords[26] = {210, 250, 270, 310, 340, 370, 410, 440, 470, 500, 530, 550, 580,
                                 620, 650, 680, 720, 730, 770, 820, 870, 880, 890, 920, 930, 950};
    const auto& call = cbocallRows();
    ASSERT_EQ(call.size(), 36u);
    for (int d = 0; d < 10; ++d) {
        EXPECT_EQ(call[d].label, QString::number(d));
        EXPECT_EQ(call[d].item, d);
    }
    for (int i = 0; i < 26; ++i) {
        EXPECT_EQ(call[10 + i].label, QString(QChar('A' + i)));
        EXPECT_EQ(call[10 + i].item, letterWords[i]);
        EXPECT_EQ(vocabulary.at(letterWords[i]), call[10 + i].label);
    }
}

TEST_F(PickListTest, EveryItemIsAWordOnceAndWord685IsNowhere)
{
    for (const auto* list : {&cboVoiceRows(), &cbocallRows(), &cboSpecialRows()}) {
        std::set<int> seen;
        for (const auto& row : *list) {
            EXPECT_TRUE(vocabulary.count(row.item)) << row.item;
            EXPECT_TRUE(seen.insert(row.item).second) << "twice: " << row.item;
            EXPECT_NE(row.item, 685);
        }
    }
}

TEST(PickListFills, EachFillAppendsItsOwnRows)
{
    ResetTables();
    struct Step {
        void (*fill)();
        const std::vector<PickListRow>& (*list)();
        size_t sizeAfter;
    };
    const Step steps[] = {
        {LoadVoiceNumbers, cboVoiceRows, 28},       {LoadVoiceWordsAtoM, cboVoiceRows, 264},
        {LoadVoiceWordsNtoZ, cboVoiceRows, 461},    {LoadVoiceSpecialWords, cboVoiceRows, 563},
        {LoadCallSignCharacters, cbocallRows, 36},  {LoadSpecialWordList, cboSpecialRows, 102},
    };
    for (const auto& s : steps) {
        s.fill();
        EXPECT_EQ(s.list().size(), s.sizeAfter);
    }
    EXPECT_EQ(cboVoiceRows()[263].label, QStringLiteral("Much"));
    EXPECT_EQ(cboVoiceRows()[264].label, QStringLiteral("N"));
    ResetTables();
    EXPECT_TRUE(cboVoiceRows().empty());
}

} // namespace
} // namespace quillon
