#include "platform/qt/QtSerialPort.h"

#include <QFileInfo>

#include <poll.h>

namespace platform {

QtSerialPort::QtSerialPort() = default;

QtSerialPort::~QtSerialPort()
{
    close();
}

bool QtSerialPort::open()
{
    close();
    openError_ = SerialOpenError::None;
    errorText_.clear();
    device_ = serialDeviceForPort(port_);
    if (device_.isEmpty()) {
        openError_ = SerialOpenError::NoDevice;
        errorText_ = QStringLiteral("No serial device for port %1").arg(port_);
        return false;
    }
    // A full path reaches devices outside /dev (pseudo-terminals, symlinks made by udev rules).
    serial_.setPortName(device_);
    serial_.setBaudRate(baud_);
    serial_.setDataBits(QSerialPort::Data8);
    serial_.setParity(QSerialPort::NoParity);
    serial_.setStopBits(QSerialPort::OneStop);
    serial_.setFlowControl(QSerialPort::NoFlowControl);
    if (!serial_.open(QIODevice::ReadWrite)) {
        switch (serial_.error()) {
        case QSerialPort::DeviceNotFoundError: openError_ = SerialOpenError::NoDevice; break;
        case QSerialPort::PermissionError:
            // Qt reports a device held by another program as a permission error too; only a
            // file we may not open is a matter of the user's groups.
            openError_ = QFileInfo(device_).isWritable() ? SerialOpenError::Busy
                                                          : SerialOpenError::PermissionDenied;
            break;
        default: openError_ = SerialOpenError::Other; break;
        }
        errorText_ = device_ + QStringLiteral(": ") + serial_.errorString();
        serial_.clearError();
        return false;
    }
    return true;
}

void QtSerialPort::close()
{
    if (serial_.isOpen())
        serial_.close();
    serial_.clearError();
}

bool QtSerialPort::send(const QByteArray& bytes)
{
    if (!serial_.isOpen()) {
        errorText_ = QStringLiteral("Serial port is not open");
        return false;
    }
    const qint64 written = serial_.write(bytes);
    if (written != bytes.size()) {
        errorText_ = serial_.errorString();
        return false;
    }
    // Hand the bytes to the driver now: the caller may not service the event loop before the
    // receiver is expected to have them.
    while (serial_.bytesToWrite() > 0) {
        if (!serial_.waitForBytesWritten(2000)) {
            if (serial_.error() != QSerialPort::NoError && serial_.error() != QSerialPort::TimeoutError) {
                errorText_ = serial_.errorString();
                return false;
            }
            errorText_ = QStringLiteral("Serial port write timed out");
            return false;
        }
    }
    return true;
}

void QtSerialPort::poll()
{
    if (!serial_.isOpen())
        return;
    serial_.waitForReadyRead(0);
    // A line that has gone (cable or adapter pulled, the other end of a pseudo-terminal closed)
    // only ever reports a hang-up: close the port so every wait on it ends now instead of at its
    // time-out. Bytes that arrived before stay readable until then.
    if (serial_.bytesAvailable() == 0 && lineGone())
        close();
}

bool QtSerialPort::lineGone()
{
    if (serial_.error() == QSerialPort::ResourceError)
        return true;
    pollfd p{static_cast<int>(serial_.handle()), POLLIN, 0};
    return ::poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

int QtSerialPort::readByte()
{
    if (!serial_.isOpen())
        return -1;
    if (serial_.bytesAvailable() == 0) {
        poll();
        if (!serial_.isOpen())
            return -1;
    }
    char c = 0;
    if (serial_.getChar(&c))
        return static_cast<unsigned char>(c);
    return -1;
}

int QtSerialPort::bytesWaiting()
{
    if (!serial_.isOpen())
        return 0;
    poll();
    return static_cast<int>(serial_.bytesAvailable());
}

void QtSerialPort::discardInput()
{
    if (!serial_.isOpen())
        return;
    poll();
    if (!serial_.isOpen())
        return;
    serial_.clear(QSerialPort::Input);
    serial_.readAll();
}

} // namespace platform
