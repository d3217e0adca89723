#include "platform/testing/FakeSerialPort.h"

#include "platform/Services.h"

namespace platform::doubles {

qint64 FakeSerialPort::now() const
{
    Clock* clock = services().clock;
    return clock ? clock->monotonicMs() : 0;
}

bool FakeSerialPort::open()
{
    ++openCount;
    errorText_.clear();
    if (denyPermission) {
        openError_ = SerialOpenError::PermissionDenied;
        errorText_ = QStringLiteral("Permission denied");
        return false;
    }
    if (missingPorts.count(port_)) {
        openError_ = SerialOpenError::NoDevice;
        errorText_ = QStringLiteral("No such device");
        return false;
    }
    openError_ = SerialOpenError::None;
    open_ = true;
    opened.push_back(port_);
    for (char c : staleOnOpen)
        received_.push_back(static_cast<unsigned char>(c));
    return true;
}

void FakeSerialPort::close()
{
    if (open_)
        ++closeCount;
    open_ = false;
    // Like a real line: what was on its way is lost with the close.
    pending_.clear();
    received_.clear();
}

bool FakeSerialPort::send(const QByteArray& bytes)
{
    if (!open_) {
        errorText_ = QStringLiteral("Serial port is not open");
        return false;
    }
    if (failSendAfterBytes >= 0 && sent.size() + bytes.size() > failSendAfterBytes) {
        errorText_ = QStringLiteral("Input/output error");
        return false;
    }
    sent += bytes;
    if (responder)
        responder(*this, bytes);
    return true;
}

void FakeSerialPort::deliver(const QByteArray& bytes, qint64 delayMs)
{
    const qint64 at = now() + delayMs;
    for (char c : bytes)
        pending_.push_back({at, static_cast<unsigned char>(c)});
}

void FakeSerialPort::arrive()
{
    const qint64 t = now();
    while (!pending_.empty() && pending_.front().at <= t) {
        if (open_)
            received_.push_back(pending_.front().byte);
        pending_.pop_front();
    }
}

int FakeSerialPort::readByte()
{
    arrive();
    if (!open_ || received_.empty())
        return -1;
    const int b = received_.front();
    received_.pop_front();
    return b;
}

int FakeSerialPort::bytesWaiting()
{
    arrive();
    return open_ ? static_cast<int>(received_.size()) : 0;
}

void FakeSerialPort::discardInput()
{
    arrive();
    ++discards;
    bytesDiscarded += static_cast<int>(received_.size());
    received_.clear();
}

} // namespace platform::doubles
