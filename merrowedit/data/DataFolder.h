#pragma once
// The one folder for every file the program reads and writes by bare name (parameter file,
// data dump). By default the per-user data folder ~/.local/share/Merrow, created when missing.
#include <QString>

namespace merrow {

QString DataFolder();
// Points DataFolder() elsewhere (tests use a temporary folder); an empty text restores the default.
void SetDataFolder(const QString& folder);

} // namespace merrow
