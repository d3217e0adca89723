#include "merrowedit/data/HistoryReport.h"

#include "merrowedit/data/EventTable.h"
#include "merrowedit/data/History.h"
#include "merrowedit/data/Messages.h"
#include "platform/Printer.h"
#include "platform/Services.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace merrow {

namespace {

// One report row for record n, straight from the reply block.
bool printHistoryRow(platform::Printer& printer, int n, const QDateTime& now)
{
    const int p = kHistoryRecordSize * n;
    if (!printer.printText(QStringLiteral("\t ") + QString::number(n + 1) + u'\t'))
        return false;
    const QString d = DownloadText(p, 3);
    if (d < QLatin1String("001") || d > QLatin1String("366"))
        return printer.printText(QStringLiteral(" ")) && printer.lineEnd();
    int day = 0;
    for (int i = 0; i < d.size() && d[i].isDigit(); ++i)
        day = day * 10 + d[i].digitValue();
    HistoryDayShift = day - 1;
    QString t = ConvertHistoryHour(p + 4) + DownloadText(p + 6, 3);
    if (t.size() == 4 && t[1] == u':')
        t = u'0' + t;
    const QString date = HistoryDateText(HistoryYearStart(day, now).addDays(HistoryDayShift), false);
    const QString row = date + QStringLiteral("\t\t") + t + u'\t' + DownloadText(p + 18, 2) + u':' +
                        DownloadText(p + 20, 2) + u'\t' + DownloadText(p + 10, 3) + u'\t' +
                        EventCodeName(DownloadText(p + 14, 3));
    return printer.printText(row) && printer.lineEnd();
}

void reportPrinterFailure(const QString& detail)
{
    QString text = QStringLiteral("Error, the history report could not be printed.");
    if (!detail.isEmpty())
        text += QStringLiteral("\r\n") + detail;
    platform::msgBox(text, platform::MsgButtons::OK, platform::MsgIcon::Exclamation, kProductTitle);
}

} // namespace

int ConfirmPrintHistory()
{
    const platform::MsgResult r =
        platform::msgBox(QStringLiteral("Proceed To Dispatch History Report To Printer"), platform::MsgButtons::OKCancel,
                         platform::MsgIcon::Question, QStringLiteral("Print Merrow Event History"));
    return r == platform::MsgResult::OK ? 1 : 2;
}

bool PrintHistoryHeaders()
{
    platform::Printer& printer = *platform::services().printer;
    return printer.setEmphasis(true) &&
           printer.printText(QStringLiteral("\tNum\tEvent Date\tTime\tLength\tORG\tEvent Code Received")) &&
           printer.lineEnd() && printer.setEmphasis(false);
}

bool PrintHistoryReport()
{
    platform::Printer* printer = platform::services().printer;
    if (!printer) {
        reportPrinterFailure(QStringLiteral("No printer is available."));
        return false;
    }
    if (!printer->selectPrinter()) {
        // A cancelled choice is no failure; a printer that cannot be had is.
        if (!printer->lastError().isEmpty())
            reportPrinterFailure(printer->lastError());
        return false;
    }
    const QDateTime now = platform::services().clock->now();
    const QString crlf = QStringLiteral("\r\n");
    bool ok = printer->setFont(platform::PrinterFont{QStringLiteral("Arial"), 10, false, false}) &&
              printer->printText(crlf + crlf + crlf + crlf) && printer->lineEnd() &&
              printer->printText(QStringLiteral("\t\tMerrow Digital Weather Receiver History Report")) &&
              printer->lineEnd() && printer->printText(crlf) && printer->lineEnd() &&
              printer->printText(QStringLiteral("\tPrint date: ") + QLocale().toString(now.date(), QLocale::LongFormat)) &&
              printer->lineEnd() && printer->printText(crlf) && printer->lineEnd() && PrintHistoryHeaders() &&
              printer->printText(crlf) && printer->lineEnd();
    for (int n = 0; ok && n < kHistoryRecordCount; ++n)
        ok = printHistoryRow(*printer, n, now);
    QString failure = ok ? QString() : printer->lastError();
    // The document is ended even after a failure, so the printer is free for the next one.
    printer->setEmphasis(false);
    if (!printer->endDoc() && ok) {
        ok = false;
        failure = printer->lastError();
    }
    if (!ok)
        reportPrinterFailure(failure);
    return ok;
}

void SaveHistoryTextAs()
{
    platform::FileDialogRequest request;
    request.title = QStringLiteral("Save As");
    request.filter = QStringLiteral("Merrow File(s) *.TXT)|*.TXT");
    request.initialDir = HistorySaveFolder.isEmpty() ? QDir::homePath() : HistorySaveFolder;
    request.overwritePrompt = true;
    const std::optional<QString> name = platform::services().fileDialogs->saveFile(request);
    if (!name || name->isEmpty() || !CheckTxtExtension(*name))
        return;
    QString error;
    if (SaveHistoryText(*name, &error)) {
        HistorySaveFolder = QFileInfo(*name).absolutePath();
    } else {
        platform::msgBox(QStringLiteral("Error, the history file could not be written.\r\n") + *name +
                             (error.isEmpty() ? QString() : QStringLiteral("\r\n") + error),
                         platform::MsgButtons::OK, platform::MsgIcon::Critical, QStringLiteral("File Save Error"));
    }
}

} // namespace merrow
