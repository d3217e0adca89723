#include "platform/qt/QtServices.h"
#include "quillonedit/mainwindow/Main.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quillonedit"));
    platform::installQtServices();
    const std::unique_ptr<quillon::MDIForm1> window = quillon::Main();
    if (!window)
        return 0;   // another copy is running
    return app.exec();
}
