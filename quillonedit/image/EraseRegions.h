#pragma once
// The regions the flush window can erase in one step, in the order of its rows, and whether each
// still holds data.
#include "quillonedit/image/ImageMap.h"

#include <array>

namespace quillon {

struct EraseRegion {
    int start;
    int length;
    const char* label;   // ends in one blank, as the window shows it
};

constexpr int kEraseRegionCount = 7;

constexpr std::array<EraseRegion, kEraseRegionCount> kEraseRegions{{
    {kSpeedDial1, kSpeedDialBlockBytes, "Speed Dial Memory Block #1 "},
    {kSpeedDial2, kSpeedDialBlockBytes, "Speed Dial Memory Block #2 "},
    {kSpeedDial3, kSpeedDialBlockBytes, "Speed Dial Memory Block #3 "},
    {kEmergency, kEmergencyCount * kEmergencyEntryBytes, "Emergency Speed Dial Memory "},
    {kScheduler, kSchedulerCount * kScheduleEntryBytes, "Schedular Memory "},
    {kMacros, kMacroCount * kMacroRecordBytes, "Macro Memory "},
    {kBaseVoice, kBaseVoiceCount * kVoiceSlotBytes, "Base Voice Synthesizer Messages "},
}};

// Sets image[start .. start + last] to 0; nothing when last is negative.
void OKErase(int start, int last);

// Erases the region of a row (0..6); nothing for another row.
void EraseRegionRow(int row);

// True when a byte of the row's region is not 0.
bool RegionHoldsData(int row);

} // namespace quillon
