// The codes, timers, voice, macro, scheduler and zone renderers against a crafted image, and one
// whole run printed to a PDF and read back.
#include "tests/quillonedit/printing/PrintTestSupport.h"
#include "tests/support/PdfText.h"

#include "platform/qt/QtPrinter.h"
#include "quillonedit/image/Scheduler.h"
#include "quillonedit/printing/ControlReports.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace quillon::testing {
namespace {

using Outcome = PrintRunResult::Outcome;

TEST_F(ReportTest, TimerTextsShowTheWholeStoredValue)
{
    struct Case {
        int low, high, form;
        QString text;
    };
    const std::vector<Case> cases = {
        {0, 0, 1, "00:00"}, {0x08, 0x07, 1, "30:00"}, {0x70, 0x17, 1, "100:00"}, {0xFF, 0x7F, 1, "546:07"},
        {5, 8, 1, "34:13"},         // high bits past the editor's three still count (2053 seconds)
        {0, 200, 1, "853:20"},      // a stray high byte prints its value instead of ending the run
        {0, 0, 2, "0.0"}, {125, 0, 2, "12.5"}, {5, 0, 2, "0.5"}, {0xFF, 0xFF, 2, "6553.5"},
        {125, 0, 3, ""},
    };
    for (const Case& c : cases) {
        PutBytes(timerOffset(0, 0), {c.low, c.high});
        EXPECT_EQ(GetTime(timerOffset(0, 0), c.form), c.text) << c.low << " " << c.high << " " << c.form;
    }
}

TEST_F(ReportTest, TimerRowsCarryLabelValueAndUnit)
{
    PutBytes(timerOffset(4, 0), {0x08, 0x07});   // 1800 seconds
    PutBytes(timerOffset(4, 2), {25, 0});         // 2.5 seconds in tenths
    PutBytes(timerOffset(4, 18), {61, 0});
    printer.portraitHeight = 2000;
    ASSERT_EQ(run({3}).outcome, Outcome::Dispatched);
    const QStringList page = lines(3, 0);   // memory save 4
    EXPECT_EQ(titles().at(3), "Memory Save 4 Timers");
    EXPECT_TRUE(page.contains(Tabs({{8, "Repeater Time Out"}, {40, "30:00"}, {48, "Min/Sec"}})));
    EXPECT_TRUE(page.contains(Tabs({{8, "Repeater Sleep Timer"}, {40, "00:00"}, {48, "Min/Sec"}})));
    EXPECT_TRUE(page.contains(Tabs({{8, "Turn On Delay"}, {40, "2.5"}, {48, "Sec"}})));
    EXPECT_EQ(page.last(), Tabs({{8, "Link Auto Disconnect Time"}, {40, "01:01"}, {48, "Min/Sec"}}));
}

TEST_F(ReportTest, VoicePagesAreLandscapeWithTheirWordsAndNumbers)
{
    PutBytes(kBaseVoice, {2, 2, 44, 2, 31});                       // "Autopatch And"
    PutBytes(kBaseVoice + 64, {3, 2, 44, 9, 99, 2, 31});            // a word the vocabulary lacks
    PutBytes(kBaseVoice + 128, {1, 130, 5});                        // a stray first byte: its value
    image().set(kBaseVoice + 192, 200);                              // count past the slot: 31 words
    for (int w = 0; w < 31; ++w)
        PutBytes(kBaseVoice + 193 + 2 * w, {0, 7});
    PutBytes(kBaseVoice + 64 * 39, {1, 2, 12});                      // message 40: "Abort"
    PutBytes(memoryVoiceOffset(3) + 64 * 11, {1, 2, 33});           // memory save 3, message 12: "April"
    setup.fileName = "/home/op/club.001";
    printer.landscapeHeight = 2000;
    ASSERT_EQ(run({4, 5}).outcome, Outcome::Dispatched);
    ASSERT_EQ(printer.documents.size(), 9u);
    ASSERT_EQ(printer.documents[0].pages.size(), 2u);
    EXPECT_EQ(printer.documents[0].pageOrientations, (std::vector<int>{2, 2}));

    const QStringList first = lines(0, 0);
    EXPECT_EQ(first.mid(0, 5), (QStringList{"", "", "", "", "       File: /home/op/club.001"}));
    EXPECT_TRUE(first.contains(Tabs({{8, " 1"}, {14, "Autopatch And"}})));
    EXPECT_TRUE(first.contains(Tabs({{8, " 2"}, {14, "Autopatch  And"}})));
    EXPECT_TRUE(first.contains(Tabs({{8, " 3"}, {14, "33285"}})));
    EXPECT_TRUE(first.contains(Tabs({{8, " 4"}, {14, QStringList(31, "7").join(' ')}})));
    EXPECT_TRUE(first.contains(Tabs({{8, " 5"}})));
    EXPECT_EQ(first.last(), Tabs({{8, " 20"}}));
    const QStringList second = lines(0, 1);
    EXPECT_TRUE(second.contains(Tabs({{8, " 21"}})));
    EXPECT_EQ(second.last(), Tabs({{8, " 40"}, {14, "Abort"}}));
    EXPECT_EQ(titles().mid(0, 3), (QStringList{"Base Voice Messages", "Base Voice Messages", "Memory Save 1 Voice Messages"}));
    EXPECT_EQ(lines(3, 0).last(), Tabs({{8, " 12"}, {12, "April"}}));   // tab 12 on memory-save pages
}

TEST_F(ReportTest, ZoneMarksStandAgainstEnabledFunctions)
{
    const int save8 = 12556;
    PutBytes(save8, {5, 128, 0, 0, 0, 0, 255, 0});
    PutBytes(save8 - 1, {255});   // the byte before the set is not read
    ASSERT_EQ(run({13}).outcome, Outcome::Dispatched);
    ASSERT_EQ(printer.documents.size(), 16u);
    EXPECT_EQ(titles().mid(14), (QStringList{"Quillon Memory Save 8 Control Zones", "Quillon Memory Save 8 Control Zones"}));
    // The marks at tab 11 (left zone) and tab 63 (right zone), row by row, table by table.
    const auto marksAt = [&](int doc, double x) {
        QString out;
        for (const auto& item : printer.documents[size_t(doc)].pages[0])
            if (item.x == x)
                out += item.text;
        return out;
    };
    EXPECT_EQ(marksAt(14, 50), "X X     " + QString(8, ' '));   // zones 1 and 3
    EXPECT_EQ(marksAt(14, 310), "       X" + QString(8, ' '));  // zones 2 and 4
    EXPECT_EQ(marksAt(15, 50), QString(8, ' ') + "XXXXXXXX");   // zones 5 and 7
    EXPECT_EQ(marksAt(15, 310), QString(16, ' '));
}

TEST_F(ReportTest, ZoneTablesTwoToAPageWithTheirOwnNames)
{
    ASSERT_EQ(run({12}).outcome, Outcome::Dispatched);
    ASSERT_EQ(printer.documents.size(), 2u);
    const QStringList page = lines(0, 0);
    const auto zoneRow = [](int k, const QString& left, const QString& right) {
        const QString n = QString::number(k);
        return Tabs({{8, n}, {14, left}, {60, n}, {66, right}});   // blank marks at 11 and 63
    };
    const int head = int(page.indexOf(Tabs({{8, "Zone 1"}, {60, "Zone 2"}})));
    ASSERT_GT(head, 0);
    EXPECT_EQ(page.mid(head + 1, 2), (QStringList{"", ""}));
    EXPECT_EQ(page.at(head + 3), zoneRow(1, "Repeater Transmitter", "Repeater Timeout Timer"));
    EXPECT_EQ(page.at(head + 13), zoneRow(6, "DTMF Window", "Grandfather Clook Sleep"));
    EXPECT_EQ(page.mid(head + 18, 5), QStringList(5, ""));   // row 8's empty line, then four more
    EXPECT_EQ(page.at(head + 23), Tabs({{8, "Zone 3"}, {60, "Zone 4"}}));
    EXPECT_EQ(page.at(head + 23 + 17), zoneRow(8, "Grandfather Clock", "Autopatch Pre-Dial"));
    EXPECT_EQ(page.size(), head + 23 + 18);
    EXPECT_EQ(lines(1, 0).last(), zoneRow(8, "Input #8", "Output #8"));
}

TEST_F(ReportTest, MacroRowsShowCodeAndTenStepsOrTheNumberAlone)
{
    // Steps as printed: command byte then argument in hexadecimal, the rest of the ten 0000.
    const auto steps = [](QStringList first) {
        while (first.size() < kMacroCommands)
            first << "0000";
        return first.join("   ");
    };
    struct Case {
        int macro;                  // 1..40
        std::vector<int> bytes;     // from the record's start
        QStringList texts;          // code and steps; none for the number alone
    };
    const std::vector<Case> cases = {
        {1, {4, 1, 2, 3, 4, 0, 0, 0, 0x45, 0x12}, {"1234", steps({"1245"})}},
        {2, {0, 1, 2, 3, 4, 5, 6, 7, 0x45, 0x12}, {}},                     // no code: steps unread
        {3, {9, 13, 14, 15, 12, 11, 10, 1, 0x07, 0x0A, 0xFF, 0x9A, 0, 0x50},  // count past the field
         {"ABC#*01", steps({"A07", "9AFF", "5000"})}},                     // a stray byte: one letter
        {20, {1, 9, 0, 0, 0, 0, 0, 0, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x10, 0x11, 0x12,
              0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19, 0x20},
         {"9", steps({"0201", "0403", "0605", "0807", "1009", "1211", "1413", "1615", "1817", "2019"})}},
        {21, {1, 10}, {"0", steps({})}},
        {40, {7, 1, 1, 1, 1, 1, 1, 1}, {"1111111", steps({})}},
    };
    std::map<int, QStringList> filled;
    for (const Case& c : cases) {
        int at = macroOffset(c.macro);
        for (int b : c.bytes)
            image().set(at++, std::uint8_t(b));
        if (!c.texts.isEmpty())
            filled[c.macro] = c.texts;
    }
    ASSERT_EQ(run({6}).outcome, Outcome::Dispatched);
    ASSERT_EQ(printer.documents.size(), 1u);
    ASSERT_EQ(printer.documents[0].pages.size(), 2u);
    EXPECT_EQ(titles(), (QStringList{"Macro Commands", "Macro Commands"}));
    EXPECT_EQ(rowsAfter(lines(0, 0), "Macro Commands"), numberedRows(1, 20, filled, {14, 28}));
    EXPECT_EQ(rowsAfter(lines(0, 1), "Macro Commands"), numberedRows(21, 40, filled, {14, 28}));
}

TEST_F(ReportTest, SchedulerRowsUnderTheirColumnHeaders)
{
    struct Case {
        int entry;                  // 1..60
        std::vector<int> bytes;     // month, day, weekday, hour, minute, argument, command
        QStringList texts;          // time, weekday, month, day, command; none for the number alone
    };
    const QString noWeekday = "      ----";
    const std::vector<Case> cases = {
        {1, {255, 0, 0, 0x09, 0x30, 0x34, 0x12}, {"09:30", "Daily", "Skip", "", "1234"}},
        {2, {255, 0x17, 8, 255, 0x15, 0x00, 0x0A}, {"---:15", "Weekdays", "Skip", "", "A00"}},
        {3, {0x12, 0x05, 3, 0x23, 0x59, 0x99, 0x01}, {"23:59", noWeekday, "December", "5", "0199"}},
        {4, {0x13, 0x21, 0, 0x0C, 0x05, 0xFF, 0xFF}, {"C:05", noWeekday, "Error", "21", "FFFF"}},
        {5, {255, 0, 12, 0x00, 0x00, 0, 0}, {"00:00", "Error", "Skip", "", "0000"}},
        {6, {0, 0x05, 3, 0x23, 0x59, 0x99, 0x01}, {}},                  // month 0: empty
        {20, {0x01, 0x31, 0, 255, 0x00, 0x01, 0x02}, {"---:00", noWeekday, "January", "31", "0201"}},
        {21, {255, 0, 9, 0x12, 0x00, 0x00, 0x00}, {"12:00", "Weekends", "Skip", "", "0000"}},
        {60, {255, 0, 7, 0x18, 0x45, 0x10, 0x20}, {"18:45", "Saturday", "Skip", "", "2010"}},
    };
    std::map<int, QStringList> filled;
    for (const Case& c : cases) {
        int at = ScheduleEntryOffset(c.entry);
        for (int b : c.bytes)
            image().set(at++, std::uint8_t(b));
        if (!c.texts.isEmpty())
            filled[c.entry] = c.texts;
    }
    PutBytes(kScheduler + kScheduleEntryBytes * kSchedulerCount, {255, 0, 0, 0x09, 0x30});  // past the area
    ASSERT_EQ(run({7}).outcome, Outcome::Dispatched);
    ASSERT_EQ(printer.documents.size(), 1u);
    ASSERT_EQ(printer.documents[0].pages.size(), 3u);
    const QString header = Tabs({{15, "Time"}, {25, "Day Of Week"}, {45, "Month"}, {56, "Day Of Month"}, {75, "Command"}});
    const std::vector<int> tabs = {15, 25, 45, 56, 75};
    for (int page = 0; page < 3; ++page) {
        EXPECT_EQ(lines(0, page).count(header), 1) << page;
        EXPECT_EQ(rowsAfter(lines(0, page), header), numberedRows(20 * page + 1, 20 * page + 20, filled, tabs)) << page;
    }
}

// pdfinfo's report on the given pages.
QString PdfInfo(const QString& pdf, qsizetype pages)
{
    QProcess p;
    p.start("pdfinfo", {"-f", "1", "-l", QString::number(pages), pdf});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The section title of every page of a full run, document by document in job order.
QStringList FullRunPageTitles()
{
    QStringList t;
    const auto add = [&](const QString& title, int pages = 1) {
        for (int p = 0; p < pages; ++p)
            t << title;
    };
    const auto saves = [&](const QString& pattern, int pages = 1) {
        for (int s = 1; s <= kMemorySaveCount; ++s)
            add(pattern.arg(s), pages);
    };
    add("Base Control Codes");
    saves("Memory Save %1 Control Codes");
    add("Base Timers");
    saves("Memory Save %1 Timers");
    add("Base Voice Messages", 2);
    saves("Memory Save %1 Voice Messages");
    add("Macro Commands", 2);
    add("Schedular Operations", 3);
    for (int b = 1; b <= 3; ++b)
        add(QStringLiteral("Speed Dial Numbers Block %1").arg(b), 5);
    add("Emergency Speed Dial Numbers");
    add("Quillon Base Control Zones", 2);
    saves("Quillon Memory Save %1 Control Zones", 2);
    add("Remote Base Frequencies", 2);
    add("DTMF Generator", 2);
    add("Paging Tones");
    add("Courtesy Tones");
    add("Telephone Lockout Numbers");
    add("Telephone Area Codes");
    return t;
}

TEST_F(ReportTest, AWholeRunPrintedToPdfReadsBack)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty() || QStandardPaths::findExecutable("pdfinfo").isEmpty())
        GTEST_SKIP() << "poppler-utils is not installed";
    QTemporaryDir dir;
    const QString pdf = dir.filePath("report.pdf");
    qputenv("QM_PRINT_TO_PDF", pdf.toLocal8Bit());
    PutBytes(kBaseVoice, {2, 2, 44, 2, 31});
    PutBytes(codeRecordOffset(0, 0), {4, 1, 2, 3, 4});
    PutBytes(macroOffset(21), {2, 4, 2, 0, 0, 0, 0, 0, 0x07, 0x0A});
    PutBytes(ScheduleEntryOffset(41), {255, 0, 8, 255, 0x15, 0x34, 0x12});
    setup.fileName = "/home/op/club.001";
    platform::QtPrinter qt;
    PrintRun r;
    r.ticked = [](int) { return true; };
    const PrintRunResult result = RunPrintJobs(qt, setup, r);
    qunsetenv("QM_PRINT_TO_PDF");
    ASSERT_EQ(result.outcome, Outcome::Dispatched) << result.error.toStdString();

    const QStringList pages = PdfPages(pdf);
    const QStringList expected = FullRunPageTitles();
    ASSERT_EQ(expected.size(), 75);   // 57 documents
    EXPECT_EQ(pages.size(), expected.size() + result.continuationPages);
    // Page by page: its own title on a line of its own, and the file line. A continuation page
    // repeats the title of the section it goes on with: the page before's, or "CW Messages" where
    // the courtesy tones' document runs on (the font's line height decides where pages break).
    const auto hasTitle = [](const QString& page, const QString& title) {
        return page.contains(QRegularExpression("(^|\\n) *" + QRegularExpression::escape(title) + " *(\\n|$)"));
    };
    qsizetype next = 0;
    int continued = 0;
    for (qsizetype p = 0; p < pages.size(); ++p) {
        EXPECT_TRUE(pages[p].contains("File: /home/op/club.001")) << p + 1;
        if (next < expected.size() && hasTitle(pages[p], expected[next])) {
            ++next;
        } else {
            const bool continues = next > 0 && (hasTitle(pages[p], expected[next - 1]) ||
                                                (expected[next - 1] == "Courtesy Tones" && hasTitle(pages[p], "CW Messages")));
            EXPECT_TRUE(continues) << "page " << p + 1 << pages[p].toStdString();
            ++continued;
        }
    }
    EXPECT_EQ(next, expected.size());
    EXPECT_EQ(continued, result.continuationPages);
    const QString all = pages.join('\n');
    EXPECT_TRUE(hasTitle(all, "CW Messages"));   // in the courtesy tones' document
    EXPECT_TRUE(all.contains(QRegularExpression("Control Operator Prefix +1234")));
    EXPECT_TRUE(all.contains(QRegularExpression("1 +Autopatch And")));
    EXPECT_TRUE(all.contains(QRegularExpression("21 +42 +A07 +0000")));
    EXPECT_TRUE(all.contains(QRegularExpression("41 +---:15 +Weekdays +Skip +1234")));

    // Voice pages are landscape, the others portrait.
    const QString info = PdfInfo(pdf, pages.size());
    const QRegularExpression size(R"(Page +(\d+) size: +([\d.]+) x ([\d.]+))");
    int checked = 0;
    for (auto m = size.globalMatch(info); m.hasNext(); ++checked) {
        const auto match = m.next();
        const int page = match.captured(1).toInt() - 1;
        const bool landscape = match.captured(2).toDouble() > match.captured(3).toDouble();
        EXPECT_EQ(landscape, pages.at(page).contains("Voice Messages")) << page + 1;
    }
    EXPECT_EQ(checked, pages.size());
}

// All 20 sections at the smallest, the default and the largest size the paper takes: pdftotext
// finds every word inside the printable area of its page.
TEST_F(ReportTest, EveryWordOfARunLiesInsideThePrintableArea)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "poppler-utils is not installed";
    FillWidestImage();
    QTemporaryDir dir;
    const QString pdf = dir.filePath("report.pdf");
    qputenv("QM_PRINT_TO_PDF", pdf.toLocal8Bit());
    platform::QtPrinter qt;
    const std::optional<int> largest = LargestReportFontSize(qt, setup.fontName);
    ASSERT_TRUE(largest);
    // The margins of each orientation, the same on both sides.
    double printable[3][2] = {};
    for (int o : {1, 2}) {
        qt.setOrientation(o);
        printable[o][0] = qt.printableWidth();
        printable[o][1] = qt.printableHeight();
    }
    const QRegularExpression pageTag(R"RE(<page width="([\d.]+)" height="([\d.]+)">)RE");
    const QRegularExpression wordTag(R"RE(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)RE");
    for (const int size : {int(kMinPrintFontSize), 10, *largest}) {
        setup.fontSize = QString::number(size);
        PrintRun r;
        r.ticked = [](int) { return true; };
        const PrintRunResult result = RunPrintJobs(qt, setup, r);
        ASSERT_EQ(result.outcome, Outcome::Dispatched) << size << " " << result.error.toStdString();
        int words = 0;
        double width = 0, height = 0, mx = 0, my = 0;
        for (const QString& line : PdfTextAsWritten(pdf, {"-bbox"}).split('\n')) {
            if (const auto page = pageTag.match(line); page.hasMatch()) {
                width = page.captured(1).toDouble();
                height = page.captured(2).toDouble();
                const int o = width > height ? 2 : 1;
                mx = (width - printable[o][0]) / 2;
                my = (height - printable[o][1]) / 2;
            } else if (const auto w = wordTag.match(line); w.hasMatch()) {
                ++words;
                const double x0 = w.captured(1).toDouble(), y0 = w.captured(2).toDouble();
                const double x1 = w.captured(3).toDouble(), y1 = w.captured(4).toDouble();
                EXPECT_TRUE(x0 >= mx - 0.5 && x1 <= width - mx + 0.5 && y0 >= my - 0.5 && y1 <= height - my + 0.5)
                    << "size " << size << " \"" << w.captured(5).toStdString() << "\" " << x0 << "," << y0 << " "
                    << x1 << "," << y1 << " on " << width << "x" << height;
            }
        }
        EXPECT_GT(words, 1000) << size;
    }
    qunsetenv("QM_PRINT_TO_PDF");
}

} // namespace
} // namespace quillon::testing
