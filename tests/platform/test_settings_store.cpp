// The real settings store on an INI file in a temporary folder, as a user may have edited it.
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
#include <sys/stat.h>
#include <unistd.h>

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
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path()));
    }
    void TearDown() override
    {
        services() = saved;
        if (savedConfigHome.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", savedConfigHome);
    }
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
    const QByteArray savedConfigHome = qgetenv("XDG_CONFIG_HOME");
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
        EXPECT_EQ(read("Merrow", "EDITOR", "UserStationID", "default").toStdString(), r.expected) << r.line;
    }
    // What the store writes itself reads back unchanged, commas included.
    ASSERT_TRUE(store.save("Merrow", "EDITOR", "UserStationID", "X,Y Z"));
    EXPECT_EQ(read("Merrow", "EDITOR", "UserStationID", "default").toStdString(), "X,Y Z");
    EXPECT_EQ(read("Merrow", "EDITOR", "Missing", "default").toStdString(), "default");
}

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

// Whatever file the store reads, it can save again: lines of every kind, keys before any section,
// keys of binary bytes, typed values it cannot take apart. Each save holds every value saved,
// read back; a line with no key goes, every other line stays as it was.
TEST_F(QtSettingsStore, EveryFileThatLoadsCanBeSavedAgain)
{
    const QString ini = dir.filePath("Quillon/Quillon.ini");
    ASSERT_TRUE(QDir().mkpath(dir.filePath("Quillon")));
    std::vector<QByteArray> files = {
        "",
        "=1\n[Printer]\nFontName=Courier\n",
        "[Printer]\n=1\n",
        "Top=1\n[Printer]\nFontSize=12\n",
        "[Printer]\nFontSize=@Variant(\\0\\0\\0\\x6\\x7f\\xf8\\0\\0\\0\\0\\0\\0)\n",
        "[Projects]\n\x01\xff\xfe=2\n\xc3(=3\nFile1=/a.001\n",
        "[Pr\xffnter]\nFontName=x\n[\n]\n[Printer\n",
        "[Projects]\r\nFile1=\"unterminated\r\nFile2=a\\\r\n;comment\r\nno equals here\r\n",
        "[Printer]\nFontName=@Invalid()\nFontSize=@ByteArray(\xff)\n[General]\nk=v",
        // A typed list that claims four billion entries.
        "[Printer]\nFontName=@Variant(\\0\\0\\0\\xb\\0\\xff\\xff\\xff\\xff)\n",
    };
    // And files made of the pieces such files are made of, at random but the same every run.
    const QByteArray pieces[] = {"[", "]", "Printer", "Projects", "=", "1", "FontName", "File1", "@Variant(",
                                 "@Variant(\\0\\0\\0\\x6\\x7f\\xf8\\0\\0\\0\\0\\0\\0)", "@ByteArray(", "@",
                                 ")", "\"", "\\", "\\x", ",", ";", " ", "\t", "%", "%U", "%4", "\x01", "\xff", "\xc3",
                                 "\xc3\xa9", "\r", "\0"};
    std::mt19937 random(20261210);
    for (int n = 0; n < 150; ++n) {
        QByteArray file;
        const int lines = static_cast<int>(random() % 10);
        for (int l = 0; l < lines; ++l) {
            const int parts = static_cast<int>(random() % 6);
            for (int p = 0; p < parts; ++p)
                file += pieces[random() % std::size(pieces)];
            file += random() % 4 ? "\n" : "\r\n";
        }
        files.push_back(file);
    }
    const std::vector<Setting> values = {{"Printer", "FontName", "Déjà Vu, \"Sans\"; x = y"},
                                         {"Printer", "FontSize", " 10.5 "},
                                         {"Projects", "File1", "@/home/a b/site.001"},
                                         {"Projects", "File2", QString("tab\there\x01" "1\\") + QChar(0xD800) + "A"},
                                         {"Projects", "File3", ""}};
    for (const QByteArray& file : files) {
        const std::string shown = file.toPercentEncoding(" []=;,@()\"").toStdString();
        ASSERT_TRUE(writeAll(ini, file));
        for (const Setting& s : values)
            read("Quillon", s.section, s.key, "-");   // reads, whatever the file holds
        const WriteResult saved = store.saveAll("Quillon", values);
        ASSERT_TRUE(saved.ok) << shown << ": " << saved.error.toStdString();
        for (const Setting& s : values)
            EXPECT_EQ(read("Quillon", s.section, s.key, "-"), s.value) << shown << " " << s.key.toStdString();
        // And again over what it wrote itself.
        const QByteArray written = readAll(ini);
        EXPECT_TRUE(store.saveAll("Quillon", values).ok) << shown;
        EXPECT_EQ(readAll(ini), written) << shown;
    }
    // What the user typed around the values stays.
    ASSERT_TRUE(writeAll(ini, "; mine\n[Printer]\nFontName=Courier ; kept\nOther = x\n\n[Extra]\nKey=1\n"));
    ASSERT_TRUE(store.saveAll("Quillon", {{"Printer", "FontName", "Arial"}, {"Projects", "File1", "/p.001"}}).ok);
    EXPECT_EQ(readAll(ini).toStdString(), "; mine\n[Printer]\nFontName=Arial\nOther = x\n\n[Extra]\nKey=1\n\n"
                                          "[Projects]\nFile1=/p.001\n");
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

} // namespace
