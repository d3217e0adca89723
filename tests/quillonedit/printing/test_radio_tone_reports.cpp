// The remote-base frequency, paging tone, CW message and area code reports against a crafted image,
// read back row by row from the recording printer.
#include "tests/quillonedit/printing/PrintTestSupport.h"

#include "quillonedit/image/PagingPairs.h"
#include "quillonedit/printing/CwMessageReport.h"

#include <functional>

namespace quillon::testing {
namespace {

using Outcome = PrintRunResult::Outcome;

void PutAll(int offset, const std::vector<int>& bytes)
{
    for (int b : bytes)
        image().set(offset++, static_cast<std::uint8_t>(b));
}

TEST_F(ReportTest, RemoteBaseRowsShowTheEntryTextsOrTheNumberAlone)
{
    struct Case {
        int entry;
        std::vector<int> bytes;
        QStringList texts;   // frequency, offset, power, CTCSS; none for an empty entry
    };
    const std::vector<Case> cases = {
        {0, {0xD2, 0x86, 0x52, 0x4C, 0, 0}, {"146.520", "Minus", "High", "100.0"}},
        {1, {0xF1, 0xF5, 0x52, 0x00, 0, 0}, {"1255.525", "Minus 20", "No Change", "No CTCSS"}},
        {2, {0xCC, 0xE0, 0x52, 0x00, 0, 0}, {"52.525", "Simplex", "Low", "No CTCSS"}},
        {3, {0x00, 0x86, 0x52, 0x4C, 9, 9}, {}},                           // byte 0 alone decides
        {19, {0xDD, 0xD9, 0x29, 0x40, 0, 0}, {"28.295", "Plus", "High", ""}},   // CTCSS on, tone 0
        {20, {0xE0, 0x84, 0x90, 0x66, 0, 0}, {"434.900", "Minus", "Medium", "250.3"}},
        {39, {0xD2, 0xA6, 0x00, 0x01, 0, 0}, {"146.000", "Simplex", "High", "No CTCSS"}},
    };
    std::map<int, QStringList> filled;
    for (const Case& c : cases) {
        PutAll(kRbiFrequencies + kRbiFrequencyBytes * c.entry, c.bytes);
        if (!c.texts.isEmpty())
            filled[c.entry + 1] = c.texts;
    }
    ASSERT_EQ(run({14}).outcome, Outcome::Dispatched);
    ASSERT_EQ(printer.documents.size(), 1u);
    ASSERT_EQ(printer.documents[0].pages.size(), 2u);
    const QString header = Tabs({{15, "Frequency"}, {35, "Offset"}, {50, "TX Power"}, {65, "CTCSS Frequency"}});
    const std::vector<int> tabs = {15, 35, 50, 65};
    EXPECT_EQ(rowsAfter(lines(0, 0), header), numberedRows(1, 20, filled, tabs));
    EXPECT_EQ(rowsAfter(lines(0, 1), header), numberedRows(21, 40, filled, tabs));
}

TEST_F(ReportTest, PagingRowsNameBothTonesOrLeaveTheirColumnEmpty)
{
    struct Case {
        int entry;
        std::vector<int> bytes;   // tone 1 low, high; tone 2 low, high
        QString first, second;
    };
    const std::vector<Case> cases = {
        {0, {29, 12, 112, 2}, "288.5", "1433.4"},
        {1, {0, 0, 0, 0}, "", ""},
        {2, {1, 1, 43, 11}, "", "313.0"},     // a pair that names no tone
        {4, {12, 29, 2, 112}, "", ""},         // high byte first is no tone
        {19, {112, 2, 29, 12}, "1433.4", "288.5"},
    };
    std::map<int, QStringList> filled;
    for (const Case& c : cases) {
        PutAll(kPagingTones + kPagingToneBytes * c.entry, c.bytes);
        const PagingPairTexts texts = DisplayPagingPair(kPagingTones + kPagingToneBytes * c.entry);
        EXPECT_EQ(std::make_pair(texts.tone1, texts.tone2), std::make_pair(c.first, c.second)) << c.entry;
        if (!c.first.isEmpty() || !c.second.isEmpty())
            filled[c.entry + 1] = {c.first, c.second};
    }
    ASSERT_EQ(run({16}).outcome, Outcome::Dispatched);
    ASSERT_EQ(printer.documents.size(), 1u);
    EXPECT_EQ(rowsAfter(lines(0, 0), Tabs({{15, "Tone #1"}, {35, "Tone #2"}})),
              numberedRows(1, 20, filled, {15, 35}));
}

TEST_F(ReportTest, CwSpeedLineReadsItsMessagesBytes)
{
    struct Case {
        int speed, tone;   // message 1's bytes; message 2 holds them the other way round
        QString first, second;
    };
    const std::vector<Case> cases = {
        {4, 1, "25 WPM at 500Hz", " at 800Hz"},
        {5, 8, " at 1200Hz", "15 WPM at 900Hz"},
        {10, 9, "10 WPM at ", "13 WPM at "},
        {0, 0, " at ", " at "},
    };
    for (const Case& c : cases) {
        PutBytes(kCwSpeed1, {c.speed});
        PutBytes(kCwToneCode1, {c.tone});
        PutBytes(kCwSpeed2, {c.tone});
        PutBytes(kCwToneCode2, {c.speed});
        EXPECT_EQ(CWSpeedFreq(1), c.first) << c.speed << " " << c.tone;
        EXPECT_EQ(CWSpeedFreq(2), c.second) << c.speed << " " << c.tone;
        EXPECT_EQ(CWSpeedFreq(7), c.second);   // any other number reads message 2
    }
}

TEST_F(ReportTest, CwMessageRowsWithTheirSpeedLine)
{
    struct Case {
        std::function<void()> craft;
        QStringList rows;   // message 1, its speed line, message 2, its speed line
    };
    const auto msg = [](int offset, int count, std::initializer_list<int> codes) {
        PutBytes(offset, {count});
        PutBytes(offset + 1, codes);
    };
    const std::vector<Case> cases = {
        {[] {}, {"#1. Empty", " at ", "#2. Empty", " at "}},
        {[&] {
             msg(kCwMessage2, 3, {10, 60, 11});   // a code past the table reads as nothing
             PutBytes(kCwSpeed1, {5});
             PutBytes(kCwToneCode1, {3});
             PutBytes(kCwSpeed2, {6});
             PutBytes(kCwToneCode2, {8});
         },
         {"#1. Empty", " at 700Hz", "#2. AB", "20 WPM at 1200Hz"}},
        {[&] {
             msg(kCwMessage1, 4, {37, 46, 38, 36});
             msg(kCwMessage2, 2, {47, 255});
         },
         {"#1. (AR)(SK) /", " at ", "#2. ", " at "}},
        {[&] {   // counts past the areas: the characters stored in them, nothing of the next area
             image().set(kCwMessage1, 200);
             for (int i = 1; i < kCwMessage1Bytes; ++i)
                 image().set(kCwMessage1 + i, std::uint8_t(i % 10));
             image().set(kCwMessage2, 40);
             for (int i = 1; i < kCwMessage2Bytes; ++i)
                 image().set(kCwMessage2 + i, 35);
             PutBytes(kCwMessage2 + kCwMessage2Bytes, {5, 1, 2});   // the first lock-out number
         },
         // 101 characters fit right of tab 8 on the 540-point page; the rest go on under it
         {"#1. " + QString("1234567890").repeated(10).left(97) + "\n" + QString("8901234567").repeated(3),
          " at ", "#2. " + QString(31, 'Z'), " at "}},
    };
    for (const Case& c : cases) {
        resetImage();
        printer.documents.clear();
        c.craft();
        ASSERT_EQ(run({17}).outcome, Outcome::Dispatched);
        ASSERT_EQ(printer.documents.size(), 1u);
        ASSERT_EQ(printer.documents[0].pages.size(), 1u);
        const QStringList page = lines(0, 0);
        QStringList expected;
        for (int k = 0; k < 4; ++k)
            for (const QString& piece : c.rows[k].split('\n'))
                expected << Chopped(Tabs({{k % 2 ? 12 : 8, piece}}));
        EXPECT_EQ(rowsAfter(page, "CW Messages"), expected);
    }
}

TEST_F(ReportTest, AreaCodeRowsShowThreeDigitsOrAnEmptyColumn)
{
    struct Case {
        int entry;
        std::vector<int> bytes;
        QString text;
    };
    const std::vector<Case> cases = {
        {0, {0, 5, 5}, ""},   // first byte 0: unused, whatever follows
        {1, {8, 0, 5}, "805"},
        {2, {12, 3, 4}, "034"},   // a code of 10 or more reads as 0
        {3, {2, 10, 11}, "200"},
        {19, {9, 9, 9}, "999"},
    };
    std::map<int, QStringList> filled;
    for (const Case& c : cases) {
        PutAll(kAreaCodes + kAreaCodeBytes * c.entry, c.bytes);
        if (!c.text.isEmpty())
            filled[c.entry + 1] = {c.text};
    }
    PutBytes(kAreaCodes + kAreaCodeBytes * kAreaCodeCount, {7, 7, 7});   // the byte after the area
    ASSERT_EQ(run({19}).outcome, Outcome::Dispatched);
    ASSERT_EQ(printer.documents.size(), 1u);
    EXPECT_EQ(rowsAfter(lines(0, 0), "Telephone Area Codes"), numberedRows(1, 20, filled, {15}));
}

} // namespace
} // namespace quillon::testing
