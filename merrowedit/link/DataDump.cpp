#include "merrowedit/link/DataDump.h"

#include "merrowedit/data/DataFolder.h"
#include "merrowedit/data/Settings.h"
#include "merrowedit/link/Link.h"
#include "platform/SerialPort.h"
#include "platform/Services.h"
#include "platform/WholeFile.h"

#include <QDir>
#include <QLocale>

#include <utility>
#include <vector>

namespace merrow {

bool MakeContact()
{
    if (LinkBusy())
        return false;
    LinkBusyScope busy;
    if (!OpenPort()) {
        ClosePort();
        return false;
    }
    platform::SerialPort& port = *LinkPort();
    tmrTimeOut().setInterval(Timeouts().contactMs);
    tmrTimeOut().setEnabled(true);
    TransferTimedOut = false;
    // Flushed before asking, never after: the answer may come at once.
    port.discardInput();
    port.send(QByteArrayLiteral("D"));
    int answer = -1;
    WaitForLink([&] {
        for (int b = port.readByte(); b >= 0; b = port.readByte()) {
            if (b == kAck || b == kNak) {
                answer = b;
                return true;
            }
        }
        return false;
    });
    if (answer == kAck)
        return true;
    // Refused or silent: the port is not left open behind a failure message.
    ClosePort();
    return false;
}

void RawDumpText::add(int byte)
{
    if (byte <= 31)
        return;
    const QChar c(byte);
    if (!started_) {
        pre_ += c;
        if (pre_.contains(QLatin1String("ZCZC"))) {
            started_ = true;
            out_ = QStringLiteral("ZCZC");
        }
        return;
    }
    out_ += c;
    if (out_.size() == 62 || out_.size() == 124)
        out_ += QStringLiteral("\r\n");
}

void NvDumpText::add(int byte)
{
    if (byte < 0 || byte == kEtx)
        return;
    out_ += QChar(byte);
}

namespace {

template <typename Collector> DumpResult receiveDump(const std::function<bool()>& stop)
{
    DumpResult result;
    platform::SerialPort* port = LinkPort();
    if (!port || !PortOpen || !port->isOpen())
        return result;
    tmrTimeOut().setEnabled(false);
    tmrTimeOut().setInterval(Timeouts().dumpMs);
    tmrTimeOut().setEnabled(true);
    TransferTimedOut = false;
    Collector collector;
    bool portFailed = false;
    const bool ended = WaitForLink(
        [&] {
            if (!port->isOpen()) {
                portFailed = true;
                return false;
            }
            while (port->bytesWaiting() > 0) {
                const int b = port->readByte();
                if (b < 0)
                    break;
                collector.add(b);
                if (b == kEtx)
                    return true;
            }
            return false;
        },
        [&] { return portFailed || (stop && stop()); });
    tmrTimeOut().setEnabled(false);
    result.text = collector.text();
    if (ended)
        result.end = DumpEnd::Etx;
    else if (portFailed || !port->isOpen())
        result.end = DumpEnd::PortFailed;
    else if (TransferTimedOut)
        result.end = DumpEnd::TimedOut;
    else
        result.end = DumpEnd::Stopped;
    return result;
}

QString flag(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

using Lines = std::vector<std::pair<QString, QString>>;

} // namespace

DumpResult DumpDataRaw(const std::function<bool()>& stop)
{
    return receiveDump<RawDumpText>(stop);
}

DumpResult DumpDataNV(const std::function<bool()>& stop)
{
    return receiveDump<NvDumpText>(stop);
}

QString WriteRegistry()
{
    const QString crlf = QStringLiteral("\r\n");
    QString out = crlf;
    auto section = [&](const QString& prefix, const Lines& lines) {
        for (const auto& [key, value] : lines)
            out += prefix + key + u'=' + value + crlf;
        out += crlf;
    };
    section(QStringLiteral("REGISTRY_EDITOR."),
            {{"SerialPort", QString::number(SerialPort)},
             {"WorkingDirectory", WorkingDirectory},
             {"EditorVersion", EditorVersion},
             {"ReceiverVersion", ReceiverVersion},
             {"ShowTipsAtStartup", flag(ShowTipsAtStartup)},
             {"TimeZoneOffset", QString::number(TimeZoneOffset)},
             {"DaylightSavings", flag(DaylightSavings)},
             {"StateId", QString::number(StateID)},
             {"TransmitterLocation", TransmitterLocation},
             {"FrequencyListingFilter", QString::number(FrequencyListingFilter)},
             {"UserStationID", UserStationID}});
    for (int n = 0; n < kNvSectionCount; ++n) {
        // "NV8007" is listed as "NV_RAM_8007."
        const QString name = NvSectionName(n);
        const std::uint8_t bits = NvFlagByte(n);
        Lines flags;
        for (int bit = 0; bit < 8; ++bit)
            flags.emplace_back(NvFlagKey(n, bit), flag((bits >> bit) & 1));
        section(QStringLiteral("NV_RAM_") + name.mid(2) + u'.', flags);
    }
    section(QStringLiteral("NV_RAM_TIMERS."),
            {{"SpeakerTimeoutTimer", QString::number(SpeakerTimeoutTimer)},
             {"LineTimeoutTimer", QString::number(LineTimeoutTimer)},
             {"VoiceIntervalTimer", QString::number(VoiceIntervalTimer)},
             {"RelayDelayTimer", QString::number(RelayDelayTimer)},
             {"PreVoiceAnnc", QString::number(PreVoiceAnnc)}});
    return out;
}

QByteArray DumpFileContents(const QString& windowText, const QDateTime& now)
{
    const QString crlf = QStringLiteral("\r\n");
    const QString text = QStringLiteral("File Created On ") + QLocale().toString(now, QLocale::ShortFormat) + crlf +
                         crlf + windowText + crlf + WriteRegistry() + crlf;
    return text.toLatin1();
}

QString DumpFilePath()
{
    return QDir(DataFolder()).filePath(kDumpFileName);
}

bool SaveDumpFile(const QString& windowText, QString* error)
{
    const platform::WriteResult written =
        platform::WriteWholeFile(DumpFilePath(), DumpFileContents(windowText, platform::services().clock->now()));
    if (!written && error)
        *error = written.error;
    return written.ok;
}

} // namespace merrow
