#include "platform/qt/QtServices.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    platform::installQtServices();
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Merrow"));
    window.show();
    return app.exec();
}
