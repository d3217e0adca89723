#include "merrowedit/data/DataFolder.h"

#include <QDir>
#include <QStandardPaths>

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
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Merrow");
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
