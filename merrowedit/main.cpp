#include "merrowedit/windows/Mwr_Rec.h"
#include "merrowedit/windows/Startup.h"
#include "platform/qt/QtServices.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("merrowedit"));
    platform::installQtServices();
    const std::unique_ptr<merrow::Mwr_Rec> window = merrow::Main();
    return app.exec();
}
