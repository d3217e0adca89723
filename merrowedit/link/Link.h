#pragma once
// The serial link to the receiver: the port routines shared by the transfer, the port search and
// the data dump, the time-out timer, and the transfer cycle itself.
//
// Transfer cycle on the line:
//   -> "Z"                      <- ACK within 5 s
//   -> NvImage bytes 0..510, then their sum mod 256
//                               <- ACK (NAK: refused) within 20 s
//                               <- 1,284 bytes: 40 history records (byte 1279 the checksum of
//                                  bytes 0..1278), three version digits, ACK
#include "merrowedit/link/TransferHost.h"

#include <QString>

#include <cstdint>
#include <functional>

namespace platform {
class SerialPort;
}

namespace merrow {

inline constexpr std::uint8_t kAck = 0x06;
inline constexpr std::uint8_t kNak = 0x15;
inline constexpr char kConnectByte = 'Z';

// Every time the link waits for, in one place so tests can shorten them.
struct LinkTimeouts {
    int connectMs = 5000;        // ACK to "Z"
    int transferMs = 20000;      // reply to the upload, and the download
    int contactMs = 2000;        // ACK to the dump command "D"
    int dumpMs = 20000;          // a dump's answer up to its ETX
    int portTestMs = 200;        // answer to the port probe "T"
    int nvDumpPauseMs = 500;     // pause after "X" before reading
    bool alignUploadToSecond = true;   // start the upload on a second boundary
    int preUploadYields = 101;   // event-loop passes between connect and upload
};
LinkTimeouts& Timeouts();

// Port state shared by every user of the port.
inline bool PortOpen = false;    // OpenPort succeeded and ClosePort has not run since
inline int PortHandle = 0;       // > 0: the port is open and must be closed

// The main window's time-out timer: while enabled it ticks every interval, and every tick sets
// TransferTimedOut. Ticks are seen by the waits (poll()), on the monotonic clock.
class TimeOutTimer {
public:
    void setInterval(int ms);
    int interval() const { return interval_; }
    void setEnabled(bool enabled);
    bool enabled() const { return enabled_; }
    // Delivers the ticks that are due.
    void poll();

private:
    int interval_ = 0;
    bool enabled_ = false;
    qint64 nextTick_ = 0;
};
TimeOutTimer& tmrTimeOut();

// Back to the start state: port closed, flags clear, timer off, default time-outs (tests).
void resetLink();

// The serial port service; nullptr when none is installed.
platform::SerialPort* LinkPort();

// ---- a running operation on the link refuses every other one ----
bool LinkBusy();
class LinkBusyScope {
public:
    LinkBusyScope();
    ~LinkBusyScope();
    LinkBusyScope(const LinkBusyScope&) = delete;
    LinkBusyScope& operator=(const LinkBusyScope&) = delete;
};

// The port was opened but has gone since (the line hung up).
bool LinkLost();

// Services the event loop until done() holds (true), or (false) tmrTimeOut ticks, stop() holds or
// the line is lost.
bool WaitForLink(const std::function<bool()>& done, const std::function<bool()>& stop = {});

// ---- port routines ----
bool OpenPort();     // on SerialPort at 4800 baud; shows message 1 when it will not open
void ClosePort();    // harmless when closed
bool NegotiatePort(TransferHost& host);
bool UploadData(TransferHost& host);
bool DownloadData(TransferHost& host);
bool DownloadChecksumOk();
std::int32_t UploadChecksum();

// The firmware version from the reply into ReceiverVersion and status panel 2.
void XferRomVersion(TransferHost& host);
// One whole transfer cycle ("Transfer Data"). Refused while another link operation runs.
void EstConnect(TransferHost& host);

} // namespace merrow
