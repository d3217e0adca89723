#pragma once
// Placing windows: centring on their screen, inside the part the desktop's panels leave, and
// minimising.
#include <QSize>

class QWidget;

namespace platform::widgets {

// Centres a window of the given outer size on the whole screen it shows on (integer halves), then
// keeps it inside the screen's available area: a window larger than the area is made smaller (down to
// its minimum size, which then starts at the area's top left).
void CentreWindow(QWidget& window, QSize size);
// The same with the window's present outer size.
void CentreWindow(QWidget& window);

// Minimises a window; nothing else.
void Win95Shrival(QWidget& window);

} // namespace platform::widgets
