#pragma once
// The one writer of printed reports. It alone drives the printer: page headings, section titles
// with their column headers, rows of texts at tab columns, blank lines, centring, page and
// document ends, and a new page (its headings repeated) when a row would pass the page bottom.
// Renderers only hand it rows, and the job table each section's title block: it knows a section
// only by what it is handed. Every printer failure is thrown as PrintError, so a renderer needs
// no error handling of its own and the run ends on the first failure.
#include "quillonedit/printing/ReportTables.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <stdexcept>
#include <vector>

namespace platform {
class Printer;
}

namespace quillon {

class PrintError : public std::runtime_error {
public:
    explicit PrintError(const QString& why) : std::runtime_error(why.toStdString()) {}
};

// What the headings print and where the run's settings come from.
struct ReportSetup {
    QString fontName = QStringLiteral("Arial");   // the printer font setting
    QString fontSize = QStringLiteral("10");      // its size setting, as stored (" 10.5" allowed)
    QString fileName;                             // the open project; empty: none
    QDate date;                                   // the print date
    // Whether any job is still ticked; a plain page heading prints nothing while none is.
    std::function<bool()> anyJobSelected;
    // Runs at the start of every page the run opens (the window keeps painting).
    std::function<void()> onPageStart;
};

// The printer font sizes a report page can hold at most, in points. Within them, the largest
// size is what the widest row of every section fits on the paper in the font
// (LargestReportFontSize); the font dialog offers no more.
constexpr double kMinPrintFontSize = 4;
constexpr double kMaxPrintFontSize = 72;

// A size setting as a number, written with a decimal point or a decimal comma ("10.5", "10,5"):
// the setting is stored with the locale's separator, which may not be this run's locale.
std::optional<double> PrintFontSizeNumber(const QString& setting);

// The whole-number page font size of a size setting: rounded to the nearest, ties to even
// ("10.5" gives 10); nullopt for a text that is no number or a size outside the printable range.
std::optional<int> WholeFontSize(const QString& setting);

// Whether every section's widest row fits the printable width of the printer's paper in the
// printer's font at `size` points (titles at the whole size plus 2): every column starts on the
// paper with room for the widest word it can hold. The printer's font is left as it was.
bool ReportFitsPaper(platform::Printer& printer, double size);
// The largest whole size from kMinPrintFontSize to kMaxPrintFontSize at which the report in font
// `fontName` fits the printer's paper; nullopt when not even the smallest does.
std::optional<int> LargestReportFontSize(platform::Printer& printer, const QString& fontName);

// A number item: the sign place (a blank), the digits and one blank (" 7 ").
QString Number(int n);

// The title of a voice message page; empty outside 0..8.
QString VoicePageTitle(int memory);

class ReportComposer {
public:
    ReportComposer(platform::Printer& printer, ReportSetup setup);

    // Sets the run's printer font from the settings (throws for a size that is no number, one
    // outside the printable range, or one at which the widest rows do not fit the paper).
    bool PrinterInit();

    // Page openers of the job table: the page-start hook, then the heading.
    void openPage();                 // PageHeading
    void openVoicePage(int memory);  // PageHeadingM

    void PageHeading();
    void PageHeadingM(int memory);
    // A section title block: it goes on the page of the section's first row, and heads again
    // every page the section's rows continue on.
    void SubHeading(const ReportTitle& title);

    // A report row: the cells at their tabs, the line-break item and the line end (so one empty
    // line follows). A text too long for the room right of its column goes on under that column
    // on the next lines. A row that would pass the page bottom goes on a new page, headed again.
    void row(const std::vector<ReportCell>& cells);
    // A row that labels the row after it: printed as a row, but only on the page that row goes on.
    void label(const std::vector<ReportCell>& cells);
    // A heading over the rows that follow: emphasised, a line end and the blank-line print. It goes
    // on the page of its first row, and heads again every page its rows continue on, up to the
    // next heading or section.
    void heading(const std::vector<ReportCell>& cells);
    // The blank-line print: the line-break item and a line end.
    void blankLine();
    // A page break of the renderer; the next output starts the next page.
    void newPage();
    // Ends the document; the next output starts the next document on a new page.
    void endDocument();

    // Pages started because a section ran past the page bottom (for tests and the benchmark).
    int continuationPages() const { return continuations_; }

private:
    // A row laid out once, before anything of it is printed: each piece of a cell's text on its
    // line of the row, at the cell's tab column.
    struct Piece {
        int line = 0;
        int tab = 1;
        QString text;
    };
    struct Laid {
        std::vector<Piece> pieces;
        int lines = 1;
    };

    // A label or heading laid out and waiting for the row it goes with.
    struct Held {
        Laid laid;
        bool heading = false;
        double height = 0;   // down to where the next row begins
    };

    void check(bool ok);
    // The pieces of a text, one to a line, each no wider than `room`: broken at blanks outside
    // brackets (a bracketed group such as "[F Evening]" or "(SK)" is one word), inside a word
    // only where the word alone is wider than a line, and never inside a bracketed group that
    // fits a line.
    QStringList wrapped(const QString& text, double room);
    // The cells on the lines of a row: each text wrapped for the room between its column and the
    // right edge; a cell whose line already reaches within a blank's width of its column goes
    // down to the first line below where it keeps that distance, and the cells after it follow
    // it down.
    Laid layout(const std::vector<ReportCell>& cells);
    // Prints a laid-out row; leaves the position on its last line.
    void printLaidOut(const Laid& laid);
    void cells(const std::vector<ReportCell>& cells);
    void text(const QString& t);
    // The line-break item and the line end. An empty line that would pass the page foot is left
    // out: the page is full, and only this composer starts the next one.
    void lineBreak();
    void lineEnd();
    void blankPrint();
    bool currentLineFits();
    double linesHeight(int lines);
    void fontSize(int points);
    void centred(const QString& title, bool roundHalves);
    void fileAndDateLines();
    // A section title block, line by line: printed, or measured from the print position down to
    // where its first row begins. Both walk the same steps, so the room kept is the room taken.
    double titleBlock(const ReportTitle& title, bool print);
    // Prints a title block over the rows that follow: they continue under it on a new page.
    void printTitle(const ReportTitle& title);
    // Prints a pending section title, keeping room for it and `firstRow` points of the first row
    // below it on the same page.
    void flushTitle(double firstRow);
    // Makes room for `height` more points, continuing on a new page with the headings if needed.
    void ensureRoom(double height);
    // The height the held labels and headings take down to where the next row begins.
    double heldHeight();
    void printHeld(const Held& held);
    // Prints what is held, with room for it and `next` points of the row that follows.
    void flushHeld(double next);

    platform::Printer& printer_;
    ReportSetup setup_;
    int wholeSize_ = 10;
    // What heads the current page, for a continuation page.
    enum class Opener { None, Plain, Voice } opener_ = Opener::None;
    int voiceMemory_ = 0;
    std::optional<ReportTitle> section_;        // the title of the rows being printed
    std::optional<ReportTitle> pendingTitle_;   // a title waiting for its first row
    std::vector<Held> held_;              // labels and headings waiting for their row
    std::optional<Held> group_;           // the heading over the rows being printed
    bool pageHasBody_ = false;   // a row was printed below the headings of the current page
    bool continuing_ = false;
    int continuations_ = 0;
};

} // namespace quillon
