#include "merrowedit/data/DataFolder.h"

#include <QDir>
#include <QFileInfo>

namespace merrow {
namespace {
QString& overrideFolder()
{
    static QString folder;
    return folder;
}
} // namespace

QString DataFolder()
{
    QString folder = overrideFolder();
    if (folder.isEmpty()) {
        // The XDG rule: $XDG_DATA_HOME only when it is an absolute path (a relative one is
        // ignored, so the working folder never decides where the data goes), else
        // $HOME/.local/share.
        const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
        if (xdg.isEmpty() || !QDir::isAbsolutePath(xdg)) {
            const QString home = QDir::cleanPath(qEnvironmentVariable("HOME"));
            folder = home + QStringLiteral("/.local/share/Merrow");
            // HOME itself is never made: one that is missing, unset or relative is reported by
            // the failed read or write of a file in this folder, with its path.
            if (!QDir::isAbsolutePath(home) || !QFileInfo(home).isDir())
                return folder;
        } else {
            folder = QDir::cleanPath(xdg) + QStringLiteral("/Merrow");
        }
    }
    // Created here so every caller can simply open a file inside it; a failure shows up as a
    // failed read or write of that file.
    QDir().mkpath(folder);
    return folder;
}

void SetDataFolder(const QString& folder)
{
    overrideFolder() = folder;
}

} // namespace merrow
