// Port search, dump mode contact, dump texts, the settings listing and the dump file.
#include "LinkTestSupport.h"

#include "merrowedit/data/DataFolder.h"
#include "merrowedit/link/DataDump.h"
#include "merrowedit/link/PortSearch.h"
#include "tests/support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <functional>

using namespace linktest;
using platform::doubles::FakeSerialPort;

namespace {

class PortSearch : public LinkFixture {
protected:
    // The receiver sits on one port and answers "T" after a delay, with optional noise first.
    void receiverOn(int portNumber, qint64 delayMs = 0, QByteArray answer = QByteArray(1, 0x06))
    {
        port.responder = [=](FakeSerialPort& p, const QByteArray& bytes) {
            if (p.portNumber() == portNumber && bytes == "T")
                p.deliver(answer, delayMs);
        };
    }
};

TEST_F(PortSearch, FindsTheFirstAnsweringPortInOrderAndClosesIt)
{
    port.missingPorts = {1};
    receiverOn(3);
    EXPECT_EQ(merrow::TestSerial(), 3);
    EXPECT_EQ(port.opened, (std::vector<int>{2, 3}));
    EXPECT_EQ(port.sent, "TT");
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(merrow::PortOpen);
    EXPECT_TRUE(s.messageBox.shown.empty());
}

TEST_F(PortSearch, LateOrNoisyAnswersAreNotFound)
{
    receiverOn(2, 300);
    EXPECT_EQ(merrow::TestSerial(), -1);
    EXPECT_EQ(port.opened, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_FALSE(port.isOpen());

    receiverOn(2, 0, QByteArray("x") + char(0x06));
    EXPECT_EQ(merrow::TestSerial(), -1);
    EXPECT_FALSE(port.isOpen());
}

TEST_F(PortSearch, StaleAckFromBeforeTheProbeDoesNotCount)
{
    port.staleOnOpen = QByteArray(1, 0x06);
    port.responder = nullptr;
    EXPECT_EQ(merrow::TestSerial(), -1);
}

TEST_F(PortSearch, TimeZoneListAndItems)
{
    ASSERT_EQ(merrow::TimeZoneTexts().size(), 8);
    EXPECT_EQ(merrow::TimeZoneTexts()[0], " [GMT-04:00] Atlantic Time (Puerto Rico, Canada)");
    EXPECT_EQ(merrow::TimeZoneTexts()[7], " [GMT-11:00] Midway Island, Samona");
    EXPECT_EQ(merrow::TimeZoneItem(-4), 0);
    EXPECT_EQ(merrow::TimeZoneItem(-11), 7);
    EXPECT_EQ(merrow::TimeZoneItem(0), 0);     // outside the list: the first item
    EXPECT_EQ(merrow::TimeZoneItem(-12), 0);
}

class Dump : public LinkFixture {
protected:
    void dumpModeAnswer(QByteArray answer, qint64 delayMs = 0)
    {
        port.responder = [=](FakeSerialPort& p, const QByteArray& bytes) {
            if (bytes == "D")
                p.deliver(answer, delayMs);
        };
    }
};

TEST_F(Dump, MakeContactAcceptedLeavesThePortOpen)
{
    dumpModeAnswer(QByteArray("??") + char(0x06), 500);
    EXPECT_TRUE(merrow::MakeContact());
    EXPECT_TRUE(port.isOpen());
    EXPECT_TRUE(merrow::PortOpen);
    EXPECT_EQ(port.sent, "D");
    EXPECT_FALSE(merrow::LinkBusy());
}

TEST_F(Dump, MakeContactRefusedOrSilentClosesThePort)
{
    dumpModeAnswer(QByteArray(1, 0x15));
    EXPECT_FALSE(merrow::MakeContact());
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(merrow::PortOpen);

    port.responder = nullptr;
    const qint64 start = s.clock.monotonicMs();
    EXPECT_FALSE(merrow::MakeContact());
    EXPECT_GE(s.clock.monotonicMs() - start, 2000);
    EXPECT_LT(s.clock.monotonicMs() - start, 2100);
    EXPECT_FALSE(port.isOpen());

    // A receiver that never stops chattering still meets the time-out.
    port.responder = [](FakeSerialPort& p, const QByteArray&) {
        for (int i = 0; i < 400; ++i)
            p.deliver("z", i * 10);
    };
    EXPECT_FALSE(merrow::MakeContact());
    EXPECT_FALSE(port.isOpen());
}

TEST_F(Dump, RawTextDropsNoiseAndBreaksAfter62And124)
{
    merrow::RawDumpText raw;
    for (char c : QByteArray("\x01\x02noise\r\nZCZ"))
        raw.add(static_cast<unsigned char>(c));
    raw.add('C');
    QByteArray body;
    for (int i = 0; i < 200; ++i)
        body += char('A' + i % 26);
    for (char c : body)
        raw.add(c);
    raw.add('\r');
    raw.add(0x03);
    const QStringList lines = raw.text().split("\r\n");
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith("ZCZC"));
    EXPECT_EQ(lines[0].size(), 62);
    EXPECT_EQ(lines[1].size(), 60);
    EXPECT_EQ(lines[2].size(), 82);
    EXPECT_EQ(lines.join(QString()), "ZCZC" + QString::fromLatin1(body));

    merrow::RawDumpText none;
    for (char c : QByteArray("no header here"))
        none.add(c);
    EXPECT_EQ(none.text(), "");
}

TEST_F(Dump, DumpsReadUpToEtxAndEndOnTheTimeOutOrWhenStopped)
{
    ASSERT_TRUE(merrow::OpenPort());
    port.deliver(QByteArray("8000: 00 03\r\n8010: 1F\r\n") + char(0x03) + "after", 50);
    merrow::DumpResult nv = merrow::DumpDataNV();
    EXPECT_EQ(nv.end, merrow::DumpEnd::Etx);
    EXPECT_EQ(nv.text, "8000: 00 03\r\n8010: 1F\r\n");

    port.deliver("xZCZC-WXR-RWT", 10);
    const qint64 start = s.clock.monotonicMs();
    merrow::DumpResult raw = merrow::DumpDataRaw();
    EXPECT_EQ(raw.end, merrow::DumpEnd::TimedOut);
    EXPECT_GE(s.clock.monotonicMs() - start, 20000);
    EXPECT_LT(s.clock.monotonicMs() - start, 20100);

    bool stop = false;
    s.eventLoop.onYield = [&] { stop = s.clock.monotonicMs() - start > 25000; };
    EXPECT_EQ(merrow::DumpDataRaw([&] { return stop; }).end, merrow::DumpEnd::Stopped);
    s.eventLoop.onYield = nullptr;

    port.close();
    EXPECT_EQ(merrow::DumpDataRaw().end, merrow::DumpEnd::PortFailed);
}

TEST_F(Dump, SettingsListingAtDefaults)
{
    merrow::WorkingDirectory = QStringLiteral("/home/u");
    const QStringList lines = merrow::WriteRegistry().split("\r\n");
    // Empty line, 11 + 9 * 8 + 5 keys, one empty line after each of the 11 sections.
    ASSERT_EQ(lines.size(), 1 + 88 + 11 + 1);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines.mid(1, 12),
              (QStringList{"REGISTRY_EDITOR.SerialPort=1", "REGISTRY_EDITOR.WorkingDirectory=/home/u",
                           "REGISTRY_EDITOR.EditorVersion=1.00", "REGISTRY_EDITOR.ReceiverVersion=1.00",
                           "REGISTRY_EDITOR.ShowTipsAtStartup=True", "REGISTRY_EDITOR.TimeZoneOffset=-5",
                           "REGISTRY_EDITOR.DaylightSavings=True", "REGISTRY_EDITOR.StateId=8",
                           "REGISTRY_EDITOR.TransmitterLocation=", "REGISTRY_EDITOR.FrequencyListingFilter=0",
                           "REGISTRY_EDITOR.UserStationID=", ""}));
    EXPECT_EQ(lines[13], "NV_RAM_8007.GiveStationID=False");
    EXPECT_EQ(lines[20], "NV_RAM_8007.Spare8007_4=False");
    EXPECT_EQ(lines[21], "");
    EXPECT_EQ(lines[22], "NV_RAM_8008.SpeakerActive=True");
    EXPECT_EQ(lines[27], "NV_RAM_8008.AcceptAllFips=False");
    EXPECT_TRUE(lines.contains("NV_RAM_800A.Spare800A_2=False"));
    EXPECT_TRUE(lines.contains("NV_RAM_800B.VocTruncateTest=True"));
    EXPECT_TRUE(lines.contains("NV_RAM_800F.LowTrigEndPacket=True"));
    EXPECT_TRUE(lines.contains("NV_RAM_800F.Spare800F_1=False"));
    EXPECT_EQ(lines.mid(lines.size() - 7),
              (QStringList{"NV_RAM_TIMERS.SpeakerTimeoutTimer=3", "NV_RAM_TIMERS.LineTimeoutTimer=3",
                           "NV_RAM_TIMERS.VoiceIntervalTimer=1", "NV_RAM_TIMERS.RelayDelayTimer=0",
                           "NV_RAM_TIMERS.PreVoiceAnnc=2", "", ""}));
    // Each flag lists its own section's value.
    merrow::NV800A.AcceptAllAlerts = true;
    EXPECT_TRUE(merrow::WriteRegistry().contains("NV_RAM_800A.AcceptAllAlerts=True\r\n"));
    EXPECT_TRUE(merrow::WriteRegistry().contains("NV_RAM_8009.AcceptAllAlerts=False\r\n"));
}

TEST_F(Dump, DumpFileLayoutAndFailures)
{
    QTemporaryDir dir;
    merrow::SetDataFolder(dir.path());
    const QDateTime when(QDate(2026, 12, 9), QTime(10, 4, 5));
    const QByteArray bytes = merrow::DumpFileContents("\r\n\r\nRAW Data Dump..Please wait\r\nZCZC", when);
    const QByteArray head = "File Created On " + QLocale().toString(when, QLocale::ShortFormat).toLatin1() +
                            "\r\n\r\n\r\n\r\nRAW Data Dump..Please wait\r\nZCZC\r\n\r\nREGISTRY_EDITOR.SerialPort=1\r\n";
    EXPECT_TRUE(bytes.startsWith(head)) << bytes.left(200).toStdString();
    EXPECT_TRUE(bytes.endsWith("NV_RAM_TIMERS.PreVoiceAnnc=2\r\n\r\n\r\n"));

    ASSERT_TRUE(merrow::SaveDumpFile("first"));
    ASSERT_TRUE(merrow::SaveDumpFile("second"));
    QFile f(dir.filePath("Mwr_DUMP.TXT"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray saved = f.readAll();
    EXPECT_TRUE(saved.contains("\r\n\r\nsecond\r\n"));
    EXPECT_FALSE(saved.contains("first"));

    // A folder in the file's place: reported, and the old file is not half replaced.
    QTemporaryDir other;
    merrow::SetDataFolder(other.path());
    ASSERT_TRUE(QDir(other.path()).mkdir("Mwr_DUMP.TXT"));
    QString error;
    EXPECT_FALSE(merrow::SaveDumpFile("x", &error));
    EXPECT_FALSE(error.isEmpty());
    merrow::SetDataFolder(QString());
}

// The disk fills up under the write of each file the program saves: the old file keeps its
// bytes and the save reports the failure instead of success over an empty file.
TEST_F(Dump, AFullDiskKeepsTheOldParameterHistoryAndDumpFiles)
{
    QTemporaryDir dir;
    merrow::SetDataFolder(dir.path());
    merrow::SetDefaultData();
    const QString history = dir.filePath("H.TXT");
    struct Row {
        const char* file;
        QString path;
        std::function<bool()> save;
    };
    const Row rows[] = {
        {"parameter file", merrow::DataFilePath(), [] { return merrow::SaveDataFile(); }},
        {"history text", history, [&history] { return merrow::SaveHistoryText(history); }},
        {"dump file", merrow::DumpFilePath(), [] { return merrow::SaveDumpFile("RAW Data Dump..Please wait"); }},
    };
    const QByteArray old(428, 'o');
    for (const Row& r : rows) {
        SCOPED_TRACE(r.file);
        {
            QFile f(r.path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            ASSERT_EQ(f.write(old), old.size());
        }
        const bool saved = [&r] {
            const FileSizeLimit full(100);
            return r.save();
        }();
        EXPECT_FALSE(saved);
        QFile f(r.path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), old);
    }
    // The parameter file says so itself, with its path and the reason.
    ASSERT_EQ(s.messageBox.shown.size(), 1u);
    EXPECT_TRUE(s.messageBox.shown[0].text.contains(merrow::DataFilePath() + "  can not be written.\r\n" +
                                                    std::strerror(EFBIG)))
        << s.messageBox.shown[0].text.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"H.TXT", "Mwr_DUMP.TXT", "Mwr_FILE1.DAT"}));
    merrow::SetDataFolder(QString());
}

} // namespace
