#pragma once
#include "platform/Printer.h"

#include <QFont>

#include <memory>

class QPainter;
class QPrinter;

namespace platform {

class StagedFile;

// The system printer through QPrinter and QPainter. selectPrinter() shows a QPrintDialog, unless
// the environment variable QM_PRINT_TO_PDF names a PDF file, which then takes every document.
// A file (PDF, or the dialog's print-to-file) is made in memory and written through the checked
// whole-file writer once the document or run is complete and the PDF is seen to be whole, so a
// failed run never leaves half a file, and nothing is ever written through a name someone else
// could have put in the folder.
class QtPrinter final : public LinePrinter {
public:
    QtPrinter();
    ~QtPrinter() override;

    bool selectPrinter() override;

protected:
    bool beginDocument() override;
    bool beginPage() override;
    bool finishDocument() override;
    bool finishRun() override;
    void discardOutput() override;
    bool drawText(double x, double top, const QString& text) override;
    void fontChanged() override;
    double measure(const QString& text) override;
    double averageCharWidth() override;
    double lineHeight() override;
    double pageWidth() override;
    double pageHeight() override;

private:
    QPrinter& printer();
    QFont qtFont() const;
    // Device units per point.
    double scale();
    void applyOrientation();
    // Ends the painter and gives a finished file its name.
    bool finishJob();

    QString target_;       // the file the user asked for; empty for a printer
    // While a file is printed: the memory file the print engine writes, and the scratch file
    // beside the target (made exclusively when the document begins) that takes its bytes.
    int memoryFd_ = -1;
    std::unique_ptr<StagedFile> staged_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    bool chosen_ = false;
};

} // namespace platform
