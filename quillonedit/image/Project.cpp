#include "quillonedit/image/Project.h"

#include "quillonedit/image/ImageMap.h"

#include "platform/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillon {

namespace {

using Pages = std::array<std::uint8_t, kImageBytes>;

// The unfinished-save file: this header, then the whole new image.
constexpr char kUnfinishedSaveHeader[] = "quillonedit unfinished save 1\n";
constexpr qsizetype kUnfinishedSaveHeaderBytes = sizeof(kUnfinishedSaveHeader) - 1;
constexpr qsizetype kUnfinishedSaveBytes = kUnfinishedSaveHeaderBytes + kImageBytes;

QString pageFileName(const QString& base, int k)
{
    return base + QStringLiteral(".00%1").arg(k);
}

// A project's first page name less its last four characters.
QString projectBase(const QString& name)
{
    return name.chopped(std::min<qsizetype>(4, name.size()));
}

QString unfinishedSaveName(const QString& base)
{
    return base + QLatin1String(kUnfinishedSaveSuffix);
}

QByteArray nativeName(const QString& path)
{
    return QFile::encodeName(path);
}

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

std::function<void(const QString&)>& saveStepForTests()
{
    static std::function<void(const QString&)> step;
    return step;
}

void saveStep(const QString& what)
{
    if (const auto& step = saveStepForTests())
        step(what);
}

// A page the user has protected: not writable for this user, or without its owner's write bit
// (a file manager's "read-only", which root would otherwise override).
bool isProtected(const QFileInfo& target)
{
    return target.exists() && (!target.isWritable() || !(target.permissions() & QFileDevice::WriteOwner));
}

enum class ReadOutcome { Read, Missing, NotAFile, WrongSize, Failed };

// Reads `path` (links followed) when it is a plain file of exactly `size` bytes. Its type and size
// are looked at before anything is opened, so a pipe or a device is never opened and a huge file
// never read; the open cannot wait, and what was opened is checked again before it is read.
ReadOutcome readExactFile(const QString& path, char* out, qsizetype size, int* error = nullptr)
{
    const QByteArray native = nativeName(path);
    struct stat seen {};
    if (::stat(native.constData(), &seen) != 0)
        return ReadOutcome::Missing;
    if (!S_ISREG(seen.st_mode))
        return ReadOutcome::NotAFile;
    if (seen.st_size != size)
        return ReadOutcome::WrongSize;
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (error)
            *error = errno;
        return ReadOutcome::Failed;
    }
    ReadOutcome outcome = ReadOutcome::Read;
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode))
        outcome = ReadOutcome::NotAFile;
    else if (opened.st_size != size)
        outcome = ReadOutcome::WrongSize;
    qsizetype done = 0;
    while (outcome == ReadOutcome::Read && done < size) {
        const ssize_t n = ::read(fd, out + done, static_cast<size_t>(size - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (error)
                *error = n < 0 ? errno : EIO;
            outcome = ReadOutcome::Failed;
        } else {
            done += n;
        }
    }
    ::close(fd);
    return outcome;
}

// Reads one page file into `page`; the fault when it cannot.
PageFault readPage(const QString& file, int k, std::uint8_t* page)
{
    switch (readExactFile(file, reinterpret_cast<char*>(page), kPageBytes)) {
    case ReadOutcome::Read:
        return PageFault::None;
    case ReadOutcome::Missing:
    case ReadOutcome::NotAFile:
        return k == 1 ? PageFault::FirstPageMissing : PageFault::Invalid;
    case ReadOutcome::WrongSize:
        return PageFault::WrongSize;
    case ReadOutcome::Failed:
        break;
    }
    return PageFault::Invalid;
}

PageReadResult readPages(const QString& base, Pages& pages)
{
    for (int k = 1; k <= kPageCount; ++k) {
        const QString file = pageFileName(base, k);
        const PageFault fault = readPage(file, k, pages.data() + pageOffset(k));
        if (fault != PageFault::None)
            return {fault, file};
    }
    return {};
}

std::function<bool(const QString&, const QString&)>& pageRenameForTests()
{
    static std::function<bool(const QString&, const QString&)> rename;
    return rename;
}

// rename() replaces the target in one step; QFile::rename would refuse an existing file. 0, or
// why it failed.
int renamePage(const QString& from, const QString& to)
{
    errno = 0;
    if (const auto& seam = pageRenameForTests())
        return seam(from, to) ? 0 : (errno != 0 ? errno : EIO);
    return std::rename(nativeName(from).constData(), nativeName(to).constData()) == 0 ? 0 : errno;
}

QString randomPart()
{
    static const char kChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString part;
    for (int i = 0; i < 6; ++i)
        part += QLatin1Char(kChars[QRandomGenerator::global()->bounded(62)]);
    return part;
}

// Keeps the old page under a second name no other file has (so nothing left lying around, not
// even a folder, can stand in its way): a hard link, or a copy where the file system has no
// links. Empty, or why it could not be kept.
QString keepPage(const QString& file, QString& keep)
{
    int error = EEXIST;
    for (int attempt = 0; attempt < 100 && error == EEXIST; ++attempt) {
        const QString name = file + QLatin1Char('.') + randomPart() + QLatin1String(kKeptPageSuffix);
        if (::link(nativeName(file).constData(), nativeName(name).constData()) == 0) {
            keep = name;
            return {};
        }
        error = errno;
    }
    if (error == EEXIST)
        return systemReason(error);
    // Only a page is copied: anything else cannot be kept, and the save stops before it is replaced.
    std::array<char, kPageBytes> old{};
    if (readExactFile(file, old.data(), kPageBytes) != ReadOutcome::Read)
        return systemReason(error);
    platform::StagedFile copy(file, QLatin1String(kKeptPageSuffix));
    if (!copy.open() || !copy.write(QByteArray(old.data(), kPageBytes)) || !copy.finish())
        return copy.error();
    keep = copy.tempPath();
    copy.release();
    return {};
}

// Two names of one file: the same path, or (links or a hard link) the same file on the disk.
bool sameFile(const QString& a, const QString& b)
{
    std::error_code error;
    return a == b || std::filesystem::equivalent(nativeName(a).constData(), nativeName(b).constData(), error);
}

bool isPlainFile(const QString& path)
{
    struct stat seen {};
    return ::lstat(nativeName(path).constData(), &seen) == 0 && S_ISREG(seen.st_mode);
}

// What a cut-off save left beside `file`: its new pages not yet in place and its kept old pages
// (with six random characters, or without them as earlier versions of the program kept them).
// Only plain files go; anything else of such a name is not this program's and stays.
void removeLeftovers(const QString& file)
{
    const QFileInfo info(file);
    const QRegularExpression leftover(QStringLiteral("^%1(\\.[A-Za-z0-9]{6}(%2|%3)|%3)$")
                                          .arg(QRegularExpression::escape(info.fileName()),
                                               QRegularExpression::escape(QLatin1String(kNewPageSuffix)),
                                               QRegularExpression::escape(QLatin1String(kKeptPageSuffix))));
    const QDir folder = info.absoluteDir();
    for (const QString& name : folder.entryList(QDir::Files | QDir::System | QDir::Hidden)) {
        const QString path = folder.filePath(name);
        if (leftover.match(name).hasMatch() && isPlainFile(path) && ::unlink(nativeName(path).constData()) == 0)
            saveStep(QStringLiteral("unlink ") + path);
    }
}

void removeProjectLeftovers(const QString& base)
{
    QStringList done;
    for (int k = 1; k <= kPageCount; ++k) {
        const QString file = QFileInfo(pageFileName(base, k)).absoluteFilePath();
        for (const QString& name : {file, platform::FollowLinks(file)}) {
            if (name.isEmpty() || done.contains(name))
                continue;
            done << name;
            removeLeftovers(name);
        }
    }
    removeLeftovers(unfinishedSaveName(base));
}

void syncFolders(const QStringList& files)
{
    QStringList folders;
    for (const QString& file : files) {
        const QString folder = QFileInfo(file).absolutePath();
        if (folders.contains(folder))
            continue;
        folders << folder;
        platform::SyncFolder(file);
        saveStep(QStringLiteral("sync folder ") + folder);
    }
}

// Removes the unfinished-save file once the pages it describes are whole on the disk.
void dropUnfinishedSave(const QString& record)
{
    if (::unlink(nativeName(record).constData()) != 0)
        return;
    saveStep(QStringLiteral("unlink ") + record);
    platform::SyncFolder(record);
    saveStep(QStringLiteral("sync folder ") + QFileInfo(record).absolutePath());
}

PageWriteResult failure(const QString& file, const QString& reason)
{
    return {file, reason, {}};
}

} // namespace

void setPageRenameForTests(std::function<bool(const QString& from, const QString& to)> rename)
{
    pageRenameForTests() = std::move(rename);
}

void setSaveStepForTests(std::function<void(const QString& step)> step)
{
    saveStepForTests() = std::move(step);
}

ProjectState& project()
{
    static ProjectState state;
    return state;
}

void resetProject()
{
    project() = ProjectState{};
}

bool ImageChanged()
{
    const auto& b = image().bytes();
    return !std::equal(project().Saved.begin(), project().Saved.end(), b.begin());
}

void MarkProjectSaved()
{
    std::copy_n(image().bytes().begin(), kImageBytes, project().Saved.begin());
}

PageReadResult CheckProjectPages(const QString& name)
{
    auto pages = std::make_unique<Pages>();
    return readPages(projectBase(name), *pages);
}

PageReadResult ReadProjectPages(const QString& name)
{
    const QString base = projectBase(name);
    // All eight pages are read before anything changes, so a failed open leaves the current
    // project (image, names, saved copy) exactly as it was.
    auto pages = std::make_unique<Pages>();
    const PageReadResult read = readPages(base, *pages);
    if (read.fault != PageFault::None)
        return read;
    std::copy(pages->begin(), pages->end(), image().bytes().begin());
    project().ProjectBasePath = base;
    return {};
}

PageWriteResult FinishInterruptedSave(const QString& name)
{
    const QString base = projectBase(name);
    const QString record = unfinishedSaveName(base);
    QByteArray saved(kUnfinishedSaveBytes, '\0');
    int error = 0;
    const ReadOutcome read = readExactFile(record, saved.data(), kUnfinishedSaveBytes, &error);
    if (read == ReadOutcome::Failed)
        return failure(record, systemReason(error));   // whether a save was cut off cannot be told
    // Only a whole record of this program's counts; the save wrote and synced it before it
    // replaced any page, so every page is taken from it.
    if (read == ReadOutcome::Read && saved.startsWith(kUnfinishedSaveHeader)) {
        for (int k = 1; k <= kPageCount; ++k) {
            const QString file = pageFileName(base, k);
            const QByteArray page = saved.mid(kUnfinishedSaveHeaderBytes + pageOffset(k), kPageBytes);
            std::array<char, kPageBytes> now{};
            if (readExactFile(file, now.data(), kPageBytes) == ReadOutcome::Read
                && std::equal(now.begin(), now.end(), page.begin()))
                continue;   // already put in place by the save
            const platform::WriteResult written = platform::WriteWholeFile(file, page);
            if (!written)
                return failure(file, written.error);
        }
        dropUnfinishedSave(record);
    }
    // Without the record no page was replaced: whatever a save left beside the pages is of no use.
    removeProjectLeftovers(base);
    return {};
}

PageWriteResult WriteProjectPages(const QString& base)
{
    // A cut-off save of these pages is finished first: this save's record would otherwise take
    // the place of its record, and putting this save's old pages back would bring back a mix.
    if (const PageWriteResult finished = FinishInterruptedSave(base + QStringLiteral(".001")); !finished.ok())
        return finished;
    // Every target is checked before anything is written: a protected page, one whose name is
    // taken by a folder, or a second name of a file another page already leads to fails the whole
    // save, and nothing is replaced.
    QStringList targets;
    for (int k = 1; k <= kPageCount; ++k) {
        const QString file = pageFileName(base, k);
        const QString real = platform::FollowLinks(file);
        if (real.isEmpty())
            return failure(file, systemReason(ELOOP));
        const QFileInfo target(real);
        if (target.exists() && !target.isFile())
            return failure(file, target.isDir() ? systemReason(EISDIR) : QStringLiteral("Not a regular file"));
        if (isProtected(target))
            return failure(file, systemReason(EACCES));
        for (int j = 1; j < k; ++j)
            if (sameFile(real, targets[j - 1]))
                return failure(file, QStringLiteral("The same file as %1").arg(pageFileName(base, j)));
        targets << real;
    }
    const QByteArray newImage(reinterpret_cast<const char*>(image().bytes().data()), kImageBytes);
    // Every page goes to a temporary file beside its target, synced to the disk.
    std::vector<std::unique_ptr<platform::StagedFile>> temps;
    for (int k = 1; k <= kPageCount; ++k) {
        auto temp = std::make_unique<platform::StagedFile>(targets[k - 1], QLatin1String(kNewPageSuffix));
        if (!temp->open() || !temp->write(newImage.mid(pageOffset(k), kPageBytes)) || !temp->finish())
            return failure(pageFileName(base, k), temp->error());
        saveStep(QStringLiteral("sync ") + temp->tempPath());
        temps.push_back(std::move(temp));
    }
    // Each old page is kept until all eight renames have succeeded: when one fails, the pages
    // already replaced go back, so the folder holds the old project whole.
    std::vector<QString> kept(kPageCount);   // the kept old page; empty where there was none
    const auto dropKept = [&kept] {
        for (QString& file : kept)
            if (!file.isEmpty() && ::unlink(nativeName(std::exchange(file, QString())).constData()) == 0)
                saveStep(QStringLiteral("unlink kept page"));
    };
    for (int k = 1; k <= kPageCount; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        if (!QFileInfo::exists(targets[k - 1]))
            continue;
        if (const QString why = keepPage(targets[k - 1], kept[i]); !why.isEmpty()) {
            dropKept();
            return failure(pageFileName(base, k), why);
        }
        saveStep(QStringLiteral("link ") + kept[i]);
    }
    // The whole new image is on the disk before the first page is replaced: from here on, a save
    // cut off at any moment is finished by the next open, never left half done.
    const QString record = unfinishedSaveName(base);
    {
        platform::StagedFile saving(record, QLatin1String(kNewPageSuffix));
        if (!saving.open() || !saving.write(QByteArray(kUnfinishedSaveHeader) + newImage) || !saving.finish()) {
            dropKept();
            return failure(record, saving.error());
        }
        saveStep(QStringLiteral("sync ") + saving.tempPath());
        if (!saving.commit()) {
            dropKept();
            return failure(record, saving.error());
        }
        saveStep(QStringLiteral("rename ") + record);
    }
    for (int k = 1; k <= kPageCount; ++k) {
        platform::StagedFile& temp = *temps[static_cast<std::size_t>(k - 1)];
        const int error = renamePage(temp.tempPath(), targets[k - 1]);
        if (error == 0) {
            temp.release();
            saveStep(QStringLiteral("rename ") + targets[k - 1]);
            continue;
        }
        PageWriteResult failed = failure(pageFileName(base, k), systemReason(error));
        QStringList back;
        for (int j = 1; j < k; ++j) {
            QString& old = kept[static_cast<std::size_t>(j - 1)];
            const bool ok = old.isEmpty() ? QFile::remove(targets[j - 1])   // a page this save made
                                          : renamePage(old, targets[j - 1]) == 0;
            if (ok) {
                back << targets[j - 1];
                saveStep(QStringLiteral("put back ") + targets[j - 1]);
            } else {
                failed.nowNew << pageFileName(base, j);
            }
            old.clear();
        }
        syncFolders(back);
        // The old project is whole again and the record of this save goes; if a page could not go
        // back, the record stays and the next open finishes this save instead.
        if (failed.nowNew.isEmpty())
            dropUnfinishedSave(record);
        dropKept();
        return failed;
    }
    syncFolders(targets);
    dropUnfinishedSave(record);
    dropKept();
    removeProjectLeftovers(base);
    return {};
}

} // namespace quillon
