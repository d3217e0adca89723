#pragma once
#include <functional>
#include <QtGlobal>

namespace platform {

class EventLoop {
public:
    virtual ~EventLoop() = default;
    // Let the window system deliver pending events (timers, clicks, painting), then return.
    virtual void yield() = 0;
    // Pause the calling code for a moment while still servicing events.
    virtual void sleepMs(int ms) = 0;
};

// Yields until pred() holds or timeoutMs passes on the monotonic clock; true when pred() held.
// The one waiting helper of both programs: every wait goes through it.
bool waitUntil(const std::function<bool()>& pred, qint64 timeoutMs);

} // namespace platform
