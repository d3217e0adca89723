#pragma once
// Copying parts of the base set into a memory save: the zone bytes, the control codes, the timers
// or the first twelve voice messages, each a fixed run of bytes at the same record offset.
#include "quillonedit/image/ImageMap.h"

#include <array>

namespace quillon {

struct MemoryCopyPart {
    const char* label;   // the row's caption in the copy window
    int recordOffset;    // inside a memory-save record, the same in the base set
    int length;
};

constexpr int kMemoryCopyPartCount = 4;

// In the window's row order. The codes take the 8 bytes after the last code record along and the
// timers the 2 bytes after the last timer: the controller's copy works in these runs too.
constexpr std::array<MemoryCopyPart, kMemoryCopyPartCount> kMemoryCopyParts{{
    {"Zone Channels", kRecZones, kZoneCount},
    {"Control Numbers", kRecCodes, 208},
    {"Timers", kRecTimers, 40},
    {"12 Voice Msgs.", kRecVoice, kMemoryVoiceCount * kVoiceSlotBytes},
}};

// Where a part lands in memory save n (1..8).
int CopyTargetOffset(int part, int save);

// Copies a part (0..3) of the base set into memory save n (1..8) and returns the destination
// offset; -1 (and nothing copied) for a part or save out of range.
int CopyBaseToMemorySave(int part, int save);

} // namespace quillon
