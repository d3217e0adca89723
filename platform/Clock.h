#pragma once
#include <QDate>
#include <QDateTime>
#include <QtGlobal>

namespace platform {

class Clock {
public:
    virtual ~Clock() = default;
    // Monotonic milliseconds; only differences mean anything. Unaffected by midnight or clock changes.
    virtual qint64 monotonicMs() = 0;
    // Wall clock, local time.
    virtual QDateTime now() = 0;
};

} // namespace platform
