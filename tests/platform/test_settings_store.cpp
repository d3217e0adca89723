// The real settings store on an INI file in a temporary folder, as a user may have edited it.
#include "platform/Services.h"
#include "platform/WholeFile.h"
#include "platform/qt/QtServices.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "tests/support/FileSizeLimit.h"

using namespace platform;

namespace {

// The real services, with the per-user INI files in a scratch folder; put back afterwards.
class QtSettingsStore : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    }
    void TearDown() override { services() = saved; }
    static SettingsStore& installed()
    {
        installQtServices();
        return *services().settings;
    }
    QTemporaryDir dir;
    const Services saved = services();
    SettingsStore& store = installed();
};

TEST_F(QtSettingsStore, HandEditedValuesReadBackAsTheTextsTheyShow)
{
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
}

// A save is whole or reported. A line the INI reader could not parse is no failure: the file is
// written again without it. A write that fails, injected or for a full disk, is reported and
// leaves the old file byte for byte.
TEST_F(QtSettingsStore, ASaveIsWholeOrReported)
{    const QString ini = dir.filePath("Merrow/Merrow.ini");
    EXPECT_EQ(store.location("Merrow"), ini);
    const auto onDisk = [&ini] {
        QFile f(ini);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    };
    ASSERT_TRUE(QDir().mkpath(dir.filePath("Merrow")));
    {
        QFile f(ini);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[EDITOR]\nSerialPort=2\nmalformed line without equals\n");
    }
    const WriteResult fixed =
        store.saveAll("Merrow", {{"EDITOR", "UserStationID", "AB"}, {"TIMERS", "PreVoiceAnnc", "4"}});
    EXPECT_TRUE(fixed.ok) << fixed.error.toStdString();
    const QByteArray good = onDisk();
    EXPECT_FALSE(good.contains("malformed")) << good.toStdString();
    EXPECT_EQ(store.get("Merrow", "EDITOR", "SerialPort", "-").toStdString(), "2");
    EXPECT_EQ(store.get("Merrow", "EDITOR", "UserStationID", "-").toStdString(), "AB");
    EXPECT_EQ(store.get("Merrow", "TIMERS", "PreVoiceAnnc", "-").toStdString(), "4");

    setWriteFaultForTests([&ini](const QString& target) { return target == ini ? EIO : 0; });
    const WriteResult failed = store.saveAll("Merrow", {{"EDITOR", "UserStationID", "CHANGED"}});
    setWriteFaultForTests({});
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(failed.error, QString::fromLocal8Bit(std::strerror(EIO)));
    EXPECT_EQ(onDisk(), good);

    const bool savedWhenFull = [this] {
        const FileSizeLimit full(16);
        return store.save("Merrow", "EDITOR", "UserStationID", "FULL");
    }();
    EXPECT_FALSE(savedWhenFull);
    EXPECT_EQ(onDisk(), good);
    EXPECT_EQ(store.get("Merrow", "EDITOR", "UserStationID", "-").toStdString(), "AB");
    EXPECT_TRUE(QDir(dir.filePath("Merrow")).entryList(QDir::Files) == QStringList{"Merrow.ini"});
}

} // namespace
