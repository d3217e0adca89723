#include "quillonedit/tables/Tables.h"
#include "tests/quillonedit/tables/VocabularyListing.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <set>

namespace quillon {
namespace {

class FilledTables : public ::testing::Test {
protected:
    void SetUp() override { FillAllTables(); }
    void TearDown() override { ResetTables(); }
};

// ---- CW characters -------------------------------------------------------

TEST_F(FilledTables, CwCharacterCodesLabelsAndTexts)
{
    struct Cw {
        int code;
        const char* label;
        const char* text;
    };
    const Cw rows[] = {
        {0, "0", "0"},    {9, "9", "9"},      {10, "A", "A"},     {22, "M", "M"},
        {35, "Z", "Z"},   {36, "/", "/"},     {37, "[AR)", "(AR)"}, {38, " ", " "},
        {39, ".", "."},   {40, ";", ";"},     {41, ",", ","},     {42, ":", ":"},
        {43, "?", "?"},   {44, "-", "-"},     {45, "(", "("},     {46, "(SK)", "(SK)"},
        {47, "", ""},     {100, "", ""},      {255, "", ""},      {-1, "", ""},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(CwCharacterLabel(r.code), QString::fromLatin1(r.label)) << r.code;
        EXPECT_EQ(CwCharacterText(r.code), QString::fromLatin1(r.text)) << r.code;
    }
}

TEST_F(FilledTables, CwListHoldsEachCodeAtItsOwnRow)
{
    const auto& list = CwCharacterListRows();
    ASSERT_EQ(list.size(), 47u);
    int differing = 0;
    std::set<QString> labels;
    for (int r = 0; r < 47; ++r) {
        EXPECT_EQ(list[r].item, r);
        EXPECT_EQ(list[r].label, CwCharacterLabel(r));
        EXPECT_FALSE(list[r].label.isEmpty());
        labels.insert(list[r].label);
        if (CwCharacterLabel(r) != CwCharacterText(r))
            ++differing;
    }
    EXPECT_EQ(labels.size(), 47u);
    EXPECT_EQ(differing, 1); // only the AR prosign
    for (int r = 0; r < 36; ++r)
        EXPECT_EQ(list[r].label.size(), 1);
}

// ---- Calendar ------------------------------------------------------------

TEST_F(FilledTables, ScheduleDayTextForEveryByte)
{
    const char* named[] = {"Daily",    "Sunday", "Monday",   "Tuesday",  "Wednesday",
                           "Thursday", "Friday", "Saturday", "Weekdays", "Weekends"};
    for (int code = 0; code <= 255; ++code) {
        const QString expected = code <= 9 ? QString::fromLatin1(named[code]) : QStringLiteral("Error");
        EXPECT_EQ(GetScheduleDayText(static_cast<std::uint8_t>(code)), expected) << code;
    }
}

TEST_F(FilledTables, ScheduleMonthTextForEveryByte)
{
    const std::map<int, const char*> named = {
        {0x01, "January"}, {0x02, "February"}, {0x03, "March"},     {0x04, "April"},
        {0x05, "May"},     {0x06, "June"},     {0x07, "July"},      {0x08, "August"},
        {0x09, "September"}, {0x10, "October"}, {0x11, "November"}, {0x12, "December"},
        {0xFF, "Skip"}};
    for (int code = 0; code <= 255; ++code) {
        const auto it = named.find(code);
        const QString expected = it != named.end() ? QString::fromLatin1(it->second) : QStringLiteral("Error");
        EXPECT_EQ(GetScheduleMonthText(static_cast<std::uint8_t>(code)), expected) << code;
    }
}

TEST_F(FilledTables, CalendarTablesUseBcdCodes)
{
    EXPECT_EQ(DayNames()[0], QStringLiteral("Sunday"));
    EXPECT_EQ(DayNames()[6], QStringLiteral("Saturday"));
    // Weekday list position p is weekday code p + 1.
    for (int p = 0; p < 7; ++p)
        EXPECT_EQ(GetScheduleDayText(static_cast<std::uint8_t>(p + 1)), DayNames()[p]);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(GetScheduleMonthText(MonthCodes()[i]), MonthNames()[i]) << i;
    EXPECT_EQ(MonthCodes()[9], 0x10);
    EXPECT_TRUE(MonthNames()[12].isEmpty());
    EXPECT_TRUE(MonthNames()[13].isEmpty());
    EXPECT_EQ(MonthCodes()[12], 0);

    struct Day {
        int index;
        const char* text;
        int code;
    };
    const Day days[] = {{0, "1", 0x01}, {8, "9", 0x09}, {9, "10", 0x10}, {18, "19", 0x19},
                        {19, "20", 0x20}, {24, "25", 0x25}, {29, "30", 0x30}, {30, "31", 0x31},
                        {31, "", 0x00}};
    for (const auto& d : days) {
        EXPECT_EQ(DayOfMonthTexts()[d.index], QString::fromLatin1(d.text)) << d.index;
        EXPECT_EQ(DayOfMonthCodes()[d.index], d.code) << d.index;
    }
}

TEST_F(FilledTables, CalendarPositionLookupsStayInsideTheTables)
{
    const std::pair<int, int> monthAt[] = {{-1, 0}, {0, 0x01}, {9, 0x10}, {11, 0x12}, {12, 0}, {14, 0}, {1000, 0}};
    for (const auto& [pos, code] : monthAt)
        EXPECT_EQ(MonthCodeAt(pos), code) << pos;
    const std::pair<int, int> dayAt[] = {{-1, 0}, {0, 0x01}, {30, 0x31}, {31, 0}, {32, 0}};
    for (const auto& [pos, code] : dayAt)
        EXPECT_EQ(DayOfMonthCodeAt(pos), code) << pos;

    const std::pair<int, int> monthIndex[] = {{0x01, 0}, {0x09, 8}, {0x10, 9}, {0x12, 11},
                                              {0x00, -1}, {0x0A, -1}, {0x13, -1}, {0xFF, -1}};
    for (const auto& [code, pos] : monthIndex)
        EXPECT_EQ(MonthCodeIndex(static_cast<std::uint8_t>(code)), pos) << code;
    const std::pair<int, int> dayIndex[] = {{0x01, 0}, {0x10, 9}, {0x25, 24}, {0x31, 30},
                                            {0x00, -1}, {0x1A, -1}, {0x32, -1}};
    for (const auto& [code, pos] : dayIndex)
        EXPECT_EQ(DayOfMonthCodeIndex(static_cast<std::uint8_t>(code)), pos) << code;
}

// ---- Paging tones --------------------------------------------------------

// The tone list as published: frequency, high byte, low byte, 16-bit value.
const char* const kToneListing =
    "288.5 12 29 3101|296.5 11 202 3018|304.7 11 121 2937|313.0 11 43 2859|321.7 10 222 2782|"
    "330.5 10 147 2707|339.6 10 75 2635|349.0 10 4 2564|358.6 9 191 2495|368.5 9 124 2428|"
    "378.6 9 60 2364|389.0 8 252 2300|399.8 8 190 2238|410.8 8 130 2178|422.1 8 72 2120|"
    "433.7 8 15 2063|445.7 7 216 2008|457.9 7 162 1954|470.5 7 110 1902|483.5 7 58 1850|"
    "496.8 7 9 1801|510.5 6 217 1753|524.6 6 170 1706|539.0 6 124 1660|553.9 6 80 1616|"
    "569.1 6 35 1571|584.8 5 250 1530|600.9 5 207 1487|617.4 5 169 1449|634.5 5 131 1411|"
    "651.9 5 91 1371|669.9 5 54 1334|688.3 5 19 1299|707.3 4 241 1265|726.8 4 208 1232|"
    "746.8 4 173 1197|767.4 4 142 1166|788.5 4 111 1135|810.2 4 80 1104|832.5 4 51 1075|"
    "855.5 4 22 1046|879.0 3 250 1018|903.2 3 222 990|928.1 3 196 964|953.7 3 170 938|"
    "979.9 3 145 913|1006.9 3 120 888|1034.7 3 96 864|1063.2 3 73 841|1092.4 3 51 819|"
    "1122.5 3 29 797|1153.4 3 8 776|1185.2 2 243 755|1217.8 2 223 735|1251.4 2 203 715|"
    "1285.8 2 184 696|1321.2 2 165 677|1357.6 2 147 659|1395.0 2 129 641|1433.4 2 112 624";

TEST_F(FilledTables, PagingToneTableMatchesTheToneListing)
{
    const QStringList rows = QString::fromLatin1(kToneListing).split(QLatin1Char('|'));
    ASSERT_EQ(rows.size(), kAvailablePagingTones);
    const auto& table = PagingToneTable();
    double lastFrequency = 0;
    for (int i = 0; i < kAvailablePagingTones; ++i) {
        const QStringList f = rows[i].split(QLatin1Char(' '));
        const int hi = f[1].toInt(), lo = f[2].toInt(), value = f[3].toInt();
        ASSERT_EQ(hi * 256 + lo, value) << "listing row " << i; // the listing agrees with itself
        EXPECT_EQ(table[i].Text, f[0]) << i;
        EXPECT_EQ(table[i].Hi, hi) << i;
        EXPECT_EQ(table[i].Lo, lo) << i;
        // Divisor times frequency stays near the controller's clock constant.
        const double frequency = table[i].Text.toDouble();
        EXPECT_GT(frequency, lastFrequency) << i;
        EXPECT_GE(value * frequency, 893538.0) << i;
        EXPECT_LE(value * frequency, 895418.0) << i;
        lastFrequency = frequency;
        EXPECT_EQ(FindPagingTone(table[i].Hi, table[i].Lo), i);
    }
    EXPECT_TRUE(table[60].Text.isEmpty());
    EXPECT_EQ(table[60].Hi, 0);
    EXPECT_EQ(table[60].Lo, 0);
}

TEST_F(FilledTables, StoredTonePairsAreNamed)
{
    struct Pair {
        int hi, lo;
        const char* name;
        int index;
    };
    const Pair pairs[] = {{12, 29, "288.5", 0},   {2, 112, "1433.4", 59}, {2, 129, "1395.0", 58},
                          {11, 43, "313.0", 3},   {0, 0, "", 60},         {12, 30, "", -1},
                          {29, 12, "", -1},       {255, 255, "", -1}};
    for (const auto& p : pairs) {
        EXPECT_EQ(PagingToneText(p.hi, p.lo), QString::fromLatin1(p.name)) << p.hi << "," << p.lo;
        EXPECT_EQ(FindPagingTone(p.hi, p.lo), p.index) << p.hi << "," << p.lo;
    }
}

TEST(PagingToneFill, EmptyUntilFilled)
{
    ResetTables();
    EXPECT_EQ(PagingToneText(12, 29), QString());
    EXPECT_EQ(FindPagingTone(12, 29), -1);
    LoadPagingToneTable();
    EXPECT_EQ(PagingToneText(12, 29), QStringLiteral("288.5"));
    ResetTables();
}

// ---- Start-up fill -------------------------------------------------------

TEST(FillAllTables, FillsEverythingYieldsFourTimesAndCanRunAgain)
{
    ResetTables();
    for (int pass = 0; pass < 2; ++pass) {
        int yields = 0;
        FillAllTables([&] { ++yields; });
        EXPECT_EQ(yields, 4);
        EXPECT_EQ(GetVocabularyText(0x015F), QStringLiteral("[DTMF_D]"));
        EXPECT_EQ(cboVoiceRows().size(), 563u);
        EXPECT_EQ(cbocallRows().size(), 36u);
        EXPECT_EQ(cboSpecialRows().size(), 102u);
        EXPECT_EQ(CwCharacterListRows().size(), 47u);
        EXPECT_EQ(PagingToneText(2, 112), QStringLiteral("1433.4"));
        EXPECT_EQ(MonthNames()[11], QStringLiteral("December"));
        EXPECT_EQ(DayOfMonthCodes()[30], 0x31);
    }
    FillAllTables(); // no yield callback
    EXPECT_EQ(CwCharacterListRows().size(), 47u);
    ResetTables();
    EXPECT_TRUE(CwCharacterListRows().empty());
    EXPECT_TRUE(DayNames()[0].isEmpty());
    EXPECT_TRUE(PagingToneTable()[0].Text.isEmpty());
    EXPECT_EQ(GetVocabularyText(0x020A), QString());
}

} // namespace
} // namespace quillon
