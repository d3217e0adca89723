#include "quillonedit/printing/ReportComposer.h"

#include "platform/Printer.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <utility>

namespace quillon {
namespace {

const QString kLineBreak = QStringLiteral("\r\n");
constexpr double kEpsilon = 1e-6;

// For each index of a text, whether a break before it would split a bracketed group: "[F
// Evening]", "(SK)" are one word each. A group is a closing bracket and the nearest opening one
// before it; a bracket without its partner is a character like any other.
std::vector<bool> insideGroups(const QString& text)
{
    std::vector<bool> inside(std::size_t(text.size()) + 1, false);
    qsizetype square = -1;
    qsizetype round = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'[')
            square = i;
        else if (c == u'(')
            round = i;
        else if ((c == u']' && square >= 0) || (c == u')' && round >= 0)) {
            qsizetype& open = c == u']' ? square : round;
            for (qsizetype k = open + 1; k <= i; ++k)
                inside[std::size_t(k)] = true;
            open = -1;
        }
    }
    return inside;
}

// The words of a text as wrapping keeps them: split at blanks outside bracketed groups.
QStringList wordsOf(const QString& text)
{
    const std::vector<bool> inside = insideGroups(text);
    QStringList words;
    QString word;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u' ' && !inside[std::size_t(i)]) {
            if (!word.isEmpty())
                words << word;
            word.clear();
        } else {
            word += text.at(i);
        }
    }
    if (!word.isEmpty())
        words << word;
    return words;
}

// Ties to even, as the size setting has always been rounded.
double roundHalfEven(double v)
{
    const double r = std::round(v);
    if (std::abs(v - std::trunc(v)) == 0.5 && std::fmod(r, 2.0) != 0.0)
        return r - std::copysign(1.0, v);
    return r;
}

std::optional<double> fontSizeValue(const QString& setting)
{
    const std::optional<double> v = PrintFontSizeNumber(setting);
    // A size no page can hold (hundreds of points, or a few hundredths) is as unusable as no number.
    if (!v || !std::isfinite(*v) || *v < kMinPrintFontSize || *v > kMaxPrintFontSize)
        return std::nullopt;
    return v;
}

} // namespace

std::optional<double> PrintFontSizeNumber(const QString& setting)
{
    QString text = setting.trimmed();
    text.replace(u',', u'.');
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (ok)
        return v;
    // A locale of other digits or another separator still reads what it wrote.
    const double local = QLocale().toDouble(setting.trimmed(), &ok);
    if (ok)
        return local;
    return std::nullopt;
}

bool ReportFitsPaper(platform::Printer& printer, double size)
{
    const platform::PrinterFont inForce = printer.font();
    const auto restore = [&] { printer.setFont(inForce); };
    platform::PrinterFont f = inForce;
    f.size = size;
    f.bold = false;
    if (!printer.setFont(f)) {
        restore();
        return false;
    }
    const double widths[] = {printer.printableWidthIn(1), printer.printableWidthIn(2)};
    bool fits = true;
    const auto wordsFit = [&](const QStringList& texts, double room) {
        for (const QString& text : texts)
            for (const QString& word : wordsOf(text))
                if (printer.textWidth(word) > room + kEpsilon)
                    return false;
        return true;
    };
    for (const ReportTable* table : AllReportTables()) {
        for (const ReportColumn& column : table->columns) {
            const double room = widths[table->orientation - 1] - printer.columnX(column.tab);
            if (!column.header.isEmpty()) {
                printer.setEmphasis(true);
                fits = fits && wordsFit({column.header}, room);
                printer.setEmphasis(false);
            }
            if (column.widest) {
                // Measured as printed: emphasised texts are wider.
                if (table->emphasised)
                    printer.setEmphasis(true);
                fits = fits && wordsFit(column.widest(printer), room);
                if (table->emphasised)
                    printer.setEmphasis(false);
            }
        }
        if (!fits)
            break;
    }
    // Titles are centred whole, at the whole size plus 2.
    f.size = std::round(size) + 2;
    if (fits && printer.setFont(f)) {
        for (const QString& title : AllSectionTitles())
            fits = fits && printer.textWidth(title) <= widths[0] + kEpsilon;
        for (int memory = 0; memory <= 8 && fits; ++memory)
            fits = printer.textWidth(VoicePageTitle(memory)) <= widths[1] + kEpsilon;
    }
    restore();
    return fits;
}

std::optional<int> LargestReportFontSize(platform::Printer& printer, const QString& fontName)
{
    const platform::PrinterFont inForce = printer.font();
    platform::PrinterFont f = inForce;
    f.name = fontName;
    if (!printer.setFont(f))
        return std::nullopt;
    // Wider sizes take more room, so the largest that fits is found by halving.
    int low = int(kMinPrintFontSize) - 1;   // the largest known to fit (none yet)
    int high = int(kMaxPrintFontSize);
    if (ReportFitsPaper(printer, high))
        low = high;
    while (high - low > 1) {
        const int mid = (low + high) / 2;
        (ReportFitsPaper(printer, mid) ? low : high) = mid;
    }
    printer.setFont(inForce);
    if (low < kMinPrintFontSize)
        return std::nullopt;
    return low;
}

std::optional<int> WholeFontSize(const QString& setting)
{
    const std::optional<double> v = fontSizeValue(setting);
    if (!v)
        return std::nullopt;
    return static_cast<int>(roundHalfEven(*v));
}

QString Number(int n)
{
    return (n < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + QString::number(std::abs(n)) + QLatin1Char(' ');
}

QString VoicePageTitle(int memory)
{
    if (memory == 0)
        return QStringLiteral("Base Voice Messages");
    if (memory >= 1 && memory <= 8)
        return QStringLiteral("Memory Save %1 Voice Messages").arg(memory);
    return {};
}

ReportComposer::ReportComposer(platform::Printer& printer, ReportSetup setup)
    : printer_(printer), setup_(std::move(setup))
{
}

void ReportComposer::check(bool ok)
{
    if (!ok)
        throw PrintError(printer_.lastError().isEmpty() ? QStringLiteral("The printer failed") : printer_.lastError());
}

void ReportComposer::text(const QString& t) { check(printer_.printText(t)); }
void ReportComposer::fontSize(int points) { check(printer_.setFontSize(points)); }

bool ReportComposer::currentLineFits()
{
    return printer_.currentY() + printer_.lineSpacing() <= printer_.printableHeight() + kEpsilon;
}

double ReportComposer::linesHeight(int lines) { return lines * printer_.lineSpacing(); }

void ReportComposer::lineBreak()
{
    // A line that holds text fits; an empty one past the foot is left out, so the printer never
    // starts a page of its own, without headings.
    if (currentLineFits())
        text(kLineBreak);
    else
        check(printer_.setCurrentX(0));
}

void ReportComposer::lineEnd()
{
    if (currentLineFits())
        check(printer_.lineEnd());
    else
        check(printer_.setCurrentX(0));
}

void ReportComposer::blankPrint()
{
    lineBreak();
    lineEnd();
}

void ReportComposer::cells(const std::vector<ReportCell>& items) { printLaidOut(layout(items)); }

bool ReportComposer::PrinterInit()
{
    const std::optional<double> size = fontSizeValue(setup_.fontSize);
    const std::optional<int> whole = WholeFontSize(setup_.fontSize);
    const QString change = QStringLiteral("File > Printer Font changes it.");
    if (!size || !whole)
        throw PrintError(QStringLiteral("The printer font size \"%1\" is not a number from %2 to %3. %4")
                             .arg(setup_.fontSize)
                             .arg(kMinPrintFontSize)
                             .arg(kMaxPrintFontSize)
                             .arg(change));
    wholeSize_ = *whole;
    check(printer_.setFont({setup_.fontName, *size, false, false}));
    // The run's first rows may print at the size as set, the pages at its whole size; a size set
    // whole is one check.
    if (!ReportFitsPaper(printer_, *size) || (*size != *whole && !ReportFitsPaper(printer_, *whole))) {
        // A size that fitted the last paper may not fit this one: say what does.
        const std::optional<int> largest = LargestReportFontSize(printer_, setup_.fontName);
        const QString fits = largest ? QStringLiteral("%1 points is the largest that fits in %2").arg(*largest).arg(setup_.fontName)
                                     : QStringLiteral("not even %1 points fit in %2").arg(kMinPrintFontSize).arg(setup_.fontName);
        throw PrintError(QStringLiteral("The printer font size \"%1\" is too large for the report's columns on this paper: %2. %3")
                             .arg(setup_.fontSize, fits, change));
    }
    return true;
}

void ReportComposer::openPage()
{
    if (setup_.onPageStart)
        setup_.onPageStart();
    PageHeading();
}

void ReportComposer::openVoicePage(int memory)
{
    if (setup_.onPageStart)
        setup_.onPageStart();
    PageHeadingM(memory);
}

void ReportComposer::fileAndDateLines()
{
    cells(kPageHeadingTable.cells({FileLineText(setup_.fileName)}));
    lineEnd();
    cells(kPageHeadingTable.cells({DateLineText(setup_.date)}));
    lineEnd();
}

void ReportComposer::PageHeading()
{
    if (setup_.anyJobSelected && !setup_.anyJobSelected())
        return;
    opener_ = Opener::Plain;
    pageHasBody_ = false;
    section_.reset();
    group_.reset();
    check(printer_.setOrientation(1));
    fontSize(wholeSize_);
    blankPrint();
    fileAndDateLines();
    blankPrint();
}

void ReportComposer::centred(const QString& title, bool roundHalves)
{
    double half = printer_.printableWidth() / 2;
    double titleHalf = printer_.textWidth(title) / 2;
    if (roundHalves) {
        half = roundHalfEven(half);
        titleHalf = roundHalfEven(titleHalf);
    }
    check(printer_.setCurrentX(half - titleHalf));
    text(title);
    lineEnd();
}

void ReportComposer::PageHeadingM(int memory)
{
    opener_ = Opener::Voice;
    pageHasBody_ = false;
    voiceMemory_ = memory;
    section_.reset();
    group_.reset();
    check(printer_.setOrientation(2));
    blankPrint();
    blankPrint();
    fontSize(wholeSize_);
    fileAndDateLines();
    fontSize(wholeSize_ + 2);
    centred(VoicePageTitle(memory), true);
    fontSize(wholeSize_);
    blankPrint();
}

void ReportComposer::SubHeading(const ReportTitle& title)
{
    // The title waits for its first row, so both go on the same page.
    flushHeld(0);
    group_.reset();
    section_.reset();
    pendingTitle_ = title;
}

void ReportComposer::flushTitle(double firstRow)
{
    if (!pendingTitle_)
        return;
    const ReportTitle title = *pendingTitle_;
    pendingTitle_.reset();
    ensureRoom(titleBlock(title, false) + firstRow);
    printTitle(title);
}

void ReportComposer::printTitle(const ReportTitle& title)
{
    section_ = title;
    titleBlock(title, true);
}

double ReportComposer::titleBlock(const ReportTitle& title, bool print)
{
    // Measuring counts the lines each step moves down: lines of the font in force, and the title's.
    // It switches no emphasis, so the header row's line counts as a line of the page font.
    const double line = print ? 0 : printer_.lineSpacing();
    int lines = 0;
    double titleLine = 0;
    const auto blank = [&] { print ? blankPrint() : void(lines += 2); };
    const auto end = [&] { print ? lineEnd() : void(lines += 1); };
    const auto emphasis = [&](bool on) {
        if (print)
            check(printer_.setEmphasis(on));
    };
    for (int i = 0; i < title.blankLinesBefore; ++i)
        blank();
    fontSize(wholeSize_ + 2);
    if (print)
        centred(title.text, false);
    else
        titleLine = printer_.lineSpacing();
    fontSize(wholeSize_);
    blank();
    if (title.header.empty()) {
        blank();
    } else {
        emphasis(true);
        if (print)
            cells(title.header);
        switch (title.headerEnd) {
        case ReportTitle::HeaderEnd::LineEnd:
            end();
            emphasis(false);
            break;
        case ReportTitle::HeaderEnd::BlankLine:
            emphasis(false);
            blank();
            break;
        case ReportTitle::HeaderEnd::LineEndAndBlankLine:
            end();
            emphasis(false);
            blank();
            break;
        }
    }
    return lines * line + titleLine;
}

void ReportComposer::ensureRoom(double height)
{
    // A page holding only its headings gains nothing from another one: a row taller than the
    // room below them goes on below them, its lines continuing on pages of their own.
    if (continuing_ || opener_ == Opener::None || !pageHasBody_)
        return;
    const double y = printer_.currentY();
    // A row that fits, down to its last line, stays on the page; its empty line need not.
    if (y <= 0 || y + height <= printer_.printableHeight() + kEpsilon)
        return;
    continuing_ = true;
    const std::optional<ReportTitle> section = section_;
    const std::optional<Held> group = group_;
    // The printer's own break: what is held goes on the new page with its row.
    check(printer_.newPage());
    ++continuations_;
    if (setup_.onPageStart)
        setup_.onPageStart();
    if (opener_ == Opener::Voice)
        PageHeadingM(voiceMemory_);
    else
        PageHeading();
    if (section)
        printTitle(*section);
    // Rows continued from the last page go on under their heading again, which is still heading
    // matter: the page holds no row yet.
    if (group) {
        printHeld(*group);
        pageHasBody_ = false;
    }
    continuing_ = false;
}

QStringList ReportComposer::wrapped(const QString& text, double room)
{
    const auto fits = [&](const QString& t) { return printer_.textWidth(t) <= room + kEpsilon; };
    if (room <= 0 || fits(text))
        return {text};
    QStringList pieces;
    QString rest = text;
    while (!rest.isEmpty()) {
        if (fits(rest)) {
            pieces << rest;
            break;
        }
        const std::vector<bool> inside = insideGroups(rest);
        const auto breakable = [&](qsizetype i) { return rest.at(i) == u' ' && !inside[std::size_t(i)]; };
        // The most characters that fit, at least one so every line takes something.
        qsizetype low = 1;
        qsizetype high = rest.size() - 1;
        while (low < high) {
            const qsizetype mid = (low + high + 1) / 2;
            if (fits(rest.left(mid)))
                low = mid;
            else
                high = mid - 1;
        }
        qsizetype cut = low;
        if (!breakable(cut)) {
            // Break at the last blank before the cut, unless the word after it is too wide for a
            // line of its own: such a word fills the line and continues on the next.
            qsizetype blank = cut - 1;
            while (blank > 0 && !breakable(blank))
                --blank;
            bool atBlank = false;
            if (blank > 0) {
                qsizetype wordEnd = blank + 1;
                while (wordEnd < rest.size() && !breakable(wordEnd))
                    ++wordEnd;
                if (fits(rest.mid(blank + 1, wordEnd - blank - 1))) {
                    cut = blank;
                    atBlank = true;
                }
            }
            // Inside a word, never inside a bracketed group, unless the group alone is too wide.
            if (!atBlank) {
                qsizetype before = cut;
                while (before > 0 && inside[std::size_t(before)])
                    --before;
                if (before > 0)
                    cut = before;
            }
        }
        QString piece = rest.left(cut);
        while (piece.size() > 1 && piece.endsWith(u' '))
            piece.chop(1);
        pieces << piece;
        rest = rest.mid(cut);
        while (rest.startsWith(u' '))
            rest.remove(0, 1);
    }
    return pieces;
}

ReportComposer::Laid ReportComposer::layout(const std::vector<ReportCell>& items)
{
    Laid laid;
    const double width = printer_.printableWidth();
    const double blank = printer_.textWidth(QStringLiteral(" "));
    std::vector<double> ends;   // where the text on each line of the row ends
    int start = 0;              // the line the previous cell began on
    for (const ReportCell& c : items) {
        const double x = printer_.columnX(c.tab);
        const QStringList pieces = wrapped(c.text, width - x);
        const auto clear = [&](int line) {
            for (int i = 0; i < pieces.size(); ++i) {
                const std::size_t l = std::size_t(line + i);
                if (l < ends.size() && ends[l] >= 0 && !pieces[i].trimmed().isEmpty() && ends[l] + blank > x + kEpsilon)
                    return false;
            }
            return true;
        };
        int line = start;
        while (!clear(line))
            ++line;
        for (int i = 0; i < pieces.size(); ++i) {
            const std::size_t l = std::size_t(line + i);
            if (ends.size() <= l)
                ends.resize(l + 1, -1);
            // A number item's own trailing blank counts toward the distance to the next cell.
            QString shown = pieces[i];
            while (shown.endsWith(u' '))
                shown.chop(1);
            if (!shown.isEmpty())
                ends[l] = x + printer_.textWidth(shown);
            laid.pieces.push_back({line + i, c.tab, pieces[i]});
        }
        laid.lines = std::max(laid.lines, line + int(pieces.size()));
        start = line;
    }
    return laid;
}

void ReportComposer::printLaidOut(const Laid& laid)
{
    for (int l = 0; l < laid.lines; ++l) {
        if (l > 0) {
            lineEnd();
            // Only a row taller than a whole page gets here without room.
            ensureRoom(printer_.lineSpacing());
        }
        for (const Piece& p : laid.pieces) {
            if (p.line == l) {
                check(printer_.tab(p.tab));
                text(p.text);
            }
        }
    }
}

void ReportComposer::row(const std::vector<ReportCell>& items)
{
    const Laid laid = layout(items);
    // Whatever labels the row goes on its page with it.
    flushHeld(linesHeight(laid.lines));
    ensureRoom(linesHeight(laid.lines));
    pageHasBody_ = true;
    printLaidOut(laid);
    pageHasBody_ = true;
    // The line-break item and the line end: one empty line follows the row.
    blankPrint();
}

void ReportComposer::label(const std::vector<ReportCell>& items)
{
    const Laid laid = layout(items);
    held_.push_back({laid, false, linesHeight(laid.lines + 1)});
}

void ReportComposer::heading(const std::vector<ReportCell>& items)
{
    // Measured as printed: emphasised texts are wider.
    check(printer_.setEmphasis(true));
    const Laid laid = layout(items);
    const double lines = linesHeight(laid.lines);
    check(printer_.setEmphasis(false));
    group_.reset();
    held_.push_back({laid, true, lines + linesHeight(2)});
}

double ReportComposer::heldHeight()
{
    double height = 0;
    for (const Held& h : held_)
        height += h.height;
    return height;
}

void ReportComposer::printHeld(const Held& held)
{
    pageHasBody_ = true;
    if (held.heading) {
        check(printer_.setEmphasis(true));
        printLaidOut(held.laid);
        lineEnd();
        check(printer_.setEmphasis(false));
        blankPrint();
        group_ = held;
    } else {
        printLaidOut(held.laid);
        blankPrint();
    }
}

void ReportComposer::flushHeld(double next)
{
    if (held_.empty()) {
        flushTitle(next);
        return;
    }
    const double height = heldHeight() + next;
    flushTitle(height);
    ensureRoom(height);
    const std::vector<Held> held = std::move(held_);
    held_.clear();
    for (const Held& h : held)
        printHeld(h);
}

void ReportComposer::blankLine()
{
    // Empty lines start no page: at the foot they are left out.
    flushHeld(0);
    pageHasBody_ = true;
    blankPrint();
}

void ReportComposer::newPage()
{
    flushHeld(0);
    group_.reset();
    check(printer_.newPage());
}

void ReportComposer::endDocument()
{
    flushHeld(0);
    group_.reset();
    opener_ = Opener::None;
    section_.reset();
    check(printer_.endDoc());
}

} // namespace quillon
