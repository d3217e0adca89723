#include "merrowedit/windows/Mwr_Rec.h"
#include "merrowedit/windows/ProgramFiles.h"
#include "merrowedit/windows/Startup.h"
#include "platform/qt/FileCheck.h"
#include "platform/qt/QtServices.h"

#include <QApplication>
#include <QGuiApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("merrowedit"));
    QGuiApplication::setDesktopFileName(QStringLiteral("merrowedit"));
    if (platform::fileCheckRequested(QCoreApplication::arguments()))
        return merrow::CheckProgramFiles();
    platform::installQtServices();
    const std::unique_ptr<merrow::Mwr_Rec> window = merrow::Main();
    return app.exec();
}
