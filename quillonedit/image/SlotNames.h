#pragma once
// The 25 control codes and the 19 timers of a record, in record order. Each has one wording per
// use: the keypad heading, the caption beside its box in the editor and the label in the report.
#include "quillonedit/image/ImageMap.h"

#include <QString>

#include <array>

namespace quillon {

struct SlotNames {
    const char* heading;   // GetCodeName, GetTimerName
    const char* caption;   // the editor's label beside the box
    const char* report;    // the printed report's label
};

enum class SlotWording { Heading, Caption, Report };

// clang-format off
inline constexpr std::array<SlotNames, kCodeCount> kCodeSlotNames{{
    {"Control Op Prefix",     "Control Operator Prefix",          "Control Operator Prefix"},
    {"Link Bridge Code",      "Link Bridge Code",                 "Link Bridge Code"},
    {"Memory Recall Prefix",  "Memory Recall Prefix",             "Memory Recall Prefix"},
    {"DTMF Generator Prefix", "DTMF Generator Prefix",            "DTMF Generator Prefix"},
    {"DTMF Access Prefix",    "DTMF Access Code",                 "DTMF Access Prefix"},
    {"DTMF Pad Test Prefix",  "DTMF Pad Test Code",               "DTMF Pad Test Prefix"},
    {"Time Of Day Prefix",    "Time Of Day Request Code",         "Time Of Day Prefix"},
    {"Link Control Prefix",   "Transceiver Control Prefix",       "Link Control Prefix"},
    {"Link Frequency Prefix", "Remote Base Freq. Load Prefix",    "Link Frequency Prefix"},
    {"User Function Switch",  "User Function Switch Prefix",      "User Function Switch"},
    {"Serial Card #1 Prefix", "Serial Card #1 Switch Prefix",     "Serial Card #1 Prefix"},
    {"Serial Card #2 Prefix", "Serial Card #2 Switch Prefix",     "Serial Card #2 Prefix"},
    {"Autopatch Prefix",      "Autopatch Access Code",            "Autopatch Prefix"},
    {"Autopatch Dump Prefix", "Autopatch Disconnect Code",        "Autopatch Dump Prefix"},
    {"User SD Block #1",      "User Speed Dial Prefix [Block 1]", "User Speed Dial Block #1"},
    {"User SD Block #2",      "User Speed Dial Prefix [Block 2]", "User Speed Dial Block #2"},
    {"User SD Block #3",      "User Speed Dial Prefix [Block 3]", "User Speed Dial Block #3"},
    {"Emergency SD",          "Emergency Speed Dial Prefix",      "Emergency Speed Dial"},
    {"Voice Prefix",          "Voice Synthesizer Prefix",         "Voice Synthesizer Prefix"},
    {"DVR Prefix",            "DVR Control Prefix",               "DVR Prefix"},
    {"Paging Tone Prefix",    "Paging Tones Prefix",              "Paging Tones Prefix"},
    {"Reverse Autopatch",     "Reverse Autopatch Code",           "Reverse Autopatch Prefix"},
    {"HF Remote Base",        "HF Remote Base Code",              "HF Remote Prefix"},
    {"Monitor By Phone",      "Monitor Repeater By Telephone",    "Monitor By Phone"},
    {"DTMF Paging",           "Reverse DTMF Paging Code",         "DTMF Paging Prefix"},
}};

inline constexpr std::array<SlotNames, kTimerCount> kTimerSlotNames{{
    {"Repeater Time-Out",      "Repeater Time-Out",         "Repeater Time Out"},
    {"Repeater Sleep",         "Repeater Sleep Time",       "Repeater Sleep Timer"},
    {"Turn-On Delay",          "Turn On Delay Time",        "Turn On Delay"},
    {"COR Drop To Beep",       "COR Drop To Beep Time",     "COR Drop To Beep Time"},
    {"Beep To PTT Drop",       "Beep To PTT Drop Time",     "Beep To PTT Drop Time"},
    {"DTMF Muting Delay",      "DTMF Mute Delay Time",      "DTMF Muting Delay Time"},
    {"Repeater ID",            "Repeater ID Time",          "Repeater ID Timer"},
    {"Squelch Tail Message",   "Squelch Message Time",      "Squelch Message Time"},
    {"Drop-Out Message",       "Drop Out Message Time",     "Drop Out Message Time"},
    {"Voice Delay.",           "Voice Delay Timer",         "Voice Delay Timer"},
    {"Autopatch Length",       "Autopatch Length Time",     "Autopatch Length Timer"},
    {"Autopatch Activity",     "Autopatch Activity Time",   "Autopatch Activity Timer"},
    {"DTMF Pre-window",        "DTMF Pre-Window Time",      "DTMF Pre-Window Time"},
    {"DTMF Window",            "DTMF Window Time",          "DTMF Window Time"},
    {"Programming Max Length", "Program Max Length Time",   "Program Max Length Time"},
    {"Audio Test Tone Length", "Audio Test Tone Length",    "Audio Test Tone Length"},
    {"Ring Detector Time",     "Ring Detector Time",        "Ring Detector Time"},
    {"Modem Connect Time",     "Modem Connect Time",        "Modem Connect Time"},
    {"Link Auto Disconnect",   "Link Auto Disconnect Time", "Link Auto Disconnect Time"},
}};
// clang-format on

// The wording of code 0..24 or timer 0..18 for one use; empty outside those ranges.
QString CodeSlotName(int index, SlotWording use);
QString TimerSlotName(int index, SlotWording use);

} // namespace quillon
