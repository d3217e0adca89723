#pragma once
#include <QString>

namespace platform {

// Installs the real (Qt) implementation of every service into services(); call once after the
// QApplication exists.
void installQtServices();

// "program folder": the folder of the running executable.
QString programFolder();

} // namespace platform
