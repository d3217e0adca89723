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

#include <gtest/gtest.h>

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
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", dir.path().toLocal8Bit());
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
    qputenv("PATH", path);
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
