#pragma once
#include "platform/SerialPort.h"

#include <QSerialPort>

namespace platform {

// The serial line over QSerialPort. Port n is the device serialDeviceForPort(n).
class QtSerialPort final : public SerialPort {
public:
    QtSerialPort();
    ~QtSerialPort() override;

    void setPortNumber(int port) override { port_ = port; }
    void setBaudRate(int baud) override { baud_ = baud; }
    int portNumber() const override { return port_; }

    bool open() override;
    void close() override;
    bool isOpen() const override { return serial_.isOpen(); }
    SerialOpenError lastOpenError() const override { return openError_; }
    QString errorText() const override { return errorText_; }

    bool send(const QByteArray& bytes) override;
    int readByte() override;
    int bytesWaiting() override;
    void discardInput() override;

    // The device the last open() tried.
    QString devicePath() const { return device_; }

private:
    // Pulls whatever the driver holds into QSerialPort's buffer without needing the event loop.
    void poll();
    // The device has hung up or failed for good.
    bool lineGone();

    QSerialPort serial_;
    int port_ = 1;
    int baud_ = 4800;
    QString device_;
    SerialOpenError openError_ = SerialOpenError::None;
    QString errorText_;
};

} // namespace platform
