#pragma once
// Placing windows: centring on their screen, inside the part the desktop's panels leave, room for
// the whole title, and minimising.
#include <QIcon>
#include <QSize>
#include <QString>

#include <functional>

class QPainter;
class QWidget;

namespace platform::widgets {

// Centres a window of the given outer size on the whole screen it shows on (integer halves), then
// keeps it inside the screen's available area: a window larger than the area is made smaller (down to
// its minimum size, which then starts at the area's top left).
void CentreWindow(QWidget& window, QSize size);
// The same with the window's present outer size.
void CentreWindow(QWidget& window);

// The width a window's title bar needs to show the whole title: the title in the title-bar font
// (bold, as window managers mostly draw it) and room for the window's icon and three buttons.
int TitleBarWidth(const QString& title);
// Keeps the window at least as wide as its title bar needs, whatever its title and contents do
// later: a narrower layout is centred between blank margins, so no window manager cuts the title.
void KeepTitleVisible(QWidget& window);

// A program icon at the sizes desktops ask for, from a drawing in 64 x 64 units (antialiased,
// on a transparent ground): the programs draw their icons, since they read no SVG.
QIcon DrawnIcon(const std::function<void(QPainter&)>& draw);

// Minimises a window; nothing else.
void Win95Shrival(QWidget& window);

} // namespace platform::widgets
