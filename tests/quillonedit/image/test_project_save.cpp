// The save of a project's eight pages and the open that settles a save that was cut off, on a
// real folder, with no window: whatever the save left and whatever became of its record, the
// open gives the old project whole, the new one whole, or stops and says why.
#include "quillonedit/image/ImageMap.h"
#include "quillonedit/image/Project.h"

#include "tests/support/FileBytes.h"
#include "tests/support/ImageFixture.h"
#include "platform/ReadFile.h"
#include "platform/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <functional>
#include <map>

#include <fcntl.h>

#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace quillon;
using namespace quillon::testing;

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray pageOf(const Bytes& bytes, int k)
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()) + pageOffset(k), kPageBytes);
}

Bytes imageOf(int seed)
{
    Bytes b{};
    for (int i = 0; i < kImageBytes; ++i)
        b[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>((i * 7 + seed * 31) % 251 + 1);
    return b;
}

constexpr int kCut = 42;

// Runs `body` in a child that ends the way a killed program does. The wait status.
int inChild(const std::function<void()>& body)
{
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(60);
        body();
        ::_exit(0);
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    return status;
}

// What a folder holds: every name, with the bytes of the plain files and the target of the links.
std::map<QString, QByteArray> folderState(const QString& path)
{
    std::map<QString, QByteArray> state;
    const QDir folder(path);
    for (const QFileInfo& f : folder.entryInfoList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot)) {
        if (f.isSymLink())
            state[f.fileName()] = "link " + QFile::encodeName(f.symLinkTarget());
        else if (f.isDir())
            state[f.fileName()] = "folder";
        else if (f.isFile())
            state[f.fileName()] = FileBytes(f.filePath());
        else
            state[f.fileName()] = "other";
    }
    return state;
}

class ProjectSave : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        resetProject();
    }
    void TearDown() override
    {
        setSaveStepForTests({});
        setPageRenameForTests({});
        platform::setFolderSyncFaultForTests({});
        platform::setWriteFaultForTests({});
        resetImage();
        resetProject();
    }
    QString path(const QString& name) const { return QDir(dir.path()).filePath(name); }
    QString page(int k) const { return path(QStringLiteral("proj.00%1").arg(k)); }
    QString base() const { return path("proj"); }
    QString record() const { return path("proj.quillon-save"); }

    void writeProject(const Bytes& bytes)
    {
        for (int k = 1; k <= kPageCount; ++k)
            writeFile(page(k), pageOf(bytes, k));
    }
    // Which image the eight pages hold: true when `bytes`.
    bool pagesAre(const Bytes& bytes) const
    {
        for (int k = 1; k <= kPageCount; ++k)
            if (FileBytes(page(k)) != pageOf(bytes, k))
                return false;
        return true;
    }
    int filesEndingIn(const char* suffix) const
    {
        return static_cast<int>(QDir(dir.path()).entryList({QStringLiteral("*") + suffix}, QDir::Files | QDir::System).size());
    }
    // Saves `newImage` over the old pages in a child killed after the step `stopAt` accepts.
    void cutSave(const Bytes& newImage, const std::function<bool(const QString&)>& stopAt)
    {
        image().bytes() = newImage;
        const int status = inChild([&] {
            setSaveStepForTests([&](const QString& step) {
                if (stopAt(step))
                    ::_exit(kCut);
            });
            ::_exit(WriteProjectPages(base()).ok() ? 0 : 1);
        });
        ASSERT_TRUE(WIFEXITED(status));
        ASSERT_EQ(WEXITSTATUS(status), kCut);
        resetImage();
    }
    // A save killed once `pages` pages are in place (0: just after its record was stored).
    void cutSaveAfterPages(const Bytes& newImage, int pages)
    {
        cutSave(newImage, [pages, renamed = 0, this](const QString& step) mutable {
            if (pages == 0)
                return step == "rename " + record();
            return step.startsWith("rename ") && step != "rename " + record() && ++renamed == pages;
        });
    }

    QTemporaryDir dir;
    const Bytes oldImage = imageOf(1);
    const Bytes newImage = imageOf(2);
};

struct RecordCase {
    const char* name;
    // Spoils the record of the save in `folder` (the project "proj"); `other` holds another
    // project cut off in the same way.
    std::function<void(const QString& folder, const QString& other)> spoil;
};

void flipByte(const QString& file, qint64 at)
{
    QByteArray bytes = FileBytes(file);
    ASSERT_GT(bytes.size(), 0);
    const qint64 i = at >= 0 ? at : bytes.size() + at;
    bytes[i] = static_cast<char>(bytes[i] ^ 0x01);
    writeFile(file, bytes);
}

const RecordCase kSpoiledRecords[] = {
    {"OneImageByteFlipped", [](const QString& d, const QString&) { flipByte(d + "/proj.quillon-save", -100); }},
    {"OneHeaderByteFlipped", [](const QString& d, const QString&) { flipByte(d + "/proj.quillon-save", 3); }},
    // In the checksum of the old page 5: only the record's own checksum can tell.
    {"OneOldPageChecksumByteFlipped",
     [](const QString& d, const QString&) {
         const QByteArray bytes = FileBytes(d + "/proj.quillon-save");
         flipByte(d + "/proj.quillon-save", bytes.indexOf("page 5 ") + 10);
     }},
    {"OneChecksumByteFlipped", [](const QString& d, const QString&) { flipByte(d + "/proj.quillon-save", -3); }},
    {"Truncated",
     [](const QString& d, const QString&) { ASSERT_TRUE(QFile::resize(d + "/proj.quillon-save", 20000)); }},
    {"TooLong",
     [](const QString& d, const QString&) {
         writeFile(d + "/proj.quillon-save", FileBytes(d + "/proj.quillon-save") + "\n");
     }},
    // The form an earlier version wrote: its header, then the image.
    {"EarlierHeader",
     [](const QString& d, const QString&) {
         writeFile(d + "/proj.quillon-save", QByteArray("quillonedit unfinished save 1\n") + QByteArray(32768, '\x11'));
     }},
    {"LinkToAnotherProjectsRecord",
     [](const QString& d, const QString& other) {
         QFile::remove(d + "/proj.quillon-save");
         ASSERT_TRUE(QFile::link(other + "/proj.quillon-save", d + "/proj.quillon-save"));
     }},
    {"AnotherProjectsRecordCopiedIn",
     [](const QString& d, const QString& other) {
         QFile::remove(d + "/proj.quillon-save");
         ASSERT_TRUE(QFile::copy(other + "/proj.quillon-save", d + "/proj.quillon-save"));
     }},
    {"Pipe",
     [](const QString& d, const QString&) {
         QFile::remove(d + "/proj.quillon-save");
         ASSERT_EQ(::mkfifo(QFile::encodeName(d + "/proj.quillon-save").constData(), 0600), 0);
     }},
    {"Folder",
     [](const QString& d, const QString&) {
         QFile::remove(d + "/proj.quillon-save");
         ASSERT_TRUE(QDir(d).mkdir("proj.quillon-save"));
     }},
    // This project's own record, whole, moved away and reached through a link: not the record.
    {"LinkToThisProjectsRecord",
     [](const QString& d, const QString&) {
         ASSERT_TRUE(QDir(d).mkdir("moved"));
         ASSERT_TRUE(QFile::rename(d + "/proj.quillon-save", d + "/moved/proj.quillon-save"));
         ASSERT_TRUE(QFile::link(d + "/moved/proj.quillon-save", d + "/proj.quillon-save"));
     }},
    {"LinkToDevZero",
     [](const QString& d, const QString&) {
         QFile::remove(d + "/proj.quillon-save");
         ASSERT_TRUE(QFile::link("/dev/zero", d + "/proj.quillon-save"));
     }},
    // Looked at as a plain file, then a socket in its place: its open fails (ENXIO), for root too.
    {"Unreadable",
     [](const QString& d, const QString&) {
         const QString record = d + "/proj.quillon-save";
         platform::setReadStageForTests([record, swapped = false](platform::ReadStage stage, const QString& path) mutable {
             if (swapped || stage != platform::ReadStage::Looked || path != record)
                 return;
             swapped = true;
             QFile::remove(record);
             sockaddr_un address {};
             address.sun_family = AF_UNIX;
             const QByteArray name = QFile::encodeName(record);
             ASSERT_LT(name.size(), qsizetype(sizeof(address.sun_path)));
             std::copy(name.begin(), name.end(), address.sun_path);
             const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
             ASSERT_EQ(::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof(address)), 0);
             ::close(socket);
         });
     }},
};

class SpoiledRecord : public ProjectSave, public ::testing::WithParamInterface<std::tuple<RecordCase, int>> {};

// A record that cannot be used never costs the old project: with 0, 3 or 8 pages already
// replaced, the kept pages bring the old project back whole, and the record goes with them.
TEST_P(SpoiledRecord, TheKeptPagesBringBackTheOldProject)
{
    const auto& [c, replaced] = GetParam();
    QTemporaryDir other;
    ASSERT_TRUE(other.isValid());
    // Another project with a record of its own, cut off in the same way.
    const QString otherFolder = other.path();
    for (int k = 1; k <= kPageCount; ++k)
        writeFile(otherFolder + QStringLiteral("/proj.00%1").arg(k), pageOf(imageOf(3), k));
    image().bytes() = imageOf(4);
    ASSERT_EQ(inChild([&] {
                  setSaveStepForTests([&](const QString& step) {
                      if (step.startsWith("rename ") && step.endsWith(".quillon-save"))
                          ::_exit(kCut);
                  });
                  WriteProjectPages(otherFolder + "/proj");
              }),
              kCut << 8);
    const QByteArray otherRecord = FileBytes(otherFolder + "/proj.quillon-save");
    ASSERT_FALSE(otherRecord.isEmpty());

    writeProject(oldImage);
    cutSaveAfterPages(newImage, replaced);
    ASSERT_EQ(filesEndingIn(".quillon-old"), 8);
    c.spoil(dir.path(), otherFolder);

    ::alarm(30);   // an open that waits on a pipe ends the run instead of hanging it
    const PageWriteResult settled = FinishInterruptedSave(page(1));
    ::alarm(0);
    platform::setReadStageForTests({});

    EXPECT_TRUE(settled.ok()) << settled.file.toStdString() << ": " << settled.reason.toStdString();
    EXPECT_TRUE(pagesAre(oldImage));
    EXPECT_FALSE(QFileInfo::exists(record()) || QFileInfo(record()).isSymLink());
    EXPECT_EQ(filesEndingIn(".quillon-old") + filesEndingIn(".quillon-new"), 0);
    // The other project's record is not touched through a link to it.
    EXPECT_EQ(FileBytes(otherFolder + "/proj.quillon-save"), otherRecord);
}

INSTANTIATE_TEST_SUITE_P(Project, SpoiledRecord, ::testing::Combine(::testing::ValuesIn(kSpoiledRecords), ::testing::Values(0, 3, 8)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_"
                                 + std::to_string(std::get<1>(info.param)) + "Replaced";
                         });

// Without a whole kept page for every page, an unusable record stops the open: it names the
// page, changes nothing, and every kept page stays.
TEST_F(ProjectSave, AnUnusableRecordWithoutEveryKeptPageStopsAndKeepsWhatThereIs)
{
    writeProject(oldImage);
    cutSaveAfterPages(newImage, 3);
    flipByte(record(), -100);
    const QStringList kept = QDir(dir.path()).entryList({"proj.006.*.quillon-old"}, QDir::Files);
    ASSERT_EQ(kept.size(), 1);
    ASSERT_TRUE(QFile::resize(path(kept[0]), 100));
    const auto before = folderState(dir.path());

    const PageWriteResult settled = FinishInterruptedSave(page(1));

    EXPECT_EQ(settled.file, page(6));
    EXPECT_EQ(settled.reason, "The Record " + record() + " Cannot Be Used: The Record Is Damaged\nIts Kept Old Copy "
                                  + path(kept[0]) + " Cannot Be Used: 100 bytes long, not 4096");
    EXPECT_EQ(folderState(dir.path()), before);
}

// A page that is neither the old page nor the new one (restored from a backup, edited, replaced
// by something else) means the folder is not what the save left: the open stops, names the page,
// and changes nothing.
TEST_F(ProjectSave, APageNeitherOldNorNewStopsTheOpenAndChangesNothing)
{
    struct Case {
        const char* name;
        int page;
        std::function<void(const QString& file)> change;
        const char* reason;
    };
    const Case cases[] = {
        {"not yet replaced page restored from a backup", 5,
         [](const QString& f) { writeFile(f, QByteArray(4096, '\x33')); },
         "This Page Is Neither The One Before The Save Nor The One Saved"},
        {"replaced page restored from a backup", 2,
         [](const QString& f) { writeFile(f, QByteArray(4096, '\x33')); },
         "This Page Is Neither The One Before The Save Nor The One Saved"},
        {"page removed", 7, [](const QString& f) { ASSERT_TRUE(QFile::remove(f)); }, "No such file or directory"},
        {"folder in a page's place", 6,
         [](const QString& f) {
             ASSERT_TRUE(QFile::remove(f));
             ASSERT_TRUE(QDir().mkdir(f));
         },
         "Is a directory"},
        {"page of another size", 8, [](const QString& f) { ASSERT_TRUE(QFile::resize(f, 4097)); },
         "This Page Is Neither The One Before The Save Nor The One Saved"},
        {"page beyond any page's size", 8, [](const QString& f) { ASSERT_TRUE(QFile::resize(f, 2 << 20)); },
         "File too large"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(dir.path()).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(dir.path()));
        writeProject(oldImage);
        cutSaveAfterPages(newImage, 3);
        c.change(page(c.page));
        const auto before = folderState(dir.path());

        const PageWriteResult settled = FinishInterruptedSave(page(1));

        EXPECT_EQ(settled.file, page(c.page));
        EXPECT_EQ(settled.reason, c.reason);
        EXPECT_EQ(folderState(dir.path()), before);
    }
}

// A save over a page of another length, cut off: that page is still its old page to the open.
TEST_F(ProjectSave, AnOldPageOfAnotherLengthIsStillTheOldPage)
{
    writeProject(oldImage);
    writeFile(page(7), QByteArray(5000, '\x77'));
    cutSaveAfterPages(newImage, 3);

    EXPECT_TRUE(FinishInterruptedSave(page(1)).ok());

    EXPECT_TRUE(pagesAre(newImage));
}

// A pipe in a page's place, a writer waiting on it: the open stops at that page and never
// opens it, so the writer still waits.
TEST_F(ProjectSave, APipeInAPagesPlaceIsNeverOpened)
{
    writeProject(oldImage);
    cutSaveAfterPages(newImage, 3);
    ASSERT_TRUE(QFile::remove(page(6)));
    ASSERT_EQ(::mkfifo(QFile::encodeName(page(6)).constData(), 0600), 0);
    const pid_t writer = ::fork();
    if (writer == 0) {
        ::alarm(30);
        ::open(QFile::encodeName(page(6)).constData(), O_WRONLY);   // waits for a reader
        ::_exit(0);
    }
    ::usleep(100 * 1000);   // the writer is then waiting in its open

    ::alarm(30);
    const PageWriteResult settled = FinishInterruptedSave(page(1));
    ::alarm(0);

    EXPECT_EQ(settled.file, page(6));
    EXPECT_EQ(settled.reason, "Not a regular file");
    ::usleep(200 * 1000);   // a writer let through has then ended
    int status = 0;
    EXPECT_EQ(::waitpid(writer, &status, WNOHANG), 0) << "the page was opened";
    ::kill(writer, SIGKILL);
    ::waitpid(writer, &status, 0);
}

// Old pages kept the way earlier versions kept them ("proj.00k.quillon-old") and no record: that
// version's save was cut off, and all eight go back. With one missing or not whole nothing is
// removed and the open stops.
TEST_F(ProjectSave, OldPagesKeptTheEarlierWayGoBack)
{
    writeProject(newImage);
    for (int k = 1; k <= kPageCount; ++k)
        writeFile(page(k) + ".quillon-old", pageOf(oldImage, k));
    writeFile(page(2) + ".quillon-old", pageOf(newImage, 2));   // that page was not yet replaced
    Bytes expected = oldImage;
    std::copy_n(newImage.begin() + pageOffset(2), kPageBytes, expected.begin() + pageOffset(2));

    const PageWriteResult settled = FinishInterruptedSave(page(1));

    EXPECT_TRUE(settled.ok()) << settled.reason.toStdString();
    EXPECT_TRUE(pagesAre(expected));
    EXPECT_EQ(filesEndingIn(".quillon-old") + filesEndingIn(".quillon-new"), 0);
}

TEST_F(ProjectSave, OldPagesKeptTheEarlierWayButNotAllWholeStopTheOpen)
{
    for (const int size : {0, 100}) {
        SCOPED_TRACE(size);
        writeProject(newImage);
        for (int k = 1; k <= kPageCount; ++k)
            writeFile(page(k) + ".quillon-old", pageOf(oldImage, k));
        if (size == 0)
            ASSERT_TRUE(QFile::remove(page(4) + ".quillon-old"));
        else
            ASSERT_TRUE(QFile::resize(page(4) + ".quillon-old", size));
        const auto before = folderState(dir.path());

        const PageWriteResult settled = FinishInterruptedSave(page(1));

        EXPECT_EQ(settled.file, page(4) + ".quillon-old");
        EXPECT_TRUE(settled.reason.startsWith("A Cut-Off Save Kept The Old Pages, But This One Cannot Be Used: "))
            << settled.reason.toStdString();
        EXPECT_EQ(folderState(dir.path()), before);
        EXPECT_FALSE(WriteProjectPages(base()).ok()) << "a save would have removed them";
        EXPECT_EQ(folderState(dir.path()), before);
    }
}

// A save over a save that was cut off settles that one first: finished when its record is
// whole, rolled back when not; then this save replaces the pages.
TEST_F(ProjectSave, ASaveOverACutOffSaveSettlesItFirst)
{
    for (const bool spoiled : {false, true}) {
        SCOPED_TRACE(spoiled ? "spoiled record" : "whole record");
        writeProject(oldImage);
        cutSaveAfterPages(newImage, 3);
        if (spoiled)
            flipByte(record(), -100);
        std::vector<QString> steps;
        setSaveStepForTests([&steps](const QString& step) { steps.push_back(step); });
        image().bytes() = imageOf(5);

        EXPECT_TRUE(WriteProjectPages(base()).ok());

        setSaveStepForTests({});
        EXPECT_TRUE(pagesAre(imageOf(5)));
        EXPECT_FALSE(QFileInfo::exists(record()));
        EXPECT_EQ(filesEndingIn(".quillon-old") + filesEndingIn(".quillon-new"), 0);
        // The cut-off save was settled (its record gone) before this save kept a page.
        const auto firstKept = std::find_if(steps.begin(), steps.end(), [](const QString& s) {
            return s.startsWith("link ") && s.endsWith(".quillon-old");
        });
        const auto settledRecord = std::find(steps.begin(), steps.end(), "unlink " + record());
        EXPECT_LT(settledRecord, firstKept);
    }
}

// Names a save gives its files are only ever removed when they are plain files: a link of such
// a name stays through an open and a save.
TEST_F(ProjectSave, ALinkNamedLikeAKeptPageStays)
{
    writeProject(oldImage);
    const QString link = path("proj.001.AbC123.quillon-old");
    ASSERT_TRUE(QFile::link(page(2), link));
    image().bytes() = newImage;

    EXPECT_TRUE(FinishInterruptedSave(page(1)).ok());
    EXPECT_TRUE(WriteProjectPages(base()).ok());

    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(pagesAre(newImage));
}

// Index of the first step for which `is` holds, after `from`; -1 when none.
int stepIndex(const std::vector<QString>& steps, const std::function<bool(const QString&)>& is, int from = 0)
{
    for (int i = from; i < static_cast<int>(steps.size()); ++i)
        if (is(steps[static_cast<std::size_t>(i)]))
            return i;
    return -1;
}
int lastStepIndex(const std::vector<QString>& steps, const std::function<bool(const QString&)>& is)
{
    for (int i = static_cast<int>(steps.size()) - 1; i >= 0; --i)
        if (is(steps[static_cast<std::size_t>(i)]))
            return i;
    return -1;
}

// The order that makes a save safe to cut off at any moment: every new page synced before the
// record is in place, the record (synced with its folder) before the first page is renamed, every
// page's folder synced before the record goes, the record gone before the kept pages go. Page 3
// leads to another folder, so there are two page folders.
TEST_F(ProjectSave, TheSaveTakesItsStepsInTheOrderThatKeepsItWhole)
{
    writeProject(oldImage);
    ASSERT_TRUE(QDir(dir.path()).mkdir("store"));
    ASSERT_TRUE(QFile::rename(page(3), path("store/real.003")));
    ASSERT_TRUE(QFile::link("store/real.003", page(3)));
    std::vector<QString> steps;
    setSaveStepForTests([&steps](const QString& step) { steps.push_back(step); });
    image().bytes() = newImage;

    ASSERT_TRUE(WriteProjectPages(base()).ok());

    const auto is = [](const QString& prefix, const QString& suffix = {}) {
        return [prefix, suffix](const QString& s) { return s.startsWith(prefix) && s.endsWith(suffix); };
    };
    const int recordInPlace = stepIndex(steps, [&](const QString& s) { return s == "rename " + record(); });
    const int recordFolderSynced = stepIndex(steps, [&](const QString& s) { return s == "sync folder " + dir.path(); }, recordInPlace);
    const int firstPageRenamed = stepIndex(steps, is("rename " + page(1)));
    const int lastPageRenamed = lastStepIndex(steps, is("rename ", ".008"));
    const int recordGone = stepIndex(steps, [&](const QString& s) { return s == "unlink " + record(); });
    ASSERT_GE(recordInPlace, 0);
    ASSERT_GE(recordGone, 0);
    EXPECT_LT(lastStepIndex(steps, is("sync ", ".quillon-new")), recordInPlace) << "a page synced after the record";
    EXPECT_LT(lastStepIndex(steps, is("link ", ".quillon-old")), recordInPlace) << "a page kept after the record";
    EXPECT_LT(recordFolderSynced, firstPageRenamed) << "a page renamed before the record was durable";
    EXPECT_LT(recordInPlace, firstPageRenamed);
    for (const QString& folder : {dir.path(), path("store")}) {
        const int synced = stepIndex(steps, [&](const QString& s) { return s == "sync folder " + folder; }, lastPageRenamed);
        EXPECT_GT(synced, lastPageRenamed) << folder.toStdString();
        EXPECT_LT(synced, recordGone) << folder.toStdString();
    }
    EXPECT_LT(recordGone, stepIndex(steps, is("unlink kept page"))) << "a kept page went while the record was there";
    setSaveStepForTests({});
}

// The open that finishes a save makes every page durable, in each of its folders, before the
// record goes, also when all pages are already the new ones; the kept pages go last.
TEST_F(ProjectSave, TheOpenSyncsEveryPageFolderBeforeTheRecordGoes)
{
    for (const int replaced : {3, 8}) {
        SCOPED_TRACE(replaced);
        QDir(dir.path()).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(dir.path()));
        writeProject(oldImage);
        ASSERT_TRUE(QDir(dir.path()).mkdir("store"));
        ASSERT_TRUE(QFile::rename(page(8), path("store/real.008")));
        ASSERT_TRUE(QFile::link("store/real.008", page(8)));
        cutSaveAfterPages(newImage, replaced);
        std::vector<QString> steps;
        setSaveStepForTests([&steps](const QString& step) { steps.push_back(step); });

        ASSERT_TRUE(FinishInterruptedSave(page(1)).ok());

        setSaveStepForTests({});
        EXPECT_TRUE(pagesAre(newImage));
        const int recordGone = stepIndex(steps, [&](const QString& s) { return s == "unlink " + record(); });
        ASSERT_GE(recordGone, 0);
        EXPECT_LT(lastStepIndex(steps, [](const QString& s) { return s.startsWith("rename "); }), recordGone);
        for (const QString& folder : {dir.path(), path("store")}) {
            const int synced = stepIndex(steps, [&](const QString& s) { return s == "sync folder " + folder; });
            EXPECT_GE(synced, 0) << folder.toStdString();
            EXPECT_LT(synced, recordGone) << folder.toStdString();
        }
        EXPECT_LT(recordGone, stepIndex(steps, [](const QString& s) { return s.startsWith("remove leftovers "); }));
        EXPECT_EQ(filesEndingIn(".quillon-old") + filesEndingIn(".quillon-new"), 0);
        EXPECT_EQ(QDir(path("store")).entryList(QDir::Files).size(), 1);
    }
}

// A folder that cannot be synced fails the save. Before the record is durable no page is
// replaced; once pages are replaced the record stays and the next open finishes the save.
TEST_F(ProjectSave, AFailedFolderSyncFailsTheSave)
{
    struct Case {
        int failingSync;   // the folder sync that fails, counted from 1
        bool pagesNew;     // where the failed save leaves the pages
    };
    // The save syncs the page folder (1), the record's folder (2), the page folder again (3),
    // and the record's folder once the record is gone (4).
    for (const Case c : {Case{1, false}, Case{2, false}, Case{3, true}, Case{4, true}}) {
        SCOPED_TRACE(c.failingSync);
        QDir(dir.path()).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(dir.path()));
        writeProject(oldImage);
        platform::setFolderSyncFaultForTests([c, calls = 0](const QString&) mutable { return ++calls == c.failingSync ? EIO : 0; });
        image().bytes() = newImage;

        const PageWriteResult saved = WriteProjectPages(base());

        platform::setFolderSyncFaultForTests({});
        EXPECT_FALSE(saved.ok());
        EXPECT_EQ(saved.reason, "Input/output error");
        EXPECT_TRUE(pagesAre(c.pagesNew ? newImage : oldImage));
        EXPECT_EQ(QFileInfo::exists(record()), c.failingSync == 3);
        EXPECT_TRUE(FinishInterruptedSave(page(1)).ok());
        EXPECT_TRUE(pagesAre(c.pagesNew ? newImage : oldImage));
        EXPECT_EQ(filesEndingIn(".quillon-old") + filesEndingIn(".quillon-new") + filesEndingIn(".quillon-save"), 0);
    }
}

TEST_F(ProjectSave, AFailedFolderSyncStopsTheOpenAndKeepsTheRecord)
{
    writeProject(oldImage);
    cutSaveAfterPages(newImage, 3);
    platform::setFolderSyncFaultForTests([](const QString&) { return EIO; });

    const PageWriteResult settled = FinishInterruptedSave(page(1));

    platform::setFolderSyncFaultForTests({});
    EXPECT_EQ(settled.reason, "Input/output error");
    EXPECT_TRUE(QFileInfo::exists(record()));
    EXPECT_EQ(filesEndingIn(".quillon-old"), 8);
    EXPECT_TRUE(FinishInterruptedSave(page(1)).ok());
    EXPECT_TRUE(pagesAre(newImage));
}

// On a full disk the open still finishes a save whose synced new pages are there: they are
// renamed into place, which takes no room. Without them it stops with the system's reason and
// keeps the record.
TEST_F(ProjectSave, OnAFullDiskTheOpenFinishesASaveByRenamingItsNewPages)
{
    writeProject(oldImage);
    cutSaveAfterPages(newImage, 3);
    ASSERT_EQ(filesEndingIn(".quillon-new"), 5);
    platform::setWriteFaultForTests([](const QString&) { return ENOSPC; });

    const PageWriteResult settled = FinishInterruptedSave(page(1));

    EXPECT_TRUE(settled.ok()) << settled.file.toStdString() << ": " << settled.reason.toStdString();
    EXPECT_TRUE(pagesAre(newImage));
    EXPECT_EQ(filesEndingIn(".quillon-old") + filesEndingIn(".quillon-new") + filesEndingIn(".quillon-save"), 0);
}

TEST_F(ProjectSave, OnAFullDiskWithoutTheNewPagesTheOpenStopsAndKeepsTheRecord)
{
    writeProject(oldImage);
    cutSaveAfterPages(newImage, 3);
    // The new page 4 the save left is not the new page (a spoiled one): it is not taken.
    for (const QString& name : QDir(dir.path()).entryList({"proj.004.*.quillon-new"}, QDir::Files))
        writeFile(path(name), QByteArray(4096, '\x44'));
    platform::setWriteFaultForTests([](const QString&) { return ENOSPC; });

    const PageWriteResult settled = FinishInterruptedSave(page(1));

    EXPECT_EQ(settled.file, page(4));
    EXPECT_EQ(settled.reason, "No space left on device");
    EXPECT_TRUE(QFileInfo::exists(record()));
    EXPECT_EQ(FileBytes(page(4)), pageOf(oldImage, 4));
    platform::setWriteFaultForTests({});
    EXPECT_TRUE(FinishInterruptedSave(page(1)).ok());
    EXPECT_TRUE(pagesAre(newImage));
}

} // namespace
