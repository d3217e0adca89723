#pragma once
// The one writer of printed reports. It alone drives the printer: page headings, section titles
// with their column headers, rows of texts at tab columns, blank lines, centring, page and
// document ends, and a new page (its headings repeated) when a row would pass the page bottom.
// Renderers only hand it rows. Every printer failure is thrown as PrintError, so a renderer needs
// no error handling of its own and the run ends on the first failure.
#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>
#include <initializer_list>
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

// One item of a row: a text at a tab column (1 = the left edge, in average character widths).
struct ReportCell {
    int tab = 1;
    QString text;
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

// The printer font sizes a report page can hold, in points; the font dialog offers only these.
constexpr double kMinPrintFontSize = 4;
constexpr double kMaxPrintFontSize = 72;

// The whole-number page font size of a size setting: rounded to the nearest, ties to even
// ("10.5" gives 10); nullopt for a text that is no number or a size outside the printable range.
std::optional<int> WholeFontSize(const QString& setting);

// A number item: the sign place (a blank), the digits and one blank (" 7 ").
QString Number(int n);

// Section titles and column headers.
QString SubHeadingTitle(int section);   // empty for a section without a title
QString VoicePageTitle(int memory);     // empty outside 0..8

class ReportComposer {
public:
    ReportComposer(platform::Printer& printer, ReportSetup setup);

    // Sets the run's printer font from the settings (throws for a size that is no number or one
    // outside the printable range).
    bool PrinterInit();

    // Page openers of the job table: the page-start hook, then the heading.
    void openPage();                 // PageHeading
    void openVoicePage(int memory);  // PageHeadingM

    void PageHeading();
    void PageHeadingM(int memory);
    void SubHeading(int section);

    // A report row: the cells at their tabs, the line-break item and the line end (so one empty
    // line follows). A text too long for the room right of its column goes on under that column
    // on the next lines. A row that would pass the page bottom goes on a new page, headed again.
    void row(std::initializer_list<ReportCell> cells);
    // Cells and a line end only (no empty line after), optionally emphasised.
    void line(std::initializer_list<ReportCell> cells, bool emphasised = false);
    // The blank-line print: the line-break item and a line end.
    void blankLine();
    // A page break of the renderer; the next output starts the next page.
    void newPage();
    // Ends the document; the next output starts the next document on a new page.
    void endDocument();

    // Pages started because a section ran past the page bottom (for tests and the benchmark).
    int continuationPages() const { return continuations_; }

private:
    void check(bool ok);
    // The cells at their tabs; a text too long for its room goes on under its column below.
    void cells(std::initializer_list<ReportCell> cells);
    // The pieces of a text, one to a line, each no wider than `room`: broken at blanks, inside a
    // word only where the word alone is wider than a line.
    QStringList wrapped(const QString& text, double room);
    // Each cell's pieces, for the room between its column and the right edge of the page.
    std::vector<QStringList> layout(std::initializer_list<ReportCell> cells);
    static int lineCount(const std::vector<QStringList>& laid);
    // The cells' first pieces on the current line, the further pieces under their own columns on
    // the lines below; leaves the position on the last of these lines.
    void printLaidOut(std::initializer_list<ReportCell> cells, const std::vector<QStringList>& laid);
    void text(const QString& t);
    void lineEnd();
    void fontSize(int points);
    void centred(const QString& title, bool roundHalves);
    void fileAndDateLines();
    // Makes room for `lines` more lines, continuing on a new page with the headings if needed.
    void ensureRoom(int lines);

    platform::Printer& printer_;
    ReportSetup setup_;
    int wholeSize_ = 10;
    // What heads the current page, for a continuation page.
    enum class Opener { None, Plain, Voice } opener_ = Opener::None;
    int voiceMemory_ = 0;
    std::optional<int> section_;
    bool pageHasBody_ = false;   // a row was printed below the headings of the current page
    bool continuing_ = false;
    int continuations_ = 0;
};

} // namespace quillon
