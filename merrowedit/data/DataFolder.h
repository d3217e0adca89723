#pragma once
// The one folder for every file the program reads and writes by bare name (parameter file,
// data dump). By default Merrow in the per-user data folder ($XDG_DATA_HOME when absolute, else
// ~/.local/share), created when missing; a missing home folder is never created.
#include <QString>

namespace merrow {

QString DataFolder();
// Points DataFolder() elsewhere (tests use a temporary folder); an empty text restores the default.
void SetDataFolder(const QString& folder);

} // namespace merrow
