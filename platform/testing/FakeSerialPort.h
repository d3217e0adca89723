#pragma once
// An in-memory serial port for protocol tests. Bytes the test queues arrive at a set time on the
// services' clock (the fake clock in tests), and a responder can answer what the code sends.
#include "platform/SerialPort.h"

#include <deque>
#include <functional>
#include <set>
#include <vector>

namespace platform::doubles {

class FakeSerialPort final : public SerialPort {
public:
    void setPortNumber(int port) override { port_ = port; }
    void setBaudRate(int baud) override { baud_ = baud; }
    int portNumber() const override { return port_; }

    bool open() override;
    void close() override;
    bool isOpen() const override { return open_; }
    SerialOpenError lastOpenError() const override { return openError_; }
    QString errorText() const override { return errorText_; }

    bool send(const QByteArray& bytes) override;
    int readByte() override;
    int bytesWaiting() override;
    void discardInput() override;

    // Queues bytes to arrive delayMs after now (0: at once).
    void deliver(const QByteArray& bytes, qint64 delayMs = 0);

    // ---- script ----
    std::set<int> missingPorts;            // open() fails with NoDevice on these numbers
    bool denyPermission = false;           // every open() fails with PermissionDenied
    QByteArray staleOnOpen;                // already waiting when the port opens (old noise)
    int failSendAfterBytes = -1;           // send() fails once this many bytes went out in total
    // Called with every chunk the code sends, while the port is open.
    std::function<void(FakeSerialPort&, const QByteArray&)> responder;

    // ---- record ----
    QByteArray sent;                       // everything sent since construction
    std::vector<int> opened;               // port numbers of successful opens, in order
    int baud() const { return baud_; }
    int openCount = 0;
    int closeCount = 0;
    int discards = 0;
    int bytesDiscarded = 0;

private:
    struct Pending { qint64 at; unsigned char byte; };
    qint64 now() const;
    void arrive();

    int port_ = 1;
    int baud_ = 0;
    bool open_ = false;
    SerialOpenError openError_ = SerialOpenError::None;
    QString errorText_;
    std::deque<Pending> pending_;
    std::deque<unsigned char> received_;
};

} // namespace platform::doubles
