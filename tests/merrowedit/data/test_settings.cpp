#include "merrowedit/data/DataFolder.h"
#include "merrowedit/data/Settings.h"
#include "merrowedit/data/UploadBlock.h"
#include "platform/testing/ScriptedServices.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "DataFolderTest.h"
#include "tests/support/QStringPrinter.h"

using namespace merrow;

namespace {

const QString kApp = QStringLiteral("Merrow");

QString key(const QString& section, const QString& name)
{
    return platform::doubles::MemorySettingsStore::path(kApp, section, name);
}

// Every key and the text a first saving exit writes for it (defaults, EditorVersion set by start-up).
QMap<QString, QString> firstRunStore(const QString& workingDirectory)
{
    QMap<QString, QString> m;
    m[key("EDITOR", "SerialPort")] = "1";
    m[key("EDITOR", "WorkingDirectory")] = workingDirectory;
    m[key("EDITOR", "EditorVersion")] = "2.43";
    m[key("EDITOR", "ReceiverVersion")] = "1.00";
    m[key("EDITOR", "ShowTipsAtStartup")] = "True";
    m[key("EDITOR", "TimeZoneOffset")] = "-5";
    m[key("EDITOR", "DaylightSavings")] = "True";
    m[key("EDITOR", "StateID")] = "8";
    m[key("EDITOR", "TransmitterLocation")] = "";
    m[key("EDITOR", "FrequencyListingFilter")] = "0";
    m[key("EDITOR", "UserStationID")] = "";
    const std::vector<std::pair<QString, QStringList>> nv = {
        {"NV8007", {"GiveStationID", "AppendThisIs", "AppendRepeater", "AppendTransmitter", "Spare8007_1",
                    "Spare8007_2", "Spare8007_3", "Spare8007_4"}},
        {"NV8008", {"SpeakerActive", "LineActive", "AlertLedActive", "ForceOnSpeaker", "ForceOnLine",
                    "AcceptAllFips", "AcceptAllEvents", "IgnoreTerminationPacket"}},
        {"NV8009", {"AcceptAllAlerts", "WatchAndWarningOnly", "WarningOnly", "CancelAlert", "SkipVoiceAnnc",
                    "ForceVocInterval", "Spare8009_1", "Spare8009_2"}},
        {"NV800A", {"AcceptAllAlerts", "WatchAndWarningOnly", "WarningOnly", "CancelAlert", "SkipVoiceAnnc",
                    "ForceVocInterval", "Spare800A_1", "Spare800A_2"}},
        {"NV800B", {"VoiceIntervalSpeaker", "VoiceIntervalLine", "VocAllEvents", "VocWarningsWatch", "VocWarnings",
                    "VocTruncateTest", "Spare800B_1", "Spare800B_2"}},
        {"NV800C", {"SendPacketRs232", "BeginSOH", "InsertSTX", "AppendTrailingCrlf", "EndingETX", "EndingEOT",
                    "Spare800C_1", "Spare800C_2"}},
        {"NV800D", {"PulseAll", "PulseWatchWarning", "PulseWatch", "PulseWarning", "PulseNonWatchWarning",
                    "Spare800D_1", "Spare800D_2", "Spare800D_3"}},
        {"NV800E", {"PulseAll", "PulseWatchWarning", "PulseWatch", "PulseWarning", "PulseNonWatchWarning",
                    "Spare800E_1", "Spare800E_2", "Spare800E_3"}},
        {"NV800F", {"HighTrigCodeMatch", "HighTrigAfterStart", "HighTrigAfterRelayTimer", "HighTrigBeginSynVoice",
                    "HighTrigBeginWxReport", "LowTrigEndPacket", "LowTrigAlertEnd", "Spare800F_1"}},
    };
    const QSet<QString> trueByDefault = {"NV8008/SpeakerActive", "NV8008/LineActive", "NV8008/AlertLedActive",
                                         "NV8008/ForceOnSpeaker", "NV8008/ForceOnLine",
                                         "NV800B/VoiceIntervalSpeaker", "NV800B/VoiceIntervalLine",
                                         "NV800B/VocAllEvents", "NV800B/VocTruncateTest",
                                         "NV800F/HighTrigCodeMatch", "NV800F/LowTrigEndPacket"};
    for (const auto& [section, names] : nv)
        for (const QString& n : names)
            m[key(section, n)] = trueByDefault.contains(section + "/" + n) ? "True" : "False";
    m[key("TIMERS", "SpeakerTimeoutTimer")] = "3";
    m[key("TIMERS", "LineTimeoutTimer")] = "3";
    m[key("TIMERS", "VoiceIntervalTimer")] = "1";
    m[key("TIMERS", "RelayDelayTimer")] = "0";
    m[key("TIMERS", "PreVoiceAnnc")] = "2";
    return m;
}

class SettingsTest : public DataFolderTest {};

TEST_F(SettingsTest, FirstRunLoadsDefaultsAndSavingExitWritesAllKeys)
{
    LoadRegistrySettings();
    EXPECT_EQ(SerialPort, 1);
    EXPECT_EQ(WorkingDirectory, QDir::toNativeSeparators(dir.path()));
    EXPECT_EQ(EditorVersion, "1.00");
    EXPECT_EQ(ReceiverVersion, "1.00");
    EXPECT_TRUE(ShowTipsAtStartup);
    EXPECT_EQ(TimeZoneOffset, -5);
    EXPECT_TRUE(DaylightSavings);
    EXPECT_EQ(StateID, 8);
    EXPECT_EQ(TransmitterLocation, "");
    EXPECT_EQ(FrequencyListingFilter, 0);
    EXPECT_EQ(UserStationID, "");
    EXPECT_EQ(SpeakerTimeoutTimer, 3);
    EXPECT_EQ(LineTimeoutTimer, 3);
    EXPECT_EQ(VoiceIntervalTimer, 1);
    EXPECT_EQ(RelayDelayTimer, 0);
    EXPECT_EQ(PreVoiceAnnc, 2);
    const std::uint8_t defaultBytes[kNvSectionCount] = {0, 31, 0, 0, 39, 0, 0, 0, 33};
    for (int i = 0; i < kNvSectionCount; ++i)
        EXPECT_EQ(NvFlagByte(i), defaultBytes[i]) << NvSectionName(i).toStdString();

    EditorVersion = "2.43";   // what start-up does right after loading
    ASSERT_TRUE(SaveRegistrySettings());
    const QMap<QString, QString> expected = firstRunStore(QDir::toNativeSeparators(dir.path()));
    EXPECT_EQ(expected.size(), 88);
    EXPECT_EQ(services.settings.values, expected);
}

// One read of the store for all 88 keys: a start never mixes two versions of the file.
TEST_F(SettingsTest, LoadingReadsTheStoreOnce)
{
    LoadRegistrySettings();
    EXPECT_EQ(services.settings.loadCount, 1);
}

TEST_F(SettingsTest, FlagTextsLoadLikeTrueAndFalse)
{
    struct Row { const char* stored; bool expected; };
    const Row rows[] = {{"1", true}, {"-1", true}, {"0", false}, {"True", true}, {"false", false},
                        {"FALSE", false}, {"2", true}, {"maybe", false /* default of GiveStationID */}};
    for (const Row& r : rows) {
        services.settings.values[key("NV8007", "GiveStationID")] = r.stored;
        services.settings.values[key("NV8008", "SpeakerActive")] = r.stored;
        LoadRegistrySettings();
        EXPECT_EQ(NV8007.GiveStationID, r.expected) << r.stored;
        // A text that is no flag takes the key's own default (True here).
        EXPECT_EQ(NV8008.SpeakerActive, QString(r.stored) == "maybe" ? true : r.expected) << r.stored;
    }
}

TEST_F(SettingsTest, BadKeyTakesItsDefaultAndLoadingGoesOn)
{
    services.settings.values[key("EDITOR", "SerialPort")] = "3";
    services.settings.values[key("EDITOR", "StateID")] = "Texas";
    services.settings.values[key("EDITOR", "TransmitterLocation")] = "Miami";
    services.settings.values[key("NV800D", "PulseWatch")] = "yes please";
    services.settings.values[key("NV800D", "PulseWarning")] = "True";
    services.settings.values[key("TIMERS", "PreVoiceAnnc")] = "4";
    LoadRegistrySettings();
    EXPECT_EQ(SerialPort, 3);
    EXPECT_EQ(StateID, 8);
    EXPECT_EQ(TransmitterLocation, "Miami");
    EXPECT_FALSE(NV800D.PulseWatch);
    EXPECT_TRUE(NV800D.PulseWarning);
    EXPECT_EQ(PreVoiceAnnc, 4);
}

TEST_F(SettingsTest, NumbersOutsideTheirRangeLoadAsTheyAreAndNonNumbersAsDefaults)
{
    struct Row { const char* section; const char* name; const char* stored; const std::int16_t* global; int expected; };
    const Row rows[] = {
        {"EDITOR", "SerialPort", "5", &SerialPort, 5},
        {"EDITOR", "SerialPort", "4", &SerialPort, 4},
        {"EDITOR", "TimeZoneOffset", "-3", &TimeZoneOffset, -3},
        {"EDITOR", "TimeZoneOffset", "-11", &TimeZoneOffset, -11},
        {"EDITOR", "TimeZoneOffset", "40000", &TimeZoneOffset, -5},   // beyond 16 bits: no number
        {"EDITOR", "TimeZoneOffset", "-32768", &TimeZoneOffset, -32768},
        {"EDITOR", "StateID", "54", &StateID, 54},
        {"EDITOR", "StateID", "0", &StateID, 0},
        {"EDITOR", "FrequencyListingFilter", "8", &FrequencyListingFilter, 8},
        {"TIMERS", "SpeakerTimeoutTimer", "0", &SpeakerTimeoutTimer, 0},
        {"TIMERS", "LineTimeoutTimer", "7", &LineTimeoutTimer, 7},
        {"TIMERS", "VoiceIntervalTimer", "6", &VoiceIntervalTimer, 6},
        {"TIMERS", "RelayDelayTimer", "-1", &RelayDelayTimer, -1},
        {"TIMERS", "PreVoiceAnnc", "5", &PreVoiceAnnc, 5},
        {"TIMERS", "PreVoiceAnnc", "five", &PreVoiceAnnc, 2},
    };
    for (const Row& r : rows) {
        services.settings.values.clear();
        services.settings.values[key(r.section, r.name)] = r.stored;
        LoadRegistrySettings();
        EXPECT_EQ(*r.global, r.expected) << r.name << " = " << r.stored;
    }
    // What the receiver gets for a timer outside its codes is 0, not the default.
    services.settings.values.clear();
    services.settings.values[key("TIMERS", "SpeakerTimeoutTimer")] = "7";
    LoadRegistrySettings();
    BuildNvSettings();
    EXPECT_EQ(NvImage()[1], 0);
    EXPECT_EQ(NvImage()[2], 3);
}

TEST_F(SettingsTest, Rs232SpareBitsAreBitsSixAndSeven)
{
    LoadRegistrySettings();
    NV800C.Spare_2 = true;
    EXPECT_EQ(NvFlagByte(5), 128);
    NV800C.Spare_2 = false;
    NV800C.Spare_1 = true;
    EXPECT_EQ(NvFlagByte(5), 64);
    NV800C.Spare_1 = false;
    NV800C.EndingEOT = true;
    EXPECT_EQ(NvFlagByte(5), 32);
}

TEST_F(SettingsTest, ChangedValuesSurviveASavingExitAndRestart)
{
    LoadRegistrySettings();
    NV800F.Spare_1 = true;
    NV800A.CancelAlert = true;
    NV8008.SpeakerActive = false;
    UserStationID = "WXK/42";
    TimeZoneOffset = -8;
    ASSERT_TRUE(SaveRegistrySettings());
    EXPECT_EQ(services.settings.values.value(key("NV800F", "Spare800F_1")), "True");
    // Same key name in the two input sections: each keeps its own value.
    EXPECT_EQ(services.settings.values.value(key("NV800A", "CancelAlert")), "True");
    EXPECT_EQ(services.settings.values.value(key("NV8009", "CancelAlert")), "False");

    resetSettings();
    LoadRegistrySettings();
    EXPECT_TRUE(NV800F.Spare_1);
    EXPECT_EQ(NvFlagByte(8), 33 | 128);
    EXPECT_TRUE(NV800A.CancelAlert);
    EXPECT_FALSE(NV8009.CancelAlert);
    EXPECT_EQ(NvFlagByte(1), 30);
    EXPECT_EQ(UserStationID, "WXK/42");
    EXPECT_EQ(TimeZoneOffset, -8);
}

TEST_F(SettingsTest, StoreThatRefusesWritesIsReported)
{
    LoadRegistrySettings();
    services.settings.failSaves = true;
    EXPECT_FALSE(SaveRegistrySettings());
}

TEST_F(SettingsTest, ResetClearsEveryGlobal)
{
    LoadRegistrySettings();
    DstInEffect = CtrlKeySeen = ShowDataDump = TransferTimedOut = true;
    resetSettings();
    EXPECT_EQ(SerialPort, 0);
    EXPECT_TRUE(EditorVersion.isEmpty());
    EXPECT_FALSE(ShowTipsAtStartup);
    EXPECT_FALSE(DstInEffect || CtrlKeySeen || ShowDataDump || TransferTimedOut);
    for (int i = 0; i < kNvSectionCount; ++i)
        EXPECT_EQ(NvFlagByte(i), 0);
}

} // namespace
