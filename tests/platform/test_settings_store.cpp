// The real settings store on an INI file in a temporary folder, as a user may have edited it.
#include "platform/ReadFile.h"
#include "platform/Services.h"
#include "platform/WholeFile.h"
#include "platform/qt/QtServices.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <functional>
#include <future>
#include <random>
#include <thread>

#include <fcntl.h>
#include <sys/fsuid.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/support/EnvironmentVariable.h"
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
    // One value, as a start reads it.
    QString read(const QString& app, const QString& section, const QString& key, const QString& def)
    {
        return store.load(app)->get(section, key, def);
    }
    static SettingsStore& installed()
    {
        installQtServices();
        return *services().settings;
    }
    QTemporaryDir dir;
    const EnvironmentVariable configHome{"XDG_CONFIG_HOME", QFile::encodeName(dir.path())};
    const Services saved = services();
    SettingsStore& store = installed();
};

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

bool writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// Runs `f` on a thread of its own. A call still waiting after two seconds (to open a pipe no one
// writes to) is let go by opening the pipe for writing, and counts as hung.
bool returnsInTime(const std::function<void()>& f, const QString& pipe)
{
    std::promise<void> done;
    std::future<void> finished = done.get_future();
    std::thread worker([&] {
        f();
        done.set_value();
    });
    const bool inTime = finished.wait_for(std::chrono::seconds(2)) == std::future_status::ready;
    while (finished.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready) {
        const int fd = ::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0)
            ::close(fd);
    }
    worker.join();
    return inTime;
}

// A pipe or a folder in the settings file's place is never opened: the defaults are read, and a
// save says why it cannot replace it, and leaves it.
TEST_F(QtSettingsStore, ASettingsFileThatIsNoRegularFileGivesTheDefaultsAndASaveSaysWhy)
{
    const QString ini = dir.filePath("Merrow/Merrow.ini");
    ASSERT_TRUE(QDir().mkpath(dir.filePath("Merrow")));
    struct Row {
        const char* what;
        std::function<bool()> make;
        QString reason;
        mode_t type;
    };
    const Row rows[] = {
        {"a pipe", [&ini] { return ::mkfifo(QFile::encodeName(ini).constData(), 0600) == 0; }, "Not a regular file", S_IFIFO},
        {"a folder", [&ini] { return QDir().mkpath(ini); }, QString::fromLocal8Bit(std::strerror(EISDIR)), S_IFDIR},
    };
    for (const Row& r : rows) {
        ASSERT_TRUE(r.make()) << r.what;
        QString port;
        WriteResult saved;
        EXPECT_TRUE(returnsInTime(
            [&] {
                port = read("Merrow", "EDITOR", "SerialPort", "1");
                saved = store.saveAll("Merrow", {{"EDITOR", "SerialPort", "2"}});
            },
            ini))
            << r.what;
        EXPECT_EQ(port.toStdString(), "1") << r.what;
        EXPECT_FALSE(saved.ok) << r.what;
        EXPECT_EQ(saved.error.toStdString(), r.reason.toStdString()) << r.what;
        struct stat st {};
        EXPECT_TRUE(::stat(QFile::encodeName(ini).constData(), &st) == 0 && (st.st_mode & S_IFMT) == r.type) << r.what;
        EXPECT_TRUE(QDir(ini).exists() ? QDir(ini).removeRecursively() : QFile::remove(ini)) << r.what;
    }
}

// The settings are read to a bound of 1 MiB: a bigger file is not read (the defaults are used)
// and is not replaced.
TEST_F(QtSettingsStore, AFileBeyondTheBoundIsNotReadNorReplaced)
{
    const QString ini = dir.filePath("Merrow/Merrow.ini");
    ASSERT_TRUE(QDir().mkpath(dir.filePath("Merrow")));
    QByteArray big = "[EDITOR]\nSerialPort=3\n";
    while (big.size() <= 1024 * 1024)
        big += "; " + QByteArray(78, 'x') + '\n';
    ASSERT_TRUE(writeAll(ini, big));
    EXPECT_EQ(read("Merrow", "EDITOR", "SerialPort", "1").toStdString(), "1");
    const WriteResult saved = store.saveAll("Merrow", {{"EDITOR", "SerialPort", "2"}});
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.error, QString::fromLocal8Bit(std::strerror(EFBIG)));
    EXPECT_TRUE(readAll(ini) == big) << "the file was replaced";

    // Just within the bound it is read.
    ASSERT_TRUE(writeAll(ini, big.left(1024 * 1024)));
    EXPECT_EQ(read("Merrow", "EDITOR", "SerialPort", "1").toStdString(), "3");
}

// For the length of a check this thread acts on the file system as a user with no rights of root's.
class WithoutRootsRights {
public:
    WithoutRootsRights()
    {
        if (::geteuid() == 0) {
            ::setfsgid(65534);
            ::setfsuid(65534);
        }
    }
    ~WithoutRootsRights()
    {
        if (::geteuid() == 0) {
            ::setfsuid(0);
            ::setfsgid(0);
        }
    }
};

// A failed save names the real cause: the file-size limit, not the file's form; a settings folder
// that cannot be made, not the file that is then missing.
TEST_F(QtSettingsStore, AFailedSaveNamesItsCause)
{
    const WriteResult full = [this] {
        const FileSizeLimit limit(16);
        return store.saveAll("Merrow", {{"EDITOR", "UserStationID", "FULL"}});
    }();
    EXPECT_FALSE(full.ok);
    EXPECT_EQ(full.error, QString::fromLocal8Bit(std::strerror(EFBIG)));

    // The folder above may be searched but not written to.
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup
                                                      | QFileDevice::ExeGroup | QFileDevice::ReadOther
                                                      | QFileDevice::ExeOther));
    const WriteResult noFolder = [this] {
        const WithoutRootsRights asUser;
        return store.saveAll("Quillon", {{"Printer", "FontName", "X"}});
    }();
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    EXPECT_FALSE(noFolder.ok);
    EXPECT_EQ(noFolder.error, QString::fromLocal8Bit(std::strerror(EACCES)));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("Quillon")));
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
    EXPECT_EQ(read("Merrow", "EDITOR", "SerialPort", "-").toStdString(), "2");
    EXPECT_EQ(read("Merrow", "EDITOR", "UserStationID", "-").toStdString(), "AB");
    EXPECT_EQ(read("Merrow", "TIMERS", "PreVoiceAnnc", "-").toStdString(), "4");

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
    EXPECT_EQ(read("Merrow", "EDITOR", "UserStationID", "-").toStdString(), "AB");
    EXPECT_TRUE(QDir(dir.filePath("Merrow")).entryList(QDir::Files) == QStringList{"Merrow.ini"});
}

// One load reads the file once, and every value asked of it comes from that one version, even
// while the file is replaced meanwhile.
TEST_F(QtSettingsStore, OneLoadReadsOneVersionOfTheFile)
{
    const QString ini = dir.filePath("Merrow/Merrow.ini");
    ASSERT_TRUE(QDir().mkpath(dir.filePath("Merrow")));
    ASSERT_TRUE(writeAll(ini, "[EDITOR]\nSerialPort=2\nStateID=9\n"));
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(::inotify_add_watch(watch, QFile::encodeName(dir.filePath("Merrow")).constData(), IN_OPEN), 0);
    const auto stored = store.load("Merrow");
    EXPECT_EQ(stored->get("EDITOR", "SerialPort", "1").toStdString(), "2");
    ASSERT_TRUE(WriteWholeFile(ini, "[EDITOR]\nSerialPort=3\nStateID=10\n").ok);
    EXPECT_EQ(stored->get("EDITOR", "StateID", "8").toStdString(), "9");
    EXPECT_EQ(stored->get("EDITOR", "Missing", "-").toStdString(), "-");
    int opens = 0;
    alignas(inotify_event) char events[4096];
    for (ssize_t n; (n = ::read(watch, events, sizeof events)) > 0;)
        for (ssize_t at = 0; at < n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(events + at);
            opens += event->len > 0 && QByteArray(event->name) == "Merrow.ini" ? 1 : 0;
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    ::close(watch);
    EXPECT_EQ(opens, 1);
    EXPECT_EQ(read("Merrow", "EDITOR", "StateID", "8").toStdString(), "10");
}

// A save never writes a file the next start would refuse to read: one that would grow past the
// bound is refused with the reason, and the old file stays and reads as before.
TEST_F(QtSettingsStore, ASaveThatWouldPassTheBoundIsRefused)
{
    const QString ini = dir.filePath("Merrow/Merrow.ini");
    ASSERT_TRUE(QDir().mkpath(dir.filePath("Merrow")));
    QByteArray full = "[EDITOR]\nSerialPort=3\nUserStationID=AB\n";
    while (full.size() < 1024 * 1024 - 81)
        full += "; " + QByteArray(78, 'x') + '\n';
    full += QByteArray(1024 * 1024 - full.size() - 1, ';') + '\n';
    ASSERT_EQ(full.size(), 1024 * 1024);
    ASSERT_TRUE(writeAll(ini, full));
    const WriteResult grown = store.saveAll("Merrow", {{"EDITOR", "UserStationID", "ABC"}});
    EXPECT_FALSE(grown.ok);
    EXPECT_EQ(grown.error, SystemReason(EFBIG));
    EXPECT_TRUE(readAll(ini) == full) << "the file was replaced";
    EXPECT_EQ(read("Merrow", "EDITOR", "SerialPort", "1").toStdString(), "3");
    // Within the bound it is saved.
    const WriteResult same = store.saveAll("Merrow", {{"EDITOR", "UserStationID", "CD"}});
    EXPECT_TRUE(same.ok) << same.error.toStdString();
    EXPECT_EQ(read("Merrow", "EDITOR", "UserStationID", "-").toStdString(), "CD");
}

// A settings file its owner may not write is not replaced, even by root, who could: the save
// gives the system's reason, and the file stays as it was.
TEST_F(QtSettingsStore, AProtectedFileIsNotReplaced)
{
    const QString ini = dir.filePath("Quillon/Quillon.ini");
    ASSERT_TRUE(QDir().mkpath(dir.filePath("Quillon")));
    const QByteArray before = "[Printer]\nFontName=Courier\n";
    ASSERT_TRUE(writeAll(ini, before));
    const QFileDevice::Permissions readOnly = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    ASSERT_TRUE(QFile::setPermissions(ini, readOnly));
    const WriteResult saved = store.saveAll("Quillon", {{"Printer", "FontName", "Arial"}});
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.error, SystemReason(EACCES));
    EXPECT_TRUE(readAll(ini) == before);
    struct stat st {};
    EXPECT_TRUE(::stat(QFile::encodeName(ini).constData(), &st) == 0 && (st.st_mode & 07777) == 0444);
    ASSERT_TRUE(QFile::setPermissions(ini, readOnly | QFileDevice::WriteOwner));
    EXPECT_TRUE(store.saveAll("Quillon", {{"Printer", "FontName", "Arial"}}).ok);
}

// A relative $XDG_CONFIG_HOME is ignored: the settings are in ~/.config wherever the program starts.
TEST_F(QtSettingsStore, ARelativeConfigFolderIsIgnored)
{
    const QString location = [this] {
        const EnvironmentVariable home("HOME", QFile::encodeName(dir.path()));
        const EnvironmentVariable relative("XDG_CONFIG_HOME", "relative/config");
        return store.location("Merrow");
    }();
    EXPECT_EQ(location, dir.path() + "/.config/Merrow/Merrow.ini");
}

} // namespace
