// The real settings store on an INI file in a temporary folder, as a user may have edited it.
#include "platform/Services.h"
#include "platform/qt/QtServices.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace platform;

TEST(QtSettingsStore, HandEditedValuesReadBackAsTheTextsTheyShow)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    const Services saved = services();
    installQtServices();
    SettingsStore& store = *services().settings;

    struct Row { const char* line; const char* expected; };
    const Row rows[] = {
        {"UserStationID=AB,CD", "AB,CD"},
        {"UserStationID=A,B,C,", "A,B,C,"},
        {"UserStationID=\"AB,CD\"", "AB,CD"},
        {"UserStationID=WXK/42", "WXK/42"},
        {"UserStationID=", ""},
    };
    for (const Row& r : rows) {
        QFile ini(dir.filePath("Merrow/Merrow.ini"));
        ASSERT_TRUE(QDir().mkpath(dir.filePath("Merrow")));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ini.write(QByteArray("[EDITOR]\n") + r.line + "\n");
        ini.close();
        EXPECT_EQ(store.get("Merrow", "EDITOR", "UserStationID", "default").toStdString(), r.expected) << r.line;
    }
    // What the store writes itself reads back unchanged, commas included.
    ASSERT_TRUE(store.save("Merrow", "EDITOR", "UserStationID", "X,Y Z"));
    EXPECT_EQ(store.get("Merrow", "EDITOR", "UserStationID", "default").toStdString(), "X,Y Z");
    EXPECT_EQ(store.get("Merrow", "EDITOR", "Missing", "default").toStdString(), "default");
    services() = saved;
}
