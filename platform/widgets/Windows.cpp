#include "platform/widgets/Windows.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace platform::widgets {

void CentreWindow(QWidget& window, QSize size)
{
    QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    window.move(area.left() + (area.width() - size.width()) / 2, area.top() + (area.height() - size.height()) / 2);
}

void CentreWindow(QWidget& window) { CentreWindow(window, window.frameGeometry().size()); }

void Win95Shrival(QWidget& window) { window.setWindowState(window.windowState() | Qt::WindowMinimized); }

} // namespace platform::widgets
