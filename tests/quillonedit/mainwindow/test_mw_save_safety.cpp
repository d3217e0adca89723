// Saving over pages the user protected or linked elsewhere, on a real folder.
#include "quillonedit/image/Project.h"
#include "quillonedit/mainwindow/FileMenu.h"

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

using namespace quillon;
using namespace quillon::testing;

namespace {

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray page(int k)
{
    return QByteArray(reinterpret_cast<const char*>(image().bytes().data()) + 4096 * (k - 1), 4096);
}

struct SafetyCase {
    const char* name;
    // Prepares the folder (all eight pages hold "old" bytes) and returns the page name it changed.
    std::function<QString(QDir&)> prepare;
    bool saved;
};

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
    QTemporaryDir dir;
    platform::doubles::ScriptedServices services;
};

class ProjectSafety : public ProjectFolder, public ::testing::WithParamInterface<SafetyCase> {};

const QByteArray kOld(4096, '\x5A');

TEST_P(ProjectSafety, ProtectedPagesFailTheSaveAndLinkedPagesAreWrittenThrough)
{
    QDir folder(dir.path());
    for (int k = 1; k <= 8; ++k) {
        QFile f(folder.filePath(QStringLiteral("proj.00%1").arg(k)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(kOld) == kOld.size());
    }
    const QString changed = GetParam().prepare(folder);
    const QFileInfo before(folder.filePath(changed));
    const bool wasLink = before.isSymLink();
    const QFileDevice::Permissions permissions = before.permissions();
    const QString realFile = before.canonicalFilePath();
    const int changedPage = changed.right(1).toInt();
    QByteArrayList onDisk;
    for (int k = 1; k <= 8; ++k)
        onDisk << readFile(folder.filePath(QStringLiteral("proj.00%1").arg(k)));

    EXPECT_EQ(SaveAllFiles(folder.filePath("proj")), GetParam().saved);

    const QString changedPath = folder.filePath(changed);
    if (GetParam().saved) {
        EXPECT_TRUE(services.messageBox.shown.empty());
        for (int k = 1; k <= 8; ++k)
            EXPECT_EQ(readFile(folder.filePath(QStringLiteral("proj.00%1").arg(k))), page(k)) << k;
    } else {
        ASSERT_EQ(services.messageBox.shown.size(), 1u);
        EXPECT_EQ(services.messageBox.shown[0].text, "ERROR, File " + changedPath + " Not Saved");
        EXPECT_EQ(services.messageBox.shown[0].title, "File Save");
        EXPECT_EQ(services.messageBox.shown[0].icon, platform::MsgIcon::Exclamation);
        for (int k = 1; k <= 8; ++k)
            EXPECT_EQ(readFile(folder.filePath(QStringLiteral("proj.00%1").arg(k))), onDisk[k - 1]) << k;
    }
    // The page keeps what it was: a link stays a link, a protected file keeps its bits.
    const QFileInfo after(changedPath);
    EXPECT_EQ(after.isSymLink(), wasLink);
    EXPECT_EQ(after.permissions(), permissions);
    EXPECT_EQ(readFile(realFile), GetParam().saved ? page(changedPage) : onDisk[changedPage - 1]);
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
                   false},
        SafetyCase{"ReadOnlyLinkTarget",
                   [](QDir& d) {
                       d.mkdir("store");
                       QFile::rename(d.filePath("proj.008"), d.filePath("store/real.008"));
                       QFile::setPermissions(d.filePath("store/real.008"), QFileDevice::ReadOwner);
                       QFile::link("store/real.008", d.filePath("proj.008"));
                       return QStringLiteral("proj.008");
                   },
                   false},
        SafetyCase{"LoopOfLinks",
                   [](QDir& d) {
                       QFile::remove(d.filePath("proj.006"));
                       QFile::link(d.filePath("loop.006"), d.filePath("proj.006"));
                       QFile::link(d.filePath("proj.006"), d.filePath("loop.006"));
                       return QStringLiteral("proj.006");
                   },
                   false},
        // Pages 1..4 are already the new ones when page 5 cannot take its place: they go back.
        SafetyCase{"FifthRenameFails",
                   [](QDir&) {
                       setPageRenameForTests([calls = 0](const QString& from, const QString& to) mutable {
                           return ++calls != 5
                               && std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
                       });
                       return QStringLiteral("proj.005");
                   },
                   false},
        // Page 8 finds the disk full: the seven pages written before it replace nothing either.
        SafetyCase{"FullDiskOnTheLastPage",
                   [](QDir&) {
                       platform::setWriteFaultForTests(
                           [](const QString& target) { return target.endsWith(".008") ? ENOSPC : 0; });
                       return QStringLiteral("proj.008");
                   },
                   false},
        // Two page names of one file: saving would put two pages into it, one over the other.
        SafetyCase{"SecondPageLinksToTheFirst",
                   [](QDir& d) {
                       QFile::remove(d.filePath("proj.002"));
                       QFile::link("proj.001", d.filePath("proj.002"));
                       return QStringLiteral("proj.002");
                   },
                   false},
        SafetyCase{"FifthPageIsAHardLinkOfTheFirst",
                   [](QDir& d) {
                       QFile::remove(d.filePath("proj.005"));
                       std::filesystem::create_hard_link(QFile::encodeName(d.filePath("proj.001")).constData(),
                                                         QFile::encodeName(d.filePath("proj.005")).constData());
                       return QStringLiteral("proj.005");
                   },
                   false},
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
    return folder.entryList({"*.quillon-old", "*.quillon-new"}, QDir::Files);
}

TEST_F(ProjectFolder, ARollbackThatFailsNamesEveryPageLeftNew)
{
    for (int k = 1; k <= 8; ++k) {
        QFile f(pagePath(k));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(kOld) == kOld.size());
    }
    // From page 5 on every rename fails, putting pages 1..4 back included.
    setPageRenameForTests([calls = 0](const QString& from, const QString& to) mutable {
        return ++calls < 5 && std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
    });

    EXPECT_FALSE(SaveAllFiles(QDir(dir.path()).filePath("proj")));

    ASSERT_EQ(services.messageBox.shown.size(), 1u);
    EXPECT_EQ(services.messageBox.shown[0].text,
              "ERROR, File " + pagePath(5) + " Not Saved\nThese Pages Were Already Replaced:\n" + pagePath(1) + "\n"
                  + pagePath(2) + "\n" + pagePath(3) + "\n" + pagePath(4) + "\nTheir Old Pages Are Kept Beside Them");
    for (int k = 1; k <= 8; ++k) {
        EXPECT_EQ(readFile(pagePath(k)), k < 5 ? page(k) : kOld) << k;
        EXPECT_EQ(readFile(pagePath(k) + ".quillon-old"), k < 5 ? kOld : QByteArray()) << k;
    }
}

TEST_F(ProjectFolder, AKilledSaveIsOfferedBackAtTheNextOpenAndItsLeftoversGoAtTheNextSave)
{
    // As a save killed after its third rename leaves the folder: pages 1..3 new, 4..8 old, every
    // old page kept (4..8 as second names of the pages), 4..8 still waiting as temporary files.
    const QByteArray kNew(4096, '\x3C');
    const auto write = [](const QString& path, const QByteArray& bytes) {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    };
    for (int k = 1; k <= 8; ++k) {
        ASSERT_TRUE(write(pagePath(k), k <= 3 ? kNew : kOld));
        if (k <= 3)
            ASSERT_TRUE(write(pagePath(k) + ".quillon-old", kOld));
        else {
            std::filesystem::create_hard_link(QFile::encodeName(pagePath(k)).constData(),
                                              QFile::encodeName(pagePath(k) + ".quillon-old").constData());
            ASSERT_TRUE(write(pagePath(k) + ".k3J9xQ.quillon-new", kNew));
        }
    }
    ASSERT_TRUE(write(pagePath(1) + ".backup", kOld));   // the user's own: never touched
    services.messageBox.answers = {platform::MsgResult::Yes};
    MarkProjectSaved();   // no edits of its own to ask about
    SilentProjectHost host;

    ASSERT_TRUE(ProcessOpen(pagePath(1), host));

    ASSERT_EQ(services.messageBox.shown.size(), 1u);
    EXPECT_EQ(services.messageBox.shown[0].text,
              "A Save Of This Project Was Interrupted\nThese Pages Are New, The Others Old:\n" + pagePath(1) + "\n"
                  + pagePath(2) + "\n" + pagePath(3) + "\nPut The Old Pages Back?");
    EXPECT_EQ(services.messageBox.shown[0].buttons, platform::MsgButtons::YesNo);
    for (int k = 1; k <= 8; ++k) {
        EXPECT_EQ(page(k), kOld) << k;
        EXPECT_EQ(readFile(pagePath(k)), kOld) << k;
    }

    image().set(kBaseZones, 1);
    ASSERT_TRUE(SaveAllFiles(QDir(dir.path()).filePath("proj")));

    EXPECT_EQ(leftovers(QDir(dir.path())), QStringList());
    EXPECT_EQ(readFile(pagePath(1) + ".backup"), kOld);
    for (int k = 1; k <= 8; ++k)
        EXPECT_EQ(readFile(pagePath(k)), page(k)) << k;
}

} // namespace
