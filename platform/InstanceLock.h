#pragma once
#include <QString>

namespace platform {

class InstanceLock {
public:
    virtual ~InstanceLock() = default;
    // True when this process now holds the program's lock (no other instance runs);
    // the lock is held until the process ends.
    virtual bool acquire(const QString& programName) = 0;
};

} // namespace platform
