// The speed-dial, emergency, DTMF generator and lock-out reports against a crafted image.
#include "tests/quillonedit/printing/PrintTestSupport.h"

#include "quillonedit/image/SpeedDial.h"

namespace quillon::testing {
namespace {

using Outcome = PrintRunResult::Outcome;

TEST_F(ReportTest, SpeedDialRowsCarryNumberPauseAndIdentification)
{
    PutBytes(kSpeedDial1, {7, 5, 21, 5, 1, 2, 3, 4});
    PutBytes(kSpeedDial1 + 17, {2, 2, 44, 2, 31});                 // Autopatch And
    PutBytes(kSpeedDial1 + 40 + 17, {1, 2, 12});                   // entry 1: no number, one word
    PutBytes(kSpeedDial1 + 80, {3, 13, 9, 1});                     // entry 2: a letter prints nothing
    PutBytes(kSpeedDial1 + 80 + 17, {2, 130, 5, 9, 99});           // a stray byte: its value; a missing word
    PutBytes(kSpeedDial1 + 120, {1, 9});                           // entry 3: 200 words, 11 printed
    PutBytes(kSpeedDial1 + 120 + 17, {200});
    for (int j = 0; j < 11; ++j)
        PutBytes(kSpeedDial1 + 120 + 18 + 2 * j, {2, 10});
    PutBytes(kSpeedDial1 + 160, {17, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 0, 2, 10}); // 17 digits
    ASSERT_EQ(run({8}).outcome, Outcome::Dispatched);
    ASSERT_EQ(printer.documents.size(), 1u);
    ASSERT_EQ(printer.documents[0].pages.size(), 5u);
    const QStringList page = lines(0, 0);
    EXPECT_TRUE(page.contains(Tabs({{8, " 0 "}, {15, "5,551234"}, {32, " Autopatch And"}})));
    EXPECT_TRUE(page.contains(Tabs({{8, " 1 "}, {32, " Abort"}})));
    EXPECT_TRUE(page.contains(Tabs({{8, " 2 "}, {15, "91"}, {32, " 33285"}})));
    EXPECT_TRUE(page.contains(Tabs({{8, " 3 "}, {15, "9"}, {32, QStringList(11, " A").join("")}})));
    EXPECT_TRUE(page.contains(Tabs({{8, " 4"}})));
    EXPECT_EQ(page.last(), Tabs({{8, " 19"}}));
    EXPECT_EQ(lines(0, 4).last(), Tabs({{8, " 99"}}));
}

// A number wide enough to reach the identification's column pushes the words a line down; the
// page break counts that line, so the next page still begins with its headings.
TEST_F(ReportTest, ANumberReachingTheWordsColumnPushesThemDownAndTheNextPageIsHeaded)
{
    const std::vector<int> words = {215, 220, 226, 227, 228, 215, 220, 226, 227, 228, 215};   // 11 long words
    for (int e = 2; e <= 19; ++e) {
        const int o = SpeedDialOffset(1, e);
        PutBytes(o, {1, 5});
        image().set(o + 17, std::uint8_t(words.size()));
        for (std::size_t w = 0; w < words.size(); ++w)
            PutBytes(o + 18 + 2 * int(w), {words[w] / 100, words[w] % 100});
    }
    // Row 15: 16 digits and two pauses, 18 characters from tab 15, past tab 32.
    PutBytes(SpeedDialOffset(1, 15), {16, 5, 0x15, 0x15, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1, 2, 3});
    ASSERT_EQ(run({8}).outcome, Outcome::Dispatched);
    const auto& pages = printer.documents.at(0).pages;
    ASSERT_EQ(pages.size(), 6u);   // the first page goes on onto a page of its own
    for (std::size_t p = 0; p < pages.size(); ++p)
        EXPECT_EQ(lines(0, int(p)).at(2), "       File: No File Name Assigned") << p;
    const QStringList first = lines(0, 0);
    const qsizetype row15 = first.indexOf(Tabs({{8, " 15 "}, {15, "5,5,51234567890123"}}));
    ASSERT_GE(row15, 0);
    EXPECT_TRUE(first.at(row15 + 1).startsWith(Tabs({{32, " Acknowledge Affirmative"}}))) << first.at(row15 + 1).toStdString();
    EXPECT_EQ(rowsAfter(lines(0, 1), "Speed Dial Numbers Block 1").first(), Tabs({{8, " 16 "}, {15, "5"}, {32, " Acknowledge Affirmative Alternate Altitude Amateur Acknowledge Affirmative"}}));
}

TEST_F(ReportTest, SpeedDialBlocksAndEmergencyEntriesNumberFromZero)
{
    PutBytes(kSpeedDial3 + 40 * 80, {2, 1, 12});
    PutBytes(kSpeedDial3 + 40 * 99, {1, 10});
    PutBytes(kEmergency + 40 * 9, {3, 9, 1, 1});
    PutBytes(kEmergency + 40 * 9 + 17, {1, 2, 44});
    ASSERT_EQ(run({10, 11}).outcome, Outcome::Dispatched);
    ASSERT_EQ(printer.documents.size(), 2u);
    const QStringList page4 = lines(0, 4);
    EXPECT_TRUE(page4.contains(Tabs({{8, " 80 "}, {15, "1#"}})));
    EXPECT_EQ(page4.last(), Tabs({{8, " 99 "}, {15, "0"}}));
    ASSERT_EQ(printer.documents[1].pages.size(), 1u);
    const QStringList emergency = lines(1, 0);
    EXPECT_TRUE(emergency.contains(Tabs({{8, " 0"}})));
    EXPECT_EQ(emergency.last(), Tabs({{8, " 9 "}, {15, "911"}, {32, " Autopatch"}}));
}

TEST_F(ReportTest, DtmfAndLockoutRowsPrintTheirDigits)
{
    PutBytes(kDtmfMemories, {4, 0, 13, 15, 12});
    PutBytes(kDtmfMemories + 16 * 20, {16, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 1});
    PutBytes(kLockouts, {11, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
    PutBytes(kLockouts + 12, {200, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 5});   // the next entry's count: 5
    ASSERT_EQ(run({15, 18}).outcome, Outcome::Dispatched);
    ASSERT_EQ(printer.documents.size(), 2u);
    EXPECT_TRUE(lines(0, 0).contains(Tabs({{8, " 1 "}, {15, "DAC#"}})));
    EXPECT_EQ(lines(0, 0).last(), Tabs({{8, " 20"}}));
    EXPECT_TRUE(lines(0, 1).contains(Tabs({{8, " 21 "}, {15, "1234567890*#ABC"}})));
    EXPECT_EQ(lines(0, 1).last(), Tabs({{8, " 40"}}));
    const QStringList lockouts = lines(1, 0);
    EXPECT_TRUE(lockouts.contains(Tabs({{8, " 1 "}, {15, "1234567890*"}})));
    EXPECT_TRUE(lockouts.contains(Tabs({{8, " 2 "}, {15, "99999999999"}})));
    EXPECT_EQ(lockouts.last(), Tabs({{8, " 20"}}));
}

} // namespace
} // namespace quillon::testing
