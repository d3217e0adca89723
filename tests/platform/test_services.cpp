#include "platform/Services.h"
#include "platform/WholeFile.h"
#include "platform/qt/QtServices.h"
#include "platform/testing/ScriptedServices.h"
#include "platform/widgets/Windows.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <cerrno>
#include <cstring>
#include <utility>

#include <QLockFile>

#include <grp.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "tests/support/EnvironmentVariable.h"
#include "tests/support/FileSizeLimit.h"

using namespace platform;

TEST(WaitUntil, ReturnsTrueAsSoonAsThePredicateHoldsAndFalseOnTimeOut)
{
    doubles::ScriptedServices s;
    int calls = 0;
    EXPECT_TRUE(waitUntil([&] { return ++calls >= 3; }, 1000));
    EXPECT_EQ(calls, 3);

    const qint64 start = s.clock.monotonicMs();
    EXPECT_FALSE(waitUntil([] { return false; }, 250));
    EXPECT_GE(s.clock.monotonicMs() - start, 250);
    EXPECT_LT(s.clock.monotonicMs() - start, 250 + 2 * s.eventLoop.stepPerYieldMs);
}

TEST(ScriptedMessageBox, AnswersFromTheScriptThenWithTheDefaultButton)
{
    doubles::ScriptedServices s;
    s.messageBox.answers = {MsgResult::No};
    EXPECT_EQ(msgBox("Save?", MsgButtons::YesNo, MsgIcon::Question, "T"), MsgResult::No);
    EXPECT_EQ(msgBox("Save?", MsgButtons::YesNoCancel, MsgIcon::Question, "T", MsgDefault::Third), MsgResult::Cancel);
    ASSERT_EQ(s.messageBox.shown.size(), 2u);
    EXPECT_EQ(s.messageBox.shown[1].title, "T");
}

// The real box: Esc answers Cancel where the box has one, otherwise its last button, so Esc at
// a "save changes?" question never leaves without saving.
TEST(QtMessageBox, EscapeAnswersCancelWhereOfferedOtherwiseTheLastButton)
{
    const Services saved = services();
    installQtServices();
    const std::pair<MsgButtons, MsgResult> rows[] = {
        {MsgButtons::YesNoCancel, MsgResult::Cancel},
        {MsgButtons::OKCancel, MsgResult::Cancel},
        {MsgButtons::YesNo, MsgResult::No},
        {MsgButtons::OK, MsgResult::OK},
    };
    // The box is also wide enough for its whole title, however short its text.
    const QString title = "Merrow Digital Weather Receiver";
    for (const auto& [buttons, expected] : rows) {
        QTimer escape;
        int width = 0;
        QObject::connect(&escape, &QTimer::timeout, [&width] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                width = box->width();
                QTest::keyClick(box, Qt::Key_Escape);
            }
        });
        escape.start(10);
        EXPECT_EQ(msgBox("Save?", buttons, MsgIcon::Question, title, MsgDefault::First), expected)
            << static_cast<int>(buttons);
        EXPECT_GE(width, widgets::TitleBarWidth(title));
    }
    services() = saved;
}

TEST(ScriptedServices, RestoresThePreviousServicesWhenDestroyed)
{
    doubles::ScriptedServices outer;
    {
        doubles::ScriptedServices inner;
        EXPECT_EQ(services().messageBox, &inner.messageBox);
    }
    EXPECT_EQ(services().messageBox, &outer.messageBox);
}

// Web pages go to xdg-open, whose exit status is its verdict: 3 when it found no browser. Here a
// script of ours stands in for it on PATH.
TEST(QtDesktop, OpenUrlGoesByTheUrlHandlersExitStatus)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const Services saved = services();
    installQtServices();
    const EnvironmentVariable path("PATH", dir.path().toLocal8Bit());
    const QString url = QStringLiteral("https://maker.example/index.html");

    struct Row { const char* name; const char* script; bool opened; bool lingers = false; bool failsLater = false; };
    const Row rows[] = {
        {"a browser took it", "printf %s \"$1\" > \"${0%/*}/seen\"; exit 0", true},
        {"no browser", "exit 3", false},
        {"no handler installed", nullptr, false},
        // Runs the browser itself, which is closed again after a while.
        {"still at work", "/bin/sleep 3; exit 0", true, true},
        {"fails after the wait", "/bin/sleep 3; exit 4", true, true, true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        QFile::remove(dir.filePath("xdg-open"));
        QFile::remove(dir.filePath("seen"));
        if (r.script) {
            QFile script(dir.filePath("xdg-open"));
            ASSERT_TRUE(script.open(QIODevice::WriteOnly));
            script.write(QByteArray("#!/bin/sh\n") + r.script + "\n");
            script.close();
            script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        }
        int lateFailures = 0;
        QElapsedTimer took;
        took.start();
        EXPECT_EQ(services().desktop->openUrl(url, [&] { ++lateFailures; }), r.opened);
        EXPECT_LT(took.elapsed(), 2900) << "the answer does not wait for the browser to close";
        if (r.script && QByteArray(r.script).startsWith("printf")) {
            QFile seen(dir.filePath("seen"));
            ASSERT_TRUE(seen.open(QIODevice::ReadOnly));
            EXPECT_EQ(QString::fromUtf8(seen.readAll()), url);
        }
        // A handler still at work ends with the script's sleep; its verdict then arrives.
        while (r.lingers && took.elapsed() < 4500)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        EXPECT_EQ(lateFailures, r.failsLater ? 1 : 0);
    }
    services() = saved;
}

// Whole-file writes: a real full-disk fault (a file-size limit), an injected EIO, a folder in the
// file's place; each keeps the old bytes and says why. A link is written through.
TEST(WholeFile, AFailedWriteKeepsTheOldFileAndSaysWhy)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("data.txt");
    const QByteArray old(428, 'o');
    ASSERT_TRUE(WriteWholeFile(path, old));
    ASSERT_EQ(QFileInfo(path).permissions() & QFileDevice::WriteOwner, QFileDevice::WriteOwner);
    const auto onDisk = [](const QString& p) {
        QFile f(p);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    };
    const auto leftovers = [&dir] { return QDir(dir.path()).entryList({"*.XXXXXX", "data.txt.*"}, QDir::Files); };

    {   // the disk is full after 100 bytes
        const WriteResult r = [&] {
            const FileSizeLimit full(100);
            return WriteWholeFile(path, QByteArray(4096, 'n'));
        }();
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.error, QString::fromLocal8Bit(std::strerror(EFBIG)));
    }
    EXPECT_EQ(onDisk(path), old);
    EXPECT_TRUE(leftovers().isEmpty()) << leftovers().join(' ').toStdString();

    setWriteFaultForTests([&path](const QString& target) { return target == path ? EIO : 0; });
    const WriteResult io = WriteWholeFile(path, "new");
    setWriteFaultForTests({});
    EXPECT_FALSE(io.ok);
    EXPECT_EQ(io.error, QString::fromLocal8Bit(std::strerror(EIO)));
    EXPECT_EQ(DescribeWriteFailure(path, io.error), path + ": " + io.error);
    EXPECT_EQ(onDisk(path), old);

    ASSERT_TRUE(QDir().mkpath(dir.filePath("folder")));
    EXPECT_FALSE(WriteWholeFile(dir.filePath("folder"), "x").ok);

    // Through a link: the file it leads to is replaced, its permissions kept, the link stays.
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    ASSERT_TRUE(QFile::link(path, dir.filePath("link.txt")));
    ASSERT_TRUE(WriteWholeFile(dir.filePath("link.txt"), "through"));
    EXPECT_TRUE(QFileInfo(dir.filePath("link.txt")).isSymLink());
    EXPECT_EQ(onDisk(path), "through");
    EXPECT_EQ(QFileInfo(path).permissions() & 0x7077u, QFileDevice::ReadOwner | QFileDevice::WriteOwner);   // owner, group, other
    EXPECT_TRUE(leftovers().isEmpty());
}

// A save cut off before its rename leaves its temporary file; the next save of the same file
// removes it. Only names the writer makes go: the user's own files beside it stay.
TEST(WholeFile, LeftoversOfACutOffSaveGoAtTheNextSave)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("Merrow.ini");
    struct Row { const char* name; bool removed; };
    const Row rows[] = {
        {"Merrow.ini.k3J9xQ.qm-saving", true},     // the writer's, since it marks them
        {"Merrow.ini.aaaaaa.qm-saving", true},
        {"Merrow.ini.Ab3xYz", true},               // the writer's, from before it marked them
        {"Merrow.ini.backup", false},              // the user's, six characters too
        {"Merrow.ini.2024v1", false},
        {"Merrow.ini.Backup", false},
        {"Merrow.ini.k3J9xQ.old", false},
        {"Merrow.ini.k3J9x.qm-saving", false},
        {"Other.ini.k3J9xQ.qm-saving", false},     // another file's
    };
    for (const Row& r : rows) {
        QFile f(dir.filePath(r.name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("left");
    }
    ASSERT_TRUE(QFile::link(dir.filePath("Merrow.ini.backup"), dir.filePath("Merrow.ini.Zz9Zz9")));
    ASSERT_TRUE(WriteWholeFile(path, "[EDITOR]\n"));
    for (const Row& r : rows)
        EXPECT_EQ(QFileInfo::exists(dir.filePath(r.name)), !r.removed) << r.name;
    EXPECT_TRUE(QFileInfo(dir.filePath("Merrow.ini.Zz9Zz9")).isSymLink()) << "a link is never taken for one";
    EXPECT_EQ(QFile::symLinkTarget(dir.filePath("Merrow.ini.Zz9Zz9")), dir.filePath("Merrow.ini.backup"));
}

// Saved by root, a user's file stays the user's, with its group and its mode.
TEST(WholeFile, AReplacedFileKeepsItsOwnerAndGroup)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can give a file to another user";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("Merrow.ini");
    ASSERT_TRUE(WriteWholeFile(path, "old"));
    const QByteArray name = QFile::encodeName(path);
    ASSERT_EQ(::chown(name.constData(), 65534, 65533), 0);
    ASSERT_EQ(::chmod(name.constData(), 0640), 0);
    ASSERT_TRUE(WriteWholeFile(path, "new"));
    struct stat st {};
    ASSERT_EQ(::stat(name.constData(), &st), 0);
    EXPECT_EQ(st.st_uid, 65534u);
    EXPECT_EQ(st.st_gid, 65533u);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

// One copy at a time: a lock held by a running copy keeps a second one out; a lock file no live
// process holds never does, whatever it holds.
TEST(QtInstanceLock, OnlyALiveCopyKeepsAnotherOut)
{
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    const EnvironmentVariable xdg("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    const QString file = runtime.filePath("locktest.lock");
    struct Row { const char* what; QByteArray bytes; QFileDevice::Permissions permissions; };
    const Row rows[] = {
        {"an empty lock file", "", QFileDevice::ReadOwner | QFileDevice::WriteOwner},
        {"a lock file of other words", "not a process id\n", QFileDevice::ReadOwner | QFileDevice::WriteOwner},
        {"an unreadable lock file", "1\n", {}},
    };
    for (const Row& r : rows) {
        QFile::remove(file);
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(r.bytes);
        f.close();
        ASSERT_TRUE(f.setPermissions(r.permissions));
        EXPECT_TRUE(makeInstanceLockForTests()->acquire("locktest")) << r.what;
    }
    // One that a user other than root cannot open is no lock at all for the copies below.
    QFile::remove(file);

    // A copy that ended, however it ended, held its lock only while it ran.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0)
        ::_exit(makeInstanceLockForTests()->acquire("locktest") ? 0 : 1);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    auto first = makeInstanceLockForTests();
    EXPECT_TRUE(first->acquire("locktest"));
    EXPECT_FALSE(makeInstanceLockForTests()->acquire("locktest"));
    first.reset();
    EXPECT_TRUE(makeInstanceLockForTests()->acquire("locktest"));
}

// Where the user's runtime folder cannot be had, the lock lies in the temporary folder under a
// name of this user's own: no lock of another user's there keeps the program from starting.
TEST(QtInstanceLock, TheTemporaryFoldersLockIsTheUsersOwn)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const EnvironmentVariable tmpdir("TMPDIR", QFile::encodeName(tmp.path()));
    const EnvironmentVariable xdg("XDG_RUNTIME_DIR", QByteArray());
    // A file where the runtime folder would go: no runtime folder at all.
    const passwd* user = ::getpwuid(::geteuid());
    ASSERT_NE(user, nullptr);
    QFile blocker(tmp.filePath(QStringLiteral("runtime-") + QString::fromLocal8Bit(user->pw_name)));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    // Another user's lock under the name every user shares.
    QLockFile shared(tmp.filePath("locktest.lock"));
    ASSERT_TRUE(shared.tryLock(0));
    auto lock = makeInstanceLockForTests();
    EXPECT_TRUE(lock->acquire("locktest"));
    EXPECT_TRUE(QFileInfo::exists(tmp.filePath(QStringLiteral("locktest-%1.lock").arg(::geteuid()))));
    EXPECT_FALSE(makeInstanceLockForTests()->acquire("locktest"));
}

// A relative $XDG_RUNTIME_DIR is ignored: two copies started from two folders, each holding a
// folder of that name, share one lock.
TEST(QtInstanceLock, ARelativeRuntimeFolderIsIgnored)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const EnvironmentVariable tmpdir("TMPDIR", QFile::encodeName(tmp.path()));
    const EnvironmentVariable xdg("XDG_RUNTIME_DIR", "run");
    for (const char* folder : {"a/run", "b/run"})
        ASSERT_TRUE(QDir(tmp.path()).mkpath(folder) && QFile::setPermissions(tmp.filePath(folder), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    const QString savedFolder = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(tmp.filePath("a")));
    auto first = makeInstanceLockForTests();
    const bool firstStarts = first->acquire("locktest");
    ASSERT_TRUE(QDir::setCurrent(tmp.filePath("b")));
    const bool secondStarts = makeInstanceLockForTests()->acquire("locktest");
    ASSERT_TRUE(QDir::setCurrent(savedFolder));
    EXPECT_TRUE(firstStarts);
    EXPECT_FALSE(secondStarts);
    EXPECT_TRUE(QDir(tmp.filePath("a/run")).isEmpty());
}

// A lock file of this program's name in the temporary folder that another user made, anyone may
// write and another user's process holds never keeps the program from starting.
TEST(QtInstanceLock, AnotherUsersLockInTheTemporaryFolderNeverKeepsItFromStarting)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can start a process as another user";
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    ASSERT_TRUE(QFile::setPermissions(tmp.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                                      | QFileDevice::ExeGroup | QFileDevice::ExeOther));
    const EnvironmentVariable tmpdir("TMPDIR", QFile::encodeName(tmp.path()));
    const EnvironmentVariable xdg("XDG_RUNTIME_DIR", QByteArray());
    const QByteArray file = QFile::encodeName(tmp.filePath(QStringLiteral("locktest-%1.lock").arg(::geteuid())));
    const uid_t nobody = 65534;
    const int made = ::open(file.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    ASSERT_GE(made, 0);
    ASSERT_EQ(::fchown(made, nobody, nobody), 0);
    ASSERT_EQ(::fchmod(made, 0666), 0);
    ::close(made);

    int ready[2];
    int done[2];
    ASSERT_EQ(::pipe(ready), 0);
    ASSERT_EQ(::pipe(done), 0);
    const pid_t holder = ::fork();
    ASSERT_GE(holder, 0);
    if (holder == 0) {
        ::close(ready[0]);
        ::close(done[1]);
        const bool held = ::setgroups(0, nullptr) == 0 && ::setgid(nobody) == 0 && ::setuid(nobody) == 0 && [&] {
            const int fd = ::open(file.constData(), O_RDWR);
            return fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
        }();
        const char answer = held ? 'y' : 'n';
        if (::write(ready[1], &answer, 1) != 1)
            ::_exit(2);
        char end = 0;
        while (::read(done[0], &end, 1) < 0 && errno == EINTR) {
        }
        ::_exit(0);
    }
    ::close(ready[1]);
    ::close(done[0]);
    char answer = 0;
    while (::read(ready[0], &answer, 1) < 0 && errno == EINTR) {
    }
    const bool starts = answer == 'y' && makeInstanceLockForTests()->acquire("locktest");
    ::close(done[1]);
    ::close(ready[0]);
    int status = 0;
    ASSERT_EQ(::waitpid(holder, &status, 0), holder);
    ASSERT_EQ(answer, 'y') << "the other user's process could not hold the lock";
    EXPECT_TRUE(starts);
}
