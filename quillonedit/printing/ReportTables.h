#pragma once
// The tab columns of every report section, each with the texts it can hold at their widest. The
// renderers place their cells by these tables, and the fit check measures the same tables, so a
// column moved or a text widened in one place is moved or widened for both.
#include "quillonedit/printing/ReportComposer.h"

#include <QStringList>

#include <functional>
#include <initializer_list>
#include <vector>

namespace platform {
class Printer;
}

namespace quillon {

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
// The table whose header row a section title carries (sections 40, 70, 90 and 100); none else.
const ReportTable* HeaderTable(int section);

} // namespace quillon
