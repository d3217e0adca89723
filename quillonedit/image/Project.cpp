#include "quillonedit/image/Project.h"

#include "quillonedit/image/ImageMap.h"

#include "platform/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>
#include <utility>
#include <vector>

namespace quillon {

namespace {

using Pages = std::array<std::uint8_t, kImageBytes>;

QString pageFileName(const QString& base, int k)
{
    return base + QStringLiteral(".00%1").arg(k);
}

// A project's first page name less its last four characters.
QString projectBase(const QString& name)
{
    return name.chopped(std::min<qsizetype>(4, name.size()));
}


// A page the user has protected: not writable for this user, or without its owner's write bit
// (a file manager's "read-only", which root would otherwise override).
bool isProtected(const QFileInfo& target)
{
    return target.exists() && (!target.isWritable() || !(target.permissions() & QFileDevice::WriteOwner));
}

// Reads one page file into `page`; the fault when it cannot.
PageFault readPage(const QString& file, int k, std::uint8_t* page)
{
    const QFileInfo info(file);
    if (!info.exists() || (k == 1 && !info.isFile()))
        return k == 1 ? PageFault::FirstPageMissing : PageFault::Invalid;
    if (!info.isFile())
        return PageFault::Invalid;
    if (info.size() != kPageBytes)
        return PageFault::WrongSize;
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)
        || in.read(reinterpret_cast<char*>(page), kPageBytes) != kPageBytes)
        return PageFault::Invalid;
    return PageFault::None;
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

// rename() replaces the target in one step; QFile::rename would refuse an existing file.
bool renameOver(const QString& from, const QString& to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// A second name for the page file (a hard link), or a copy where the file system has no links.
bool keepPage(const QString& file, const QString& keep)
{
    std::error_code error;
    std::filesystem::create_hard_link(QFile::encodeName(file).constData(), QFile::encodeName(keep).constData(),
                                      error);
    return !error || QFile::copy(file, keep);
}

bool renamePage(const QString& from, const QString& to)
{
    const auto& seam = pageRenameForTests();
    return seam ? seam(from, to) : renameOver(from, to);
}

// Two names of one file: the same path, or (links or a hard link) the same file on the disk.
bool sameFile(const QString& a, const QString& b)
{
    std::error_code error;
    return a == b || std::filesystem::equivalent(QFile::encodeName(a).constData(), QFile::encodeName(b).constData(), error);
}

QString keptPageName(const QString& target)
{
    return target + QLatin1String(kKeptPageSuffix);
}

// True when an interrupted save left the old page of `target` beside it and the page now holds
// something else.
bool keptPageDiffers(const QString& target)
{
    const QString keep = keptPageName(target);
    const QFileInfo info(keep);
    if (info.isSymLink() || !info.isFile() || sameFile(keep, target))
        return false;
    QFile old(keep);
    QFile now(target);
    return !old.open(QIODevice::ReadOnly) || !now.open(QIODevice::ReadOnly) || old.readAll() != now.readAll();
}

// Temporary pages of an interrupted save beside `target` (its name, six random characters and
// the new-page ending).
void removeLeftoverTemps(const QString& target)
{
    const QFileInfo info(target);
    const QRegularExpression leftover(QStringLiteral("^%1\\.[A-Za-z0-9]{6}%2$")
                                          .arg(QRegularExpression::escape(info.fileName()),
                                               QRegularExpression::escape(QLatin1String(kNewPageSuffix))));
    QDir folder = info.absoluteDir();
    for (const QString& name : folder.entryList({info.fileName() + QStringLiteral(".*")}, QDir::Files | QDir::System))
        if (leftover.match(name).hasMatch())
            folder.remove(name);
}

} // namespace

void setPageRenameForTests(std::function<bool(const QString& from, const QString& to)> rename)
{
    pageRenameForTests() = std::move(rename);
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

PageWriteResult WriteProjectPages(const QString& base)
{
    // Every target is checked before anything is written: a protected page, one whose name is
    // taken by a folder, or a second name of a file another page already leads to fails the whole
    // save, and nothing is replaced.
    QStringList targets;
    for (int k = 1; k <= kPageCount; ++k) {
        const QString file = pageFileName(base, k);
        const QString real = platform::FollowLinks(file);
        const QFileInfo target(real);
        if (real.isEmpty() || (target.exists() && !target.isFile()) || isProtected(target))
            return {file, {}};
        for (const QString& other : std::as_const(targets))
            if (sameFile(real, other))
                return {file, {}};
        targets << real;
    }
    // Every page goes to a temporary file beside its target, and all eight are on the disk
    // (synced) before the first target is replaced.
    std::vector<std::unique_ptr<platform::StagedFile>> temps;
    for (int k = 1; k <= kPageCount; ++k) {
        auto temp = std::make_unique<platform::StagedFile>(targets[k - 1], QString::fromLatin1(kNewPageSuffix));
        const char* page = reinterpret_cast<const char*>(image().bytes().data() + pageOffset(k));
        if (!temp->open() || !temp->write(QByteArray::fromRawData(page, kPageBytes)) || !temp->finish())
            return {pageFileName(base, k), {}};
        temps.push_back(std::move(temp));
    }
    // Each old page is kept beside its target until all eight renames have succeeded; when one
    // fails, the pages already replaced go back, so the folder holds the old project whole.
    std::vector<QString> kept(kPageCount);   // the kept old page; empty where there was none
    const auto dropKept = [&kept] {
        for (QString& file : kept)
            if (!file.isEmpty())
                QFile::remove(std::exchange(file, QString()));
    };
    for (int k = 1; k <= kPageCount; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        if (!QFileInfo::exists(targets[k - 1]))
            continue;
        const QString keep = keptPageName(targets[k - 1]);
        // One left by an interrupted save gives way: the page as it is now is what goes back.
        QFile::remove(keep);
        if (!keepPage(targets[k - 1], keep)) {
            dropKept();
            return {pageFileName(base, k), {}};
        }
        kept[i] = keep;
    }
    for (int k = 1; k <= kPageCount; ++k) {
        platform::StagedFile& temp = *temps[static_cast<std::size_t>(k - 1)];
        if (renamePage(temp.tempPath(), targets[k - 1])) {
            temp.release();
            continue;
        }
        PageWriteResult failed{pageFileName(base, k), {}};
        for (int j = 1; j < k; ++j) {
            QString& old = kept[static_cast<std::size_t>(j - 1)];
            const bool back = old.isEmpty() ? QFile::remove(targets[j - 1])   // a page this save made
                                            : renamePage(old, targets[j - 1]);
            if (!back)
                failed.nowNew << pageFileName(base, j);   // its old page stays beside it for the next open
            old.clear();
        }
        dropKept();
        return failed;
    }
    for (const QString& target : std::as_const(targets))
        platform::SyncFolder(target);
    dropKept();
    for (const QString& target : std::as_const(targets))
        removeLeftoverTemps(target);
    return {};
}

QStringList InterruptedSavePages(const QString& name)
{
    QStringList pages;
    const QString base = projectBase(name);
    for (int k = 1; k <= kPageCount; ++k) {
        const QString file = pageFileName(base, k);
        const QString real = platform::FollowLinks(file);
        if (!real.isEmpty() && keptPageDiffers(real))
            pages << file;
    }
    return pages;
}

QString RestoreKeptPages(const QString& name)
{
    const QString base = projectBase(name);
    for (int k = 1; k <= kPageCount; ++k) {
        const QString file = pageFileName(base, k);
        const QString real = platform::FollowLinks(file);
        if (!real.isEmpty() && keptPageDiffers(real) && !renamePage(keptPageName(real), real))
            return file;
    }
    return {};
}

} // namespace quillon
