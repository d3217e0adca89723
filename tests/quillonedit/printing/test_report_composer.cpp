// Headings, line conventions, continuation pages and the job table's documents and pages, on the
// recording printer.
#include "tests/quillonedit/printing/PrintTestSupport.h"

#include "platform/qt/QtPrinter.h"
#include "quillonedit/image/RbiFrequencies.h"
#include "quillonedit/image/Scheduler.h"
#include "quillonedit/image/SpeedDial.h"
#include "quillonedit/image/VoiceSlots.h"
#include "quillonedit/printing/ControlReports.h"
#include "quillonedit/printing/CwMessageReport.h"
#include "quillonedit/printing/ReportComposer.h"

#include <QRegularExpression>

namespace quillon::testing {
namespace {

using Outcome = PrintRunResult::Outcome;

TEST(ReportComposerRules, WholeFontSizeRoundsTiesToEvenAndRefusesNonNumbers)
{
    const std::vector<std::pair<QString, std::optional<int>>> cases = {
        {"10", 10}, {" 10.5", 10}, {"11.5", 12}, {"9.5", 10}, {"12.49", 12}, {"8.51", 9},
        {"10,5", 10}, {" 11,5", 12},   // stored under a locale with a decimal comma
        {"abc", std::nullopt}, {"", std::nullopt}, {"0.4", std::nullopt}, {"40000", std::nullopt},
    };
    for (const auto& [setting, whole] : cases)
        EXPECT_EQ(WholeFontSize(setting), whole) << setting.toStdString();
    EXPECT_EQ(Number(7), " 7 ");
    EXPECT_EQ(Number(40), " 40 ");
}

TEST(ReportComposerRules, SectionTitles)
{
    const std::vector<std::pair<int, QString>> cases = {
        {0, "Base Control Codes"}, {3, "Memory Save 3 Control Codes"}, {10, "Base Timers"},
        {18, "Memory Save 8 Timers"}, {30, "Macro Commands"}, {40, "Schedular Operations"},
        {52, "Speed Dial Numbers Block 3"}, {55, "Emergency Speed Dial Numbers"},
        {60, "Quillon Base Control Zones"}, {68, "Quillon Memory Save 8 Control Zones"},
        {70, "Remote Base Frequencies"}, {80, "DTMF Generator"}, {90, "Paging Tones"}, {100, "Courtesy Tones"},
        {110, "CW Messages"}, {120, "Telephone Lockout Numbers"}, {130, "Telephone Area Codes"},
        {9, ""}, {19, ""}, {140, ""}, {-1, ""},
    };
    for (const auto& [section, title] : cases)
        EXPECT_EQ(SubHeadingTitle(section), title) << section;
    EXPECT_EQ(VoicePageTitle(0), "Base Voice Messages");
    EXPECT_EQ(VoicePageTitle(8), "Memory Save 8 Voice Messages");
    EXPECT_EQ(VoicePageTitle(9), "");
}

// The whole top of an ordinary page: heading, centred section title, first rows at their tabs.
TEST_F(ReportTest, CodesPageHeadingTitleAndRowsAtTheirTabs)
{
    PutBytes(codeRecordOffset(0, 0), {3, 1, 2, 11, 9, 9, 9, 9});   // count 3: "12*"
    PutBytes(codeRecordOffset(0, 24), {7, 10, 12, 13, 14, 15, 0, 0x25});   // high bits ignored
    printer.portraitHeight = 2000;
    ASSERT_EQ(run({0}).outcome, Outcome::Dispatched);
    const QStringList page = lines(0, 0);
    const QStringList top = {
        "", "",
        "       File: No File Name Assigned",
        "       Print Date: " + QLocale().toString(QDate(2026, 12, 9), QLocale::ShortFormat),
        "", "", "", "",
        "                                           Base Control Codes",   // (540 - 18 x 6) / 2 = 216 points
        "", "", "", "",
        "       Control Operator Prefix              12*",
        "",
        "       Link Bridge Code",
    };
    EXPECT_EQ(page.mid(0, top.size()), top);
    EXPECT_EQ(page.size(), 13 + 2 * 25 - 1);
    EXPECT_EQ(page.last(), "       DTMF Paging Prefix                   0#ABCD5");
    EXPECT_TRUE(printer.calls.contains("font Arial 10"));
    EXPECT_EQ(printer.documents[0].pages.size(), 1u);   // the renderer's closing break adds no page
}

TEST_F(ReportTest, FractionalFontSizeSetsTheRunFontAndHeadingsUseTheWholeSize)
{
    setup.fontName = "Courier New";
    setup.fontSize = " 10.5";
    printer.portraitHeight = 2000;
    ASSERT_EQ(run({2}).outcome, Outcome::Dispatched);
    EXPECT_EQ(printer.calls.indexOf("font Courier New 10.5"), 1);   // right after the printer choice
    for (const auto& item : printer.documents[0].pages[0])
        EXPECT_EQ(item.size, item.text == "Base Timers" ? 12 : 10) << item.text.toStdString();
}

TEST_F(ReportTest, HeaderRowsAreEmphasisedAtTheirTabs)
{
    struct Case {
        int box;
        QString firstHeader;
        QString header;   // the header row on the character grid
    };
    const std::vector<Case> cases = {
        {7, "Time", "              Time      Day Of Week         Month      Day Of Month       Command"},
        {14, "Frequency", "              Frequency           Offset         TX Power       CTCSS Frequency"},
        {16, "Tone #1", "              Tone #1             Tone #2"},
        {17, "Tone #1 Hz-Ms", "              Tone #1 Hz-Ms       Delay     Tone #2 Hz-Ms       Delay     Tone #3 Hz-Ms"},
    };
    for (const Case& c : cases) {
        printer = {};
        printer.portraitHeight = 2000;
        ASSERT_EQ(run({c.box}).outcome, Outcome::Dispatched);
        const auto& items = printer.documents[0].pages[0];
        const auto header = std::find_if(items.begin(), items.end(), [&](const auto& i) { return i.text == c.firstHeader; });
        ASSERT_NE(header, items.end()) << c.box;
        EXPECT_TRUE(header->bold) << c.box;
        EXPECT_TRUE(lines(0, 0).contains(c.header)) << c.box;
    }
    // Both tone sections of box 17 share its one page.
    EXPECT_EQ(titles(), (QStringList{"Courtesy Tones", "CW Messages"}));
    EXPECT_EQ(pageCount(), 1);
}

// The job table: documents, pages, orientation and titles of each box alone.
TEST_F(ReportTest, EachJobPrintsItsDocumentsAndPages)
{
    struct Case {
        int box;
        int documents;
        int pages;
        int orientation;
        QStringList firstTitles;
    };
    const std::vector<Case> cases = {
        {0, 1, 1, 1, {"Base Control Codes"}},
        {1, 8, 8, 1, {"Memory Save 1 Control Codes", "Memory Save 2 Control Codes"}},
        {3, 8, 8, 1, {"Memory Save 1 Timers"}},
        {4, 1, 2, 2, {"Base Voice Messages", "Base Voice Messages"}},
        {5, 8, 8, 2, {"Memory Save 1 Voice Messages", "Memory Save 2 Voice Messages"}},
        {6, 1, 2, 1, {"Macro Commands", "Macro Commands"}},
        {7, 1, 3, 1, {"Schedular Operations", "Schedular Operations", "Schedular Operations"}},
        {9, 1, 5, 1, {"Speed Dial Numbers Block 2"}},
        {11, 1, 1, 1, {"Emergency Speed Dial Numbers"}},
        {12, 2, 2, 1, {"Quillon Base Control Zones", "Quillon Base Control Zones"}},
        {13, 16, 16, 1, {"Quillon Memory Save 1 Control Zones", "Quillon Memory Save 1 Control Zones",
                         "Quillon Memory Save 2 Control Zones"}},
        {14, 1, 2, 1, {"Remote Base Frequencies", "Remote Base Frequencies"}},
        {15, 1, 2, 1, {"DTMF Generator", "DTMF Generator"}},
        {18, 1, 1, 1, {"Telephone Lockout Numbers"}},
        {19, 1, 1, 1, {"Telephone Area Codes"}},
    };
    for (const Case& c : cases) {
        printer = {};
        printer.portraitHeight = printer.landscapeHeight = 2000;
        ASSERT_EQ(run({c.box}).outcome, Outcome::Dispatched) << c.box;
        EXPECT_EQ(int(printer.documents.size()), c.documents) << c.box;
        EXPECT_EQ(pageCount(), c.pages) << c.box;
        for (const auto& d : printer.documents)
            for (int o : d.pageOrientations)
                EXPECT_EQ(o, c.orientation) << c.box;
        EXPECT_EQ(titles().mid(0, c.firstTitles.size()), c.firstTitles) << c.box;
    }
}

TEST_F(ReportTest, AllJobsRunInIndexOrderAsOneRun)
{
    printer.portraitHeight = printer.landscapeHeight = 2000;
    std::set<int> all;
    for (int b = 0; b < kPrintJobCount; ++b)
        all.insert(b);
    const PrintRunResult result = run(all);
    ASSERT_EQ(result.outcome, Outcome::Dispatched);
    EXPECT_EQ(printer.documents.size(), 57u);
    EXPECT_EQ(pageCount(), 75);   // 74 opened by the job table, one more by the base voice messages
    EXPECT_EQ(result.continuationPages, 0);
    EXPECT_EQ(printer.runs, 1);
    // Macros (box 6) come before the base zones (box 12) although their boxes stand elsewhere.
    const QStringList t = titles();
    EXPECT_LT(t.indexOf("Macro Commands"), t.indexOf("Quillon Base Control Zones"));
    EXPECT_EQ(t.first(), "Base Control Codes");
    EXPECT_EQ(t.last(), "Telephone Area Codes");
}

// A section that runs past the page bottom goes on with its headings on a new page; no row is lost.
TEST_F(ReportTest, ARowThatWouldPassThePageBottomContinuesOnANewPage)
{
    const PrintRunResult result = run({0});   // 25 code rows do not fit a 720-point page with headings
    ASSERT_EQ(result.outcome, Outcome::Dispatched);
    ASSERT_EQ(printer.documents.size(), 1u);
    ASSERT_EQ(printer.documents[0].pages.size(), 2u);
    EXPECT_EQ(result.continuationPages, 1);
    EXPECT_EQ(titles(), (QStringList{"Base Control Codes", "Base Control Codes"}));
    const QStringList second = lines(0, 1);
    EXPECT_EQ(second.at(2), "       File: No File Name Assigned");
    QStringList rows;
    for (int p = 0; p < 2; ++p)
        for (const auto& item : printer.documents[0].pages[size_t(p)])
            if (std::lround(item.x) == 35 && !item.text.startsWith("File") && !item.text.startsWith("Print Date"))
                rows << item.text;
    ASSERT_EQ(rows.size(), 25);
    EXPECT_EQ(rows.first(), "Control Operator Prefix");
    EXPECT_EQ(rows.last(), "DTMF Paging Prefix");
    for (const auto& page : printer.documents[0].pages)
        for (const auto& item : page)
            EXPECT_LE(item.top + 12, printer.portraitHeight);
}

// A row whose text ends exactly at the page foot stays, its empty line left out; a hair less
// room sends it on.
TEST_F(ReportTest, ARowThatFitsExactlyAtThePageFootStaysOnItsPage)
{
    // Voice heading: 4 empty lines, file and date (12 points each), the 14.4-point title, 2 empty
    // lines; then 20 rows of 2 lines: the 20th row's text ends at 110.4 + 468 points.
    printer.landscapeHeight = 578.4;
    PrintRunResult result = run({4});
    ASSERT_EQ(result.outcome, Outcome::Dispatched);
    EXPECT_EQ(result.continuationPages, 0);
    ASSERT_EQ(pageCount(), 2);
    EXPECT_EQ(Chopped(lines(0, 0).last()).trimmed(), "20");
    EXPECT_EQ(Chopped(lines(0, 1).last()).trimmed(), "40");

    printer = {};
    printer.landscapeHeight = 578.3;
    result = run({4});
    ASSERT_EQ(result.outcome, Outcome::Dispatched);
    EXPECT_EQ(result.continuationPages, 2);
    ASSERT_EQ(pageCount(), 4);
    EXPECT_EQ(titles(), QStringList(4, "Base Voice Messages"));
    EXPECT_EQ(rowsAfter(lines(0, 1), "Base Voice Messages"), QStringList{"        20"});

    // A page filled exactly: the next row still goes on under the headings of a new page.
    printer = {};
    printer.landscapeHeight = 110.4 + 6 * 24;
    result = run({5});
    ASSERT_EQ(result.outcome, Outcome::Dispatched);
    EXPECT_EQ(result.continuationPages, 8);
    ASSERT_EQ(printer.documents[0].pages.size(), 2u);
    EXPECT_EQ(rowsAfter(lines(0, 0), "Memory Save 1 Voice Messages").last(), "        6");
    EXPECT_EQ(rowsAfter(lines(0, 1), "Memory Save 1 Voice Messages").first(), "        7");
}

// A section title goes to the next page with its first row rather than stand alone at the foot.
TEST_F(ReportTest, ASectionTitleGoesOnWithItsFirstRow)
{
    // Box 17: headings to 72 points, the courtesy tones to 410.4; the CW title block takes 110.4
    // more and its first row, "#1. Empty", one line: to 532.8.
    printer.portraitHeight = 531;
    ASSERT_EQ(run({17}).outcome, Outcome::Dispatched);
    EXPECT_EQ(titles(), (QStringList{"Courtesy Tones", "CW Messages"}));
    ASSERT_EQ(pageCount(), 2);
    EXPECT_EQ(rowsAfter(lines(0, 1), "CW Messages").first(), Tabs({{8, "#1. Empty"}}));
}

// A row never opens a page cut off from what labels it: a zone pair's heading goes on the page of
// its first row and heads again the page its rows continue on, and a CW message's speed line goes
// with its "#n." line. Swept over every size the report takes in the README's fonts, on A4 and
// Letter, so the page foot falls at every place in the tables.
TEST_F(ReportTest, NoRowOpensAPageWithoutItsHeadingOrLabel)
{
    FillWidestImage();
    int continuedPairs = 0;
    int labelsMoved = 0;
    for (const QPageSize::PageSizeId paper : {QPageSize::A4, QPageSize::Letter}) {
        PaperMetrics paperMetrics(paper);
        for (const QString font : {"DejaVu Sans", "DejaVu Serif"}) {
            printer = {};
            printer.metrics = &paperMetrics;
            const std::optional<int> largest = LargestReportFontSize(printer, font);
            ASSERT_TRUE(largest) << font.toStdString();
            for (int size = int(kMinPrintFontSize); size <= *largest; ++size) {
                printer = {};
                printer.metrics = &paperMetrics;
                setup.fontName = font;
                setup.fontSize = QString::number(size);
                const PrintRunResult result = run({12, 13, 17});
                const std::string where = QStringLiteral("%1 %2 pt on %3")
                                              .arg(font)
                                              .arg(size)
                                              .arg(QPageSize::name(paper))
                                              .toStdString();
                ASSERT_EQ(result.outcome, Outcome::Dispatched) << where << " " << result.error.toStdString();
                paperMetrics.setFont({font, double(size), false, false});
                const double rowNumberX = paperMetrics.columnX(8);
                for (const auto& d : printer.documents)
                    for (std::size_t p = 0; p < d.pages.size(); ++p) {
                        const auto& page = d.pages[p];
                        // What the next row on the page needs above it: "Zone" or "#"; and
                        // whether a heading or label still waits for its row.
                        QString above;
                        bool waiting = false;
                        bool firstZoneRow = true;
                        for (const auto& item : page) {
                            const bool zoneHeading = item.bold && item.text.startsWith("Zone ");
                            const bool cwLabel = item.text.startsWith("#1. ") || item.text.startsWith("#2. ");
                            const bool zoneRow = !item.bold && std::abs(item.x - rowNumberX) < 1e-6 &&
                                                 item.text.size() == 1 && item.text.at(0).isDigit();
                            const bool speedLine = item.text.contains(" at ");
                            if (zoneHeading || cwLabel) {
                                above = zoneHeading ? "Zone" : "#";
                                waiting = true;
                                labelsMoved += cwLabel && p > 0;
                            } else if (zoneRow || speedLine) {
                                EXPECT_EQ(above, zoneRow ? "Zone" : "#")
                                    << where << ": \"" << item.text.toStdString() << "\" opens page " << p + 1;
                                continuedPairs += zoneRow && firstZoneRow && item.text != "1";
                                firstZoneRow = firstZoneRow && !zoneRow;
                                waiting = false;
                            }
                        }
                        EXPECT_FALSE(waiting) << where << ": a heading or label ends page " << p + 1;
                    }
            }
        }
    }
    // The sweep did reach the cases: pairs went on over a page break, and CW labels with them.
    EXPECT_GT(continuedPairs, 0);
    EXPECT_GT(labelsMoved, 0);
}

// The same rule swept over page heights a point apart, so the page foot falls inside every line of
// the title blocks, zone headings and CW labels: nothing that opens rows (a section title with its
// column headers, a zone heading, a "#n." label) ends a page without the first row it opens.
TEST_F(ReportTest, NoTitleHeadingOrLabelEndsAPageAtAnyPageHeight)
{
    // The line before each of these starts a row: a zone row's number, a courtesy tone's number,
    // a CW speed line.
    const auto opens = [](const platform::doubles::RecordingPrinter::Item& item) {
        return item.size > 10 || item.bold || item.text.startsWith("#1. ") || item.text.startsWith("#2. ") ||
               item.text.startsWith("File: ") || item.text.startsWith("Print Date: ");
    };
    const double rowNumberX = 7 * 5.0;   // tab 8 at 5 points a column
    const QRegularExpression number("^ ?\\d+ ?$");
    const auto startsRow = [&](const platform::doubles::RecordingPrinter::Item& item) {
        return (std::abs(item.x - rowNumberX) < 1e-6 && number.match(item.text).hasMatch()) || item.text.contains(" at ");
    };
    int pagesChecked = 0;
    for (const bool widest : {false, true}) {
        resetImage();
        if (widest)
            FillWidestImage();
        // From the least height whose page holds its heading, the CW title block, the widest label
        // and its row; to one that holds a whole zone document.
        for (int height = 243; height <= 800; ++height) {
            printer = {};
            printer.portraitHeight = height;
            // The jobs alone: the font check before a run would take most of the time.
            ReportComposer out(printer, setup);
            RunPrintJob(12, out);
            RunPrintJob(17, out);
            for (std::size_t d = 0; d < printer.documents.size(); ++d)
                for (std::size_t p = 0; p < printer.documents[d].pages.size(); ++p) {
                    const auto& page = printer.documents[d].pages[p];
                    const auto lastOpener = std::find_if(page.rbegin(), page.rend(), opens);
                    ASSERT_NE(lastOpener, page.rend());
                    EXPECT_TRUE(std::any_of(page.rbegin(), lastOpener, startsRow))
                        << "page height " << height << (widest ? ", widest image" : "") << ": \""
                        << lastOpener->text.toStdString() << "\" ends page " << p + 1 << " of document " << d + 1;
                    ++pagesChecked;
                }
        }
    }
    EXPECT_GT(pagesChecked, 2 * 651 * 3);
}

// A text too long for the room right of its column goes on, under that column, on the lines
// below; the row's lines count for the page break and nothing passes the right edge or the foot.
TEST_F(ReportTest, ALongTextContinuesUnderItsColumnAndCountsForThePageBreak)
{
    std::vector<int> words;   // "Acknowledge Affirmative Alternate Altitude Amateur", six times
    for (int i = 0; i < 30; ++i)
        words.push_back(std::vector<int>{215, 220, 226, 227, 228}[size_t(i % 5)]);
    for (int m = 1; m <= 20; ++m)
        WriteWordNumbers(BaseVoiceSlotOffset(m), words);
    const QString message = VoiceReportText(kBaseVoice);
    ASSERT_GT(message.size(), 2 * 131);   // three lines of 131 characters right of tab 14
    image().set(kCwMessage1, 127);         // 127 + 4 characters right of tab 8, room for 101
    for (int i = 1; i <= 127; ++i)
        image().set(kCwMessage1 + i, std::uint8_t(10 + i % 26));
    const QString cw = "#1. " + CwMessageReportText(1);

    ASSERT_EQ(run({4, 17}).outcome, Outcome::Dispatched);
    const QStringList first = lines(0, 0);
    const int row = int(std::find_if(first.begin(), first.end(), [](const QString& l) { return l.startsWith("        1 "); }) -
                        first.begin());
    ASSERT_LT(row, first.size());
    QStringList pieces;
    for (int i = row; i < row + 3; ++i) {
        EXPECT_EQ(first.at(i).indexOf(QRegularExpression("\\S"), 10), 13) << first.at(i).toStdString();
        pieces << first.at(i).mid(13);
    }
    EXPECT_EQ(pieces.join(' '), message);
    EXPECT_EQ(first.at(row + 3), "");
    EXPECT_EQ(first.at(row + 4).left(12), "        2   ");

    const QStringList cwRows = rowsAfter(lines(1, 0), "CW Messages");
    ASSERT_GE(cwRows.size(), 3);
    EXPECT_EQ(cwRows.at(0).size(), 7 + 101);
    EXPECT_EQ(cwRows.at(0).mid(7) + cwRows.at(1).mid(7), cw);
    EXPECT_EQ(cwRows.at(2), Chopped(Tabs({{12, " at "}})));

    // 20 rows of four lines do not fit one landscape page: continuation pages, each headed, and
    // no row split between two pages.
    EXPECT_GT(printer.documents[0].pages.size(), 2u);
    for (const auto& d : printer.documents) {
        const double width = d.orientation == 2 ? printer.landscapeWidth : printer.portraitWidth;
        const double height = d.orientation == 2 ? printer.landscapeHeight : printer.portraitHeight;
        for (const auto& page : d.pages)
            for (const auto& item : page) {
                EXPECT_LE(item.x + item.text.size() * item.size / 2, width + 1e-6) << item.text.toStdString();
                EXPECT_LE(item.top + item.size * 1.2, height + 1e-6) << item.text.toStdString();
            }
    }
    for (int p = 0; p < int(printer.documents[0].pages.size()); ++p) {
        const QStringList page = lines(0, p);
        const QStringList rows = rowsAfter(page, "Base Voice Messages");
        ASSERT_FALSE(rows.isEmpty()) << p;
        EXPECT_TRUE(rows.first().contains(QRegularExpression("^ {7,8}\\d+( |$)"))) << p;   // a row begins the page
    }
}

// Two cells on one line keep at least a blank's width apart (the next one goes a line down), and
// a text breaks only between its words: a bracketed word or prosign stays whole.
TEST_F(ReportTest, CellsKeepABlankApartAndBracketedWordsStayWhole)
{
    PutBytes(ScheduleEntryOffset(1), {0x09, 0x10, 0, 0x09, 0x30, 0x15, 0x03});   // September 10
    std::vector<int> words(10, 215);   // ten times "Acknowledge": 119 characters
    words.push_back(107);              // "[Hi/Lo Temp]" across the 131st character of the line
    WriteWordNumbers(BaseVoiceSlotOffset(1), words);
    image().set(kCwMessage1, 50);      // "(SK)(AR)" 25 times: one word, wider than its line
    for (int i = 0; i < 50; ++i)
        image().set(kCwMessage1 + 1 + i, std::uint8_t(i % 2 ? 37 : 46));
    printer.portraitHeight = printer.landscapeHeight = 2000;
    ASSERT_EQ(run({4, 17}).outcome, Outcome::Dispatched);
    for (const auto& d : printer.documents)
        for (const auto& page : d.pages)
            for (const auto& item : page)
                EXPECT_TRUE(item.text.count('[') == item.text.count(']') && item.text.count('(') == item.text.count(')'))
                    << item.text.toStdString();
    EXPECT_TRUE(lines(0, 0).contains(Tabs({{8, " 1 "}, {14, QStringList(10, "Acknowledge").join(' ')}})));
    EXPECT_TRUE(lines(1, 0).contains(Tabs({{8, "#1. " + QString("(SK)(AR)").repeated(12)}})));

    // With the fonts' own widths ("September" leaves less than a blank before tab 56 in some).
    platform::QtPrinter real;
    printer = {};
    printer.metrics = &real;
    ASSERT_EQ(run({7}).outcome, Outcome::Dispatched);
    const auto& items = printer.documents.at(0).pages.at(0);
    const auto month = std::find_if(items.begin(), items.end(), [](const auto& i) { return i.text == "September"; });
    ASSERT_NE(month, items.end());
    real.setFont({setup.fontName, 10, false, false});
    const double blank = real.textWidth(" ");
    for (const auto& item : items) {
        if (std::abs(item.top - month->top) < 1e-6 && item.x > month->x) {
            EXPECT_GE(item.x, month->x + real.textWidth("September") + blank - 1e-6) << item.text.toStdString();
        }
    }
    const auto day = std::find_if(month, items.end(), [](const auto& i) { return i.text == "10"; });
    ASSERT_NE(day, items.end());
    EXPECT_DOUBLE_EQ(day->x, real.columnX(56));
}

TEST_F(ReportTest, FileLineNamesTheOpenProjectAndNothingHeadsAPageOnceNoJobIsTicked)
{
    setup.fileName = "/home/op/club.001";
    printer.portraitHeight = 2000;
    ASSERT_EQ(run({2}).outcome, Outcome::Dispatched);
    EXPECT_EQ(lines(0, 0).at(2), "       File: /home/op/club.001");

    printer = {};
    setup.anyJobSelected = [] { return false; };
    ASSERT_EQ(run({11}).outcome, Outcome::Dispatched);
    EXPECT_FALSE(printer.calls.contains("orientation 1"));
    EXPECT_EQ(titles(), QStringList{"Emergency Speed Dial Numbers"});   // the section title still prints
    EXPECT_FALSE(lines(0, 0).join("|").contains("File:"));
}

TEST_F(ReportTest, FailuresEndTheRunAndTheNextRunStartsClean)
{
    printer.cancelSelect = true;
    PrintRunResult r = run({0, 2});
    EXPECT_EQ(r.outcome, Outcome::Failed);
    EXPECT_TRUE(r.error.isEmpty());
    EXPECT_EQ(printer.calls, QStringList{"select"});   // no font, nothing printed

    // A printer that fails half-way: the run, the open document included, is thrown away.
    printer = {};
    printer.failAfterDraws = 60;
    r = run({0, 2, 12});
    EXPECT_EQ(r.outcome, Outcome::Failed);
    EXPECT_EQ(r.error, "Printer out of paper");
    EXPECT_TRUE(printer.calls.contains("abort"));
    EXPECT_TRUE(printer.documents.empty());
    EXPECT_FALSE(printer.inRun());

    printer.failAfterDraws = -1;
    r = run({0, 2, 12});
    EXPECT_EQ(r.outcome, Outcome::Dispatched);
    EXPECT_EQ(printer.documents.size(), 4u);
    EXPECT_EQ(printer.sentRuns, 1);

    printer = {};
    setup.fontSize = "twelve";
    r = run({0});
    EXPECT_EQ(r.outcome, Outcome::Failed);
    EXPECT_TRUE(r.error.contains("twelve"));
    EXPECT_TRUE(printer.documents.empty());
}

// A size no report page can hold ends the run as a size that is no number does, before any page;
// so does one at which the widest rows would not fit the paper.
TEST_F(ReportTest, AFontSizeOutsideThePrintableRangeEndsTheRunBeforeAnyPage)
{
    // The courtesy tones' tab 84 and three digits: 43 half-size characters on 540 points.
    ASSERT_EQ(LargestReportFontSize(printer, "Arial"), 12);
    // Sizes past the largest are refused once measured; the others before any font is set.
    const std::vector<std::pair<QString, bool>> refused = {
        {"200", false}, {"32767", false}, {"inf", false}, {"nan", false}, {"3.9", false}, {"72.5", false},
        {"-10", false}, {"12.6", true}, {"13", true}, {"72", true},
    };
    for (const auto& [size, measured] : refused) {
        printer = {};
        setup.fontSize = size;
        const PrintRunResult r = run({0});
        EXPECT_EQ(r.outcome, Outcome::Failed) << size.toStdString();
        EXPECT_TRUE(r.error.contains(size)) << size.toStdString();
        EXPECT_TRUE(printer.documents.empty()) << size.toStdString();
        if (!measured) {
            EXPECT_EQ(printer.calls.filter("font").size(), 0) << size.toStdString();
        }
    }
    for (const QString size : {"4", "12", "12.4"}) {
        printer = {};
        setup.fontSize = size;
        EXPECT_EQ(run({19}).outcome, Outcome::Dispatched) << size.toStdString();
        EXPECT_TRUE(printer.calls.contains("font Arial " + size)) << size.toStdString();
    }
}

// At every size the font dialog takes, in the fonts the machine has: no word leaves the paper's
// printable area, the run stays a sensible length, and every page begins with its headings.
TEST_F(ReportTest, EveryAcceptedSizeKeepsEveryWordOnThePaper)
{
    FillWidestImage();
    platform::QtPrinter real;
    printer.metrics = &real;
    setup.fileName = "/home/op/club.001";
    const std::optional<int> largest = LargestReportFontSize(printer, setup.fontName);
    ASSERT_TRUE(largest);
    EXPECT_GE(*largest, 10);
    std::set<int> all;
    for (int b = 0; b < kPrintJobCount; ++b)
        all.insert(b);
    for (int size = int(kMinPrintFontSize); size <= int(kMaxPrintFontSize); ++size) {
        printer = {};
        printer.metrics = &real;
        setup.fontSize = QString::number(size);
        const PrintRunResult result = run(all);
        if (size > *largest) {
            EXPECT_EQ(result.outcome, Outcome::Failed) << size;
            EXPECT_TRUE(printer.documents.empty()) << size;
            continue;
        }
        ASSERT_EQ(result.outcome, Outcome::Dispatched) << size << " " << result.error.toStdString();
        EXPECT_LE(pageCount(), 75 + 2 * size * size) << size;
        for (const auto& d : printer.documents)
            for (std::size_t p = 0; p < d.pages.size(); ++p) {
                const auto& page = d.pages[p];
                ASSERT_FALSE(page.empty()) << size;
                EXPECT_TRUE(std::any_of(page.begin(), page.begin() + std::min<std::size_t>(page.size(), 2),
                                        [](const auto& i) { return i.text.startsWith("File: "); }))
                    << "size " << size << " page " << p + 1 << " begins " << page.front().text.toStdString();
                real.setOrientation(d.pageOrientations[p]);
                const double width = real.printableWidth();
                const double height = real.printableHeight();
                for (const auto& item : page) {
                    real.setFont({setup.fontName, item.size, item.bold, false});
                    const double right = item.x + real.textWidth(item.text);
                    EXPECT_TRUE(item.x >= 0 && right <= width + 1e-6 && item.top + real.lineSpacing() <= height + 1e-6)
                        << "size " << size << " \"" << item.text.toStdString() << "\" at " << item.x << ", "
                        << item.top << " to " << right;
                }
            }
    }
}

} // namespace
} // namespace quillon::testing
