#pragma once
// The values a main-window menu handler sets just before it opens an editor: which part of the
// image that editor works on. The handler hands the value to the editor it makes, so no editor
// reads these; they record the last choice of each menu for the main window and its tests.
#include <cstdint>

namespace quillon {

// 0 = base set, 1..8 = memory save n.
inline std::int16_t CodesMemory = 0;
// 0 = base set, 1..8 = memory save n.
inline std::int16_t TimersMemory = 0;
// Image offset of the zone bytes: 13602 for the base set, 5234 + 1046 * (n - 1) for memory save n.
inline std::int16_t ZoneOffset = 0;
// Expanded switch 1 or 2.
inline std::int16_t ExpSwitch = 0;
// 0 = base voice messages, 1..8 = memory save n.
inline std::int16_t VoiceMemory = 0;

// Back to the start-up values (tests).
inline void resetSharedParameters()
{
    CodesMemory = 0;
    TimersMemory = 0;
    ZoneOffset = 0;
    ExpSwitch = 0;
    VoiceMemory = 0;
}

} // namespace quillon
