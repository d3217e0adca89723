#include "merrowedit/data/Settings.h"

#include "merrowedit/data/DataFolder.h"
#include "platform/Services.h"

#include <QDir>

#include <cmath>
#include <limits>
#include <optional>
#include <stdexcept>
#include <vector>

namespace merrow {
namespace {

const QString kApp = QStringLiteral("Merrow");

struct IntKey {
    std::int16_t* value;
    int defaultValue;
};
struct FlagKey {
    bool* value;
    bool defaultValue;
};
struct TextKey {
    QString* value;
    QString (*defaultValue)();
};

struct Key {
    QString section;
    QString name;
    enum Kind { Int, Flag, Text } kind;
    IntKey i{};
    FlagKey f{};
    TextKey t{};
};

QString emptyText() { return {}; }
QString versionOne() { return QStringLiteral("1.00"); }
// The program's "current directory" is its data folder.
QString currentDirectory() { return QDir::toNativeSeparators(DataFolder()); }

Key intKey(const char* section, const char* name, std::int16_t& v, int def)
{
    Key k{section, name, Key::Int};
    k.i = {&v, def};
    return k;
}
Key flagKey(const char* section, const char* name, bool& v, bool def)
{
    Key k{section, name, Key::Flag};
    k.f = {&v, def};
    return k;
}
Key textKey(const char* section, const char* name, QString& v, QString (*def)())
{
    Key k{section, name, Key::Text};
    k.t = {&v, def};
    return k;
}

// The eight flags of each section, bit 0 first.
std::array<bool*, 8> bitsOf(NvStationIdFlags& f)
{
    return {&f.GiveStationID, &f.AppendThisIs, &f.AppendRepeater, &f.AppendTransmitter,
            &f.Spare_1, &f.Spare_2, &f.Spare_3, &f.Spare_4};
}
std::array<bool*, 8> bitsOf(NvOptionFlags& f)
{
    return {&f.SpeakerActive, &f.LineActive, &f.AlertLedActive, &f.ForceOnSpeaker,
            &f.ForceOnLine, &f.AcceptAllFips, &f.AcceptAllEvents, &f.IgnoreTerminationPacket};
}
std::array<bool*, 8> bitsOf(NvInputFlags& f)
{
    return {&f.AcceptAllAlerts, &f.WatchAndWarningOnly, &f.WarningOnly, &f.CancelAlert,
            &f.SkipVoiceAnnc, &f.ForceVocInterval, &f.Spare_1, &f.Spare_2};
}
std::array<bool*, 8> bitsOf(NvVoiceFlags& f)
{
    return {&f.VoiceIntervalSpeaker, &f.VoiceIntervalLine, &f.VocAllEvents, &f.VocWarningsWatch,
            &f.VocWarnings, &f.VocTruncateTest, &f.Spare_1, &f.Spare_2};
}
std::array<bool*, 8> bitsOf(NvRs232Flags& f)
{
    return {&f.SendPacketRs232, &f.BeginSOH, &f.InsertSTX, &f.AppendTrailingCrlf,
            &f.EndingETX, &f.EndingEOT, &f.Spare_1, &f.Spare_2};
}
std::array<bool*, 8> bitsOf(NvOutputFlags& f)
{
    return {&f.PulseAll, &f.PulseWatchWarning, &f.PulseWatch, &f.PulseWarning,
            &f.PulseNonWatchWarning, &f.Spare_1, &f.Spare_2, &f.Spare_3};
}
std::array<bool*, 8> bitsOf(NvTriggerFlags& f)
{
    return {&f.HighTrigCodeMatch, &f.HighTrigAfterStart, &f.HighTrigAfterRelayTimer, &f.HighTrigBeginSynVoice,
            &f.HighTrigBeginWxReport, &f.LowTrigEndPacket, &f.LowTrigAlertEnd, &f.Spare_1};
}

struct NvSection {
    const char* name;
    std::array<bool*, 8> bits;
    std::array<const char*, 8> keys;
    std::uint8_t defaults;   // default byte: bit n-1 set when key n defaults to True
};

const std::array<NvSection, kNvSectionCount>& nvSections()
{
    static const std::array<NvSection, kNvSectionCount> sections{{
        {"NV8007", bitsOf(NV8007),
         {"GiveStationID", "AppendThisIs", "AppendRepeater", "AppendTransmitter", "Spare8007_1", "Spare8007_2",
          "Spare8007_3", "Spare8007_4"},
         0},
        {"NV8008", bitsOf(NV8008),
         {"SpeakerActive", "LineActive", "AlertLedActive", "ForceOnSpeaker", "ForceOnLine", "AcceptAllFips",
          "AcceptAllEvents", "IgnoreTerminationPacket"},
         0x1F},
        {"NV8009", bitsOf(NV8009),
         {"AcceptAllAlerts", "WatchAndWarningOnly", "WarningOnly", "CancelAlert", "SkipVoiceAnnc",
          "ForceVocInterval", "Spare8009_1", "Spare8009_2"},
         0},
        {"NV800A", bitsOf(NV800A),
         {"AcceptAllAlerts", "WatchAndWarningOnly", "WarningOnly", "CancelAlert", "SkipVoiceAnnc",
          "ForceVocInterval", "Spare800A_1", "Spare800A_2"},
         0},
        {"NV800B", bitsOf(NV800B),
         {"VoiceIntervalSpeaker", "VoiceIntervalLine", "VocAllEvents", "VocWarningsWatch", "VocWarnings",
          "VocTruncateTest", "Spare800B_1", "Spare800B_2"},
         0x27},
        {"NV800C", bitsOf(NV800C),
         {"SendPacketRs232", "BeginSOH", "InsertSTX", "AppendTrailingCrlf", "EndingETX", "EndingEOT",
          "Spare800C_1", "Spare800C_2"},
         0},
        {"NV800D", bitsOf(NV800D),
         {"PulseAll", "PulseWatchWarning", "PulseWatch", "PulseWarning", "PulseNonWatchWarning", "Spare800D_1",
          "Spare800D_2", "Spare800D_3"},
         0},
        {"NV800E", bitsOf(NV800E),
         {"PulseAll", "PulseWatchWarning", "PulseWatch", "PulseWarning", "PulseNonWatchWarning", "Spare800E_1",
          "Spare800E_2", "Spare800E_3"},
         0},
        {"NV800F", bitsOf(NV800F),
         {"HighTrigCodeMatch", "HighTrigAfterStart", "HighTrigAfterRelayTimer", "HighTrigBeginSynVoice",
          "HighTrigBeginWxReport", "LowTrigEndPacket", "LowTrigAlertEnd", "Spare800F_1"},
         0x21},
    }};
    return sections;
}

// Every key in loading (and saving) order: EDITOR, NV8007 .. NV800F, TIMERS.
const std::vector<Key>& allKeys()
{
    static const std::vector<Key> keys = [] {
        std::vector<Key> k;
        k.push_back(intKey("EDITOR", "SerialPort", SerialPort, 1));
        k.push_back(textKey("EDITOR", "WorkingDirectory", WorkingDirectory, currentDirectory));
        k.push_back(textKey("EDITOR", "EditorVersion", EditorVersion, versionOne));
        k.push_back(textKey("EDITOR", "ReceiverVersion", ReceiverVersion, versionOne));
        k.push_back(flagKey("EDITOR", "ShowTipsAtStartup", ShowTipsAtStartup, true));
        k.push_back(intKey("EDITOR", "TimeZoneOffset", TimeZoneOffset, -5));
        k.push_back(flagKey("EDITOR", "DaylightSavings", DaylightSavings, true));
        k.push_back(intKey("EDITOR", "StateID", StateID, 8));
        k.push_back(textKey("EDITOR", "TransmitterLocation", TransmitterLocation, emptyText));
        k.push_back(intKey("EDITOR", "FrequencyListingFilter", FrequencyListingFilter, 0));
        k.push_back(textKey("EDITOR", "UserStationID", UserStationID, emptyText));
        for (const NvSection& s : nvSections())
            for (int n = 0; n < 8; ++n)
                k.push_back(flagKey(s.name, s.keys[n], *s.bits[n], (s.defaults >> n) & 1));
        k.push_back(intKey("TIMERS", "SpeakerTimeoutTimer", SpeakerTimeoutTimer, 3));
        k.push_back(intKey("TIMERS", "LineTimeoutTimer", LineTimeoutTimer, 3));
        k.push_back(intKey("TIMERS", "VoiceIntervalTimer", VoiceIntervalTimer, 1));
        k.push_back(intKey("TIMERS", "RelayDelayTimer", RelayDelayTimer, 0));
        k.push_back(intKey("TIMERS", "PreVoiceAnnc", PreVoiceAnnc, 2));
        return k;
    }();
    return keys;
}

std::optional<int> parseInt(const QString& text)
{
    const QString t = text.trimmed();
    bool ok = false;
    const int v = t.toInt(&ok, 10);
    if (ok)
        return v;
    const double d = t.toDouble(&ok);
    if (ok && std::isfinite(d) && std::fabs(d) < 1e9)
        return static_cast<int>(std::lround(d));
    return std::nullopt;
}

// True and False in any letter case, or a number (0 False, any other True).
std::optional<bool> parseFlag(const QString& text)
{
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    bool ok = false;
    const double d = t.toDouble(&ok);
    if (ok && std::isfinite(d))
        return d != 0.0;
    return std::nullopt;
}

platform::SettingsStore& store()
{
    platform::SettingsStore* s = platform::services().settings;
    if (!s)
        throw std::logic_error("platform service not installed: settings");
    return *s;
}

} // namespace

void resetSettings()
{
    for (const Key& k : allKeys()) {
        switch (k.kind) {
        case Key::Int: *k.i.value = 0; break;
        case Key::Flag: *k.f.value = false; break;
        case Key::Text: k.t.value->clear(); break;
        }
    }
    DstInEffect = false;
    CtrlKeySeen = false;
    ShowDataDump = false;
    TransferTimedOut = false;
}

void LoadRegistrySettings()
{
    // One read: every key of this start comes from the same version of the file.
    const std::unique_ptr<const platform::StoredSettings> s = store().load(kApp);
    for (const Key& k : allKeys()) {
        switch (k.kind) {
        case Key::Int: {
            // A number outside the values its global is meant for is kept: the users of each value
            // decide what it means (a timer outside its codes uploads 0, a zone outside the list
            // leaves UTC).
            const std::optional<int> v = parseInt(s->get(k.section, k.name, QString::number(k.i.defaultValue)));
            const bool converts = v && *v >= std::numeric_limits<std::int16_t>::min()
                && *v <= std::numeric_limits<std::int16_t>::max();
            *k.i.value = static_cast<std::int16_t>(converts ? *v : k.i.defaultValue);
            break;
        }
        case Key::Flag: {
            const std::optional<bool> v =
                parseFlag(s->get(k.section, k.name, k.f.defaultValue ? QStringLiteral("1") : QStringLiteral("0")));
            *k.f.value = v.value_or(k.f.defaultValue);
            break;
        }
        case Key::Text: *k.t.value = s->get(k.section, k.name, k.t.defaultValue()); break;
        }
    }
}

platform::WriteResult SaveRegistrySettings()
{
    std::vector<platform::Setting> values;
    for (const Key& k : allKeys()) {
        QString text;
        switch (k.kind) {
        case Key::Int: text = QString::number(*k.i.value); break;
        case Key::Flag: text = *k.f.value ? QStringLiteral("True") : QStringLiteral("False"); break;
        case Key::Text: text = *k.t.value; break;
        }
        values.push_back({k.section, k.name, text});
    }
    return store().saveAll(kApp, values);
}

QString SettingsLocation()
{
    return store().location(kApp);
}

QString NvSectionName(int section)
{
    return QString::fromLatin1(nvSections().at(static_cast<std::size_t>(section)).name);
}

QString NvFlagKey(int section, int n)
{
    return QString::fromLatin1(nvSections().at(static_cast<std::size_t>(section)).keys.at(static_cast<std::size_t>(n)));
}

bool& NvFlag(int section, int n)
{
    return *nvSections().at(static_cast<std::size_t>(section)).bits.at(static_cast<std::size_t>(n));
}

bool FindNvFlag(const QString& section, const QString& key, int& sectionIndex, int& bit)
{
    for (int s = 0; s < kNvSectionCount; ++s) {
        const NvSection& ns = nvSections()[static_cast<std::size_t>(s)];
        if (section != QLatin1String(ns.name))
            continue;
        for (int n = 0; n < 8; ++n) {
            if (key == QLatin1String(ns.keys[static_cast<std::size_t>(n)])) {
                sectionIndex = s;
                bit = n;
                return true;
            }
        }
    }
    return false;
}

std::uint8_t NvFlagByte(int section)
{
    const NvSection& s = nvSections().at(static_cast<std::size_t>(section));
    std::uint8_t byte = 0;
    for (int n = 0; n < 8; ++n)
        if (*s.bits[n])
            byte |= static_cast<std::uint8_t>(1u << n);
    return byte;
}

} // namespace merrow
