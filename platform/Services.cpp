#include "platform/Services.h"

#include <QCoreApplication>

#include <stdexcept>

namespace platform {

Services& services()
{
    static Services instance;
    return instance;
}

namespace {
template <typename T> T& require(T* service, const char* name)
{
    if (!service)
        throw std::logic_error(std::string("platform service not installed: ") + name);
    return *service;
}
} // namespace

MsgResult msgBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title,
                 MsgDefault defaultButton)
{
    return require(services().messageBox, "messageBox").show({text, buttons, icon, defaultButton, title});
}

void setWaitCursor(bool on)
{
    require(services().desktop, "desktop").setWaitCursor(on);
}

void beep()
{
    require(services().desktop, "desktop").beep();
}

QString programFolder()
{
    return QCoreApplication::applicationDirPath();
}

bool startSystemInformation()
{
    // In order of preference: dedicated system information tools first, then system monitors.
    static const char* const programs[] = {"hardinfo2", "hardinfo", "kinfocenter", "gnome-system-monitor",
                                           "plasma-systemmonitor", "ksysguard", "xfce4-taskmanager",
                                           "lxtask", "lshw-gtk"};
    Desktop& desktop = require(services().desktop, "desktop");
    for (const char* name : programs) {
        const QString path = desktop.findProgram(QString::fromLatin1(name));
        if (!path.isEmpty())
            return desktop.startProgram(path, {});   // found but failing: say so, don't try a lesser tool
    }
    return false;
}

bool waitUntil(const std::function<bool()>& pred, qint64 timeoutMs)
{
    Clock& clock = require(services().clock, "clock");
    EventLoop& loop = require(services().eventLoop, "eventLoop");
    const qint64 start = clock.monotonicMs();
    while (!pred()) {
        if (clock.monotonicMs() - start >= timeoutMs)
            return pred();
        loop.yield();
    }
    return true;
}

} // namespace platform
