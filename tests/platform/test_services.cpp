#include "platform/Services.h"
#include "platform/WholeFile.h"
#include "platform/qt/QtServices.h"
#include "platform/testing/ScriptedServices.h"

#include <QApplication>
#include <QDir>
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
    for (const auto& [buttons, expected] : rows) {
        QTimer escape;
        QObject::connect(&escape, &QTimer::timeout, [] {
            if (QWidget* box = QApplication::activeModalWidget())
                QTest::keyClick(box, Qt::Key_Escape);
        });
        escape.start(10);
        EXPECT_EQ(msgBox("Save?", buttons, MsgIcon::Question, "T", MsgDefault::First), expected)
            << static_cast<int>(buttons);
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
