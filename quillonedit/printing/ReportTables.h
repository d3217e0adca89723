#pragma once
// What the report prints, section by section: the tab columns of every section with the texts
// each can hold at their widest, and each section's title block. The renderers place their cells
// by these tables, the composer prints the title blocks it is handed, and the fit check measures
// the same tables and titles, so a column moved or a text widened in one place is moved or
// widened for all.
#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>
#include <initializer_list>
#include <vector>

namespace platform {
class Printer;
}

namespace quillon {

// One item of a row: a text at a tab column (1 = the left edge, in average character widths).
struct ReportCell {
    int tab = 1;
    QString text;
};

// A section's title block: blank-line prints above the title, the title centred at the page font
// size plus 2, a blank-line print, then either a further blank-line print or the emphasised
// column-header row and what ends it.
struct ReportTitle {
    enum class HeaderEnd {
        LineEnd,               // the row's line end, and nothing more
        BlankLine,             // a blank-line print, which ends the row's line and leaves one empty
        LineEndAndBlankLine,   // the row's line end, then a blank-line print
    };
    int blankLinesBefore = 1;
    QString text;
    std::vector<ReportCell> header;   // none: no header row
    HeaderEnd headerEnd = HeaderEnd::LineEnd;
};

struct ReportColumn {
    int tab = 1;
    // The column's text in the section's header row; empty where the row has none.
    QString header;
    // Every text the column can hold at its widest, in the printer's font: each of its words must
    // fit between the column and the paper's right edge. None for a column that stands so far left
    // that its texts always fit (row numbers, labels wrapped on their own line).
    std::function<QStringList(platform::Printer&)> widest;
};

struct ReportTable {
    int orientation = 1;       // the page layout value its rows print on
    bool emphasised = false;   // its rows print emphasised (a heading)
    std::vector<ReportColumn> columns;

    // A row's cells: the texts in column order, at their columns' tabs; fewer texts than columns
    // leave the last columns out.
    std::vector<ReportCell> cells(std::initializer_list<QString> texts) const;
    // The header row's cells; none for a table without one.
    std::vector<ReportCell> headerCells() const;
};

extern const ReportTable kPageHeadingTable;    // the file and date lines
extern const ReportTable kCodeTable;           // label, digits
extern const ReportTable kTimerTable;          // label, time, unit
extern const ReportTable kBaseVoiceTable;      // number, words (landscape)
extern const ReportTable kMemoryVoiceTable;    // number, words (landscape)
extern const ReportTable kMacroTable;          // number, code, steps
extern const ReportTable kSchedulerTable;      // number, time, weekday, month, day, command
extern const ReportTable kSpeedDialTable;      // number, telephone number, identification
extern const ReportTable kZoneHeadingTable;    // the two zones' headings
extern const ReportTable kZoneTable;           // number, mark, name; the same for the second zone
extern const ReportTable kRemoteBaseTable;     // number, frequency, offset, power, CTCSS tone
extern const ReportTable kDtmfTable;           // number, digits
extern const ReportTable kPagingToneTable;     // number, tone 1, tone 2
extern const ReportTable kCourtesyToneTable;   // number, then hertz, dash, length, delay per tone
extern const ReportTable kCwMessageTable;      // the message
extern const ReportTable kCwSpeedTable;        // its speed and tone
extern const ReportTable kLockoutTable;        // number, digits
extern const ReportTable kAreaCodeTable;       // number, code

// Every table, for the fit check.
std::vector<const ReportTable*> AllReportTables();

// The dash between a courtesy tone's hertz and its milliseconds.
extern const QString kCourtesyToneDash;

// The page heading's file line ("File: No File Name Assigned" without a file) and date line.
QString FileLineText(const QString& fileName);
QString DateLineText(const QDate& date);

// The title block of section n of the job table: 0..8 codes, 10..18 timers, 30 macros, 40
// scheduler, 50..52 and 55 speed dials, 60..68 zones, 70 remote base, 80 DTMF generator, 90 paging
// tones, 100 courtesy tones, 110 CW messages, 120 lock-out numbers, 130 area codes. A number
// without a title gives an empty title with the usual empty lines.
ReportTitle SectionTitle(int section);
// Its title text; empty for a section without a title.
QString SubHeadingTitle(int section);
// Every section's title text, for the fit check.
QStringList AllSectionTitles();

} // namespace quillon
