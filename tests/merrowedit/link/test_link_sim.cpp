// End to end: the real transfer code through QSerialPort against the receiver simulator on a
// pseudo-terminal, with short time-outs.
#include "LinkTestSupport.h"

#include "merrowedit/data/Messages.h"
#include "merrowedit/link/DataDump.h"
#include "merrowedit/link/PortSearch.h"
#include "platform/qt/QtSerialPort.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

using namespace linktest;

namespace {

// Real time for the waits, a fixed calendar day for the history dates.
class RealTimeClock final : public platform::Clock {
public:
    RealTimeClock() { timer_.start(); }
    qint64 monotonicMs() override { return timer_.elapsed(); }
    QDateTime now() override { return start_.addMSecs(timer_.elapsed()); }
    // The wall clock reads `time` now and runs on from there.
    void set(QTime time) { start_ = QDateTime(start_.date(), time).addMSecs(-timer_.elapsed()); }

private:
    QElapsedTimer timer_;
    QDateTime start_{QDate(2026, 12, 9), QTime(10, 0)};
};

class RealEventLoop final : public platform::EventLoop {
public:
    void yield() override
    {
        QCoreApplication::processEvents();
        QThread::usleep(200);
    }
    void sleepMs(int ms) override
    {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms)
            yield();
    }
};

class Simulator {
public:
    bool start(const QStringList& faults)
    {
        const QString program = qEnvironmentVariable("QM_BIN_DIR") + "/merrow-receiver-sim";
        process.start(program, faults + QStringList{"--exit-on-stdin-eof", "--block-log", blockLog()});
        if (!process.waitForStarted(5000))
            return false;
        while (!process.canReadLine())
            if (!process.waitForReadyRead(5000))
                return false;
        device = QString::fromLocal8Bit(process.readLine()).trimmed();
        return !device.isEmpty();
    }
    ~Simulator()
    {
        process.closeWriteChannel();
        if (!process.waitForFinished(3000))
            process.kill();
        process.waitForFinished(1000);
    }
    QString blockLog() const { return dir.filePath("block.bin"); }

    QTemporaryDir dir;
    QProcess process;
    QString device;
};

class SimLink : public ::testing::Test {
protected:
    void SetUp() override
    {
        s.clock.ms = 0;
        platform::services().clock = &clock;
        platform::services().eventLoop = &loop;
        platform::services().serialPort = &serial;
        loadDefaults();
        // Generous where an answer is expected (a wait ends as soon as it comes); the fault cases
        // shorten the wait they are about.
        merrow::Timeouts().connectMs = 3000;
        merrow::Timeouts().transferMs = 3000;
        merrow::Timeouts().contactMs = 3000;
        merrow::Timeouts().dumpMs = 3000;
        merrow::Timeouts().alignUploadToSecond = false;
        merrow::Timeouts().preUploadYields = 0;
        merrow::ReceiverVersion = QStringLiteral("1.00");
    }
    void TearDown() override
    {
        merrow::resetLink();
        qunsetenv("MERROW_PORT1");
        qunsetenv("MERROW_PORT2");
    }
    void startSim(const QStringList& faults, const char* portVariable = "MERROW_PORT1")
    {
        ASSERT_TRUE(sim.start(faults)) << sim.process.errorString().toStdString();
        qputenv(portVariable, sim.device.toLocal8Bit());
    }
    qint64 transfer()
    {
        QElapsedTimer t;
        t.start();
        merrow::EstConnect(host);
        return t.elapsed();
    }

    platform::doubles::ScriptedServices s;
    RealTimeClock clock;
    RealEventLoop loop;
    platform::QtSerialPort serial;
    Simulator sim;
    RecordingHost host;
};

TEST_F(SimLink, FullCycleThroughQSerialPort)
{
    startSim({});
    transfer();
    ASSERT_EQ(host.left, "Upload / Download Successful") << s.messageBox.texts().join('|').toStdString();
    EXPECT_EQ(host.right, "Merrow ROM Version = 1.23");
    EXPECT_EQ(merrow::ReceiverVersion, "1.23");

    struct Row { const char* date; const char* time; const char* length; const char* org; const char* event; merrow::EventColour color; };
    const Row rows[] = {
        {"6-March", "09:32", "00:45", "WXR", "Tornado Warning", merrow::EventColour::Red},
        {"4-March", "22:05", "03:00", "WXR", "Severe Thunderstorm Watch", merrow::EventColour::Blue},
        {"31-December", "21:10", "00:15", "CIV", "Required Monthly Test", merrow::EventColour::Black},
        {"19-July", "05:00", "01:00", "EAS", "Unknown Event Code", merrow::EventColour::Black},
        {"30-April", "18:59", "02:00", "", "Flash Flood Warning", merrow::EventColour::Red},
    };
    for (int r = 0; r < 5; ++r) {
        SCOPED_TRACE(r);
        EXPECT_EQ(host.rows[r].date, rows[r].date);
        EXPECT_EQ(host.rows[r].time, rows[r].time);
        EXPECT_EQ(host.rows[r].length, rows[r].length);
        EXPECT_EQ(host.rows[r].org, rows[r].org);
        EXPECT_EQ(host.rows[r].event, rows[r].event);
        EXPECT_EQ(host.rows[r].eventColor, rows[r].color);
    }
    EXPECT_TRUE(host.rows[5].date.isEmpty());
    EXPECT_EQ(merrow::HistoryEntries[20].EventName, "Required Weekly Test");
    EXPECT_TRUE(host.menusEnabled);
    EXPECT_FALSE(serial.isOpen());

    // The receiver got NvImage bytes 0..510 and their checksum, byte for byte.
    QFile log(sim.blockLog());
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QByteArray block = log.readAll();
    ASSERT_EQ(block.size(), 512);
    unsigned sum = 0;
    for (int i = 0; i <= 510; ++i) {
        ASSERT_EQ(static_cast<unsigned char>(block[i]), merrow::NvImage()[i]) << i;
        sum += merrow::NvImage()[i];
    }
    EXPECT_EQ(static_cast<unsigned char>(block[511]), sum % 256);
    EXPECT_EQ(block.mid(32, 28), "012011-012085-012099-012111-");
}

// The upload waits for a clock-second boundary, 1 to 4 s after the connect ACK; the simulator, as
// it starts by default, takes the block after each of those waits.
class SimSecondPhases : public SimLink, public ::testing::WithParamInterface<int> {};

TEST_P(SimSecondPhases, TakeTheBlockAfterTheWaitForASecondBoundary)
{
    merrow::Timeouts() = merrow::LinkTimeouts{};
    startSim({});
    const int startMs = GetParam();
    clock.set(QTime(10, 0).addMSecs(startMs));
    const int second = startMs / 1000;
    const int boundary = second + 2 > 59 ? 60 + 2 : second + 2;
    const qint64 took = transfer();
    EXPECT_EQ(host.left, "Upload / Download Successful") << "started at " << startMs << " ms";
    EXPECT_GE(took, boundary * 1000 - startMs - 50) << "the upload waited for its boundary";
}

INSTANTIATE_TEST_SUITE_P(Link, SimSecondPhases, ::testing::Values(58000, 59500, 30000, 30900),
                         [](const auto& info) { return "At" + std::to_string(info.param) + "ms"; });

struct SimFault {
    const char* name;
    QStringList options;
    const char* status;
    QStringList messages;
    int connectMs = 3000;
    int transferMs = 3000;
};

class SimFaults : public SimLink, public ::testing::WithParamInterface<SimFault> {};

TEST_P(SimFaults, EndWithTheirStatusAndThePortClosed)
{
    merrow::Timeouts().connectMs = GetParam().connectMs;
    merrow::Timeouts().transferMs = GetParam().transferMs;
    startSim(GetParam().options);
    const qint64 took = transfer();
    EXPECT_EQ(host.left, GetParam().status);
    EXPECT_EQ(s.messageBox.texts(), GetParam().messages);
    EXPECT_FALSE(serial.isOpen());
    EXPECT_FALSE(merrow::PortOpen);
    EXPECT_LT(took, GetParam().connectMs + 2 * GetParam().transferMs + 2000);
    if (QString(GetParam().status) != "Upload / Download Successful") {
        EXPECT_FALSE(host.menusEnabled);
        EXPECT_TRUE(host.rows[0].date.isEmpty());
        EXPECT_EQ(merrow::ReceiverVersion, "1.00");
    } else {
        EXPECT_EQ(host.rows[0].date, "6-March");
    }
}

const QString kOk = "Upload / Download Successful";
const QStringList kNone;

INSTANTIATE_TEST_SUITE_P(
    Link, SimFaults,
    ::testing::Values(
        SimFault{"Silent", {"--silent"}, "Port Connect Failed", {merrow::ErrorMessageText(2)}, 600},
        SimFault{"LateConnectAck", {"--ack-delay-ms", "1500"}, "Port Connect Failed", {merrow::ErrorMessageText(2)}, 600},
        SimFault{"NakUpload", {"--nak-upload"}, "Upload Failure", kNone},
        SimFault{"SilentAfterUpload", {"--silent-upload"}, "Upload Data Timeout", kNone, 3000, 800},
        SimFault{"NoReply", {"--silent-reply"}, "Download Failure", kNone, 3000, 800},
        SimFault{"LateReply", {"--reply-delay-ms", "2000"}, "Download Failure", kNone, 3000, 800},
        SimFault{"WrongChecksum", {"--bad-checksum"}, "Download Failure", kNone},
        SimFault{"ShortReply", {"--short-reply", "700"}, "Download Failure", kNone, 3000, 800},
        SimFault{"LastByteNotAck", {"--bad-last-byte"}, "Download Failure", kNone},
        SimFault{"GarbageBeforeAck", {"--garbage-before-ack", "3"}, "Upload / Download Successful", kNone},
        SimFault{"ExtraBytes", {"--extra-bytes", "40"}, "Upload / Download Successful", kNone}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SimLink, PortSearchFindsTheSimulatorBehindAMissingPort)
{
    qputenv("MERROW_PORT1", "/dev/merrow-no-such-port");
    startSim({}, "MERROW_PORT2");
    EXPECT_EQ(merrow::TestSerial(), 2);
    EXPECT_FALSE(serial.isOpen());
}

TEST_F(SimLink, PortSearchIgnoresAReceiverWhoseFirstByteIsNoAck)
{
    startSim({"--garbage-before-ack", "2"});
    EXPECT_EQ(merrow::TestSerial(), -1);
    EXPECT_FALSE(serial.isOpen());
}

TEST_F(SimLink, DumpModeRawAndNv)
{
    startSim({});
    // Upload once so the NV dump has something to show.
    transfer();
    ASSERT_EQ(host.left, kOk);
    ASSERT_TRUE(merrow::MakeContact());
    serial.send("R");
    const merrow::DumpResult raw = merrow::DumpDataRaw();
    EXPECT_EQ(raw.end, merrow::DumpEnd::Etx);
    EXPECT_EQ(raw.text, "ZCZC-WXR-TOR-012011-012085+0030-0651432-KMLB/NWS -");
    serial.send("X");
    const merrow::DumpResult nv = merrow::DumpDataNV();
    EXPECT_EQ(nv.end, merrow::DumpEnd::Etx);
    EXPECT_TRUE(nv.text.startsWith("8000: 00 03 03 01 00 02 00 00 1F 00 00 27 00 00 00 21\r\n")) << nv.text.toStdString();
    EXPECT_EQ(nv.text.count("\r\n"), 32);
    serial.send("Q");
    merrow::ClosePort();
}

TEST_F(SimLink, DumpRefusedClosesThePort)
{
    startSim({"--nak-dump"});
    EXPECT_FALSE(merrow::MakeContact());
    EXPECT_FALSE(serial.isOpen());
}

// The line goes away during a wait: the wait ends at once, not at its 20 s time-out.
struct SimHangUp {
    const char* name;
    int sentBeforeHangUp;   // bytes the receiver sends before the line goes
    const char* status;
    QStringList messages;
    QStringList moreOptions = {};
};

class SimHangUps : public SimLink, public ::testing::WithParamInterface<SimHangUp> {};

TEST_P(SimHangUps, EndTheWaitAtOnceWithThePortClosed)
{
    merrow::Timeouts().connectMs = 20000;
    merrow::Timeouts().transferMs = 20000;
    startSim(QStringList{"--hang-up-after", QString::number(GetParam().sentBeforeHangUp)} + GetParam().moreOptions);
    const qint64 took = transfer();
    EXPECT_EQ(host.left, GetParam().status);
    EXPECT_EQ(s.messageBox.texts(), GetParam().messages);
    EXPECT_FALSE(serial.isOpen());
    EXPECT_FALSE(merrow::PortOpen);
    EXPECT_FALSE(host.menusEnabled);
    EXPECT_LT(took, 3000);
}

INSTANTIATE_TEST_SUITE_P(
    Link, SimHangUps,
    ::testing::Values(SimHangUp{"WhileConnecting", 0, "Port Connect Failed", {merrow::ErrorMessageText(2)}},
                      SimHangUp{"AfterTheUpload", 1, "Upload Failure", kNone},
                      // A hang-up drops what the line still held: the pause lets the upload's
                      // ACK arrive first.
                      SimHangUp{"MidReply", 2 + 700, "Download Failure", kNone, {"--reply-delay-ms", "300"}},
                      SimHangUp{"BeforeTheFinalAck", 2 + 1283, "Download Failure", kNone,
                                {"--reply-delay-ms", "300"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SimLink, HangUpDuringContactOrADumpEndsItAtOnce)
{
    merrow::Timeouts().contactMs = 20000;
    merrow::Timeouts().dumpMs = 20000;
    QElapsedTimer t;
    {
        Simulator first;
        ASSERT_TRUE(first.start({"--hang-up-after", "0"}));
        qputenv("MERROW_PORT1", first.device.toLocal8Bit());
        t.start();
        EXPECT_FALSE(merrow::MakeContact());
        EXPECT_LT(t.elapsed(), 3000);
        EXPECT_FALSE(serial.isOpen());
        EXPECT_FALSE(merrow::PortOpen);
    }
    startSim({"--hang-up-after", "10"});   // the ACK to "D", then nine bytes of the raw answer
    ASSERT_TRUE(merrow::MakeContact());
    serial.send("R");
    t.start();
    const merrow::DumpResult raw = merrow::DumpDataRaw();
    EXPECT_LT(t.elapsed(), 3000);
    EXPECT_EQ(raw.end, merrow::DumpEnd::PortFailed);
    EXPECT_FALSE(serial.isOpen());
    merrow::ClosePort();
    EXPECT_FALSE(merrow::PortOpen);
}

} // namespace
