#pragma once
// The system printer as a line printer: text placed at the print position, tab columns counted in
// average character widths, line ends, pages and documents. Every call that can fail returns
// false and leaves the reason in lastError(); nothing fails silently.
#include <QString>

namespace platform {

struct PrinterFont {
    QString name = QStringLiteral("Arial");
    double size = 10.0;        // points
    bool bold = false;
    bool underline = false;
};

class Printer {
public:
    virtual ~Printer() = default;

    // Lets the user choose the printer for the next document (a printer dialog, or a preset PDF
    // file). False when cancelled (lastError() empty) or when no printer can be had.
    virtual bool selectPrinter() = 0;

    virtual bool setFont(const PrinterFont& font) = 0;
    virtual PrinterFont font() const = 0;
    virtual bool setFontSize(double points) = 0;
    // The one emphasis used to mark header rows (bold), switched on and off.
    virtual bool setEmphasis(bool on) = 0;
    // Page layout value: 1 portrait, 2 landscape; takes effect from the next page.
    virtual bool setOrientation(int value) = 0;

    // Widths and positions in the printer's units (points, 1/72 inch), from the left edge of the
    // printable area / the top of the page's printable area.
    virtual double textWidth(const QString& text) = 0;
    virtual double printableWidth() = 0;
    // The printable width the paper has in layout value 1 or 2, whichever is in force.
    virtual double printableWidthIn(int orientation) = 0;
    // Where tab column n starts (see tab()).
    virtual double columnX(int column) = 0;
    virtual double currentX() const = 0;
    virtual double currentY() const = 0;
    virtual bool setCurrentX(double x) = 0;
    virtual bool setCurrentY(double y) = 0;

    // Prints text at the print position and moves it on. A CR moves to the left edge, an LF to the
    // next line, a TAB to the next multiple of 8 average character widths.
    virtual bool printText(const QString& text) = 0;
    // Moves to tab column n (1 = left edge, steps of the average character width of the current
    // font); when the position is already past it, column n of the next line.
    virtual bool tab(int column) = 0;
    // Ends the current line: left edge of the next line (a new page when the page is full).
    virtual bool lineEnd() = 0;
    // Ends the page; the next output starts a new one. A page break right before endDoc() adds
    // no empty page.
    virtual bool newPage() = 0;
    // Ends the document and sends it on. The next output starts a new document.
    virtual bool endDoc() = 0;

    // A run makes one print job of several documents: each document after the first starts on a
    // new page of the same job (one PDF file holds them all, in order), and nothing is sent before
    // endRun(). Outside a run every document is a job of its own.
    virtual bool beginRun() = 0;
    // Ends the open document, if any, and sends the job on.
    virtual bool endRun() = 0;
    // After a failure: throws away what has not been sent (the open document; in a run, the whole
    // job, which has not been sent yet) so the next document or run starts clean. Never fails.
    virtual void abortRun() = 0;
    virtual bool inRun() const = 0;

    // The printable height of the page being printed (the layout value in force) and the height
    // of one line in the current font, in points, so callers can see a page is about to fill up.
    virtual double printableHeight() = 0;
    virtual double lineSpacing() = 0;

    virtual QString lastError() const = 0;
};

// The print-position bookkeeping shared by the real printer and the recording one: tabs, line
// ends, page overflow, lazy start of documents and pages. A back end only measures and draws.
class LinePrinter : public Printer {
public:
    bool setFont(const PrinterFont& font) override;
    PrinterFont font() const override { return font_; }
    bool setFontSize(double points) override;
    bool setEmphasis(bool on) override;
    bool setOrientation(int value) override;

    double textWidth(const QString& text) override { return measure(text); }
    double printableWidth() override { return pageWidth(); }
    double printableWidthIn(int orientation) override;
    double columnX(int column) override;
    double currentX() const override { return x_; }
    double currentY() const override { return y_; }
    bool setCurrentX(double x) override;
    bool setCurrentY(double y) override;

    bool printText(const QString& text) override;
    bool tab(int column) override;
    bool lineEnd() override;
    bool newPage() override;
    bool endDoc() override;
    bool beginRun() override;
    bool endRun() override;
    void abortRun() override;
    bool inRun() const override { return inRun_; }
    double printableHeight() override { return pageHeight(); }
    double lineSpacing() override { return lineHeight(); }

    QString lastError() const override { return error_; }

protected:
    // The font in force: the set font, made bold while the emphasis is on.
    PrinterFont effectiveFont() const;
    int orientation() const { return orientation_; }
    bool documentOpen() const { return docOpen_; }
    // Records a failure; returns false for "return fail(...)".
    bool fail(const QString& why);

    // The first page of a document starts with beginDocument(); in a run, every document but the
    // first is begun with followingDocument() instead (a new page of the same job).
    virtual bool beginDocument() = 0;
    virtual bool followingDocument() { return beginPage(); }
    virtual bool beginPage() = 0;              // every further page
    // Outside a run the document is sent here; in a run finishRun() sends the whole job.
    virtual bool finishDocument() = 0;
    virtual bool finishRun() { return true; }
    // Throws away what has not been sent; the state is clean afterwards.
    virtual void discardOutput() {}
    virtual bool drawText(double x, double top, const QString& text) = 0;
    virtual void fontChanged() {}
    virtual double measure(const QString& text) = 0;
    virtual double averageCharWidth() = 0;
    virtual double lineHeight() = 0;
    virtual double pageWidth() = 0;
    virtual double pageHeight() = 0;

    QString error_;

private:
    bool ensurePage();
    void nextLine();

    PrinterFont font_;
    bool emphasis_ = false;
    int orientation_ = 1;
    bool docOpen_ = false;
    bool inRun_ = false;
    bool runStarted_ = false;   // a document of this run has begun
    bool breakPending_ = false;
    double x_ = 0;
    double y_ = 0;
};

} // namespace platform
