#include "quillonedit/mainwindow/Main.h"

#include "platform/Services.h"
#include "platform/widgets/Windows.h"
#include "quillonedit/mainwindow/frmSplash.h"

namespace quillon {

std::unique_ptr<MDIForm1> Main()
{
    frmSplash splash;
    splash.Tag = QStringLiteral("0");
    splash.setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    splash.adjustSize();
    platform::widgets::CentreWindow(splash);
    splash.show();

    // On the monotonic clock, so a start just before midnight still ends its wait.
    platform::waitUntil([] { return false; }, kSplashMinimumMs);

    auto window = std::make_unique<MDIForm1>();
    if (!window->MDIForm_Load())
        return nullptr;
    window->StartUp();
    splash.close();
    window->show();
    return window;
}

} // namespace quillon
