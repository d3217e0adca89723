#include "merrowedit/link/Link.h"

#include "merrowedit/data/History.h"
#include "merrowedit/data/Messages.h"
#include "merrowedit/data/Settings.h"
#include "merrowedit/data/UploadBlock.h"
#include "merrowedit/link/HistoryView.h"
#include "platform/SerialPort.h"
#include "platform/Services.h"

namespace merrow {

namespace {

bool busyFlag = false;

qint64 nowMs()
{
    return platform::services().clock->monotonicMs();
}

// Restores the main window when a cycle ends, whichever way it ends.
class HostLock {
public:
    explicit HostLock(TransferHost& host) : host_(host)
    {
        host_.setCommandsLocked(true);
        host_.setBusyPointer(true);
    }
    ~HostLock()
    {
        host_.setBusyPointer(false);
        host_.setCommandsLocked(false);
    }
    HostLock(const HostLock&) = delete;
    HostLock& operator=(const HostLock&) = delete;

private:
    TransferHost& host_;
};

} // namespace

LinkTimeouts& Timeouts()
{
    static LinkTimeouts timeouts;
    return timeouts;
}

void TimeOutTimer::setInterval(int ms)
{
    interval_ = ms;
    if (enabled_)
        nextTick_ = nowMs() + interval_;
}

void TimeOutTimer::setEnabled(bool enabled)
{
    // Enabling (again) restarts the interval, as a window timer does.
    enabled_ = enabled;
    if (enabled_)
        nextTick_ = nowMs() + interval_;
}

void TimeOutTimer::poll()
{
    if (!enabled_ || interval_ <= 0)
        return;
    const qint64 now = nowMs();
    if (now >= nextTick_) {
        TransferTimedOut = true;
        nextTick_ = now + interval_;
    }
}

TimeOutTimer& tmrTimeOut()
{
    static TimeOutTimer timer;
    return timer;
}

void resetLink()
{
    if (platform::SerialPort* port = LinkPort())
        port->close();
    PortOpen = false;
    PortHandle = 0;
    busyFlag = false;
    tmrTimeOut().setEnabled(false);
    tmrTimeOut().setInterval(0);
    Timeouts() = LinkTimeouts{};
}

platform::SerialPort* LinkPort()
{
    return platform::services().serialPort;
}

bool LinkBusy()
{
    return busyFlag;
}

LinkBusyScope::LinkBusyScope()
{
    busyFlag = true;
}

LinkBusyScope::~LinkBusyScope()
{
    busyFlag = false;
}

bool LinkLost()
{
    const platform::SerialPort* port = LinkPort();
    return PortHandle > 0 && port && !port->isOpen();
}

bool WaitForLink(const std::function<bool()>& done, const std::function<bool()>& stop)
{
    bool finished = false;
    // The timer ends every wait; the bound only guards against a timer that was never armed.
    const qint64 bound = qint64(tmrTimeOut().interval()) * 2 + 60000;
    platform::waitUntil(
        [&] {
            if (done()) {
                finished = true;
                return true;
            }
            tmrTimeOut().poll();
            return TransferTimedOut || LinkLost() || (stop && stop());
        },
        bound);
    return finished;
}

bool OpenPort()
{
    if (PortOpen)
        return true;
    platform::SerialPort* port = LinkPort();
    if (port) {
        port->setBaudRate(4800);
        port->setPortNumber(SerialPort);
        PortHandle = port->open() ? 1 : 0;
    } else {
        PortHandle = 0;
    }
    if (PortHandle != 0) {
        PortOpen = true;
        return true;
    }
    ClosePort();
    ShowErrorMessage(kErrPortWillNotOpen);
    return false;
}

void ClosePort()
{
    if (PortHandle > 0) {
        if (platform::SerialPort* port = LinkPort())
            port->close();
        PortHandle = 0;
    }
    PortOpen = false;
}

bool NegotiatePort(TransferHost& host)
{
    if (!OpenPort())
        return false;
    platform::SerialPort& port = *LinkPort();
    TransferTimedOut = false;
    tmrTimeOut().setInterval(Timeouts().connectMs);
    tmrTimeOut().setEnabled(true);
    host.setStatusLeft(QStringLiteral("Negotiating Port # ") + QString::number(SerialPort));
    // Whatever the receiver sent before it was asked is no answer.
    port.discardInput();
    port.sendByte(kConnectByte);
    const bool acked = WaitForLink([&] {
        for (int b = port.readByte(); b >= 0; b = port.readByte())
            if (b == kAck)
                return true;
        return false;
    });
    if (acked)
        return true;
    ClosePort();
    ShowErrorMessage(kErrNoConnection);
    return false;
}

std::int32_t UploadChecksum()
{
    std::int32_t sum = 0;
    for (int i = 0; i <= kNvLastSent; ++i)
        sum += NvImage()[i];
    return sum;
}

bool UploadData(TransferHost& host)
{
    BuildNvSettings();
    if (Timeouts().alignUploadToSecond) {
        platform::Clock& clock = *platform::services().clock;
        int target = clock.now().time().second() + 2;
        if (target > 59)
            target = 2;
        // Bounded, so a wall clock set back or forward cannot hold the upload for good.
        platform::waitUntil([&] { return clock.now().time().second() == target; }, 5000);
    }
    tmrTimeOut().setEnabled(false);
    host.setStatusLeft(QStringLiteral("Preparing For Upload..."));
    host.setProgressMaximum(511);
    host.setProgressValue(0);
    host.setProgressVisible(true);
    tmrTimeOut().setInterval(Timeouts().transferMs);
    tmrTimeOut().setEnabled(true);

    platform::SerialPort* port = LinkPort();
    auto uploadFailed = [&] {
        host.setStatusLeft(QStringLiteral("Upload Failure"));
        ClosePort();
        return false;
    };
    if (!port || !PortOpen)
        return uploadFailed();
    // Stale input goes now, before the block: after the checksum the receiver's ACK may already
    // be waiting.
    port->discardInput();
    for (int i = 0; i <= kNvLastSent; ++i) {
        if (!port->sendByte(NvImage()[i]))
            return uploadFailed();
        host.setProgressValue(i);
    }
    host.setStatusLeft(QStringLiteral("Preparing For Download..."));
    if (!port->sendByte(static_cast<std::uint8_t>(UploadChecksum() % 256)))
        return uploadFailed();
    TransferTimedOut = false;

    int answer = -1;
    WaitForLink([&] {
        for (int b = port->readByte(); b >= 0; b = port->readByte()) {
            if (b == kAck || b == kNak) {
                answer = b;
                return true;
            }
        }
        return false;
    });
    if (answer == kAck) {
        host.setStatusLeft(QStringLiteral("Downloading Data"));
        return true;
    }
    if (answer == kNak) {
        host.setStatusLeft(QStringLiteral("Upload Failure"));
        return false;
    }
    if (LinkLost())
        return uploadFailed();
    host.setStatusLeft(QStringLiteral("Upload Data Timeout"));
    return false;
}

bool DownloadData(TransferHost& host)
{
    tmrTimeOut().setEnabled(false);
    int count = 0;
    bool result = false;
    host.setProgressMaximum(1297);
    host.setProgressValue(0);
    TransferTimedOut = false;
    tmrTimeOut().setInterval(Timeouts().transferMs);
    tmrTimeOut().setEnabled(true);
    platform::SerialPort* port = LinkPort();
    if (port && PortOpen) {
        const bool complete = WaitForLink([&] {
            // Take what has arrived, never more than the reply: later bytes go with the close.
            while (count < kReplySize) {
                const int b = port->readByte();
                if (b < 0)
                    break;
                DownloadBuffer[count++] = static_cast<std::uint8_t>(b);
                host.setProgressValue(count);
            }
            return count >= kReplySize;
        });
        if (complete) {
            tmrTimeOut().setEnabled(false);
            result = DownloadBuffer[kReplySize - 1] == kAck;
        }
    }
    host.setProgressVisible(false);
    return result;
}

bool DownloadChecksumOk()
{
    unsigned s = 0;
    for (int i = 0; i < kReplyChecksum; ++i)
        s = (s + DownloadBuffer[i]) % 256;
    return s == DownloadBuffer[kReplyChecksum];
}

void XferRomVersion(TransferHost& host)
{
    ReceiverVersion = QString(QChar(DownloadBuffer[kReplyVersion])) + u'.' + QChar(DownloadBuffer[kReplyVersion + 1]) +
                      QChar(DownloadBuffer[kReplyVersion + 2]);
    host.setStatusRight(QStringLiteral("Merrow ROM Version = ") + ReceiverVersion);
}

void EstConnect(TransferHost& host)
{
    if (LinkBusy())
        return;
    LinkBusyScope busy;
    HostLock lock(host);

    host.setStatusLeft(QString());
    host.setStatusRight(QString());
    host.setHistoryMenusEnabled(false);
    for (int row = 0; row < kHistoryGroupRows; ++row)
        host.clearHistoryRow(row);

    // A hand-edited parameter file can select more counties than the receiver takes: refuse
    // before anything goes on the line.
    if (SelectedCountyCount() > kMaxSelectedCounties) {
        ShowErrorMessage(kErrTooManyFipCodes);
        return;
    }
    if (!NegotiatePort(host)) {
        host.setStatusLeft(QStringLiteral("Port Connect Failed"));
        ClosePort();
        return;
    }
    host.setStatusLeft(QStringLiteral("Port Connect Successful...Preparing For Upload"));
    if (!BuildNvCodes()) {
        ShowErrorMessage(kErrTooManyFipCodes);
        ClosePort();
        return;
    }
    for (int i = 0; i < Timeouts().preUploadYields; ++i)
        platform::services().eventLoop->yield();

    if (UploadData(host)) {
        const bool downloaded = DownloadData(host);
        const bool checksumOk = DownloadChecksumOk();
        if (downloaded && checksumOk) {
            host.setStatusLeft(QStringLiteral("Upload / Download Successful"));
            XferRomVersion(host);
            host.setHistoryGroupChecked(0);
            DecodeHistory();
            ShowHistoryGroup(host, 0);
            host.setProgressVisible(false);
            host.setHistoryMenusEnabled(true);
        } else {
            host.setStatusLeft(QStringLiteral("Download Failure"));
        }
    }
    ClosePort();
}

} // namespace merrow
