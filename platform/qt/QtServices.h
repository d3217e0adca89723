#pragma once
#include "platform/Services.h"   // programFolder(), for the callers that take it from here

#include <QString>

#include <memory>

namespace platform {

// Installs the real (Qt) implementation of every service into services(); call once after the
// QApplication exists.
void installQtServices();

// A single-instance lock of the kind installQtServices() installs; a test holds two of them, as
// two copies of a program would.
std::unique_ptr<InstanceLock> makeInstanceLockForTests();

} // namespace platform
