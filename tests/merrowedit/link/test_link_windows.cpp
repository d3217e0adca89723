// The setup window and the data dump window, driven as a user would.
#include "LinkTestSupport.h"

#include "merrowedit/data/DataFolder.h"
#include "merrowedit/link/PortSearch.h"
#include "merrowedit/windows/frmCommPort.h"
#include "merrowedit/windows/frmDataDump.h"

#include <QCheckBox>
#include <QDir>
#include <QComboBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

using namespace linktest;
using platform::MsgResult;
using platform::doubles::FakeSerialPort;

namespace {

class CommPortWindow : public LinkFixture {};

TEST_F(CommPortWindow, ShowsAndSavesTheSettings)
{
    merrow::SerialPort = 3;
    merrow::TimeZoneOffset = -8;
    merrow::DaylightSavings = false;
    merrow::frmCommPort w;
    EXPECT_EQ(w.windowTitle(), " Merrow Setup");
    EXPECT_TRUE(w.optCommPort[2]->isChecked());
    EXPECT_EQ(w.cmbTimeZone->currentText(), " [GMT-08:00] Pacific Time (US, Canada)");
    EXPECT_FALSE(w.chkAdjustTime->isChecked());

    w.optCommPort[1]->setChecked(true);
    w.cmbTimeZone->setCurrentIndex(7);
    w.chkAdjustTime->setChecked(true);
    QTest::mouseClick(w.cmdOk, Qt::LeftButton);
    EXPECT_EQ(merrow::SerialPort, 2);
    EXPECT_EQ(merrow::TimeZoneOffset, -11);
    EXPECT_TRUE(merrow::DaylightSavings);
    EXPECT_EQ(w.result(), QDialog::Accepted);
}

TEST_F(CommPortWindow, StoredValuesOutsideTheListsShowTheFirstZoneCloseKeepsThemOkSavesIt)
{
    merrow::SerialPort = 9;
    merrow::TimeZoneOffset = 3;
    {
        merrow::frmCommPort w;
        for (QRadioButton* option : w.optCommPort)
            EXPECT_FALSE(option->isChecked());
        EXPECT_EQ(w.cmbTimeZone->currentIndex(), 0);
        w.close();
        EXPECT_EQ(merrow::SerialPort, 9);
        EXPECT_EQ(merrow::TimeZoneOffset, 3);
    }
    merrow::frmCommPort w;
    QTest::mouseClick(w.cmdOk, Qt::LeftButton);
    EXPECT_EQ(merrow::SerialPort, 9);
    EXPECT_EQ(merrow::TimeZoneOffset, -4);
}

TEST_F(CommPortWindow, PortTestFoundYesSetsThePortAtOnce)
{
    port.responder = [](FakeSerialPort& p, const QByteArray& b) {
        if (p.portNumber() == 4 && b == "T")
            p.deliver(QByteArray(1, 0x06));
    };
    RecordingHost host;
    merrow::frmCommPort w(&host);
    bool closedDuringTest = false;
    QObject::connect(&w, &QDialog::finished, [&] { closedDuringTest = w.testRunning(); });
    s.eventLoop.onYield = [&] {
        if (w.testRunning()) {
            w.close();
            w.reject();
            QTest::mouseClick(w.cmdTest, Qt::LeftButton);   // refused: already running
        }
    };
    s.messageBox.answers = {MsgResult::Yes};
    QTest::mouseClick(w.cmdTest, Qt::LeftButton);
    EXPECT_FALSE(closedDuringTest);
    ASSERT_EQ(s.messageBox.shown.size(), 1u);
    EXPECT_EQ(s.messageBox.shown[0].text, "Serial port 4 found. Set port number?");
    EXPECT_EQ(s.messageBox.shown[0].title, " Merrow Serial Port Test");
    EXPECT_EQ(merrow::SerialPort, 4);
    EXPECT_TRUE(w.optCommPort[3]->isChecked());
    EXPECT_EQ(host.left, " Serial port 4 found and passed handshaking test. Port 4 set.");
    EXPECT_EQ(port.sent, "TTTT");
    EXPECT_FALSE(port.isOpen());
}

TEST_F(CommPortWindow, PortTestWithNoAnswer)
{
    merrow::frmCommPort w;
    QTest::mouseClick(w.cmdTest, Qt::LeftButton);
    EXPECT_EQ(s.messageBox.texts(), QStringList{"Error...No serial handshake found.  Check all connections."});
    EXPECT_EQ(merrow::SerialPort, 1);
    EXPECT_FALSE(port.isOpen());
}

class DataDumpWindow : public LinkFixture {
protected:
    void SetUp() override
    {
        LinkFixture::SetUp();
        merrow::SetDataFolder(dir.path());
        port.responder = [this](FakeSerialPort& p, const QByteArray& b) {
            commands += b;
            if (b == "D")
                p.deliver(QByteArray(1, 0x06));
            else if (b == "R")
                p.deliver(QByteArray("\x01noise ZCZC-WXR-RWT-012011+0015-3431500-KMLB/NWS-\r\n") + char(0x03), 300);
            else if (b == "X")
                p.deliver(QByteArray("8000: 00 03 03\r\n") + char(0x03), 100);
        };
    }
    void TearDown() override
    {
        merrow::SetDataFolder(QString());
        LinkFixture::TearDown();
    }
    QTemporaryDir dir;
    QByteArray commands;
};

TEST_F(DataDumpWindow, RawAndNvDumpsCollectAndSaveWithTheListing)
{
    ASSERT_TRUE(merrow::frmDataDump::MakeContact());
    merrow::frmDataDump w;
    w.show();
    EXPECT_EQ(w.windowTitle(), "  Merrow Data Dump");
    QTest::mouseClick(w.cmdRawData, Qt::LeftButton);
    QTest::mouseClick(w.cmdNVData, Qt::LeftButton);
    EXPECT_EQ(w.text(), "\r\n\r\nRAW Data Dump..Please wait\r\nZCZC-WXR-RWT-012011+0015-3431500-KMLB/NWS-"
                        "\r\n\r\nNV Data Dump..Please wait\r\n8000: 00 03 03\r\n");

    QTest::mouseClick(w.cmdSaveWindow, Qt::LeftButton);
    ASSERT_EQ(s.messageBox.shown.size(), 1u);
    EXPECT_EQ(s.messageBox.shown[0].text,
              "Data file Mwr_DUMP.TXT created and is located\r\nin the folder " + dir.path() + ".");
    QFile f(dir.filePath("Mwr_DUMP.TXT"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray saved = f.readAll();
    EXPECT_TRUE(saved.contains("\r\n\r\n\r\n\r\nRAW Data Dump..Please wait\r\nZCZC"));
    EXPECT_TRUE(saved.contains("REGISTRY_EDITOR.StateId=8\r\n"));

    QTest::mouseClick(w.cmdClear, Qt::LeftButton);
    QTest::mouseClick(w.cmdSaveWindow, Qt::LeftButton);
    EXPECT_EQ(s.desktop.beeps, 1);
    EXPECT_EQ(s.messageBox.shown.size(), 1u);

    QTest::mouseClick(w.cmdExit, Qt::LeftButton);
    EXPECT_EQ(commands, "DRXQ");
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(merrow::PortOpen);
    EXPECT_FALSE(w.isVisible());
}

// However long the answer's lines, the window shows them from their first letter.
TEST_F(DataDumpWindow, ShowsTheLinesFromTheirStart)
{
    const QByteArray longLine = "8000: " + QByteArray(300, 'A') + "\r\n";
    for (const QByteArray& last : {QByteArray("8100: 00\r\n"), QByteArray(300, 'B')}) {
        SCOPED_TRACE(last.left(8).toStdString());
        port.responder = [&](FakeSerialPort& p, const QByteArray& b) {
            if (b == "D")
                p.deliver(QByteArray(1, 0x06));
            else if (b == "X")
                p.deliver(longLine + last + char(0x03), 100);
        };
        ASSERT_TRUE(merrow::frmDataDump::MakeContact());
        merrow::frmDataDump w;
        w.show();
        QTest::mouseClick(w.cmdNVData, Qt::LeftButton);
        w.grab();   // laid out and painted as on the screen
        ASSERT_TRUE(w.text().contains(QString(300, u'A')));
        EXPECT_GT(w.Text1->horizontalScrollBar()->maximum(), 0);
        EXPECT_EQ(w.Text1->horizontalScrollBar()->value(), 0);
        w.close();
    }
}

TEST_F(DataDumpWindow, CloseBoxDuringADumpEndsItThenLeavesLikeExit)
{
    ASSERT_TRUE(merrow::frmDataDump::MakeContact());
    merrow::frmDataDump w;
    w.show();
    port.responder = [this](FakeSerialPort&, const QByteArray& b) { commands += b; };   // no answer to "R"
    int yields = 0;
    s.eventLoop.onYield = [&] {
        if (w.dumpRunning() && ++yields == 50)
            w.close();
    };
    const qint64 start = s.clock.monotonicMs();
    QTest::mouseClick(w.cmdRawData, Qt::LeftButton);
    EXPECT_LT(s.clock.monotonicMs() - start, 2000);
    EXPECT_EQ(commands, "DRQ");
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.text(), "\r\n\r\nRAW Data Dump..Please wait");
}

TEST_F(DataDumpWindow, AFileThatCannotBeWrittenIsReportedAndTheWindowStays)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("Mwr_DUMP.TXT"));
    ASSERT_TRUE(merrow::frmDataDump::MakeContact());
    merrow::frmDataDump w;
    w.show();
    QTest::mouseClick(w.cmdNVData, Qt::LeftButton);
    QTest::mouseClick(w.cmdSaveWindow, Qt::LeftButton);
    ASSERT_EQ(s.messageBox.shown.size(), 1u);
    EXPECT_TRUE(s.messageBox.shown[0].text.startsWith("Error, the data file Mwr_DUMP.TXT could not be written."));
    EXPECT_EQ(s.messageBox.shown[0].title, "Merrow Digital Weather Receiver");
    EXPECT_TRUE(w.isVisible());
    w.close();
}

} // namespace
