// The checked reader and the whole-file writer against what may stand in a file's place: pipes,
// folders, links, huge files, files that change under the reader, other users' leftovers, failed
// folder syncs and a file-size limit.
#include "platform/ReadFile.h"
#include "platform/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "tests/support/BlockGuard.h"
#include "tests/support/QStringPrinter.h"

using namespace platform;

namespace {

QByteArray encoded(const QString& path)
{
    return QFile::encodeName(path);
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

void appendBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Append));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

// The bytes this process has read so far, as the kernel counts them.
qint64 bytesRead()
{
    const QByteArray io = readBytes(QStringLiteral("/proc/self/io"));
    for (const QByteArray& line : io.split('\n'))
        if (line.startsWith("rchar:"))
            return line.mid(6).trimmed().toLongLong();
    return -1;
}

// Takes the hook out however a test ends.
class ReadStageHook {
public:
    explicit ReadStageHook(std::function<void(ReadStage, const QString&)> hook)
    {
        setReadStageForTests(std::move(hook));
    }
    ~ReadStageHook() { setReadStageForTests({}); }
    ReadStageHook(const ReadStageHook&) = delete;
    ReadStageHook& operator=(const ReadStageHook&) = delete;
};

class CheckedReader : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString path(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

TEST_F(CheckedReader, PlainFilesLinksAndWhatIsNoFile)
{
    writeBytes(path("plain"), "twelve bytes");
    ASSERT_TRUE(QFile::link(path("plain"), path("link")));
    ASSERT_TRUE(QFile::link(path("nothing"), path("dangling")));
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    struct Row {
        const char* name;
        Links links;
        ReadStatus status;
        QString reason;
    };
    const Row rows[] = {
        {"plain", Links::Refuse, ReadStatus::Read, ""},
        {"link", Links::Follow, ReadStatus::Read, ""},
        {"link", Links::Refuse, ReadStatus::NotAFile, "A symbolic link"},
        {"dangling", Links::Follow, ReadStatus::Missing, SystemReason(ENOENT)},
        {"dangling", Links::Refuse, ReadStatus::NotAFile, "A symbolic link"},
        {"nothing", Links::Follow, ReadStatus::Missing, SystemReason(ENOENT)},
        {"plain/below", Links::Follow, ReadStatus::Missing, SystemReason(ENOTDIR)},
        {"folder", Links::Follow, ReadStatus::NotAFile, "Is a directory"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const ReadResult read = ReadWholeFile(path(r.name), 100, r.links);
        EXPECT_EQ(read.status, r.status);
        EXPECT_EQ(read.reason, r.reason);
        EXPECT_EQ(read.bytes, r.status == ReadStatus::Read ? QByteArray("twelve bytes") : QByteArray());
    }
    EXPECT_EQ(SystemReason(ENOENT), "No such file or directory");
}

// A pipe is never opened: its writer, waiting for a reader, goes on waiting, and the reader
// neither blocks nor takes what the writer has to say.
TEST_F(CheckedReader, APipeWithAWriterWaitingIsNeverOpened)
{
    const QByteArray fifo = encoded(path("pipe"));
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    const pid_t writer = ::fork();
    ASSERT_GE(writer, 0);
    if (writer == 0) {
        ::alarm(20);   // never outlives the test
        const int fd = ::open(fifo.constData(), O_WRONLY);
        _exit(fd >= 0 && ::write(fd, "x", 1) == 1 ? 0 : 2);
    }
    ::usleep(100 * 1000);   // the writer waits in its open by now
    ReadResult read;
    {
        const BlockGuard guard;
        read = ReadWholeFile(path("pipe"), 100);
    }
    EXPECT_EQ(read.status, ReadStatus::NotAFile);
    EXPECT_EQ(read.reason, "Not a regular file");
    ::usleep(100 * 1000);
    int status = 0;
    EXPECT_EQ(::waitpid(writer, &status, WNOHANG), 0) << "the pipe was opened";

    // Let the writer go.
    const int fd = ::open(fifo.constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(fd, 0);
    ::waitpid(writer, &status, 0);
    ::close(fd);
}

// A file of 3 GB (sparse, so it takes no room) is refused from its size alone: nothing of it is
// read.
TEST_F(CheckedReader, AHugeFileIsTooLargeWithoutBeingRead)
{
    const QString huge = path("huge");
    {
        QFile f(huge);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(3ll << 30));
    }
    const qint64 before = bytesRead();
    const ReadResult whole = ReadWholeFile(huge, 1 << 20);
    const ReadResult exact = ReadExactFile(huge, 32768);
    const qint64 after = bytesRead();
    EXPECT_EQ(whole.status, ReadStatus::TooLarge);
    EXPECT_EQ(whole.reason, "File too large");
    EXPECT_EQ(exact.status, ReadStatus::WrongSize);
    EXPECT_EQ(exact.reason, "3221225472 bytes long, not 32768");
    if (before >= 0) {
        EXPECT_LT(after - before, 64 * 1024) << "the huge file was read";
    }
}

TEST_F(CheckedReader, AnExactSizeIsExactlyThatSize)
{
    struct Row {
        qsizetype size;
        ReadStatus status;
        QString reason;
    };
    const Row rows[] = {
        {4095, ReadStatus::WrongSize, "4095 bytes long, not 4096"},
        {4096, ReadStatus::Read, ""},
        {4097, ReadStatus::WrongSize, "4097 bytes long, not 4096"},
        {0, ReadStatus::WrongSize, "0 bytes long, not 4096"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.size);
        writeBytes(path("page"), QByteArray(r.size, 'p'));
        const ReadResult read = ReadExactFile(path("page"), 4096);
        EXPECT_EQ(read.status, r.status);
        EXPECT_EQ(read.reason, r.reason);
        EXPECT_EQ(read.bytes.size(), r.status == ReadStatus::Read ? 4096 : 0);
    }
}

// What was looked at is not what is opened, or not what is read: the file was swapped for a pipe
// (which no writer will ever open), a folder or a link, or it grew or shrank. Each is refused for
// what it has become, and nothing blocks.
TEST_F(CheckedReader, AFileThatChangesUnderTheReaderIsTakenForWhatItBecame)
{
    const QString file = path("file");
    const QString other = path("other");
    writeBytes(other, QByteArray(20, 'o'));
    const auto swap = [&file](const std::function<int(const QByteArray&)>& make) {
        return [&file, make] {
            ASSERT_EQ(::unlink(encoded(file).constData()), 0);
            ASSERT_EQ(make(encoded(file)), 0);
        };
    };
    struct Row {
        const char* what;
        ReadStage stage;
        bool exact;      // ReadExactFile(file, 10); otherwise ReadWholeFile(file, 10)
        Links links;
        std::function<void()> change;
        ReadStatus status;
        QString reason;
    };
    const Row rows[] = {
        {"swapped for a pipe", ReadStage::Looked, false, Links::Follow,
         swap([](const QByteArray& name) { return ::mkfifo(name.constData(), 0600); }), ReadStatus::NotAFile,
         "Not a regular file"},
        {"swapped for a folder", ReadStage::Looked, false, Links::Follow,
         swap([](const QByteArray& name) { return ::mkdir(name.constData(), 0700); }), ReadStatus::NotAFile,
         "Is a directory"},
        {"swapped for a link where links are refused", ReadStage::Looked, false, Links::Refuse,
         swap([&other](const QByteArray& name) { return ::symlink(encoded(other).constData(), name.constData()); }),
         ReadStatus::NotAFile, "A symbolic link"},
        {"grown past the bound before the open", ReadStage::Looked, false, Links::Follow,
         [&file] { appendBytes(file, "more"); }, ReadStatus::TooLarge, "File too large"},
        {"grown past the bound after the open", ReadStage::Opened, false, Links::Follow,
         [&file] { appendBytes(file, "more"); }, ReadStatus::TooLarge, "File too large"},
        {"grown after the open, exact size", ReadStage::Opened, true, Links::Follow,
         [&file] { appendBytes(file, "more"); }, ReadStatus::WrongSize, "14 bytes long, not 10"},
        {"shrunk after the open, exact size", ReadStage::Opened, true, Links::Follow,
         [&file] { ASSERT_EQ(::truncate(encoded(file).constData(), 3), 0); }, ReadStatus::WrongSize,
         "3 bytes long, not 10"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        QFile::remove(file);
        QDir(file).removeRecursively();
        writeBytes(file, "ten bytes.");
        int changes = 0;
        ReadResult read;
        {
            const ReadStageHook hook([&](ReadStage stage, const QString& p) {
                if (stage == r.stage && p == file && changes++ == 0)
                    r.change();
            });
            const BlockGuard guard;
            read = r.exact ? ReadExactFile(file, 10, r.links) : ReadWholeFile(file, 10, r.links);
        }
        EXPECT_EQ(changes, 1);
        EXPECT_EQ(read.status, r.status);
        EXPECT_EQ(read.reason, r.reason);
        EXPECT_TRUE(read.bytes.isEmpty());
    }
}

// ---- the writer -------------------------------------------------------------------------

class Writer : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    void TearDown() override { setFolderSyncFaultForTests({}); }
    QString path(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

// The temporary files a cut-off save left go at the next save, but only this user's plain files:
// a link of such a name stays (and so does what it leads to).
TEST_F(Writer, OnlyThisUsersPlainLeftoversGo)
{
    writeBytes(path("Merrow.ini.AbC123.qm-saving"), "left by a save cut off");
    writeBytes(path("precious"), "the user's");
    ASSERT_TRUE(QFile::link(path("precious"), path("Merrow.ini.XyZ789.qm-saving")));
    ASSERT_TRUE(WriteWholeFile(path("Merrow.ini"), "[EDITOR]\n"));
    EXPECT_FALSE(QFileInfo::exists(path("Merrow.ini.AbC123.qm-saving")));
    EXPECT_TRUE(QFileInfo(path("Merrow.ini.XyZ789.qm-saving")).isSymLink());
    EXPECT_EQ(readBytes(path("precious")), "the user's");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::System),
              (QStringList{"Merrow.ini", "Merrow.ini.XyZ789.qm-saving", "precious"}));
}

// In a folder several users write to, another user's temporary file (of a save of theirs under
// way) is theirs to clear, never ours.
TEST_F(Writer, AnotherUsersLeftoverStays)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can give a file to another user";
    const QString theirs = path("Merrow.ini.AbC123.qm-saving");
    writeBytes(theirs, "another user's save under way");
    ASSERT_EQ(::chown(encoded(theirs).constData(), 65534, 65534), 0);
    ASSERT_TRUE(WriteWholeFile(path("Merrow.ini"), "[EDITOR]\n"));
    EXPECT_EQ(readBytes(theirs), "another user's save under way");
}

// A save is stored only once the folder holding its name is synced: a sync that fails fails the
// save with the system's words, though the file has taken its place. A file system that cannot
// sync folders at all (EINVAL) is no failure.
TEST_F(Writer, AFailedFolderSyncFailsTheWrite)
{
    const QString file = path("data.txt");
    struct Row {
        int syncError;
        bool ok;
        QString error;
    };
    const Row rows[] = {
        {EIO, false, "Input/output error"},
        {ENOSPC, false, "No space left on device"},
        {EINVAL, true, ""},
        {0, true, ""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.syncError);
        writeBytes(path("data.txt.AbC123.qm-saving"), "left");
        QStringList synced;
        setFolderSyncFaultForTests([&synced, &r](const QString& folder) {
            synced << folder;
            return r.syncError;
        });
        const QByteArray bytes = "written with sync result " + QByteArray::number(r.syncError);
        const WriteResult written = WriteWholeFile(file, bytes);
        setFolderSyncFaultForTests({});
        EXPECT_EQ(written.ok, r.ok);
        EXPECT_EQ(written.error, r.error);
        EXPECT_EQ(synced, QStringList{dir.path()});
        EXPECT_EQ(readBytes(file), bytes);
        // Only a save that is stored clears what an earlier one left.
        EXPECT_EQ(QFileInfo::exists(path("data.txt.AbC123.qm-saving")), !r.ok);
    }
}

// The programs' start-up makes a write past `ulimit -f` fail with the system's words; without it
// the signal such a write raises ends the process there. The write is made in a child that puts
// the signal back to its default first, as a program starts.
TEST_F(Writer, AFileSizeLimitFailsTheWriteAndTheProgramGoesOn)
{
    const QString file = path("big.txt");
    int out[2];
    ASSERT_EQ(::pipe(out), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(out[0]);
        struct sigaction byDefault {};
        byDefault.sa_handler = SIG_DFL;
        ::sigaction(SIGXFSZ, &byDefault, nullptr);
        KeepRunningPastFileSizeLimit();
        rlimit limit {};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 100;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const WriteResult written = WriteWholeFile(file, QByteArray(4096, 'b'));
        const QByteArray error = written.error.toUtf8();
        const bool told = ::write(out[1], error.constData(), static_cast<size_t>(error.size())) == error.size();
        _exit(!written.ok && told ? 0 : 1);
    }
    ::close(out[1]);
    QByteArray said;
    char buffer[256];
    for (ssize_t n; (n = ::read(out[0], buffer, sizeof buffer)) > 0;)
        said.append(buffer, n);
    ::close(out[0]);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_FALSE(WIFSIGNALED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(said, "File too large");
    EXPECT_FALSE(QFileInfo::exists(file));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

} // namespace
