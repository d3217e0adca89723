#include "platform/qt/QtPrinter.h"

#include "platform/ReadFile.h"
#include "platform/WholeFile.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include <cerrno>
#include <optional>

#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// What the memory file holds now; -1 when it cannot be told.
qint64 memoryFileSize(int fd)
{
    struct stat info {};
    return fd >= 0 && ::fstat(fd, &info) == 0 ? static_cast<qint64>(info.st_size) : -1;
}

// Everything the print engine wrote into the memory file.
std::optional<QByteArray> memoryFileBytes(int fd)
{
    const qint64 size = memoryFileSize(fd);
    if (size < 0)
        return std::nullopt;
    QByteArray bytes(static_cast<qsizetype>(size), Qt::Uninitialized);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pread(fd, bytes.data() + done, static_cast<size_t>(bytes.size() - done), done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return std::nullopt;
        done += n;
    }
    return bytes;
}

// The print engine writes its PDF front to back and does not check its writes: under a file-size
// limit, or with memory running out, the memory file holds only the start of the document. A
// whole PDF ends with its trailer, "startxref", the offset of the cross-reference table as the
// engine counted it while writing, and "%%EOF"; and that offset holds the table. A document cut
// short has no trailer, or one whose table lies beyond what was kept.
bool wholePdf(const QByteArray& pdf)
{
    qsizetype end = pdf.size();
    while (end > 0 && (pdf[end - 1] == '\n' || pdf[end - 1] == '\r'))
        --end;
    const QByteArrayView body(pdf.constData(), end);
    if (!body.endsWith("%%EOF"))
        return false;
    const qsizetype keyword = body.lastIndexOf("startxref");
    if (keyword < 0)
        return false;
    bool number = false;
    const qint64 table = body.sliced(keyword + 9, end - 5 - keyword - 9).trimmed().toLongLong(&number);
    return number && table >= 0 && table < keyword && body.sliced(static_cast<qsizetype>(table)).startsWith("xref");
}

// Whether the memory file has reached the process's file-size limit, so that the engine's
// writes beyond it failed.
bool atFileSizeLimit(qint64 kept)
{
    rlimit limit {};
    return ::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY
           && static_cast<rlim_t>(kept) >= limit.rlim_cur;
}

// Why a document did not reach the memory file whole: in the system's words when the file-size
// limit stopped it, as the engine's own writes would have been told.
QString cutShortReason(qint64 kept)
{
    if (atFileSizeLimit(kept))
        return SystemReason(EFBIG);
    return QStringLiteral("The print engine kept only %1 bytes of the document").arg(kept);
}

} // namespace

QtPrinter::QtPrinter() = default;

QtPrinter::~QtPrinter()
{
    discardOutput();
}

QPrinter& QtPrinter::printer()
{
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

bool QtPrinter::selectPrinter()
{
    error_.clear();
    if (documentOpen() || inRun())
        return fail(QStringLiteral("A document is still being printed"));
    const QString pdf = qEnvironmentVariable("QM_PRINT_TO_PDF");
    if (!pdf.isEmpty()) {
        printer().setOutputFormat(QPrinter::PdfFormat);
        printer().setOutputFileName(pdf);
        target_ = pdf;
        chosen_ = true;
        return true;
    }
    QPrintDialog dialog(&printer(), QApplication::activeWindow());
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    target_ = printer().outputFileName();
    chosen_ = true;
    return true;
}

QFont QtPrinter::qtFont() const
{
    const PrinterFont f = effectiveFont();
    QFont font(f.name);
    font.setPointSizeF(f.size);
    font.setBold(f.bold);
    font.setUnderline(f.underline);
    // Latin text is set letter by letter: a font's "fi" or "fl" ligature would reach the PDF as
    // one character (U+FB01), and "Prefix" could then not be found or copied from it. The price
    // is the font's pair kerning, which these column reports do not need.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

double QtPrinter::scale()
{
    return printer().resolution() / 72.0;
}

void QtPrinter::applyOrientation()
{
    printer().setPageOrientation(orientation() == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
}

bool QtPrinter::beginDocument()
{
    if (!chosen_)
        return fail(QStringLiteral("No printer has been chosen"));
    applyOrientation();
    if (printer().outputFormat() == QPrinter::PdfFormat || !printer().outputFileName().isEmpty()) {
        if (target_.isEmpty())
            target_ = printer().outputFileName();
        // The scratch file is made now, so a folder that cannot take the file fails the first
        // line, not the end of a long run.
        staged_ = std::make_unique<StagedFile>(target_);
        if (!staged_->open()) {
            const QString why = DescribeWriteFailure(target_, staged_->error());
            discardOutput();
            return fail(QStringLiteral("The file could not be written: %1").arg(why));
        }
        // The engine opens its output by name; the memory file's /proc name always leads to
        // that file, whatever happens in the target's folder meanwhile.
        memoryFd_ = ::memfd_create("print-job", MFD_CLOEXEC);
        if (memoryFd_ < 0) {
            const QString why = SystemReason(errno);
            discardOutput();
            return fail(QStringLiteral("No memory for the print file: %1").arg(why));
        }
        printer().setOutputFileName(QStringLiteral("/proc/self/fd/%1").arg(memoryFd_));
    }
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(&printer())) {
        const QString where = target_.isEmpty() ? printer().printerName() : target_;
        discardOutput();
        return fail(QStringLiteral("Printing could not start on \"%1\"").arg(where));
    }
    painter_->setFont(qtFont());
    return true;
}

bool QtPrinter::beginPage()
{
    if (!painter_ || !painter_->isActive())
        return fail(QStringLiteral("No document is open on the printer"));
    applyOrientation();
    if (!printer().newPage()) {
        // A long run into a file stops here when the file-size limit cut the engine's writes.
        const qint64 kept = memoryFileSize(memoryFd_);
        if (staged_ && kept >= 0 && atFileSizeLimit(kept))
            return fail(QStringLiteral("The file could not be written: %1")
                            .arg(DescribeWriteFailure(target_, cutShortReason(kept))));
        return fail(QStringLiteral("The printer could not start a new page"));
    }
    return true;
}

bool QtPrinter::finishDocument()
{
    // In a run the documents stay in the one job until the run ends.
    return inRun() ? true : finishJob();
}

bool QtPrinter::finishRun()
{
    return finishJob();
}

bool QtPrinter::finishJob()
{
    if (!painter_)
        return true;
    const bool ok = painter_->end() && printer().printerState() != QPrinter::Error;
    painter_.reset();
    if (!ok) {
        discardOutput();
        return fail(QStringLiteral("The printer could not finish the document"));
    }
    if (staged_) {
        const std::optional<QByteArray> bytes = memoryFileBytes(memoryFd_);
        const bool whole = bytes && wholePdf(*bytes);
        const bool written = whole && staged_->write(*bytes) && staged_->commit();
        const QString why = DescribeWriteFailure(
            target_, !bytes  ? QStringLiteral("The printed document could not be read back")
                     : !whole ? cutShortReason(bytes->size())
                              : staged_->error());
        discardOutput();
        if (!written)
            return fail(QStringLiteral("The file could not be written: %1").arg(why));
    }
    return true;
}

void QtPrinter::discardOutput()
{
    if (painter_) {
        if (painter_->isActive()) {
            printer().abort();
            painter_->end();
        }
        painter_.reset();
    }
    if (staged_) {
        staged_.reset();   // removes the scratch file unless it has taken the target's place
        if (printer_)
            printer_->setOutputFileName(target_);
    }
    if (memoryFd_ >= 0) {
        ::close(memoryFd_);
        memoryFd_ = -1;
    }
}

bool QtPrinter::drawText(double x, double top, const QString& text)
{
    if (!painter_ || !painter_->isActive())
        return fail(QStringLiteral("No document is open on the printer"));
    const double s = scale();
    painter_->setFont(qtFont());
    const QFontMetricsF metrics(painter_->font(), painter_->device());
    painter_->drawText(QPointF(x * s, top * s + metrics.ascent()), text);
    if (printer().printerState() == QPrinter::Error)
        return fail(QStringLiteral("The printer reported an error"));
    return true;
}

void QtPrinter::fontChanged()
{
    if (painter_ && painter_->isActive())
        painter_->setFont(qtFont());
}

double QtPrinter::measure(const QString& text)
{
    const QFontMetricsF metrics(qtFont(), &printer());
    return metrics.horizontalAdvance(text) / scale();
}

double QtPrinter::averageCharWidth()
{
    // Tab columns follow the plain font: a bold header row then stands over its columns, where
    // the wider bold characters would push every header right of the rows below it.
    QFont plain = qtFont();
    plain.setBold(font().bold);
    const QFontMetricsF metrics(plain, &printer());
    return metrics.averageCharWidth() / scale();
}

double QtPrinter::lineHeight()
{
    const QFontMetricsF metrics(qtFont(), &printer());
    return metrics.lineSpacing() / scale();
}

// The layout value asked for, which the printer itself takes on at the next page.
static QPageLayout layoutFor(QPrinter& printer, int orientation)
{
    QPageLayout layout = printer.pageLayout();
    layout.setOrientation(orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
    return layout;
}

double QtPrinter::pageWidth()
{
    return layoutFor(printer(), orientation()).paintRectPoints().width();
}

double QtPrinter::pageHeight()
{
    return layoutFor(printer(), orientation()).paintRectPoints().height();
}

} // namespace platform
