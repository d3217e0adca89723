// Saving over pages the user protected or linked elsewhere, on a real folder.
#include "quillonedit/image/Project.h"
#include "quillonedit/mainwindow/FileMenu.h"

#include "tests/support/FileBytes.h"
#include "tests/support/ImageFixture.h"
#include "platform/WholeFile.h"
#include "platform/testing/ScriptedServices.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <functional>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace quillon;
using namespace quillon::testing;

namespace {

QByteArray page(int k)
{
    return QByteArray(reinterpret_cast<const char*>(image().bytes().data()) + 4096 * (k - 1), 4096);
}

struct SafetyCase {
    const char* name;
    // Prepares the folder (all eight pages hold "old" bytes) and returns the page name it changed.
    std::function<QString(QDir&)> prepare;
    bool saved;
    const char* reason = "";   // the system's words after the message; "%1" stands for the folder
};

const QByteArray kOld(4096, '\x5A');

class ProjectFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        resetProject();
        FillImageRamp();
    }
    void TearDown() override
    {
        // Let QTemporaryDir remove what a test made read-only.
        for (const QFileInfo& f : QDir(dir.path()).entryInfoList(QDir::Files))
            QFile::setPermissions(f.filePath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        setPageRenameForTests({});
        platform::setWriteFaultForTests({});
        resetImage();
        resetProject();
    }
    QString pagePath(int k) const { return QDir(dir.path()).filePath(QStringLiteral("proj.00%1").arg(k)); }
    // Page `k` holds the "old" bytes.
    void writeOldPage(int k) const
    {
        QFile f(pagePath(k));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(kOld) == kOld.size());
    }
    void writeOldPages() const
    {
        for (int k = 1; k <= 8; ++k)
            ASSERT_NO_FATAL_FAILURE(writeOldPage(k));
    }
    QTemporaryDir dir;
    platform::doubles::ScriptedServices services;
};

class ProjectSafety : public ProjectFolder, public ::testing::WithParamInterface<SafetyCase> {};

TEST_P(ProjectSafety, ProtectedPagesFailTheSaveAndLinkedPagesAreWrittenThrough)
{
    QDir folder(dir.path());
    ASSERT_NO_FATAL_FAILURE(writeOldPages());
    const QString changed = GetParam().prepare(folder);
    const QFileInfo before(folder.filePath(changed));
    const bool wasLink = before.isSymLink();
    const QFileDevice::Permissions permissions = before.permissions();
    const QString realFile = before.canonicalFilePath();
    const int changedPage = changed.right(1).toInt();
    QByteArrayList onDisk;
    for (int k = 1; k <= 8; ++k)
        onDisk << FileBytes(folder.filePath(QStringLiteral("proj.00%1").arg(k)));

    EXPECT_EQ(SaveAllFiles(folder.filePath("proj")), GetParam().saved);

    const QString changedPath = folder.filePath(changed);
    if (GetParam().saved) {
        EXPECT_TRUE(services.messageBox.shown.empty());
        for (int k = 1; k <= 8; ++k)
            EXPECT_EQ(FileBytes(folder.filePath(QStringLiteral("proj.00%1").arg(k))), page(k)) << k;
    } else {
        ASSERT_EQ(services.messageBox.shown.size(), 1u);
        EXPECT_EQ(services.messageBox.shown[0].text, "ERROR, File " + changedPath + " Not Saved\n"
                      + QString::fromUtf8(GetParam().reason).replace("%1", folder.path()));
        EXPECT_EQ(services.messageBox.shown[0].title, "File Save");
        EXPECT_EQ(services.messageBox.shown[0].icon, platform::MsgIcon::Exclamation);
        for (int k = 1; k <= 8; ++k)
            EXPECT_EQ(FileBytes(folder.filePath(QStringLiteral("proj.00%1").arg(k))), onDisk[k - 1]) << k;
    }
    // The page keeps what it was: a link stays a link, a protected file keeps its bits.
    const QFileInfo after(changedPath);
    EXPECT_EQ(after.isSymLink(), wasLink);
    EXPECT_EQ(after.permissions(), permissions);
    EXPECT_EQ(FileBytes(realFile), GetParam().saved ? page(changedPage) : onDisk[changedPage - 1]);
    // No temporary is left beside any page.
    QStringList names = folder.entryList(QDir::Files | QDir::System);
    for (const QString& sub : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        names += QDir(folder.filePath(sub)).entryList(QDir::Files);
    static const QRegularExpression temporary(QStringLiteral("\\.00[1-8]\\."));
    for (const QString& name : names)
        EXPECT_FALSE(temporary.match(name).hasMatch()) << name.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Project, ProjectSafety,
    ::testing::Values(
        // r--r--r--: refused even when the tests run as root, who could write it anyway.
        SafetyCase{"ReadOnlyPage",
                   [](QDir& d) {
                       QFile::setPermissions(d.filePath("proj.004"),
                                             QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
                       return QStringLiteral("proj.004");
                   },
                   false, "Permission denied"},
        SafetyCase{"ReadOnlyLinkTarget",
                   [](QDir& d) {
                       d.mkdir("store");
                       QFile::rename(d.filePath("proj.008"), d.filePath("store/real.008"));
                       QFile::setPermissions(d.filePath("store/real.008"), QFileDevice::ReadOwner);
                       QFile::link("store/real.008", d.filePath("proj.008"));
                       return QStringLiteral("proj.008");
                   },
                   false, "Permission denied"},
        SafetyCase{"LoopOfLinks",
                   [](QDir& d) {
                       QFile::remove(d.filePath("proj.006"));
                       QFile::link(d.filePath("loop.006"), d.filePath("proj.006"));
                       QFile::link(d.filePath("proj.006"), d.filePath("loop.006"));
                       return QStringLiteral("proj.006");
                   },
                   false, "Too many levels of symbolic links"},
        // Pages 1..4 are already the new ones when page 5 cannot take its place: they go back.
        SafetyCase{"FifthRenameFails",
                   [](QDir&) {
                       setPageRenameForTests([calls = 0](const QString& from, const QString& to) mutable {
                           return ++calls != 5
                               && std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
                       });
                       return QStringLiteral("proj.005");
                   },
                   false, "Input/output error"},
        // Page 8 finds the disk full: the seven pages written before it replace nothing either.
        SafetyCase{"FullDiskOnTheLastPage",
                   [](QDir&) {
                       platform::setWriteFaultForTests(
                           [](const QString& target) { return target.endsWith(".008") ? ENOSPC : 0; });
                       return QStringLiteral("proj.008");
                   },
                   false, "No space left on device"},
        // Page 3 meets a failing disk.
        SafetyCase{"InputOutputErrorOnAPage",
                   [](QDir&) {
                       platform::setWriteFaultForTests(
                           [](const QString& target) { return target.endsWith(".003") ? EIO : 0; });
                       return QStringLiteral("proj.003");
                   },
                   false, "Input/output error"},
        // Two page names of one file: saving would put two pages into it, one over the other.
        SafetyCase{"SecondPageLinksToTheFirst",
                   [](QDir& d) {
                       QFile::remove(d.filePath("proj.002"));
                       QFile::link("proj.001", d.filePath("proj.002"));
                       return QStringLiteral("proj.002");
                   },
                   false, "The same file as %1/proj.001"},
        SafetyCase{"FifthPageIsAHardLinkOfTheFirst",
                   [](QDir& d) {
                       QFile::remove(d.filePath("proj.005"));
                       std::filesystem::create_hard_link(QFile::encodeName(d.filePath("proj.001")).constData(),
                                                         QFile::encodeName(d.filePath("proj.005")).constData());
                       return QStringLiteral("proj.005");
                   },
                   false, "The same file as %1/proj.001"},
        // What an earlier program left where it kept an old page stands in no save's way.
        SafetyCase{"FolderWhereAnOldPageWasKept",
                   [](QDir& d) {
                       d.mkdir("proj.003.quillon-old");
                       return QStringLiteral("proj.003");
                   },
                   true},
        SafetyCase{"LinkedPage",
                   [](QDir& d) {
                       d.mkdir("store");
                       QFile::rename(d.filePath("proj.003"), d.filePath("store/real.003"));
                       QFile::link("store/real.003", d.filePath("proj.003"));
                       return QStringLiteral("proj.003");
                   },
                   true},
        SafetyCase{"LinkToALink",
                   [](QDir& d) {
                       d.mkdir("store");
                       QFile::rename(d.filePath("proj.001"), d.filePath("store/real.001"));
                       QFile::link(d.filePath("store/real.001"), d.filePath("store/middle.001"));
                       QFile::link(d.filePath("store/middle.001"), d.filePath("proj.001"));
                       return QStringLiteral("proj.001");
                   },
                   true}),
    [](const auto& info) { return std::string(info.param.name); });

// Names an unfinished save leaves beside the pages.
QStringList leftovers(const QDir& folder)
{
    return folder.entryList({"*.quillon-old", "*.quillon-new", "*.quillon-save"}, QDir::Files);
}

TEST_F(ProjectFolder, ARollbackThatFailsNamesEveryPageLeftNewAndTheNextOpenFinishesTheSave)
{
    ASSERT_NO_FATAL_FAILURE(writeOldPages());
    const Bytes saved = image().bytes();
    // From page 5 on every rename fails, putting pages 1..4 back included.
    setPageRenameForTests([calls = 0](const QString& from, const QString& to) mutable {
        return ++calls < 5 && std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
    });

    EXPECT_FALSE(SaveAllFiles(QDir(dir.path()).filePath("proj")));

    ASSERT_EQ(services.messageBox.shown.size(), 1u);
    EXPECT_EQ(services.messageBox.shown[0].text,
              "ERROR, File " + pagePath(5) + " Not Saved\nInput/output error\nThese Pages Were Already Replaced:\n"
                  + pagePath(1) + "\n" + pagePath(2) + "\n" + pagePath(3) + "\n" + pagePath(4)
                  + "\nThe Next Open Of This Project Finishes The Save");
    for (int k = 1; k <= 8; ++k)
        EXPECT_EQ(FileBytes(pagePath(k)), k < 5 ? page(k) : kOld) << k;

    setPageRenameForTests({});
    resetImage();
    resetProject();
    SilentProjectHost host;
    ASSERT_TRUE(ProcessOpen(pagePath(1), host));
    EXPECT_TRUE(ImageEquals(saved));
    for (int k = 1; k <= 8; ++k)
        EXPECT_EQ(FileBytes(pagePath(k)), page(k)) << k;
    EXPECT_EQ(leftovers(QDir(dir.path())), QStringList());
    EXPECT_EQ(services.messageBox.shown.size(), 1u);
}

// Runs `body` in a child process that ends the way a killed program does: at once, with no
// clean-up of its own. The wait status.
int runCutOff(const std::function<void()>& body)
{
    const pid_t child = ::fork();
    if (child == 0) {
        body();
        ::_exit(0);
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    return status;
}

constexpr int kCutOffExit = 42;

struct CutOffCase {
    const char* name;
    bool oldProjectThere;   // saving over a project, or under a new name
};

class SaveCutOff : public ProjectFolder, public ::testing::WithParamInterface<CutOffCase> {};

// A save stopped after each of its steps (every file synced, link, rename, removal and folder
// sync), and the open that follows, answering any question with Yes and then with No: the open
// always gives one whole project, the old one or exactly the one being saved, and leaves nothing
// of the save behind. The open that settles the cut-off save is itself stopped after each of its
// steps: the open after it gives the same project.
TEST_P(SaveCutOff, EveryOpenAfterASaveCutOffAtAnyStepGivesOneWholeProject)
{
    const QDir folder(dir.path());
    const Bytes newImage = image().bytes();
    Bytes oldImage{};
    for (int i = 0; i < kImageBytes; ++i)
        oldImage[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i * 7 / 4096 + 1);
    // The folder as the save stopped after step `stop` left it; the save's exit code.
    const auto cutSave = [&](int stop) {
        for (const QString& name : folder.entryList(QDir::Files | QDir::System))
            EXPECT_TRUE(QFile::remove(folder.filePath(name)));
        for (int k = 1; GetParam().oldProjectThere && k <= 8; ++k) {
            QFile f(pagePath(k));
            EXPECT_TRUE(f.open(QIODevice::WriteOnly));
            EXPECT_EQ(f.write(reinterpret_cast<const char*>(oldImage.data()) + 4096 * (k - 1), 4096), 4096);
        }
        image().bytes() = newImage;
        const int status = runCutOff([&] {
            setSaveStepForTests([&, steps = 0](const QString&) mutable {
                if (++steps == stop)
                    ::_exit(kCutOffExit);
            });
            ::_exit(SaveAllFiles(folder.filePath("proj")) ? 0 : 1);
        });
        EXPECT_TRUE(WIFEXITED(status));
        EXPECT_NE(WEXITSTATUS(status), 1) << "the save failed";
        return WEXITSTATUS(status);
    };
    struct Opened {
        bool opened = false;
        bool isNew = false;
    };
    const auto open = [&](platform::MsgResult answer) {
        resetImage();
        resetProject();
        services.messageBox.shown.clear();
        services.messageBox.answers = {answer};
        SilentProjectHost host;
        Opened o;
        o.opened = ProcessOpen(pagePath(1), host);
        o.isNew = o.opened && image().bytes() == newImage;
        if (o.opened) {
            EXPECT_TRUE(o.isNew || image().bytes() == oldImage) << "a mix of old and new pages";
        } else {
            EXPECT_FALSE(GetParam().oldProjectThere) << "the old project could not be opened";
        }
        for (int k = 1; o.opened && k <= 8; ++k)
            EXPECT_EQ(FileBytes(pagePath(k)), page(k)) << k;
        EXPECT_EQ(leftovers(folder), QStringList());
        return o;
    };
    // The steps of the whole save, to stop the open only after the moments that leave it work: the
    // record in place, three pages and all eight renamed, the record gone.
    std::vector<QString> steps;
    cutSave(0);
    setSaveStepForTests([&steps](const QString& step) { steps.push_back(step); });
    ASSERT_TRUE(SaveAllFiles(folder.filePath("proj")));
    setSaveStepForTests({});
    const auto openIsStopped = [&](int stop) {
        const QString step = stop <= static_cast<int>(steps.size()) ? steps[static_cast<std::size_t>(stop - 1)] : QString();
        return step == "rename " + folder.filePath("proj.quillon-save") || step == "rename " + pagePath(3)
            || step == "rename " + pagePath(8) || step == "unlink " + folder.filePath("proj.quillon-save");
    };
    bool finished = false;
    bool sawNew = false;
    int openStopped = 0;
    for (int stop = 1; !finished && stop < 200; ++stop) {
        for (const platform::MsgResult answer : {platform::MsgResult::Yes, platform::MsgResult::No}) {
            SCOPED_TRACE(::testing::Message() << "stopped after step " << stop << ", answer "
                                              << (answer == platform::MsgResult::Yes ? "Yes" : "No"));
            finished = cutSave(stop) == 0;
            const Opened opened = open(answer);
            // A save that is done, or has stored all its new pages, is never undone by a later
            // moment of the same save.
            EXPECT_TRUE(opened.isNew || !sawNew) << "the save went back";
            EXPECT_TRUE(opened.isNew || !finished) << "a finished save is lost";
            sawNew = sawNew || opened.isNew;
            if (answer != platform::MsgResult::Yes || finished || !openIsStopped(stop))
                continue;
            ++openStopped;
            for (int openStop = 1; openStop < 100; ++openStop) {
                SCOPED_TRACE(::testing::Message() << "open stopped after step " << openStop);
                cutSave(stop);
                const int status = runCutOff([&] {
                    setSaveStepForTests([&, steps = 0](const QString&) mutable {
                        if (++steps == openStop)
                            ::_exit(kCutOffExit);
                    });
                    ::_exit(FinishInterruptedSave(pagePath(1)).ok() ? 0 : 1);
                });
                ASSERT_TRUE(WIFEXITED(status));
                ASSERT_NE(WEXITSTATUS(status), 1) << "the open failed";
                if (WEXITSTATUS(status) == 0)
                    break;
                const Opened again = open(answer);
                EXPECT_EQ(again.opened, opened.opened);
                EXPECT_EQ(again.isNew, opened.isNew);
            }
        }
    }
    setSaveStepForTests({});
    EXPECT_TRUE(finished);
    EXPECT_EQ(openStopped, 4);
}

INSTANTIATE_TEST_SUITE_P(Project, SaveCutOff,
                         ::testing::Values(CutOffCase{"OverTheOldProject", true}, CutOffCase{"UnderANewName", false}),
                         [](const auto& info) { return std::string(info.param.name); });

// The open's message when what a cut-off save left cannot be settled.
QString cutOffText(const QString& file, const QString& reason, const char* next = "Put This File Right, Then Open The Project Again")
{
    return "This Project Could Not Be Opened: A Save Of It Was Cut Off\nFile " + file + "\n" + reason + "\n" + next;
}

// A save cut off once its record was stored, and a page's name then taken by a folder: the open
// says which page and why, reads nothing, and keeps the record for a later open.
TEST_F(ProjectFolder, AnUnfinishedSaveThatCannotBeFinishedStopsTheOpenWithTheReason)
{
    const QDir folder(dir.path());
    ASSERT_NO_FATAL_FAILURE(writeOldPages());
    const Bytes saved = image().bytes();
    const int status = runCutOff([&] {
        setSaveStepForTests([](const QString& step) {
            if (step.startsWith("rename ") && step.endsWith(".quillon-save"))
                ::_exit(kCutOffExit);
        });
        ::_exit(SaveAllFiles(folder.filePath("proj")) ? 0 : 1);
    });
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), kCutOffExit);
    ASSERT_TRUE(QFile::remove(pagePath(6)));
    ASSERT_TRUE(folder.mkdir("proj.006"));
    resetImage();
    resetProject();
    SilentProjectHost host;

    EXPECT_FALSE(ProcessOpen(pagePath(1), host));

    ASSERT_EQ(services.messageBox.shown.size(), 1u);
    EXPECT_EQ(services.messageBox.shown[0].text,
              cutOffText(pagePath(6), "Is a directory") + "\nOr, To Keep The Pages As They Are Now, Remove "
                  + folder.filePath("proj.quillon-save"));
    EXPECT_EQ(services.messageBox.shown[0].title, "Quillon File Open");
    EXPECT_EQ(services.messageBox.shown[0].icon, platform::MsgIcon::Exclamation);
    EXPECT_TRUE(imageErased());
    EXPECT_TRUE(QFileInfo::exists(folder.filePath("proj.quillon-save")));

    // With the old page back in its place the next open finishes the save.
    ASSERT_TRUE(folder.rmdir("proj.006"));
    ASSERT_NO_FATAL_FAILURE(writeOldPage(6));
    ASSERT_TRUE(ProcessOpen(pagePath(1), host));
    EXPECT_TRUE(ImageEquals(saved));
    EXPECT_EQ(leftovers(folder), QStringList());
}

// On a full disk without the save's new pages the open cannot finish it and says what to do.
TEST_F(ProjectFolder, AnOpenOnAFullDiskSaysToFreeSomeSpace)
{
    const QDir folder(dir.path());
    ASSERT_NO_FATAL_FAILURE(writeOldPages());
    const int status = runCutOff([&] {
        setSaveStepForTests([](const QString& step) {
            if (step.startsWith("rename ") && step.endsWith(".quillon-save"))
                ::_exit(kCutOffExit);
        });
        ::_exit(SaveAllFiles(folder.filePath("proj")) ? 0 : 1);
    });
    ASSERT_EQ(WEXITSTATUS(status), kCutOffExit);
    for (const QString& name : folder.entryList({"*.quillon-new"}, QDir::Files))
        ASSERT_TRUE(QFile::remove(folder.filePath(name)));
    platform::setWriteFaultForTests([](const QString&) { return ENOSPC; });
    resetImage();
    resetProject();
    SilentProjectHost host;

    EXPECT_FALSE(ProcessOpen(pagePath(1), host));

    ASSERT_EQ(services.messageBox.shown.size(), 1u);
    EXPECT_EQ(services.messageBox.shown[0].text, cutOffText(pagePath(1), "No space left on device",
                                                            "Free Some Space, Then Open The Project Again"));
    EXPECT_TRUE(imageErased());
}

struct PlantedCase {
    const char* name;
    std::function<void(const QString& folder)> plant;
    const char* failure;   // the open's message, "" when the project opens; "%1" stands for the folder
};

// What lies at a page's name, or where an earlier version kept an old page, is looked at before
// it is opened: only a plain file of 4,096 bytes is ever read or put in a page's place, a pipe is
// never opened, and a huge file is not read. A kept page that is not whole stops the open and
// stays; eight whole ones go back in the pages' places.
TEST_F(ProjectFolder, OnlyAPlainFileOfAPagesSizeIsReadAndNothingBlocksTheOpen)
{
    const auto sized = [](const char* name, qint64 size) {
        return [name, size](const QString& d) {
            QFile f(d + "/" + name);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            ASSERT_TRUE(f.resize(size));   // sparse: takes no room
        };
    };
    const auto pipe = [](const char* name) {
        return [name](const QString& d) {
            QFile::remove(d + "/" + name);
            ASSERT_EQ(::mkfifo(QFile::encodeName(d + "/" + name).constData(), 0600), 0);
        };
    };
    const auto stop = "This Project Could Not Be Opened: A Save Of It Was Cut Off\nFile %1/%2\n"
                      "A Cut-Off Save Kept The Old Pages, But This One Cannot Be Used: %3\n"
                      "Put This File Right, Then Open The Project Again";
    const PlantedCase cases[] = {
        {"kept page of 100 bytes", sized("proj.003.quillon-old", 100), "proj.003.quillon-old|100 bytes long, not 4096"},
        {"kept page of 1 GB", sized("proj.003.quillon-old", qint64(1) << 30),
         "proj.003.quillon-old|1073741824 bytes long, not 4096"},
        {"pipe as a kept page", pipe("proj.005.quillon-old"), "proj.005.quillon-old|Not a regular file"},
        {"pipe as a page", pipe("proj.004"), ""},
        {"page of 3 GB", sized("proj.002", qint64(3) << 30), ""},
    };
    Bytes onDisk{};
    for (int i = 0; i < kImageBytes; ++i)
        onDisk[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i % 251 + 1);
    const auto onDiskPage = [&](int k) {
        return QByteArray(reinterpret_cast<const char*>(onDisk.data()) + 4096 * (k - 1), 4096);
    };
    for (const PlantedCase& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir d;
        ASSERT_TRUE(d.isValid());
        for (int k = 1; k <= 8; ++k) {
            QFile f(d.filePath(QStringLiteral("proj.00%1").arg(k)));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            ASSERT_EQ(f.write(onDiskPage(k)), 4096);
            QFile kept(d.filePath(QStringLiteral("proj.00%1.quillon-old").arg(k)));
            ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
            ASSERT_EQ(kept.write(onDiskPage(k)), 4096);
        }
        c.plant(d.path());
        resetImage();
        resetProject();
        services.messageBox.shown.clear();
        services.messageBox.answers = {platform::MsgResult::Yes};   // were anything offered
        SilentProjectHost host;

        ::alarm(30);   // an open that waits on a pipe ends the test run instead of hanging it
        const bool opened = ProcessOpen(d.filePath("proj.001"), host);
        ::alarm(0);

        const QStringList planted = QString::fromUtf8(c.failure).split('|');
        const QString failure =
            planted.size() == 2 ? QString::fromUtf8(stop).arg(d.path(), planted[0], planted[1]) : QString();
        EXPECT_EQ(opened, failure.isEmpty());
        QStringList texts;
        for (const auto& shown : services.messageBox.shown)
            texts << shown.text;
        EXPECT_EQ(texts, failure.isEmpty() ? QStringList() : QStringList{failure});
        if (opened) {
            EXPECT_TRUE(ImageEquals(onDisk));
            EXPECT_EQ(leftovers(QDir(d.path())), QStringList());
        } else {
            EXPECT_EQ(QDir(d.path()).entryList({"*.quillon-old"}, QDir::Files | QDir::System).size(), 8);
        }
        for (int k : {1, 3, 5, 6, 7, 8})
            EXPECT_EQ(FileBytes(d.filePath(QStringLiteral("proj.00%1").arg(k))), onDiskPage(k)) << k;
    }
}

} // namespace
