#include "quillonedit/mainwindow/ProgramFiles.h"

#include "platform/qt/FileCheck.h"
#include "platform/qt/QtServices.h"
#include "quillonedit/editors/EditorCommon.h"
#include "quillonedit/image/ControllerImage.h"
#include "quillonedit/image/Project.h"
#include "quillonedit/mainwindow/FileMenu.h"
#include "quillonedit/mainwindow/Registry.h"

#include <algorithm>

namespace quillon {
namespace {

// The check opens the example through the same code as File > Open, without a window behind it.
class SilentHost final : public ProjectHost {
public:
    void setStatusPanel(int, const QString&) override {}
    void enableProjectMenus() override {}
    void enableSaveMenu() override {}
    void processFileList(const QString&) override {}
    void setBusy(bool) override {}
};

} // namespace

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
        SilentHost host;
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
