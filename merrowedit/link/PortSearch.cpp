#include "merrowedit/link/PortSearch.h"

#include "merrowedit/data/History.h"
#include "merrowedit/link/Link.h"
#include "platform/SerialPort.h"
#include "platform/Services.h"

namespace merrow {

bool TestOpenPort(int port)
{
    platform::SerialPort* serial = LinkPort();
    if (!serial)
        return false;
    serial->setBaudRate(4800);
    serial->setPortNumber(port);
    PortHandle = serial->open() ? 1 : 0;
    if (PortHandle != 0)
        return true;
    ClosePort();
    return false;
}

int TestSerial()
{
    platform::SerialPort* serial = LinkPort();
    if (!serial)
        return -1;
    serial->discardInput();
    for (int n = 1; n <= 4; ++n) {
        ClosePort();
        if (!TestOpenPort(n)) {
            ClosePort();
            continue;
        }
        serial->discardInput();
        serial->sendByte(kProbeByte);
        platform::services().eventLoop->sleepMs(Timeouts().portTestMs);
        platform::services().eventLoop->yield();
        // Only the first byte counts: a device that chatters is not the receiver.
        if (serial->readByte() == kAck) {
            ClosePort();
            return n;
        }
    }
    ClosePort();
    return -1;
}

const QStringList& TimeZoneTexts()
{
    static const QStringList texts = {
        QStringLiteral(" [GMT-04:00] Atlantic Time (Puerto Rico, Canada)"),
        QStringLiteral(" [GMT-05:00] Eastern Time (US, Canada)"),
        QStringLiteral(" [GMT-06:00] Central Time (US, Canada)"),
        QStringLiteral(" [GMT-07:00] Mountain Time (US, Canada)"),
        QStringLiteral(" [GMT-08:00] Pacific Time (US, Canada)"),
        QStringLiteral(" [GMT-09:00] Alaska"),
        QStringLiteral(" [GMT-10:00] Hawaii"),
        QStringLiteral(" [GMT-11:00] Midway Island, Samona"),
    };
    return texts;
}

int TimeZoneItem(int offset)
{
    return offset <= -4 && offset >= -11 ? -offset - 4 : 0;
}

} // namespace merrow
