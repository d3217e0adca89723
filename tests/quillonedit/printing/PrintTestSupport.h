#pragma once
// A crafted image and a recording printer for the report tests: runs chosen print jobs and reads
// back documents, pages, titles and rows at their tabs.
#include "tests/support/QStringPrinter.h"
#include "platform/testing/RecordingPrinter.h"
#include "quillonedit/image/ControllerImage.h"
#include "quillonedit/image/Project.h"
#include "quillonedit/printing/PrintJobs.h"
#include "quillonedit/image/ImageMap.h"
#include "quillonedit/image/RbiFrequencies.h"
#include "quillonedit/image/Scheduler.h"
#include "quillonedit/image/SpeedDial.h"
#include "quillonedit/image/VoiceSlots.h"
#include "quillonedit/tables/Tables.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <set>
#include <vector>

namespace quillon::testing {

inline void PutBytes(int offset, std::initializer_list<int> values)
{
    for (int v : values)
        image().set(offset++, static_cast<std::uint8_t>(v));
}

// A line of the character grid with each text at its tab column (tab 1 = the left edge).
inline QString Tabs(std::initializer_list<std::pair<int, QString>> cells)
{
    QString line;
    for (const auto& [tab, text] : cells)
        line = line.leftJustified(tab - 1, u' ') + text;
    return line;
}

// A line as the page reads back: trailing blanks dropped.
inline QString Chopped(QString line)
{
    while (line.endsWith(u' '))
        line.chop(1);
    return line;
}

// The non-empty lines after the last line holding `marker` (a title or a column-header row).
inline QStringList rowsAfter(const QStringList& page, const QString& marker)
{
    QStringList rows;
    for (const QString& line : page) {
        if (line.contains(marker))
            rows.clear();
        else if (!line.isEmpty())
            rows << line;
    }
    return rows;
}

// Rows numbered first..last with their number only, except where `filled` says otherwise.
inline QStringList numberedRows(int first, int last, const std::map<int, QStringList>& filled, std::vector<int> tabs)
{
    QStringList rows;
    for (int n = first; n <= last; ++n) {
        QString line = Tabs({{8, QStringLiteral(" %1").arg(n)}});
        if (const auto it = filled.find(n); it != filled.end())
            for (int k = 0; k < it->second.size(); ++k)
                line = line.leftJustified(tabs[size_t(k)] - 1, u' ') + it->second[k];
        rows << Chopped(line);
    }
    return rows;
}

// Every area filled at its widest: long words, bracketed words and prosigns, a number reaching
// the next column, September rows, all courtesy tones at 1200 Hz and 450 ms.
inline void FillWidestImage()
{
    const std::vector<int> words = {215, 982, 220, 107, 226, 779, 227, 105, 228, 106, 215};
    for (int m = 1; m <= kBaseVoiceCount; ++m)
        WriteWordNumbers(BaseVoiceSlotOffset(m), words);
    for (int s = 1; s <= kMemorySaveCount; ++s) {
        image().set(zonesOffset(s), 0xFF);
        for (int m = 0; m < kMemoryVoiceCount; ++m)
            WriteWordNumbers(memoryVoiceOffset(s) + kVoiceSlotBytes * m, words);
    }
    for (int i = 0; i < kCourtesyToneCount; ++i)
        PutBytes(kCourtesyTones + kCourtesyToneBytes * i, {8, 9, 9, 8, 9, 9, 8, 9});
    for (int i = 1; i <= kSchedulerCount; ++i)
        PutBytes(ScheduleEntryOffset(i), {0x09, 0x30, 0, 0x23, 0x59, 0x99, 0x99});
    for (int block = 1; block <= 3; ++block)
        for (int e = 0; e < 100; ++e) {
            const int o = SpeedDialOffset(block, e);
            image().set(o, 16);
            for (int d = 1; d <= 16; ++d)
                image().set(o + d, std::uint8_t(d == 4 ? 0x15 : 12));
            image().set(o + 17, 11);
            for (int w = 0; w < 11; ++w)
                PutBytes(o + 18 + 2 * w, {words[size_t(w)] / 100, words[size_t(w)] % 100});
        }
    for (int m = 1; m <= kMacroCount; ++m)
        PutBytes(macroOffset(m), {7, 12, 12, 12, 12, 12, 12, 12, 0x99, 0x99});
    for (int i = 0; i < 40; ++i)
        PutBytes(rbiFrequencyOffset(i), {0x1B, 0x69, 0x99, 0x40 | 20, 0, 0});
    const std::vector<int> cw = {46, 10, 38, 37, 45};   // "(SK)A (AR)("
    image().set(kCwMessage1, 120);
    for (int i = 0; i < 120; ++i)
        image().set(kCwMessage1 + 1 + i, std::uint8_t(cw[size_t(i % 5)]));
    PutBytes(kCwSpeed1, {4});
    PutBytes(kCwToneCode1, {8});
}

// Measures as the real printer does, with the machine's fonts, on the paper given rather than the
// system's default one (which follows the locale). It only measures: nothing is drawn.
class PaperMetrics final : public platform::LinePrinter {
public:
    explicit PaperMetrics(QPageSize::PageSizeId paper) : printer_(QPrinter::HighResolution)
    {
        printer_.setOutputFormat(QPrinter::PdfFormat);
        printer_.setPageSize(QPageSize(paper));
    }
    bool selectPrinter() override { return true; }

protected:
    bool beginDocument() override { return fail(QStringLiteral("Only measures")); }
    bool beginPage() override { return fail(QStringLiteral("Only measures")); }
    bool finishDocument() override { return true; }
    bool drawText(double, double, const QString&) override { return fail(QStringLiteral("Only measures")); }
    double measure(const QString& text) override
    {
        return QFontMetricsF(qtFont(effectiveFont()), &printer_).horizontalAdvance(text) / scale();
    }
    double averageCharWidth() override { return QFontMetricsF(qtFont(font()), &printer_).averageCharWidth() / scale(); }
    double lineHeight() override { return QFontMetricsF(qtFont(effectiveFont()), &printer_).lineSpacing() / scale(); }
    double pageWidth() override { return paintRect().width(); }
    double pageHeight() override { return paintRect().height(); }

private:
    static QFont qtFont(const platform::PrinterFont& f)
    {
        QFont font(f.name);
        font.setPointSizeF(f.size);
        font.setBold(f.bold);
        font.setStyleStrategy(QFont::PreferNoShaping);
        return font;
    }
    double scale() { return printer_.resolution() / 72.0; }
    QRectF paintRect()
    {
        QPageLayout layout = printer_.pageLayout();
        layout.setOrientation(orientation() == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
        return layout.paintRectPoints();
    }

    QPrinter printer_;
};

class ReportTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { FillAllTables(); }

    void SetUp() override
    {
        resetImage();
        resetProject();
        setup.date = QDate(2026, 12, 9);
    }

    PrintRunResult run(std::set<int> boxes)
    {
        PrintRun r;
        r.ticked = [boxes](int box) { return boxes.count(box) > 0; };
        return RunPrintJobs(printer, setup, r);
    }

    // Every text drawn at the title size, in order.
    QStringList titles() const
    {
        QStringList out;
        for (const auto& d : printer.documents)
            for (const auto& page : d.pages)
                for (const auto& item : page)
                    if (item.size == 12 && !item.text.trimmed().isEmpty())
                        out << item.text;
        return out;
    }

    int pageCount() const
    {
        int n = 0;
        for (const auto& d : printer.documents)
            n += int(d.pages.size());
        return n;
    }

    // Lines of a page on the 10-point grid (5 points a column, 12 a line).
    QStringList lines(int document, int page) const { return printer.pageLines(document, page); }

    platform::doubles::RecordingPrinter printer;
    ReportSetup setup;
};

} // namespace quillon::testing

