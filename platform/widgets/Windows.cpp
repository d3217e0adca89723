#include "platform/widgets/Windows.h"

#include "platform/Services.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace platform::widgets {
namespace {

// `from` moved into the range [low, high - length]; a length longer than the range starts at low.
int fitRange(int from, int length, int low, int high)
{
    return std::max(low, std::min(from, high - length));
}

// The screen `window` shows on and where windows may go on it: the desktop service's answer, the
// screen's own without one.
struct ScreenAreas {
    QRect screen;
    QRect available;
};

ScreenAreas screenAreas(const QWidget& window)
{
    if (Desktop* desktop = services().desktop)
        return {desktop->screenArea(window), desktop->availableArea(window)};
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    return {screen->geometry(), screen->availableGeometry()};
}

// The frame (title bar and borders) around the window's inside, as the size it adds. Until the
// window system has put a frame on the window, that of another shown window stands in for it, or
// failing that a usual title bar and borders.
QSize frameExtra(const QWidget& window)
{
    const auto extraOf = [](const QWidget& w) { return w.frameGeometry().size() - w.geometry().size(); };
    const QSize own = extraOf(window);
    if (own.width() > 0 || own.height() > 0 || window.windowFlags().testFlag(Qt::FramelessWindowHint))
        return own;
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        const QSize extra = extraOf(*other);
        if (other != &window && other->isVisible() && (extra.width() > 0 || extra.height() > 0))
            return extra;
    }
    return {10, 40};
}

} // namespace

void CentreWindow(QWidget& window, QSize size)
{
    const auto [screen, area] = screenAreas(window);
    if (!screen.isValid() || !area.isValid())
        return;
    // A size given without a frame (none known yet) gets the one the window will have.
    if (window.frameGeometry().size() == window.geometry().size())
        size += frameExtra(window);
    if (size.width() > area.width() || size.height() > area.height()) {
        // The frame stays as it is; the inside gives up the difference, down to its minimum size.
        window.resize(window.size() - (size - size.boundedTo(area.size())));
        size = window.size() + frameExtra(window);
    }
    // Centred on the whole screen, as the windows always were; only then kept clear of the panels.
    const int left = screen.left() + (screen.width() - size.width()) / 2;
    const int top = screen.top() + (screen.height() - size.height()) / 2;
    window.move(fitRange(left, size.width(), area.left(), area.left() + area.width()),
                fitRange(top, size.height(), area.top(), area.top() + area.height()));
}

void CentreWindow(QWidget& window) { CentreWindow(window, window.frameGeometry().size()); }

void Win95Shrival(QWidget& window) { window.setWindowState(window.windowState() | Qt::WindowMinimized); }

} // namespace platform::widgets
