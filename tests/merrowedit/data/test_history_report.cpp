// The history on paper, recorded and once as a real PDF read back.
#include "merrowedit/data/History.h"
#include "merrowedit/data/HistoryReport.h"
#include "merrowedit/data/Settings.h"
#include "platform/qt/QtPrinter.h"
#include "platform/testing/RecordingPrinter.h"
#include "platform/testing/ScriptedServices.h"
#include "tests/support/PdfText.h"

#include <QLocale>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray record(const char* text)
{
    QByteArray r(text);
    return r.append(QByteArray(32 - r.size(), ' '));
}

class HistoryReport : public ::testing::Test {
protected:
    void SetUp() override
    {
        merrow::resetSettings();
        merrow::LoadRegistrySettings();
        merrow::resetHistory();
        merrow::DstInEffect = false;
        QLocale::setDefault(QLocale::c());
        const QByteArray recs[] = {record("065 14:32 WXR TOR 0045"), QByteArray(32, '\0'), record("064 03:05 1ab SVA 0300"),
                                   record("400 10:00 WXR TOR 0100")};
        for (int n = 0; n < 4; ++n)
            put(n, recs[n]);
        put(20, record("066 15:00 CIV FFA 0100"));
        merrow::DecodeHistory();
    }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }
    static void put(int n, const QByteArray& r)
    {
        for (int i = 0; i < 32; ++i)
            merrow::DownloadBuffer[32 * n + i] = static_cast<std::uint8_t>(r[i]);
    }
    platform::doubles::ScriptedServices s;
    platform::doubles::RecordingPrinter& printer = s.printer;
};

TEST_F(HistoryReport, ReportLayout)
{
    ASSERT_TRUE(merrow::PrintHistoryReport());
    ASSERT_EQ(printer.documents.size(), 1u);
    ASSERT_EQ(printer.documents[0].pages.size(), 1u);
    const QStringList lines = printer.pageLines(0, 0);
    QStringList expected = {"", "", "", "", "",
                            "                Merrow Digital Weather Receiver History Report", "", "",
                            "        Print date: Wednesday, 9 December 2026", "", "",
                            "        Num     Event Date      Time    Length  ORG     Event Code Received", "", "",
                            "         1      6-Mar           09:32   00:45   WXR     Tornado Warning",
                            "         2",
                            // ... but printed as received
                            "         3      4-Mar           22:05   03:00   1ab     Severe Thunderstorm Watch",
                            "         4"};
    for (int n = 5; n <= 40; ++n) {
        expected << (n == 21 ? "         21     7-Mar           10:00   01:00   CIV     Flash Flood Watch"
                             : "         " + QString::number(n));
    }
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(printer.calls.first(), "select");
    EXPECT_EQ(printer.calls[1], "font Arial 10");
    EXPECT_EQ(printer.calls.last(), "end");
    const int on = int(printer.calls.indexOf("emphasis on"));
    ASSERT_GE(on, 0);
    EXPECT_EQ(printer.calls[on + 1], "text <TAB>Num<TAB>Event Date<TAB>Time<TAB>Length<TAB>ORG<TAB>Event Code Received");
    EXPECT_EQ(printer.calls[on + 3], "emphasis off");
    for (const auto& item : printer.documents[0].pages[0])
        EXPECT_EQ(item.bold, item.text == "Num" || item.text == "Event Date" || item.text == "Time" ||
                                 item.text == "Length" || item.text == "ORG" || item.text == "Event Code Received")
            << item.text.toStdString();
}


TEST_F(HistoryReport, PrinterFailureIsReportedAndTheDocumentEnded)
{
    printer.failAfterDraws = 3;
    EXPECT_FALSE(merrow::PrintHistoryReport());
    ASSERT_EQ(s.messageBox.shown.size(), 1u);
    EXPECT_EQ(s.messageBox.shown[0].text, "Error, the history report could not be printed.\r\nPrinter out of paper");
    EXPECT_EQ(s.messageBox.shown[0].title, "Merrow Digital Weather Receiver");
    EXPECT_EQ(printer.calls.last(), "end");

    s.messageBox.shown.clear();
    printer.failAfterDraws = -1;
    printer.failFinish = true;
    EXPECT_FALSE(merrow::PrintHistoryReport());
    EXPECT_EQ(s.messageBox.shown.size(), 1u);
}


TEST_F(HistoryReport, CancelledPrinterChoicePrintsNothingAndSaysNothing)
{
    printer.cancelSelect = true;
    EXPECT_FALSE(merrow::PrintHistoryReport());
    EXPECT_TRUE(printer.documents.empty());
    EXPECT_TRUE(s.messageBox.shown.empty());

    printer.cancelSelect = false;
    printer.selectError = "No printer installed";
    EXPECT_FALSE(merrow::PrintHistoryReport());
    EXPECT_EQ(s.messageBox.texts(), QStringList{"Error, the history report could not be printed.\r\nNo printer installed"});
}


TEST_F(HistoryReport, ReportAsPdfReadsBack)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QTemporaryDir dir;
    const QString pdf = dir.filePath("history.pdf");
    qputenv("QM_PRINT_TO_PDF", pdf.toLocal8Bit());
    platform::QtPrinter real;
    platform::services().printer = &real;
    const bool printed = merrow::PrintHistoryReport();
    qunsetenv("QM_PRINT_TO_PDF");
    ASSERT_TRUE(printed) << s.messageBox.texts().join('|').toStdString();
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains("Merrow Digital Weather Receiver History Report")) << text.toStdString();
    EXPECT_TRUE(text.contains("Print date: Wednesday, 9 December 2026"));
    EXPECT_TRUE(text.contains(QRegularExpression("Num\\s+Event Date\\s+Time\\s+Length\\s+ORG\\s+Event Code Received")));
    EXPECT_TRUE(text.contains(QRegularExpression("1\\s+6-Mar\\s+09:32\\s+00:45\\s+WXR\\s+Tornado Warning")));
    EXPECT_TRUE(text.contains(QRegularExpression("21\\s+7-Mar\\s+10:00\\s+01:00\\s+CIV\\s+Flash Flood Watch")));
    EXPECT_TRUE(text.contains(QRegularExpression("\\b40\\b")));
}


} // namespace
