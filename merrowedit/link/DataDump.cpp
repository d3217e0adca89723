#include "merrowedit/link/DataDump.h"

#include "merrowedit/data/DataFolder.h"
#include "merrowedit/data/Settings.h"
#include "merrowedit/link/Link.h"
#include "platform/SerialPort.h"
#include "platform/Services.h"

#include <QDir>
#include <QLocale>
#include <QSaveFile>

#include <array>
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
    else if (portFailed)
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

using Lines = std::vector<std::pair<const char*, QString>>;
using Flags = std::array<bool, 8>;

// The eight flags of each section kind, in key order.
Flags flagsOf(const NvStationIdFlags& f)
{
    return {f.GiveStationID, f.AppendThisIs, f.AppendRepeater, f.AppendTransmitter,
            f.Spare_1,       f.Spare_2,      f.Spare_3,        f.Spare_4};
}
Flags flagsOf(const NvOptionFlags& f)
{
    return {f.SpeakerActive, f.LineActive,    f.AlertLedActive,  f.ForceOnSpeaker,
            f.ForceOnLine,   f.AcceptAllFips, f.AcceptAllEvents, f.IgnoreTerminationPacket};
}
Flags flagsOf(const NvInputFlags& f)
{
    return {f.AcceptAllAlerts, f.WatchAndWarningOnly, f.WarningOnly, f.CancelAlert,
            f.SkipVoiceAnnc,   f.ForceVocInterval,    f.Spare_1,     f.Spare_2};
}
Flags flagsOf(const NvVoiceFlags& f)
{
    return {f.VoiceIntervalSpeaker, f.VoiceIntervalLine, f.VocAllEvents, f.VocWarningsWatch,
            f.VocWarnings,          f.VocTruncateTest,   f.Spare_1,      f.Spare_2};
}
Flags flagsOf(const NvRs232Flags& f)
{
    return {f.SendPacketRs232, f.BeginSOH,  f.InsertSTX, f.AppendTrailingCrlf,
            f.EndingETX,       f.EndingEOT, f.Spare_1,   f.Spare_2};
}
Flags flagsOf(const NvOutputFlags& f)
{
    return {f.PulseAll,             f.PulseWatchWarning, f.PulseWatch, f.PulseWarning,
            f.PulseNonWatchWarning, f.Spare_1,           f.Spare_2,    f.Spare_3};
}
Flags flagsOf(const NvTriggerFlags& f)
{
    return {f.HighTrigCodeMatch,     f.HighTrigAfterStart, f.HighTrigAfterRelayTimer, f.HighTrigBeginSynVoice,
            f.HighTrigBeginWxReport, f.LowTrigEndPacket,   f.LowTrigAlertEnd,         f.Spare_1};
}

Lines nvLines(const Flags& bits, const char* const keys[8])
{
    Lines lines;
    for (int n = 0; n < 8; ++n)
        lines.emplace_back(keys[n], flag(bits[n]));
    return lines;
}

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
            out += prefix + QLatin1String(key) + u'=' + value + crlf;
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
    static const char* const k8007[8] = {"GiveStationID", "AppendThisIs", "AppendRepeater", "AppendTransmitter",
                                         "Spare8007_1",   "Spare8007_2",  "Spare8007_3",    "Spare8007_4"};
    static const char* const k8008[8] = {"SpeakerActive",  "LineActive",  "AlertLedActive",  "ForceOnSpeaker",
                                         "ForceOnLine",    "AcceptAllFips", "AcceptAllEvents", "IgnoreTerminationPacket"};
    static const char* const k8009[8] = {"AcceptAllAlerts", "WatchAndWarningOnly", "WarningOnly", "CancelAlert",
                                         "SkipVoiceAnnc",   "ForceVocInterval",    "Spare8009_1", "Spare8009_2"};
    static const char* const k800A[8] = {"AcceptAllAlerts", "WatchAndWarningOnly", "WarningOnly", "CancelAlert",
                                         "SkipVoiceAnnc",   "ForceVocInterval",    "Spare800A_1", "Spare800A_2"};
    static const char* const k800B[8] = {"VoiceIntervalSpeaker", "VoiceIntervalLine", "VocAllEvents", "VocWarningsWatch",
                                         "VocWarnings",          "VocTruncateTest",   "Spare800B_1",  "Spare800B_2"};
    static const char* const k800C[8] = {"SendPacketRs232", "BeginSOH",  "InsertSTX",   "AppendTrailingCrlf",
                                         "EndingETX",       "EndingEOT", "Spare800C_1", "Spare800C_2"};
    static const char* const k800D[8] = {"PulseAll",    "PulseWatchWarning", "PulseWatch",  "PulseWarning",
                                         "PulseNonWatchWarning", "Spare800D_1", "Spare800D_2", "Spare800D_3"};
    static const char* const k800E[8] = {"PulseAll",    "PulseWatchWarning", "PulseWatch",  "PulseWarning",
                                         "PulseNonWatchWarning", "Spare800E_1", "Spare800E_2", "Spare800E_3"};
    static const char* const k800F[8] = {"HighTrigCodeMatch",     "HighTrigAfterStart", "HighTrigAfterRelayTimer",
                                         "HighTrigBeginSynVoice", "HighTrigBeginWxReport", "LowTrigEndPacket",
                                         "LowTrigAlertEnd",       "Spare800F_1"};
    section(QStringLiteral("NV_RAM_8007."), nvLines(flagsOf(NV8007), k8007));
    section(QStringLiteral("NV_RAM_8008."), nvLines(flagsOf(NV8008), k8008));
    section(QStringLiteral("NV_RAM_8009."), nvLines(flagsOf(NV8009), k8009));
    section(QStringLiteral("NV_RAM_800A."), nvLines(flagsOf(NV800A), k800A));
    section(QStringLiteral("NV_RAM_800B."), nvLines(flagsOf(NV800B), k800B));
    section(QStringLiteral("NV_RAM_800C."), nvLines(flagsOf(NV800C), k800C));
    section(QStringLiteral("NV_RAM_800D."), nvLines(flagsOf(NV800D), k800D));
    section(QStringLiteral("NV_RAM_800E."), nvLines(flagsOf(NV800E), k800E));
    section(QStringLiteral("NV_RAM_800F."), nvLines(flagsOf(NV800F), k800F));
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
    QSaveFile file(DumpFilePath());
    const QByteArray bytes = DumpFileContents(windowText, platform::services().clock->now());
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace merrow
