#include "merrowedit/windows/Mwr_Rec.h"
#include "merrowedit/windows/Startup.h"
#include "platform/Services.h"
#include "platform/qt/QtServices.h"
#include "platform/qt/QtSound.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("merrowedit"));
    platform::installQtServices();
    platform::QtSound sound;   // goes before the application does
    platform::services().sound = &sound;
    const std::unique_ptr<merrow::Mwr_Rec> window = merrow::Main();
    return app.exec();
}
