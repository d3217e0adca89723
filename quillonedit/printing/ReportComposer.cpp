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
// Lines a section title takes with the empty lines around it and a header row, and one more so a
// title never stands alone at the foot of a page.
constexpr int kSubHeadingLines = 10;

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
    bool ok = false;
    const double v = setting.trimmed().toDouble(&ok);
    // A size no page can hold (hundreds of points, or a few hundredths) is as unusable as no number.
    if (!ok || !std::isfinite(v) || v < kMinPrintFontSize || v > kMaxPrintFontSize)
        return std::nullopt;
    return v;
}

} // namespace

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

QString SubHeadingTitle(int section)
{
    switch (section) {
    case 0: return QStringLiteral("Base Control Codes");
    case 10: return QStringLiteral("Base Timers");
    case 30: return QStringLiteral("Macro Commands");
    case 40: return QStringLiteral("Schedular Operations");
    case 50: return QStringLiteral("Speed Dial Numbers Block 1");
    case 51: return QStringLiteral("Speed Dial Numbers Block 2");
    case 52: return QStringLiteral("Speed Dial Numbers Block 3");
    case 55: return QStringLiteral("Emergency Speed Dial Numbers");
    case 60: return QStringLiteral("Quillon Base Control Zones");
    case 70: return QStringLiteral("Remote Base Frequencies");
    case 80: return QStringLiteral("DTMF Generator");
    case 90: return QStringLiteral("Paging Tones");
    case 100: return QStringLiteral("Courtesy Tones");
    case 110: return QStringLiteral("CW Messages");
    case 120: return QStringLiteral("Telephone Lockout Numbers");
    case 130: return QStringLiteral("Telephone Area Codes");
    default: break;
    }
    if (section >= 1 && section <= 8)
        return QStringLiteral("Memory Save %1 Control Codes").arg(section);
    if (section >= 11 && section <= 18)
        return QStringLiteral("Memory Save %1 Timers").arg(section - 10);
    if (section >= 61 && section <= 68)
        return QStringLiteral("Quillon Memory Save %1 Control Zones").arg(section - 60);
    return {};
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
void ReportComposer::lineEnd() { check(printer_.lineEnd()); }
void ReportComposer::fontSize(int points) { check(printer_.setFontSize(points)); }

void ReportComposer::cells(std::initializer_list<ReportCell> cells) { printLaidOut(cells, layout(cells)); }

bool ReportComposer::PrinterInit()
{
    const std::optional<double> size = fontSizeValue(setup_.fontSize);
    const std::optional<int> whole = WholeFontSize(setup_.fontSize);
    if (!size || !whole)
        throw PrintError(QStringLiteral("The printer font size \"%1\" is not a number from %2 to %3")
                             .arg(setup_.fontSize)
                             .arg(kMinPrintFontSize)
                             .arg(kMaxPrintFontSize));
    wholeSize_ = *whole;
    check(printer_.setFont({setup_.fontName, *size, false, false}));
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
    cells({{8, setup_.fileName.isEmpty() ? QStringLiteral("File: No File Name Assigned")
                                         : QStringLiteral("File: ") + setup_.fileName}});
    lineEnd();
    cells({{8, QStringLiteral("Print Date: ") + QLocale().toString(setup_.date, QLocale::ShortFormat)}});
    lineEnd();
}

void ReportComposer::PageHeading()
{
    if (setup_.anyJobSelected && !setup_.anyJobSelected())
        return;
    opener_ = Opener::Plain;
    pageHasBody_ = false;
    section_.reset();
    check(printer_.setOrientation(1));
    fontSize(wholeSize_);
    text(kLineBreak);
    lineEnd();
    fileAndDateLines();
    text(kLineBreak);
    lineEnd();
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
    check(printer_.setOrientation(2));
    for (int i = 0; i < 2; ++i) {
        text(kLineBreak);
        lineEnd();
    }
    fontSize(wholeSize_);
    fileAndDateLines();
    fontSize(wholeSize_ + 2);
    centred(VoicePageTitle(memory), true);
    fontSize(wholeSize_);
    text(kLineBreak);
    lineEnd();
}

void ReportComposer::SubHeading(int section)
{
    // A title never stands alone at the foot of a page.
    section_.reset();
    ensureRoom(kSubHeadingLines);
    section_ = section;
    const int blanks = (section == 110 || section == 120 || section == 130) ? 2 : 1;
    for (int i = 0; i < blanks; ++i) {
        text(kLineBreak);
        lineEnd();
    }
    fontSize(wholeSize_ + 2);
    centred(SubHeadingTitle(section), false);
    fontSize(wholeSize_);
    text(kLineBreak);
    lineEnd();
    const auto emphasis = [this](bool on) { check(printer_.setEmphasis(on)); };
    switch (section) {
    case 40:
        emphasis(true);
        cells({{15, QStringLiteral("Time")}, {25, QStringLiteral("Day Of Week")}, {45, QStringLiteral("Month")},
               {56, QStringLiteral("Day Of Month")}, {75, QStringLiteral("Command")}});
        lineEnd();
        emphasis(false);
        break;
    case 70:
    case 90:
        emphasis(true);
        if (section == 70)
            cells({{15, QStringLiteral("Frequency")}, {35, QStringLiteral("Offset")}, {50, QStringLiteral("TX Power")},
                   {65, QStringLiteral("CTCSS Frequency")}});
        else
            cells({{15, QStringLiteral("Tone #1")}, {35, QStringLiteral("Tone #2")}});
        emphasis(false);
        text(kLineBreak);
        lineEnd();
        break;
    case 100:
        emphasis(true);
        cells({{15, QStringLiteral("Tone #1 Hz-Ms")}, {35, QStringLiteral("Delay")}, {45, QStringLiteral("Tone #2 Hz-Ms")},
               {65, QStringLiteral("Delay")}, {75, QStringLiteral("Tone #3 Hz-Ms")}});
        lineEnd();
        emphasis(false);
        text(kLineBreak);
        lineEnd();
        break;
    default:
        text(kLineBreak);
        lineEnd();
        break;
    }
}

void ReportComposer::ensureRoom(int lines)
{
    // A page holding only its headings gains nothing from another one: at a font size where the
    // headings fill most of a page, the row goes on below them.
    if (continuing_ || opener_ == Opener::None || !pageHasBody_)
        return;
    const double y = printer_.currentY();
    // A row that fits, down to its last empty line, stays on the page.
    if (y <= 0 || y + lines * printer_.lineSpacing() <= printer_.printableHeight() + kEpsilon)
        return;
    continuing_ = true;
    const std::optional<int> section = section_;
    newPage();
    ++continuations_;
    if (setup_.onPageStart)
        setup_.onPageStart();
    if (opener_ == Opener::Voice)
        PageHeadingM(voiceMemory_);
    else
        PageHeading();
    continuing_ = false;
    if (section)
        SubHeading(*section);
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
        // Break at the last blank before the cut, unless the word after it is too wide for a line
        // of its own: such a word fills the line and continues on the next.
        if (cut < rest.size() && rest.at(cut) != u' ') {
            const qsizetype blank = rest.lastIndexOf(u' ', cut - 1);
            if (blank > 0) {
                qsizetype wordEnd = rest.indexOf(u' ', blank + 1);
                if (wordEnd < 0)
                    wordEnd = rest.size();
                if (fits(rest.mid(blank + 1, wordEnd - blank - 1)))
                    cut = blank;
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

std::vector<QStringList> ReportComposer::layout(std::initializer_list<ReportCell> items)
{
    std::vector<QStringList> laid;
    const double width = printer_.printableWidth();
    for (const ReportCell& c : items)
        laid.push_back(wrapped(c.text, width - printer_.columnX(c.tab)));
    return laid;
}

int ReportComposer::lineCount(const std::vector<QStringList>& laid)
{
    qsizetype lines = 1;
    for (const QStringList& pieces : laid)
        lines = std::max(lines, pieces.size());
    return int(lines);
}

void ReportComposer::printLaidOut(std::initializer_list<ReportCell> items, const std::vector<QStringList>& laid)
{
    const int lines = lineCount(laid);
    for (int l = 0; l < lines; ++l) {
        if (l > 0)
            lineEnd();
        std::size_t i = 0;
        for (const ReportCell& c : items) {
            const QStringList& pieces = laid[i++];
            if (l < pieces.size()) {
                check(printer_.tab(c.tab));
                text(pieces[l]);
            }
        }
    }
}

void ReportComposer::row(std::initializer_list<ReportCell> items)
{
    const std::vector<QStringList> laid = layout(items);
    // The row's lines and the empty line after them.
    ensureRoom(lineCount(laid) + 1);
    pageHasBody_ = true;
    printLaidOut(items, laid);
    text(kLineBreak);
    lineEnd();
}

void ReportComposer::line(std::initializer_list<ReportCell> items, bool emphasised)
{
    // Measured as printed: emphasised texts are wider.
    if (emphasised)
        check(printer_.setEmphasis(true));
    const std::vector<QStringList> laid = layout(items);
    if (emphasised)
        check(printer_.setEmphasis(false));
    ensureRoom(lineCount(laid));
    pageHasBody_ = true;
    if (emphasised)
        check(printer_.setEmphasis(true));
    printLaidOut(items, laid);
    lineEnd();
    if (emphasised)
        check(printer_.setEmphasis(false));
}

void ReportComposer::blankLine()
{
    ensureRoom(2);
    pageHasBody_ = true;
    text(kLineBreak);
    lineEnd();
}

void ReportComposer::newPage() { check(printer_.newPage()); }

void ReportComposer::endDocument()
{
    opener_ = Opener::None;
    section_.reset();
    check(printer_.endDoc());
}

} // namespace quillon
