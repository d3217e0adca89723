// Statistics counters, erase regions, base-to-memory-save copies, unlock number and password:
// each edit compared against the whole image.
#include "quillonedit/image/EraseRegions.h"
#include "quillonedit/image/MemoryCopy.h"
#include "quillonedit/image/RepeaterStats.h"
#include "quillonedit/image/UnlockPassword.h"
#include "tests/support/ImageFixture.h"

#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

using namespace quillon;
using namespace quillon::testing;

namespace {

Bytes patternImage()
{
    FillImageRamp();
    return image().bytes();
}

void zero(Bytes& b, int first, int last)
{
    for (int i = first; i <= last; ++i)
        b[static_cast<std::size_t>(i)] = 0;
}

} // namespace

TEST(RepeaterStats, CountersShowTheirSixteenBitValueCappedAtFourDigits)
{
    struct Row { int lo, hi, shown; };
    // One row per counter, in counter order.
    const std::vector<Row> rows = {
        {0xFF, 0xFF, 9999},   // 16383
        {0x10, 0x27, 9999},   // 10000
        {0x0F, 0x27, 9999},   // 9999 itself
        {0x05, 0x40, 5},      // bit 6 of the high byte does not count
        {0x05, 0xC0, 5},      // nor bit 7
        {0x34, 0x12, 4660},
        {0x00, 0x00, 0},
        {0x0E, 0x27, 9998},
        {0xFF, 0x00, 255},
        {0x00, 0x01, 256},
    };
    resetImage();
    for (std::size_t i = 0; i < rows.size(); ++i)
        PutImage(kStatisticsCounters[i].offset, {rows[i].lo, rows[i].hi});
    const StatsTexts texts = DisplayStatsTexts(QStringLiteral("/nowhere/p.001"));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(GetStatNumber(kStatisticsCounters[i].offset), rows[i].shown) << i;
        EXPECT_EQ(texts.counters[i], QString::number(rows[i].shown)) << i;
    }
    EXPECT_EQ(kStatisticsCounters[9].offset, 551);
    EXPECT_STREQ(kStatisticsCounters[9].label, "CRT Logins");
}

TEST(RepeaterStats, ResetClearsTheTwentyCounterBytesOnly)
{
    Bytes expected = patternImage();
    ResetStats();
    zero(expected, 533, 552);
    EXPECT_TRUE(SameBytes(expected, image().bytes()));
}

TEST(RepeaterStats, FileLinesWithAndWithoutAProject)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    FillImageRamp();

    const StatsTexts none = DisplayStatsTexts(QString());
    EXPECT_EQ(none.fileName, " No File Assigned");
    EXPECT_FALSE(none.fileDate.has_value()) << "the date label keeps its text";
    for (const QString& c : none.counters)
        EXPECT_TRUE(c.isEmpty());

    QTemporaryDir dir;
    const QString path = dir.filePath("rpt.001");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
    ASSERT_TRUE(f.flush());
    const QDateTime when(QDate(2026, 3, 4), QTime(17, 5, 0));
    ASSERT_TRUE(f.setFileTime(when, QFileDevice::FileModificationTime));
    f.close();
    const StatsTexts open = DisplayStatsTexts(path);
    EXPECT_EQ(open.fileName, " " + path);
    EXPECT_EQ(open.fileDate.value_or("?"), " " + QLocale().toString(when, QLocale::ShortFormat));
    EXPECT_TRUE(open.fileDate.value_or("").contains("3/4/26"));

    QFile::remove(path);   // moved or deleted after it was opened
    EXPECT_EQ(DisplayStatsTexts(path).fileDate.value_or("?"), " File Date Unavailable");
    QLocale::setDefault(QLocale::c());
}

TEST(EraseRegions, EachRowErasesExactlyItsRegionAndTurnsItsBoxWhite)
{
    const std::vector<std::pair<int, int>> spans = {{19544, 23543}, {23544, 27543}, {27544, 31543}, {31544, 31943},
                                                    {17960, 18379}, {16440, 17559}, {13880, 16439}};
    for (int row = 0; row < kEraseRegionCount; ++row) {
        Bytes expected = patternImage();
        EraseRegionRow(row);
        zero(expected, spans[static_cast<std::size_t>(row)].first, spans[static_cast<std::size_t>(row)].second);
        EXPECT_TRUE(SameBytes(expected, image().bytes())) << "row " << row;
        for (int other = 0; other < kEraseRegionCount; ++other)
            EXPECT_EQ(RegionHoldsData(other), other != row) << "row " << row << " box " << other;
    }
    // All seven together: the CW messages and the other areas between the regions stay.
    Bytes expected = patternImage();
    for (int row = 0; row < kEraseRegionCount; ++row)
        EraseRegionRow(row);
    for (const auto& [first, last] : spans)
        zero(expected, first, last);
    EXPECT_TRUE(SameBytes(expected, image().bytes()));
    EXPECT_NE(image().at(17560), 0);
}

TEST(EraseRegions, ARegionWhoseOnlyDataIsItsLastByteHoldsData)
{
    resetImage();
    image().set(23543, 1);   // last byte of block 1
    image().set(13880, 2);   // first byte of the voice messages
    const std::vector<bool> red = {true, false, false, false, false, false, true};
    for (int row = 0; row < kEraseRegionCount; ++row)
        EXPECT_EQ(RegionHoldsData(row), red[static_cast<std::size_t>(row)]) << row;
    const Bytes before = image().bytes();
    OKErase(19544, -1);
    EXPECT_TRUE(SameBytes(before, image().bytes())) << "a negative last erases nothing";
    EXPECT_STREQ(kEraseRegions[4].label, "Schedular Memory ");
    EXPECT_STREQ(kEraseRegions[6].label, "Base Voice Synthesizer Messages ");
}

TEST(MemoryCopy, EachPartLandsInItsSaveAndNowhereElse)
{
    struct Row { int part, save, first, last; };
    const std::vector<Row> rows = {
        {0, 1, 5234, 5241},     // zones
        {0, 8, 12556, 12563},
        {1, 1, 5288, 5495},     // codes: 13856..13863 land at +254
        {1, 5, 9472, 9679},
        {2, 8, 12564, 12603},   // timers
        {2, 2, 6288, 6327},
        {3, 1, 5512, 6279},     // voice: save 2 starts at 6280
        {3, 8, 12834, 13601},
    };
    const int sources[] = {13602, 13656, 13610, 13880};
    for (const Row& r : rows) {
        Bytes expected = patternImage();
        const int source = sources[r.part];
        for (int i = r.first; i <= r.last; ++i)
            expected[static_cast<std::size_t>(i)] = expected[static_cast<std::size_t>(source + i - r.first)];
        EXPECT_EQ(CopyBaseToMemorySave(r.part, r.save), r.first) << r.part << "/" << r.save;
        EXPECT_TRUE(SameBytes(expected, image().bytes())) << r.part << "/" << r.save;
    }
    EXPECT_EQ(CopyTargetOffset(1, 1) + 254 - 54, 5488);
    const Bytes before = patternImage();
    EXPECT_EQ(CopyBaseToMemorySave(4, 1), -1);
    EXPECT_EQ(CopyBaseToMemorySave(0, 9), -1);
    EXPECT_TRUE(SameBytes(before, image().bytes()));
}

TEST(UnlockNumber, WritesCountSevenAndDigitCodesOrAnEmptyField)
{
    struct Row { const char* stored; std::vector<int> before; QString text; std::vector<int> after; };
    const std::vector<Row> rows = {
        {"any", {3, 1, 2, 3, 0x5A, 0x5B, 0x5C, 0x5D}, "A*#0123", {7, 13, 11, 12, 10, 1, 2, 3}},
        {"shorter text", {0, 9, 9, 9, 9, 9, 9, 9}, "12", {7, 1, 2, 0, 0, 0, 0, 0}},
        {"cleared 5 digits", {5, 1, 2, 3, 4, 5, 0, 0}, "", {0, 0, 0, 0, 0, 0, 0, 0}},
        {"empty stays as stored", {0, 4, 4, 4, 4, 4, 4, 4}, "", {0, 4, 4, 4, 4, 4, 4, 4}},
    };
    for (const Row& r : rows) {
        FillImageRamp();
        PutImage(512, r.before);
        Bytes expected = image().bytes();
        Put(expected, 512, r.after);
        SaveUnlockNumber(r.text);
        EXPECT_TRUE(SameBytes(expected, image().bytes())) << r.stored;
    }
}

TEST(UnlockNumber, ShowsTheFirstSevenOfCountDigits)
{
    struct Row { std::vector<int> bytes; QString shown; };
    const std::vector<Row> rows = {
        {{0, 1, 2, 3}, ""},
        {{5, 1, 2, 3, 4, 5, 6, 7}, "12345"},
        {{9, 13, 14, 15, 0, 11, 12, 0x1A}, "ABCD*#0"},   // high bits ignored, count capped
    };
    for (const Row& r : rows) {
        FillImageRamp();
        PutImage(512, r.bytes);
        EXPECT_EQ(DisplayUnlockText(), r.shown);
    }
}

TEST(Password, WritesLengthAndCharacterCodesOverSixteenZeroBytes)
{
    struct Row { const char* what; QString text; std::vector<int> area; };
    const std::vector<Row> rows = {
        {"three", "aB~", {3, 97, 66, 126, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"empty", "", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"unprintable counts", QString("x") + QChar(233) + "y", {3, 120, 0, 121, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"fifteen", "123456789012345", {15, 49, 50, 51, 52, 53, 54, 55, 56, 57, 48, 49, 50, 51, 52, 53}},
        {"sixteen leaves zeros", "1234567890123456", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const Row& r : rows) {
        Bytes expected = patternImage();
        Put(expected, 19496, r.area);
        WritePassword(r.text);
        EXPECT_TRUE(SameBytes(expected, image().bytes())) << r.what;
    }
}

TEST(Password, ShowsAtMostFifteenPrintableCharacters)
{
    FillImageRamp();
    PutImage(19496, {4, 65, 0, 200, 32});
    EXPECT_EQ(DisplayPassWordText(), "A ");
    PutImage(19496, {20, 65, 66, 67, 68, 69, 70, 71, 72, 73, 74, 75, 76, 77, 78, 79});
    PutImage(19496 + 16, {80});   // never reached: the area is 16 bytes
    EXPECT_EQ(DisplayPassWordText(), "ABCDEFGHIJKLMNO");

    struct Row { QString in; int code; };
    for (const Row& r : std::vector<Row>{{"a", 97}, {"A", 65}, {" ", 32}, {"~", 126}, {"", 0}, {"ab", 0},
                                         {QString(QChar(127)), 0}, {QString(QChar(31)), 0}, {QString(QChar(233)), 0}})
        EXPECT_EQ(AsciiToByte(r.in), r.code) << r.in.toStdString();
    EXPECT_EQ(PasswordCharacters(QString("a\tb") + QChar(233) + "c\n~"), "abc~");
}
