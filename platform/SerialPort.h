#pragma once
// One serial line to an external device, picked by a port number 1..4. Always 8 data bits, no
// parity, one stop bit, no flow control. Reads never block: the caller polls while it waits.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace platform {

enum class SerialOpenError { None, NoDevice, PermissionDenied, Busy, Other };

class SerialPort {
public:
    virtual ~SerialPort() = default;

    // Port number 1..4 and speed for the next open().
    virtual void setPortNumber(int port) = 0;
    virtual void setBaudRate(int baud) = 0;
    virtual int portNumber() const = 0;

    // True when the port opened; otherwise lastOpenError() tells why.
    virtual bool open() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    virtual SerialOpenError lastOpenError() const = 0;
    // Human-readable detail of the last failure (open, write), empty when none.
    virtual QString errorText() const = 0;

    // Queue bytes for sending; false when the port is closed or the write failed.
    virtual bool send(const QByteArray& bytes) = 0;
    bool sendByte(unsigned char byte) { return send(QByteArray(1, static_cast<char>(byte))); }

    // Next received byte 0..255, or -1 when none is there.
    virtual int readByte() = 0;
    // Count of received bytes not read yet.
    virtual int bytesWaiting() = 0;
    // Throws away every byte received so far.
    virtual void discardInput() = 0;
};

// The device a port number stands for on this machine: the environment variable
// MERROW_PORT<n> when set, else the n-th of defaultSerialDevices(); empty when there is none.
QString serialDeviceForPort(int port);

// Serial devices in the order the port numbers take them: USB adapters (ttyUSB*, ttyACM*) first,
// then the built-in ttyS*; within each group by name, numbers compared as numbers.
QStringList orderSerialDevices(const QStringList& deviceNames);
// orderSerialDevices() over the entries of /dev, as full paths.
QStringList defaultSerialDevices();

} // namespace platform
