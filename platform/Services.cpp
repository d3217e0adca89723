#include "platform/Services.h"

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
