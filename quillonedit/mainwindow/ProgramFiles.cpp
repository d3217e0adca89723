#include "quillonedit/mainwindow/ProgramFiles.h"

#include "platform/qt/QtServices.h"
#include "quillonedit/mainwindow/Registry.h"

#include <algorithm>

namespace quillon {

QString ExamplesFolder()
{
    return platform::programFolder() + QStringLiteral("/Examples");
}

QString OpenStartFolder()
{
    const bool nothingOpenedYet =
        std::all_of(RecentFiles.begin(), RecentFiles.end(), [](const QString& name) { return name.isEmpty(); });
    return nothingOpenedYet ? ExamplesFolder() : QString();
}

} // namespace quillon
