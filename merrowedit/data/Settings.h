#pragma once
// The receiver options and editor preferences kept in the per-user settings store under "Merrow",
// mirrored by globals of the same names while the program runs. Only LoadRegistrySettings and
// SaveRegistrySettings touch the store; everything else reads and writes these globals.
#include "platform/WholeFile.h"

#include <QString>

#include <cstdint>

namespace merrow {

// ---- NV flag sections: one byte of the receiver's NV memory each (0x8007 .. 0x800F). ----
// Member n (1..8, in declaration order) is bit n-1 of the byte.

struct NvStationIdFlags {   // "NV8007"
    bool GiveStationID = false;
    bool AppendThisIs = false;
    bool AppendRepeater = false;
    bool AppendTransmitter = false;
    bool Spare_1 = false;
    bool Spare_2 = false;
    bool Spare_3 = false;
    bool Spare_4 = false;
};

struct NvOptionFlags {      // "NV8008"
    bool SpeakerActive = false;
    bool LineActive = false;
    bool AlertLedActive = false;
    bool ForceOnSpeaker = false;
    bool ForceOnLine = false;
    bool AcceptAllFips = false;
    bool AcceptAllEvents = false;
    bool IgnoreTerminationPacket = false;
};

struct NvInputFlags {       // "NV8009" (rear input 1), "NV800A" (rear input 2)
    bool AcceptAllAlerts = false;
    bool WatchAndWarningOnly = false;
    bool WarningOnly = false;
    bool CancelAlert = false;
    bool SkipVoiceAnnc = false;
    bool ForceVocInterval = false;
    bool Spare_1 = false;
    bool Spare_2 = false;
};

struct NvVoiceFlags {       // "NV800B"
    bool VoiceIntervalSpeaker = false;
    bool VoiceIntervalLine = false;
    bool VocAllEvents = false;
    bool VocWarningsWatch = false;
    bool VocWarnings = false;
    bool VocTruncateTest = false;
    bool Spare_1 = false;
    bool Spare_2 = false;
};

struct NvRs232Flags {       // "NV800C"
    bool SendPacketRs232 = false;
    bool BeginSOH = false;
    bool InsertSTX = false;
    bool AppendTrailingCrlf = false;
    bool EndingETX = false;      // bit 4; the RS-232 window shows it as not assigned
    bool EndingEOT = false;      // bit 5; likewise
    bool Spare_1 = false;        // bit 6, offered as ETX by the RS-232 window
    bool Spare_2 = false;        // bit 7, offered as EOT by the RS-232 window
};

struct NvOutputFlags {      // "NV800D" (rear output 1), "NV800E" (rear output 2)
    bool PulseAll = false;
    bool PulseWatchWarning = false;
    bool PulseWatch = false;
    bool PulseWarning = false;
    bool PulseNonWatchWarning = false;
    bool Spare_1 = false;
    bool Spare_2 = false;
    bool Spare_3 = false;
};

struct NvTriggerFlags {     // "NV800F" (output 3)
    bool HighTrigCodeMatch = false;
    bool HighTrigAfterStart = false;
    bool HighTrigAfterRelayTimer = false;
    bool HighTrigBeginSynVoice = false;
    bool HighTrigBeginWxReport = false;
    bool LowTrigEndPacket = false;
    bool LowTrigAlertEnd = false;
    bool Spare_1 = false;
};

// ---- Section "EDITOR" ----
inline std::int16_t SerialPort = 0;             // 1..4
inline QString WorkingDirectory;
inline QString EditorVersion;                   // "2.43" once start-up has run
inline QString ReceiverVersion;                 // d.dd, from the last download
inline bool ShowTipsAtStartup = false;
inline std::int16_t TimeZoneOffset = 0;         // hours from GMT, -4 .. -11
inline bool DaylightSavings = false;
inline std::int16_t StateID = 0;                // 0..53
inline QString TransmitterLocation;
inline std::int16_t FrequencyListingFilter = 0; // 0 all, 1..7 one frequency
inline QString UserStationID;                   // at most 15 characters

// ---- Section "TIMERS" (the codes the receiver takes) ----
inline std::int16_t SpeakerTimeoutTimer = 0;    // 1..6 minutes
inline std::int16_t LineTimeoutTimer = 0;       // 1..6 minutes
inline std::int16_t VoiceIntervalTimer = 0;     // 1..6 = 5 .. 30 minutes
inline std::int16_t RelayDelayTimer = 0;        // 0..4 = 0 .. 8 seconds
inline std::int16_t PreVoiceAnnc = 0;           // 0..4 = 0 .. 2 seconds

// ---- NV sections ----
inline NvStationIdFlags NV8007;
inline NvOptionFlags NV8008;
inline NvInputFlags NV8009;
inline NvInputFlags NV800A;
inline NvVoiceFlags NV800B;
inline NvRs232Flags NV800C;
inline NvOutputFlags NV800D;
inline NvOutputFlags NV800E;
inline NvTriggerFlags NV800F;

// ---- Run-time state that is not stored ----
inline bool DstInEffect = false;       // daylight time on this computer at start-up
inline bool CtrlKeySeen = false;       // a key went down on the main window with Ctrl held
inline bool ShowDataDump = false;      // the About window shows its Data Dump button
inline bool TransferTimedOut = false;  // set by each tick of the link's tmrTimeOut

// Every global above back to its start value (numbers 0, flags False, texts empty).
void resetSettings();

// Reads every key into its global. A missing key and a value that does not convert (not a number,
// or beyond 16 bits) take that key's default and loading goes on with the next key; any number
// that converts is kept as it is, also outside the range its key is meant for.
void LoadRegistrySettings();
// Writes every global to its key, all in one step: either every key is stored, or none is and
// the result says why.
platform::WriteResult SaveRegistrySettings();
// Where the store keeps these settings (the INI file), to name it when a save fails.
QString SettingsLocation();

inline constexpr int kNvSectionCount = 9;   // "NV8007" .. "NV800F"
// "NV8007" for 0 .. "NV800F" for 8.
QString NvSectionName(int section);
// The flag byte of NV section 0..8: key n True sets bit n-1.
std::uint8_t NvFlagByte(int section);
// Key name of flag n (0..7, bit n) of an NV section, as stored in the settings.
QString NvFlagKey(int section, int n);
// The global of flag n (0..7, bit n) of NV section 0..8.
bool& NvFlag(int section, int n);
// Section index and bit of a stored section and key name ("NV8009", "WarningOnly" -> 2, 2);
// false when the section holds no such key.
bool FindNvFlag(const QString& section, const QString& key, int& sectionIndex, int& bit);

} // namespace merrow
