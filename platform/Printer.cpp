#include "platform/Printer.h"

#include <cmath>

namespace platform {

namespace {
constexpr int kTabStopColumns = 8;
constexpr double kEpsilon = 1e-6;
} // namespace

PrinterFont LinePrinter::effectiveFont() const
{
    PrinterFont f = font_;
    f.bold = f.bold || emphasis_;
    return f;
}

bool LinePrinter::fail(const QString& why)
{
    error_ = why;
    return false;
}

bool LinePrinter::setFont(const PrinterFont& font)
{
    if (font.name.trimmed().isEmpty())
        return fail(QStringLiteral("No printer font name"));
    if (!(font.size > 0) || !std::isfinite(font.size))
        return fail(QStringLiteral("Printer font size %1 is not valid").arg(font.size));
    font_ = font;
    fontChanged();
    return true;
}

bool LinePrinter::setFontSize(double points)
{
    PrinterFont f = font_;
    f.size = points;
    return setFont(f);
}

bool LinePrinter::setEmphasis(bool on)
{
    emphasis_ = on;
    fontChanged();
    return true;
}

bool LinePrinter::setOrientation(int value)
{
    if (value != 1 && value != 2)
        return fail(QStringLiteral("Page orientation %1 is not 1 or 2").arg(value));
    orientation_ = value;
    return true;
}

double LinePrinter::printableWidthIn(int orientation)
{
    const int inForce = orientation_;
    orientation_ = orientation == 2 ? 2 : 1;
    const double width = pageWidth();
    orientation_ = inForce;
    return width;
}

bool LinePrinter::setCurrentX(double x)
{
    if (!std::isfinite(x))
        return fail(QStringLiteral("Print position is not a number"));
    x_ = x < 0 ? 0 : x;
    return true;
}

bool LinePrinter::setCurrentY(double y)
{
    if (!std::isfinite(y))
        return fail(QStringLiteral("Print position is not a number"));
    y_ = y < 0 ? 0 : y;
    return true;
}

bool LinePrinter::ensurePage()
{
    if (!docOpen_) {
        if (!(inRun_ && runStarted_ ? followingDocument() : beginDocument()))
            return false;
        runStarted_ = inRun_;
        docOpen_ = true;
        breakPending_ = false;
        return true;
    }
    // A line that does not fit goes on a new page, begun only when something is printed on it.
    if (breakPending_ || y_ + lineHeight() > pageHeight() + kEpsilon) {
        if (!beginPage())
            return false;
        breakPending_ = false;
        y_ = 0;
    }
    return true;
}

void LinePrinter::nextLine()
{
    // The position may pass the page foot: currentY() then shows a caller that the page is full.
    y_ += lineHeight();
}

bool LinePrinter::printText(const QString& text)
{
    if (!ensurePage())
        return false;
    QString run;
    auto flush = [&]() {
        if (run.isEmpty())
            return true;
        if (!ensurePage() || !drawText(x_, y_, run))
            return false;
        x_ += measure(run);
        run.clear();
        return true;
    };
    for (const QChar c : text) {
        if (c == u'\r' || c == u'\n' || c == u'\t') {
            if (!flush())
                return false;
            if (c == u'\r') {
                x_ = 0;
            } else if (c == u'\n') {
                nextLine();
            } else {
                const double stop = kTabStopColumns * averageCharWidth();
                x_ = (std::floor(x_ / stop + kEpsilon) + 1) * stop;
            }
        } else {
            run += c;
        }
    }
    return flush();
}

double LinePrinter::columnX(int column)
{
    return (column < 1 ? 0 : column - 1) * averageCharWidth();
}

bool LinePrinter::tab(int column)
{
    if (!ensurePage())
        return false;
    const double target = columnX(column);
    if (x_ > target + kEpsilon) {
        nextLine();
        x_ = 0;
    }
    x_ = target;
    return true;
}

bool LinePrinter::lineEnd()
{
    if (!ensurePage())
        return false;
    x_ = 0;
    nextLine();
    return true;
}

bool LinePrinter::newPage()
{
    x_ = 0;
    y_ = 0;
    if (docOpen_)
        breakPending_ = true;
    return true;
}

bool LinePrinter::endDoc()
{
    x_ = 0;
    y_ = 0;
    breakPending_ = false;
    if (!docOpen_)
        return true;
    docOpen_ = false;
    return finishDocument();
}

bool LinePrinter::beginRun()
{
    if (docOpen_ || inRun_)
        return fail(QStringLiteral("A document is still being printed"));
    inRun_ = true;
    runStarted_ = false;
    return true;
}

bool LinePrinter::endRun()
{
    if (!endDoc() || (runStarted_ && !finishRun())) {
        abortRun();
        return false;
    }
    inRun_ = false;
    runStarted_ = false;
    return true;
}

void LinePrinter::abortRun()
{
    discardOutput();
    docOpen_ = false;
    inRun_ = false;
    runStarted_ = false;
    breakPending_ = false;
    emphasis_ = false;
    x_ = 0;
    y_ = 0;
}

} // namespace platform
