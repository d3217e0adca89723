#pragma once
// Placing windows: centring on their screen and minimising.
#include <QSize>

class QWidget;

namespace platform::widgets {

// Centres a window of the given outer size on the screen it shows on (integer halves).
void CentreWindow(QWidget& window, QSize size);
// The same with the window's present outer size.
void CentreWindow(QWidget& window);

// Minimises a window; nothing else.
void Win95Shrival(QWidget& window);

} // namespace platform::widgets
