#include "platform/widgets/Windows.h"

#include "platform/Services.h"

#include <QApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLayout>
#include <QPainter>
#include <QPixmap>
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

// Watches a window's title and layout and widens it to its title bar's width (see KeepTitleVisible).
class TitleRoom final : public QObject {
public:
    explicit TitleRoom(QWidget& window) : QObject(&window), window_(window) { window.installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Before the layout hears of the request, so it lays out with the new margins at once.
        const QEvent::Type type = event->type();
        if (watched == &window_
            && (type == QEvent::Show || type == QEvent::LayoutRequest || type == QEvent::WindowTitleChange))
            fit();
        return false;
    }

private:
    void fit()
    {
        const int needed = TitleBarWidth(window_.windowTitle());
        QLayout* layout = window_.layout();
        if (!layout) {
            if (window_.width() < needed)
                window_.setMinimumWidth(needed);
            return;
        }
        const int extra = std::max(0, needed - layout->sizeHint().width());
        const QMargins margins(extra / 2, 0, extra - extra / 2, 0);
        if (window_.contentsMargins() == margins)
            return;
        window_.setContentsMargins(margins);
        layout->activate();
    }

    QWidget& window_;
};

} // namespace

int TitleBarWidth(const QString& title)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    const QFontMetrics metrics(font);
    const int button = metrics.height() + 12;   // a title bar's square buttons and icon
    return metrics.horizontalAdvance(title) + 4 * button + 2 * metrics.averageCharWidth();
}

void KeepTitleVisible(QWidget& window)
{
    if (!window.findChild<TitleRoom*>(QString(), Qt::FindDirectChildrenOnly))
        new TitleRoom(window);   // owned by the window
}

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

QIcon DrawnIcon(const std::function<void(QPainter&)>& draw)
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 64.0, size / 64.0);
        draw(p);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

} // namespace platform::widgets
