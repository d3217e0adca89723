#include "quillonedit/mainwindow/Main.h"

#include "platform/Services.h"
#include "platform/WholeFile.h"
#include "platform/widgets/Windows.h"
#include "quillonedit/mainwindow/frmSplash.h"

#include <QApplication>
#include <QIcon>
#include <QtGlobal>

#include <exception>

namespace quillon {

bool StartUpStep(const QString& step, const std::function<void()>& work)
{
    try {
        work();
        return true;
    } catch (const std::exception& e) {
        const QString text = QStringLiteral("Start-up step failed: ") + step + QStringLiteral("\n")
            + QString::fromLocal8Bit(e.what());
        try {
            platform::msgBox(text, platform::MsgButtons::OK, platform::MsgIcon::Exclamation, QStringLiteral("Quillon"));
        } catch (const std::exception&) {
            qWarning("%s", qPrintable(text));
        }
        return false;
    }
}

std::unique_ptr<MDIForm1> Main()
{
    // A file-size limit fails a write (a printed PDF, a save) with the system's words.
    platform::KeepRunningPastFileSizeLimit();
    // Every window of the editor, those without a parent too, shows the editor's own icon.
    QApplication::setWindowIcon(ProgramIcon());
    frmSplash splash;
    splash.Tag = QStringLiteral("0");
    splash.setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    splash.adjustSize();
    platform::widgets::CentreWindow(splash);
    splash.show();

    // On the monotonic clock, so a start just before midnight still ends its wait.
    StartUpStep(QStringLiteral("splash"), [] { platform::waitUntil([] { return false; }, kSplashMinimumMs); });

    auto window = std::make_unique<MDIForm1>();
    bool anotherCopy = false;
    StartUpStep(QStringLiteral("main window"), [&] { anotherCopy = !window->MDIForm_Load(); });
    if (anotherCopy)
        return nullptr;
    window->StartUp();
    splash.close();
    window->show();
    return window;
}

} // namespace quillon
