#pragma once
// The SAME event codes the program knows: the check boxes of the event window, their codes,
// and the display text and class the history shows for each code.
#include <QString>

#include <array>

namespace merrow {

// Class of the last code looked up by EventCodeName: 1 warning, 2 watch, 0 anything else.
inline int EventClass = 0;

// Display text of a code (compared exactly); "Unknown Event Code" and class 0 for any other.
// Sets EventClass.
QString EventCodeName(const QString& code);

inline constexpr int kEventBoxCount = 44;   // chkEvent 0..43
inline constexpr int kMaxSelectedEvents = 24;

struct EventBox {
    const char* frame;     // "" for a box in no frame
    const char* caption;   // "" for an unused box
    const char* code;      // "" for a box without a code
};
// Box i of the event window.
const std::array<EventBox, kEventBoxCount>& EventBoxes();

} // namespace merrow
