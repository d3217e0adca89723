// The transfer cycle against a scripted receiver on the fake port (fake clock: fast).
#include "LinkTestSupport.h"

#include "merrowedit/data/Messages.h"

using namespace linktest;
using platform::doubles::FakeSerialPort;

namespace {

const QByteArray kRecords = records({record("065 14:32 WXR TOR 0045"), record("064 03:05 WXR SVA 0300"),
                                     record("001 02:10 CIV RMT 0015"), record("120 23:59 1AB FFW 0200")});

class Transfer : public LinkFixture {
protected:
    void SetUp() override
    {
        LinkFixture::SetUp();
        receiver.reply = replyBlock(kRecords);
        port.responder = [this](FakeSerialPort& p, const QByteArray& b) { receiver(p, b); };
        merrow::ReceiverVersion = QStringLiteral("1.00");
    }
    qint64 run()
    {
        const qint64 start = s.clock.monotonicMs();
        merrow::EstConnect(host);
        return s.clock.monotonicMs() - start;
    }
    void expectFailedState()
    {
        EXPECT_FALSE(port.isOpen());
        EXPECT_FALSE(merrow::PortOpen);
        EXPECT_FALSE(host.menusEnabled);
        EXPECT_TRUE(host.rows[0].date.isEmpty());
        EXPECT_EQ(merrow::ReceiverVersion, "1.00");
        EXPECT_FALSE(host.commandsLocked);
        EXPECT_FALSE(host.busyPointer);
    }

    ScriptedReceiver receiver;
    RecordingHost host;
};

TEST_F(Transfer, SuccessfulCycleSendsTheBlockShowsVersionAndHistory)
{
    run();
    EXPECT_EQ(host.left, "Upload / Download Successful");
    EXPECT_EQ(host.right, "Merrow ROM Version = 1.23");
    EXPECT_EQ(merrow::ReceiverVersion, "1.23");
    EXPECT_EQ(host.leftHistory,
              (QStringList{"", "Negotiating Port # 1", "Port Connect Successful...Preparing For Upload",
                           "Preparing For Upload...", "Preparing For Download...", "Downloading Data",
                           "Upload / Download Successful"}));

    // On the line: "Z", NvImage bytes 0..510 and their sum modulo 256 in place of byte 511.
    ASSERT_EQ(port.sent.size(), 1 + 512);
    EXPECT_EQ(port.sent[0], 'Z');
    unsigned sum = 0;
    for (int i = 0; i <= 510; ++i) {
        ASSERT_EQ(static_cast<unsigned char>(port.sent[1 + i]), merrow::NvImage()[i]) << "byte " << i;
        sum += merrow::NvImage()[i];
    }
    EXPECT_EQ(static_cast<unsigned char>(port.sent[512]), sum % 256);
    // The builders ran before sending: default timers, flag bytes and the first default county.
    EXPECT_EQ(port.sent.mid(1, 16), QByteArray::fromHex("00030301000200001f0000270000 0021").replace(' ', ""));
    EXPECT_EQ(port.sent.mid(33, 28), "012011-012085-012099-012111-");

    const std::array<merrow::HistoryGridRow, 4> expected{{
        {"1", "6-March", "09:32", "00:45", "WXR", "Tornado Warning", merrow::EventColour::Red},
        {"2", "4-March", "22:05", "03:00", "WXR", "Severe Thunderstorm Watch", merrow::EventColour::Blue},
        {"3", "31-December", "21:10", "00:15", "CIV", "Required Monthly Test", merrow::EventColour::Black},
        {"4", "30-April", "18:59", "02:00", "", "Flash Flood Warning", merrow::EventColour::Red},
    }};
    for (int r = 0; r < 4; ++r) {
        SCOPED_TRACE(r);
        EXPECT_EQ(host.rows[r].num, expected[r].num);
        EXPECT_EQ(host.rows[r].date, expected[r].date);
        EXPECT_EQ(host.rows[r].time, expected[r].time);
        EXPECT_EQ(host.rows[r].length, expected[r].length);
        EXPECT_EQ(host.rows[r].org, expected[r].org);
        EXPECT_EQ(host.rows[r].event, expected[r].event);
        EXPECT_EQ(host.rows[r].eventColor, expected[r].eventColor);
    }
    EXPECT_EQ(host.rows[4].num, "5");
    EXPECT_TRUE(host.rows[4].date.isEmpty());
    EXPECT_TRUE(host.menusEnabled);
    EXPECT_EQ(host.checkedGroup, 0);
    EXPECT_FALSE(host.progressVisible);
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(merrow::PortOpen);
    EXPECT_EQ(host.locks, 1);
    EXPECT_FALSE(host.commandsLocked);
    EXPECT_TRUE(s.messageBox.shown.empty());
}

TEST_F(Transfer, StaleInputBeforeConnectIsNoAnswer)
{
    port.staleOnOpen = QByteArray(1, 0x06);
    receiver.answerConnect = false;
    run();
    EXPECT_EQ(host.left, "Port Connect Failed");
    EXPECT_EQ(s.messageBox.texts(), QStringList{merrow::ErrorMessageText(2)});
    expectFailedState();
}

TEST_F(Transfer, AnImmediateAckAfterTheChecksumIsNotThrownAway)
{
    // The fake delivers ACK and reply at the instant the checksum byte goes out.
    run();
    EXPECT_EQ(host.left, "Upload / Download Successful");
    EXPECT_EQ(port.bytesDiscarded, 0);
}

TEST_F(Transfer, NoAnswerToConnectFailsAfterFiveSecondsWithMessage202)
{
    receiver.answerConnect = false;
    const qint64 took = run();
    EXPECT_GE(took, 5000);
    EXPECT_LT(took, 5200);
    EXPECT_EQ(host.left, "Port Connect Failed");
    ASSERT_EQ(s.messageBox.shown.size(), 1u);
    EXPECT_EQ(s.messageBox.shown[0].text,
              "Error #202:  Serial Connection Not Established\r\nNote: Insure receiver monitor switch is DOWN. ");
    EXPECT_EQ(s.messageBox.shown[0].title, "Merrow Digital Weather Receiver");
    EXPECT_EQ(port.sent, "Z");
    expectFailedState();
}

TEST_F(Transfer, PortThatWillNotOpenShowsMessage201)
{
    port.denyPermission = true;
    run();
    EXPECT_EQ(host.left, "Port Connect Failed");
    EXPECT_EQ(s.messageBox.texts(), QStringList{"Error #201:  Selected Serial Port will not open"});
    EXPECT_TRUE(port.sent.isEmpty());
    expectFailedState();
}

TEST_F(Transfer, GarbageBeforeTheConnectAckIsDropped)
{
    receiver.connectAnswer = QByteArray("?!x") + char(0x06);
    run();
    EXPECT_EQ(host.left, "Upload / Download Successful");
}

TEST_F(Transfer, NakToTheUploadIsUploadFailure)
{
    receiver.uploadAnswer = QByteArray(1, 0x15);
    receiver.reply.clear();
    run();
    EXPECT_EQ(host.left, "Upload Failure");
    EXPECT_TRUE(s.messageBox.shown.empty());
    EXPECT_TRUE(host.progressVisible);
    expectFailedState();
}

TEST_F(Transfer, NoAnswerToTheUploadTimesOutAfterTwentySeconds)
{
    receiver.answerUpload = false;
    const qint64 took = run();
    EXPECT_GE(took, 20000);
    EXPECT_LT(took, 20300);
    EXPECT_EQ(host.left, "Upload Data Timeout");
    expectFailedState();
}

TEST_F(Transfer, LateReplyWithinTheLimitStillSucceeds)
{
    receiver.uploadDelayMs = 15000;
    receiver.replyDelayMs = 15000 + 19000;
    run();
    EXPECT_EQ(host.left, "Upload / Download Successful");
}

struct DownloadFault {
    const char* name;
    std::function<QByteArray()> reply;
};

class DownloadFaults : public Transfer, public ::testing::WithParamInterface<DownloadFault> {};

TEST_P(DownloadFaults, EndInDownloadFailureWithThePortClosed)
{
    receiver.reply = GetParam().reply();
    const qint64 took = run();
    EXPECT_EQ(host.left, "Download Failure");
    EXPECT_TRUE(s.messageBox.shown.empty());
    EXPECT_FALSE(host.progressVisible);
    EXPECT_LT(took, 20300);
    expectFailedState();
}

INSTANTIATE_TEST_SUITE_P(
    Link, DownloadFaults,
    ::testing::Values(DownloadFault{"ShortReply", [] { return replyBlock(kRecords).left(1000); }},
                      DownloadFault{"LastByteNotAck", [] { return replyBlock(kRecords, "123", 0x15); }},
                      DownloadFault{"WrongChecksum", [] { return replyBlock(kRecords, "123", 0x06, 1); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Transfer, BytesAfterTheReplyAreIgnored)
{
    receiver.reply = replyBlock(kRecords) + QByteArray(50, 0x55);
    run();
    EXPECT_EQ(host.left, "Upload / Download Successful");
    EXPECT_EQ(merrow::ReceiverVersion, "1.23");
}

TEST_F(Transfer, SerialErrorWhileSendingTheBlockIsUploadFailure)
{
    port.failSendAfterBytes = 100;
    const qint64 took = run();
    EXPECT_EQ(host.left, "Upload Failure");
    EXPECT_EQ(port.sent.size(), 100);
    EXPECT_LT(took, 1000);
    expectFailedState();
}

TEST_F(Transfer, MoreThanTwentyFourCountiesAreRefusedBeforeAnythingIsSent)
{
    for (int i = 0; i < 25; ++i)
        merrow::FipEntries[i] = QStringLiteral("X 0120%1  County").arg(i, 2, 10, QLatin1Char('0'));
    run();
    EXPECT_EQ(s.messageBox.texts(), QStringList{" Error, More than 24 FIP codes selected. "});
    EXPECT_TRUE(port.sent.isEmpty());
    EXPECT_EQ(port.openCount, 0);
}

TEST_F(Transfer, UploadStartsOnASecondBoundaryTwoSecondsOnAndAfterSecond58AtSecondTwo)
{
    merrow::Timeouts().alignUploadToSecond = true;
    for (const auto& [startSecond, expectedSecond] : {std::pair{10, 12}, std::pair{57, 59}, std::pair{58, 2}, std::pair{59, 2}}) {
        SCOPED_TRACE(startSecond);
        s.clock.wallStart = QDateTime(QDate(2026, 12, 9), QTime(10, 0, startSecond)).addMSecs(-s.clock.ms);
        ASSERT_TRUE(merrow::OpenPort());
        receiver.inBlock = true;
        receiver.blockBytes = 0;
        int secondAtFirstBlockByte = -1;
        port.sent.clear();
        port.responder = [&](FakeSerialPort& p, const QByteArray& b) {
            if (p.sent.size() == 1)
                secondAtFirstBlockByte = s.clock.now().time().second();
            receiver(p, b);
        };
        EXPECT_TRUE(merrow::UploadData(host));
        EXPECT_EQ(secondAtFirstBlockByte, expectedSecond);
        merrow::ClosePort();
    }
}

TEST_F(Transfer, RefusedWhileAnotherLinkOperationRuns)
{
    merrow::LinkBusyScope busy;
    run();
    EXPECT_EQ(port.openCount, 0);
    EXPECT_EQ(host.locks, 0);
    EXPECT_EQ(host.clears, 0);
}

TEST_F(Transfer, CommandsAreLockedWhileTheCycleWaits)
{
    receiver.uploadDelayMs = 100;
    bool lockedDuringWait = false;
    bool busyDuringWait = false;
    s.eventLoop.onYield = [&] {
        if (port.isOpen()) {
            lockedDuringWait = host.commandsLocked;
            busyDuringWait = merrow::LinkBusy();
        }
    };
    run();
    EXPECT_TRUE(lockedDuringWait);
    EXPECT_TRUE(busyDuringWait);
    EXPECT_FALSE(merrow::LinkBusy());
    EXPECT_FALSE(host.commandsLocked);
}

TEST_F(Transfer, AFailedCycleAfterASuccessEmptiesTheGridButKeepsTheEntries)
{
    run();
    ASSERT_EQ(host.rows[0].date, "6-March");
    receiver.answerConnect = false;
    run();
    EXPECT_TRUE(host.rows[0].date.isEmpty());
    EXPECT_EQ(host.rows[0].num, "1");
    EXPECT_FALSE(host.menusEnabled);
    EXPECT_EQ(merrow::HistoryEntries[0].Date, "6-March");
}

TEST(OpenAndClosePort, OpenTwiceTouchesThePortOnceAndCloseTwiceIsHarmless)
{
    platform::doubles::ScriptedServices s;
    platform::doubles::FakeSerialPort& port = s.serialPort;
    loadDefaults();
    merrow::SerialPort = 3;
    ASSERT_TRUE(merrow::OpenPort());
    EXPECT_TRUE(merrow::OpenPort());
    EXPECT_EQ(port.openCount, 1);
    EXPECT_EQ(port.portNumber(), 3);
    EXPECT_EQ(port.baud(), 4800);
    merrow::ClosePort();
    merrow::ClosePort();
    EXPECT_EQ(port.closeCount, 1);
    EXPECT_FALSE(merrow::PortOpen);
    merrow::resetLink();
}

} // namespace
