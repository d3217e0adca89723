#pragma once
// Where every area of the controller image lies, so no dialog carries a bare offset.
// Offsets are absolute image offsets unless the name starts with kRec (offset inside a
// memory-save record).
#include <stdexcept>

namespace quillon {

// --- Single values and small areas -------------------------------------------------------------
constexpr int kUnlockNumber = 512;          // digit field: count + 7 digit codes
constexpr int kUnlockNumberBytes = 8;
constexpr int kCwSpeed1 = 521;
constexpr int kCwToneDivisor1 = 523;        // 2 bytes
constexpr int kCwToneCode1 = 525;
constexpr int kCwSpeed2 = 527;
constexpr int kCwToneDivisor2 = 529;        // 2 bytes
constexpr int kCwToneCode2 = 531;
constexpr int kRepeaterStats = 533;         // 10 counters of 2 bytes
constexpr int kRepeaterStatsCount = 10;
constexpr int kRepeaterStatsBytes = 20;
constexpr int kCourtesyTones = 553;         // 10 tones of 8 bytes
constexpr int kCourtesyToneCount = 10;
constexpr int kCourtesyToneBytes = 8;
constexpr int kHfTransceiverType = 633;
constexpr int kPulseDialRate = 634;
constexpr int kHfSquelch = 635;
constexpr int kDvrType = 645;

// --- Memory saves and the base set -------------------------------------------------------------
constexpr int kMemorySaveBase = 5234;
constexpr int kMemorySaveStride = 1046;
constexpr int kMemorySaveBytes = 1046;
constexpr int kMemorySaveCount = 8;
constexpr int kBaseSet = 13602;
constexpr int kBaseSetBytes = 278;

// MemorySaveRecord field offsets
constexpr int kRecZones = 0;                // 8 zone bytes
constexpr int kZoneCount = 8;
constexpr int kRecTimers = 8;               // 19 timers of 2 bytes
constexpr int kTimerCount = 19;
constexpr int kTimerBytes = 2;
constexpr int kRecCodes = 54;               // 25 code records of 8 bytes
constexpr int kCodeCount = 25;
constexpr int kCodeRecordBytes = 8;
constexpr int kRecVoice = 278;              // 12 voice slots of 64 bytes (memory saves only)
constexpr int kMemoryVoiceCount = 12;
constexpr int kVoiceSlotBytes = 64;

constexpr int kBaseZones = kBaseSet + kRecZones;    // 13602
constexpr int kBaseTimers = kBaseSet + kRecTimers;  // 13610
constexpr int kBaseCodes = kBaseSet + kRecCodes;    // 13656
constexpr int kBaseVoice = kBaseSet + kRecVoice;    // 13880: 40 slots, 4 pages of 10
constexpr int kBaseVoiceCount = 40;
constexpr int kBaseVoicePageBytes = 640;

// --- Macros, CW, telephone, radio and tone areas ----------------------------------------------
constexpr int kMacros = 16440;              // 40 records of 28 bytes, 4 pages of 10
constexpr int kMacroCount = 40;
constexpr int kMacroRecordBytes = 28;
constexpr int kMacroPageBytes = 280;
constexpr int kMacroPageCount = 4;
constexpr int kMacroRows = 10;
constexpr int kMacroCommands = 10;
constexpr int kCwMessage1 = 17560;          // count + character codes
constexpr int kCwMessage1Bytes = 128;
constexpr int kCwMessage2 = 17688;
constexpr int kCwMessage2Bytes = 32;
constexpr int kLockouts = 17720;            // 20 numbers: count + 11 digit codes
constexpr int kLockoutCount = 20;
constexpr int kLockoutBytes = 12;
constexpr int kScheduler = 17960;           // 60 entries of 7 bytes, 6 groups of 10
constexpr int kSchedulerCount = 60;
constexpr int kScheduleEntryBytes = 7;
constexpr int kSchedulerGroupBytes = 70;
constexpr int kAreaCodes = 18380;           // 20 three-digit codes
constexpr int kAreaCodeCount = 20;
constexpr int kAreaCodeBytes = 3;
constexpr int kRbiFrequencies = 18440;      // 40 frequencies of 6 bytes
constexpr int kRbiFrequencyCount = 40;
constexpr int kRbiFrequencyBytes = 6;
constexpr int kExpSwitch1 = 18680;          // 40 output line bytes
constexpr int kExpSwitch2 = 18720;
constexpr int kExpSwitchBytes = 40;
constexpr int kHardwareInputs = 18760;      // 8 command words
constexpr int kHardwareInputCount = 8;
constexpr int kDtmfMemories = 18776;        // 40 fields: count + 15 digit codes
constexpr int kDtmfMemoryCount = 40;
constexpr int kDtmfMemoryBytes = 16;
constexpr int kPagingTones = 19416;         // 20 pairs of 4 bytes
constexpr int kPagingToneCount = 20;
constexpr int kPagingToneBytes = 4;
constexpr int kPassword = 19496;            // length + characters
constexpr int kPasswordBytes = 16;
constexpr int kPreDial = 19536;             // count + 7 digit codes
constexpr int kPreDialBytes = 8;
constexpr int kSpeedDial1 = 19544;          // 100 entries of 40 bytes each block
constexpr int kSpeedDial2 = 23544;
constexpr int kSpeedDial3 = 27544;
constexpr int kSpeedDialBlockBytes = 4000;
constexpr int kSpeedDialCount = 100;
constexpr int kSpeedDialEntryBytes = 40;
constexpr int kEmergency = 31544;           // 10 entries of 40 bytes
constexpr int kEmergencyCount = 10;
constexpr int kEmergencyEntryBytes = 40;

// Digit-field capacities (digit bytes after the count byte)
constexpr int kCodeDigits = 7;
constexpr int kLockoutDigits = 11;
constexpr int kDtmfMemoryDigits = 15;

// --- Helpers -----------------------------------------------------------------------------------
// Out-of-range arguments throw std::out_of_range (a compile error in a constant expression).

constexpr int memorySaveOffset(int n)       // n = 1..8
{
    if (n < 1 || n > kMemorySaveCount)
        throw std::out_of_range("memory save number");
    return kMemorySaveBase + kMemorySaveStride * (n - 1);
}
constexpr bool isMemorySet(int memory)      // 0 = base set, 1..8 = memory save n
{
    return memory >= 0 && memory <= kMemorySaveCount;
}
constexpr int recordOffset(int memory)      // 0 = base set, 1..8 = memory save n
{
    return memory == 0 ? kBaseSet : memorySaveOffset(memory);
}
constexpr int zonesOffset(int memory) { return recordOffset(memory) + kRecZones; }
constexpr int timersOffset(int memory) { return recordOffset(memory) + kRecTimers; }
constexpr int codesOffset(int memory) { return recordOffset(memory) + kRecCodes; }
constexpr int memoryVoiceOffset(int n) { return memorySaveOffset(n) + kRecVoice; }   // n = 1..8
constexpr int codeRecordOffset(int memory, int k)   // k = 0..24
{
    if (k < 0 || k >= kCodeCount)
        throw std::out_of_range("code index");
    return codesOffset(memory) + kCodeRecordBytes * k;
}
constexpr int timerOffset(int memory, int i)        // i = 0..18
{
    if (i < 0 || i >= kTimerCount)
        throw std::out_of_range("timer index");
    return timersOffset(memory) + kTimerBytes * i;
}
constexpr int pageOffset(int k)             // project page k = 1..8
{
    if (k < 1 || k > 8)
        throw std::out_of_range("page number");
    return 4096 * (k - 1);
}
constexpr int macroPageOffset(int page)     // page = 0..3
{
    if (page < 0 || page >= kMacroPageCount)
        throw std::out_of_range("macro page");
    return kMacros + kMacroPageBytes * page;
}
constexpr int macroOffset(int m)            // macro m = 1..40
{
    if (m < 1 || m > kMacroCount)
        throw std::out_of_range("macro number");
    return kMacros + kMacroRecordBytes * (m - 1);
}
constexpr int baseVoicePageOffset(int page) // page = 0..3
{
    if (page < 0 || page > 3)
        throw std::out_of_range("voice page");
    return kBaseVoice + kBaseVoicePageBytes * page;
}

// MacroRecord field offsets
constexpr int kMacroCodeCount = 0;          // count, then 7 digit codes at +1..+7
constexpr int kMacroFirstCommand = 8;       // command c (0..9): argument at +8+2c, command at +9+2c

} // namespace quillon
