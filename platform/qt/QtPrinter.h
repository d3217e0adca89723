#pragma once
#include "platform/Printer.h"

#include <QFont>

#include <memory>

class QPainter;
class QPrinter;

namespace platform {

// The system printer through QPrinter and QPainter. selectPrinter() shows a QPrintDialog, unless
// the environment variable QM_PRINT_TO_PDF names a PDF file, which then takes every document.
class QtPrinter final : public LinePrinter {
public:
    QtPrinter();
    ~QtPrinter() override;

    bool selectPrinter() override;

protected:
    bool beginDocument() override;
    bool beginPage() override;
    bool finishDocument() override;
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

    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    bool chosen_ = false;
};

} // namespace platform
