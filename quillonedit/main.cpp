#include "platform/FileCheck.h"
#include "platform/qt/QtServices.h"
#include "quillonedit/mainwindow/Main.h"
#include "quillonedit/mainwindow/ProgramFiles.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>

int main(int argc, char** argv)
{
    if (platform::fileCheckRequested(argc, argv)) {
        QCoreApplication app(argc, argv);
        return quillon::CheckProgramFiles();
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quillonedit"));
    QGuiApplication::setDesktopFileName(QStringLiteral("quillonedit"));
    platform::installQtServices();
    const std::unique_ptr<quillon::MDIForm1> window = quillon::Main();
    if (!window)
        return 0;   // another copy is running
    return app.exec();
}
