#include "platform/testing/RecordingPrinter.h"

#include <cmath>
#include <map>

namespace platform::doubles {

bool RecordingPrinter::selectPrinter()
{
    calls << QStringLiteral("select");
    error_.clear();
    if (!selectError.isEmpty())
        return fail(selectError);
    return !cancelSelect;
}

bool RecordingPrinter::setFont(const PrinterFont& font)
{
    calls << QStringLiteral("font %1 %2%3%4")
                 .arg(font.name)
                 .arg(font.size)
                 .arg(font.bold ? QStringLiteral(" bold") : QString())
                 .arg(font.underline ? QStringLiteral(" underline") : QString());
    return LinePrinter::setFont(font);
}

bool RecordingPrinter::setEmphasis(bool on)
{
    calls << (on ? QStringLiteral("emphasis on") : QStringLiteral("emphasis off"));
    return LinePrinter::setEmphasis(on);
}

bool RecordingPrinter::setOrientation(int value)
{
    calls << QStringLiteral("orientation %1").arg(value);
    return LinePrinter::setOrientation(value);
}

bool RecordingPrinter::setCurrentX(double x)
{
    calls << QStringLiteral("x %1").arg(x);
    return LinePrinter::setCurrentX(x);
}

bool RecordingPrinter::printText(const QString& text)
{
    QString shown = text;
    shown.replace(u'\r', QStringLiteral("<CR>")).replace(u'\n', QStringLiteral("<LF>")).replace(u'\t', QStringLiteral("<TAB>"));
    calls << QStringLiteral("text ") + shown;
    return LinePrinter::printText(text);
}

bool RecordingPrinter::tab(int column)
{
    calls << QStringLiteral("tab %1").arg(column);
    return LinePrinter::tab(column);
}

bool RecordingPrinter::lineEnd()
{
    calls << QStringLiteral("line");
    return LinePrinter::lineEnd();
}

bool RecordingPrinter::newPage()
{
    calls << QStringLiteral("page");
    return LinePrinter::newPage();
}

bool RecordingPrinter::endDoc()
{
    calls << QStringLiteral("end");
    return LinePrinter::endDoc();
}

bool RecordingPrinter::beginRun()
{
    calls << QStringLiteral("run");
    if (!LinePrinter::beginRun())
        return false;
    ++runs;
    return true;
}

bool RecordingPrinter::endRun()
{
    calls << QStringLiteral("end run");
    if (!LinePrinter::endRun())
        return false;
    ++sentRuns;
    return true;
}

void RecordingPrinter::abortRun()
{
    calls << QStringLiteral("abort");
    LinePrinter::abortRun();
}

void RecordingPrinter::discardOutput()
{
    // Outside a run only the open document is unsent; in a run, every document of the run.
    if (inRun())
        std::erase_if(documents, [this](const Document& d) { return d.run == runs; });
    else if (documentOpen() && !documents.empty())
        documents.pop_back();
}

bool RecordingPrinter::beginDocument()
{
    Document d;
    d.orientation = orientation();
    d.pages.emplace_back();
    d.pageOrientations.push_back(orientation());
    d.run = inRun() ? runs : 0;
    documents.push_back(d);
    return true;
}

bool RecordingPrinter::beginPage()
{
    if (documents.empty())
        return fail(QStringLiteral("No document"));
    documents.back().pages.emplace_back();
    documents.back().pageOrientations.push_back(orientation());
    return true;
}

bool RecordingPrinter::finishDocument()
{
    if (failFinish)
        return fail(QStringLiteral("The printer could not finish the document"));
    return true;
}

bool RecordingPrinter::drawText(double x, double top, const QString& text)
{
    if (failAfterDraws >= 0 && draws_ >= failAfterDraws)
        return fail(QStringLiteral("Printer out of paper"));
    ++draws_;
    const PrinterFont f = effectiveFont();
    documents.back().pages.back().push_back({x, top, text, f.size, f.bold});
    return true;
}

double RecordingPrinter::measure(const QString& text)
{
    if (metrics && metrics->setFont(effectiveFont()))
        return metrics->textWidth(text);
    return text.size() * averageCharWidth();
}

double RecordingPrinter::averageCharWidth()
{
    // Tab columns follow the font without the emphasis.
    if (metrics && metrics->setFont(font()))
        return metrics->columnX(2);
    return font().size / 2.0;
}

double RecordingPrinter::lineHeight()
{
    if (metrics && metrics->setFont(effectiveFont()))
        return metrics->lineSpacing();
    return font().size * 1.2;
}

double RecordingPrinter::pageWidth()
{
    if (metrics)
        return metrics->printableWidthIn(orientation());
    return orientation() == 2 ? landscapeWidth : portraitWidth;
}

double RecordingPrinter::pageHeight()
{
    if (metrics && metrics->setOrientation(orientation()))
        return metrics->printableHeight();
    return orientation() == 2 ? landscapeHeight : portraitHeight;
}

QStringList RecordingPrinter::pageLines(int document, int page, double columnWidth, double lineStep) const
{
    const Page& items = documents.at(document).pages.at(page);
    // Texts by line (their top position), in order down the page.
    std::map<long long, QString> lines;
    for (const Item& item : items) {
        QString& line = lines[std::llround(item.top * 100)];
        const int column = int(std::lround(item.x / columnWidth));
        if (line.size() < column)
            line += QString(column - line.size(), u' ');
        line = line.left(column) + item.text + line.mid(column + item.text.size());
    }
    QStringList out;
    double previous = -lineStep;
    for (const auto& [key, text] : lines) {
        const double top = key / 100.0;
        // Lines left empty between two printed ones.
        const long gap = std::lround((top - previous) / lineStep) - 1;
        for (long i = 0; i < gap; ++i)
            out << QString();
        QString t = text;
        while (t.endsWith(u' '))
            t.chop(1);
        out << t;
        previous = top;
    }
    return out;
}

} // namespace platform::doubles
