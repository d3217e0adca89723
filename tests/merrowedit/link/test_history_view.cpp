// The history in the grid and the two history commands (print and save).
#include "LinkTestSupport.h"

#include "merrowedit/data/DataFolder.h"
#include "merrowedit/link/HistoryView.h"
#include "platform/testing/RecordingPrinter.h"

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

} // namespace
