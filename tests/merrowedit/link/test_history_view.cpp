// The history in the grid, on paper (recorded, and once as a real PDF) and in the saved file.
#include "LinkTestSupport.h"

#include "merrowedit/data/DataFolder.h"
#include "merrowedit/link/HistoryView.h"
#include "platform/qt/QtPrinter.h"
#include "platform/testing/RecordingPrinter.h"
#include "tests/support/PdfText.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace linktest;
using platform::MsgResult;

namespace {

void putRecords(const QByteArray& recs)
{
    for (int i = 0; i < recs.size(); ++i)
        merrow::DownloadBuffer[i] = static_cast<std::uint8_t>(recs[i]);
}

class HistoryView : public LinkFixture {
protected:
    void SetUp() override
    {
        LinkFixture::SetUp();
        QLocale::setDefault(QLocale::c());
        QByteArray recs = records({record("065 14:32 WXR TOR 0045"), QByteArray(32, '\0'), record("064 03:05 1ab SVA 0300"),
                                   record("400 10:00 WXR TOR 0100")});
        recs.replace(20 * 32, 32, record("066 15:00 CIV FFA 0100"));
        putRecords(recs);
        merrow::DecodeHistory();
    }
    void TearDown() override
    {
        QLocale::setDefault(QLocale::system());
        LinkFixture::TearDown();
    }
    platform::doubles::RecordingPrinter& printer = s.printer;
    RecordingHost host;
};

TEST_F(HistoryView, ShowHistoryGroupFillsTwentyRowsOfTheChosenGroup)
{
    merrow::ShowHistoryGroup(host, 1);
    EXPECT_EQ(host.rows[0].num, "21");
    EXPECT_EQ(host.rows[0].date, "7-March");
    EXPECT_EQ(host.rows[0].event, "Flash Flood Watch");
    EXPECT_EQ(host.rows[0].eventColor, merrow::EventColour::Blue);
    EXPECT_EQ(host.rows[19].num, "40");
    EXPECT_TRUE(host.rows[19].date.isEmpty());

    merrow::ShowHistoryGroup(host, 0);
    EXPECT_EQ(host.rows[0].num, "1");
    EXPECT_EQ(host.rows[0].eventColor, merrow::EventColour::Red);
    EXPECT_TRUE(host.rows[1].event.isEmpty());
    EXPECT_EQ(host.rows[1].eventColor, merrow::EventColour::Black);
    EXPECT_EQ(host.rows[2].org, "");   // not a code in the grid ...
}

TEST_F(HistoryView, ReportLayout)
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

TEST_F(HistoryView, PrinterFailureIsReportedAndTheDocumentEnded)
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

TEST_F(HistoryView, CancelledPrinterChoicePrintsNothingAndSaysNothing)
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

TEST_F(HistoryView, PrintHistoryAsksFirstAndRefusesAnEmptyGrid)
{
    merrow::PrintHistory(host);
    EXPECT_EQ(s.messageBox.texts(), QStringList{"Error #301:  No History Data to Print. "});
    EXPECT_TRUE(printer.calls.isEmpty());

    merrow::ShowHistoryGroup(host, 0);
    s.messageBox.shown.clear();
    s.messageBox.answers = {MsgResult::Cancel};
    merrow::PrintHistory(host);
    ASSERT_EQ(s.messageBox.shown.size(), 1u);
    EXPECT_EQ(s.messageBox.shown[0].text, "Proceed To Dispatch History Report To Printer");
    EXPECT_EQ(s.messageBox.shown[0].title, "Print Merrow Event History");
    EXPECT_EQ(s.messageBox.shown[0].buttons, platform::MsgButtons::OKCancel);
    EXPECT_TRUE(printer.calls.isEmpty());

    s.messageBox.answers = {MsgResult::OK};
    merrow::PrintHistory(host);
    EXPECT_EQ(printer.documents.size(), 1u);
}

TEST_F(HistoryView, SaveHistoryFileAs)
{
    QTemporaryDir dir;
    merrow::SetDataFolder(dir.filePath("data"));
    merrow::HistorySaveFolder.clear();
    merrow::SaveHistoryFileAs(host);
    EXPECT_EQ(s.messageBox.texts(), QStringList{"Error #303:  No History Data to Save. "});
    EXPECT_TRUE(s.fileDialogs.saveRequests.empty());

    merrow::ShowHistoryGroup(host, 0);
    s.messageBox.shown.clear();
    s.fileDialogs.saveAnswers = {dir.filePath("a.txt"), std::nullopt, dir.filePath("H.TXT")};
    merrow::SaveHistoryFileAs(host);   // lower case: refused
    merrow::SaveHistoryFileAs(host);   // cancelled
    merrow::SaveHistoryFileAs(host);
    EXPECT_EQ(s.messageBox.texts(), QStringList{"Error, Filename must contain the extension .TXT."});
    EXPECT_FALSE(QFile::exists(dir.filePath("a.txt")));
    ASSERT_EQ(s.fileDialogs.saveRequests.size(), 3u);
    EXPECT_EQ(s.fileDialogs.saveRequests[0].filter, "Merrow File(s) *.TXT)|*.TXT");
    EXPECT_TRUE(s.fileDialogs.saveRequests[0].overwritePrompt);
    // In the home folder, not the hidden data folder, until a file has been saved.
    EXPECT_EQ(s.fileDialogs.saveRequests[0].initialDir, QDir::homePath());
    EXPECT_EQ(s.fileDialogs.saveRequests[2].initialDir, QDir::homePath());
    QFile f(dir.filePath("H.TXT"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().contains(" 1:   6-March\t09:32\t00:45\tTornado Warning\r\n"));

    // A name that cannot be written is reported, not passed over.
    s.messageBox.shown.clear();
    s.fileDialogs.saveAnswers = {dir.filePath("missing/B.TXT")};
    merrow::SaveHistoryFileAs(host);
    ASSERT_EQ(s.messageBox.shown.size(), 1u);
    EXPECT_TRUE(s.messageBox.shown[0].text.startsWith("Error, the history file could not be written."));
    // Then in the folder the last file went to; a failed save leaves it so.
    ASSERT_EQ(s.fileDialogs.saveRequests.size(), 4u);
    EXPECT_EQ(s.fileDialogs.saveRequests[3].initialDir, dir.path());
    merrow::SaveHistoryFileAs(host);
    EXPECT_EQ(s.fileDialogs.saveRequests[4].initialDir, dir.path());
    merrow::SetDataFolder(QString());
}

TEST_F(HistoryView, ReportAsPdfReadsBack)
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
