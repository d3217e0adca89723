#include "quillonedit/mainwindow/ProgramFiles.h"

#include "platform/FileCheck.h"
#include "quillonedit/editors/EditorCommon.h"
#include "quillonedit/image/ControllerImage.h"
#include "quillonedit/image/Project.h"
#include "quillonedit/mainwindow/FileMenu.h"
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

int CheckProgramFiles()
{
    platform::FileCheck check;
    check.expect(QStringLiteral("help"), HelpFilePath());

    const QString example = ExamplesFolder() + QStringLiteral("/Blank.001");
    if (check.expect(QStringLiteral("example"), example)) {
        // Every byte set first, so pages that were never read cannot pass as erased ones.
        fillImage(0xFF);
        MarkProjectSaved();   // nothing to ask about before the open
        SilentProjectHost host;
        const bool opened = ProcessOpen(example, host);
        const bool erased = imageErased();
        check.report(QStringLiteral("example project"), opened && erased,
                     !opened  ? QStringLiteral("not opened")
                     : erased ? QStringLiteral("opened, %1 pages, all zero").arg(kPageCount)
                              : QStringLiteral("opened, but not all zero"));
    }
    return check.exitCode();
}

} // namespace quillon
