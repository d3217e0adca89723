#pragma once
#include "platform/Services.h"   // programFolder(), for the callers that take it from here

#include <QString>

namespace platform {

// Installs the real (Qt) implementation of every service into services(); call once after the
// QApplication exists.
void installQtServices();

} // namespace platform
