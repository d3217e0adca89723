#include "merrowedit/windows/Mwr_Rec.h"
#include "merrowedit/windows/ProgramFiles.h"
#include "merrowedit/windows/Startup.h"
#include "platform/FileCheck.h"
#include "platform/Services.h"
#include "platform/qt/QtServices.h"
#include "platform/qt/QtSound.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>

int main(int argc, char** argv)
{
    if (platform::fileCheckRequested(argc, argv)) {
        QCoreApplication app(argc, argv);
        return merrow::CheckProgramFiles();
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("merrowedit"));
    QGuiApplication::setDesktopFileName(QStringLiteral("merrowedit"));
    platform::installQtServices();
    platform::QtSound sound;   // goes before the application does
    platform::services().sound = &sound;
    const std::unique_ptr<merrow::Mwr_Rec> window = merrow::Main();
    if (!window)
        return 0;   // another copy is running
    return app.exec();
}
