#include "merrowedit/windows/Startup.h"

#include "merrowedit/data/Messages.h"
#include "merrowedit/data/ParameterFile.h"
#include "merrowedit/data/Settings.h"
#include "merrowedit/windows/ImageList.h"
#include "merrowedit/windows/Mwr_Rec.h"
#include "merrowedit/windows/SettingWindows.h"
#include "merrowedit/windows/TestTipWiring.h"
#include "merrowedit/windows/TransferWiring.h"
#include "merrowedit/windows/frmFIPS.h"
#include "merrowedit/windows/frmSplash.h"
#include "merrowedit/windows/frmTip.h"
#include "platform/Services.h"
#include "platform/WholeFile.h"
#include "platform/widgets/Windows.h"

#include <QApplication>
#include <QDebug>
#include <QTimeZone>

#include <exception>
#include <functional>

namespace merrow {
namespace {

// Start-up never stops on an error: a failing step is reported on the error output with its
// reason, and the next one runs.
void step(const char* name, const std::function<void()>& f)
{
    try {
        f();
    } catch (const std::exception& error) {
        qWarning("merrowedit start-up: %s failed: %s", name, error.what());
    }
}

} // namespace

std::unique_ptr<Mwr_Rec> Main()
{
    // A file-size limit fails a write (a save, a printed PDF) with the system's words.
    platform::KeepRunningPastFileSizeLimit();
    platform::Clock& clock = *platform::services().clock;
    // Every window shows the program's icon, message boxes before the main window too.
    QApplication::setWindowIcon(ProgramIcon());
    // One copy at a time: a second one would read the same files and, leaving last, silently
    // put back what the first one saved. It ends before it reads anything, saying why.
    if (!platform::services().instanceLock->acquire(QStringLiteral("merrowedit"))) {
        platform::msgBox(QStringLiteral("Merrow is already running."), platform::MsgButtons::OK,
                         platform::MsgIcon::Information, kProductTitle);
        return nullptr;
    }

    auto window = std::make_unique<Mwr_Rec>();
    ConnectTransferCommands(*window);
    ConnectSettingWindows(*window);
    ConnectTestAndWebCommands(*window);
    step("showing the hourglass", [] { platform::setWaitCursor(true); });

    // Elapsed time on the monotonic clock, so a start just before midnight still ends the wait.
    const qint64 start = clock.monotonicMs();

    step("reading daylight saving time",
         [&clock] { DstInEffect = QTimeZone::systemTimeZone().isDaylightTime(clock.now()); });
    step("loading the settings", [] { LoadRegistrySettings(); });
    step("setting the editor version", [] { EditorVersion = QStringLiteral("2.43"); });
    step("loading the data file", [] { LoadDataFile(); });

    // The county window and its transmitter picker live as long as the main window.
    auto* fips = new frmFIPS(window.get());
    window->commands.ShowFips = [fips] { fips->exec(); };
    step("loading the county windows", [fips] { LoadCountyWindows(*fips); });

    step("showing the splash window", [&clock, start] {
        frmSplash splash;
        platform::setWaitCursor(true);
        splash.show();
        platform::waitUntil([&clock, start] { return clock.monotonicMs() - start >= kSplashMs; }, kSplashMs);
        platform::setWaitCursor(false);
    });

    // Centred on the screen and kept inside the part of it that the desktop's panels leave.
    window->adjustSize();
    platform::widgets::CentreWindow(*window);
    window->show();
    // The tip's load sets the menu's check mark, also when the tip is off and never shows.
    step("showing the start-up tip", [&window] { ShowStartupTip(window->mnuTipsShow, window.get()); });
    return window;
}

} // namespace merrow
