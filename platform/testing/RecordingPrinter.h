#pragma once
// A printer that records what would have been printed: every call in order, and the placed text
// of every page, so report layouts can be checked without paper.
#include "platform/Printer.h"

#include <QStringList>

#include <vector>

namespace platform::doubles {

class RecordingPrinter final : public LinePrinter {
public:
    struct Item {
        double x = 0;
        double top = 0;
        QString text;
        double size = 0;
        bool bold = false;
    };
    using Page = std::vector<Item>;
    struct Document {
        std::vector<Page> pages;
        int orientation = 1;   // layout value when the document began
        std::vector<int> pageOrientations;   // layout value of each page as it began
        int run = 0;           // number of the run it belongs to (0: printed outside a run)
    };

    bool selectPrinter() override;

    // The text of one page as lines of a character grid: one line per lineStep points down the
    // page, the column of a text the nearest whole multiple of columnWidth points; trailing
    // blanks removed. The defaults fit a 10-point font.
    QStringList pageLines(int document, int page, double columnWidth = 5.0, double lineStep = 12.0) const;
    // Every call, e.g. "font Arial 10", "emphasis on", "text Num", "tab 8", "line", "page", "end",
    // "run", "end run", "abort".
    QStringList calls;
    // The documents sent on; an aborted run takes its documents out again.
    std::vector<Document> documents;
    int runs = 0;           // runs begun
    int sentRuns = 0;       // runs ended and sent

    // ---- script ----
    bool cancelSelect = false;
    QString selectError;        // non-empty: selectPrinter() fails with it
    int failAfterDraws = -1;    // drawText fails once this many texts were drawn
    bool failFinish = false;

    // Metrics: a fixed-pitch font whose character is half its size wide; 1.2 × size per line.
    // With `metrics` set, that printer's instead (a QtPrinter: real fonts on its paper), which
    // only measures.
    Printer* metrics = nullptr;
    double portraitWidth = 540;
    double landscapeWidth = 720;
    double portraitHeight = 720;
    double landscapeHeight = 540;

    // Record the calls made through the Printer interface too.
    bool setFont(const PrinterFont& font) override;
    bool setEmphasis(bool on) override;
    bool setOrientation(int value) override;
    bool setCurrentX(double x) override;
    bool printText(const QString& text) override;
    bool tab(int column) override;
    bool lineEnd() override;
    bool newPage() override;
    bool endDoc() override;
    bool beginRun() override;
    bool endRun() override;
    void abortRun() override;

protected:
    bool beginDocument() override;
    bool followingDocument() override { return beginDocument(); }
    bool beginPage() override;
    void discardOutput() override;
    bool finishDocument() override;
    bool drawText(double x, double top, const QString& text) override;
    double measure(const QString& text) override;
    double averageCharWidth() override;
    double lineHeight() override;
    double pageWidth() override;
    double pageHeight() override;

private:
    int draws_ = 0;
};

} // namespace platform::doubles
