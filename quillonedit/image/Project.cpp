#include "quillonedit/image/Project.h"

#include "quillonedit/image/ImageMap.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryFile>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <numeric>
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

// The file a page name stands for: a symbolic link is followed (links to links too), so saving
// writes through it instead of replacing the link with a plain file. Empty for a loop of links.
QString pageTarget(const QString& file)
{
    QString path = QFileInfo(file).absoluteFilePath();
    for (int hops = 0; hops < 40; ++hops) {
        const QFileInfo info(path);
        if (!info.isSymLink())
            return path;
        path = info.symLinkTarget();
    }
    return {};
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

std::int32_t BufferChecksum()
{
    const auto& b = image().bytes();
    return std::accumulate(b.begin(), b.begin() + kImageBytes, std::int32_t{0});
}

bool ImageChanged()
{
    const auto& b = image().bytes();
    return !std::equal(project().Saved.begin(), project().Saved.end(), b.begin());
}

void MarkProjectSaved()
{
    ProjectState& p = project();
    std::copy_n(image().bytes().begin(), kImageBytes, p.Saved.begin());
    p.ChecksumBaseline = BufferChecksum();
}

PageReadResult ReadProjectPages(const QString& name)
{
    const QString base = name.chopped(std::min<qsizetype>(4, name.size()));
    // All eight pages are read before anything changes, so a failed open leaves the current
    // project (image, names, baseline) exactly as it was.
    auto pages = std::make_unique<Pages>();
    for (int k = 1; k <= kPageCount; ++k) {
        const QString file = pageFileName(base, k);
        const PageFault fault = readPage(file, k, pages->data() + pageOffset(k));
        if (fault != PageFault::None)
            return {fault, file};
    }
    std::copy(pages->begin(), pages->end(), image().bytes().begin());
    project().ProjectBasePath = base;
    return {};
}

QString WriteProjectPages(const QString& base)
{
    // Every target is checked before anything is written: a protected page or one whose name is
    // taken by a folder fails the whole save, and nothing is replaced.
    QStringList targets;
    for (int k = 1; k <= kPageCount; ++k) {
        const QString file = pageFileName(base, k);
        const QString real = pageTarget(file);
        const QFileInfo target(real);
        if (real.isEmpty() || (target.exists() && !target.isFile()) || isProtected(target))
            return file;
        targets << real;
    }
    // Every page goes to a temporary file beside its target first; the targets are replaced only
    // when all eight were written.
    std::vector<std::unique_ptr<QTemporaryFile>> temps;
    for (int k = 1; k <= kPageCount; ++k) {
        const QString file = pageFileName(base, k);
        const QFileInfo target(targets[k - 1]);
        auto temp = std::make_unique<QTemporaryFile>(target.filePath() + QStringLiteral(".XXXXXX"));
        const char* page = reinterpret_cast<const char*>(image().bytes().data() + pageOffset(k));
        if (!temp->open() || temp->write(page, kPageBytes) != kPageBytes || !temp->flush())
            return file;
        temp->setPermissions(target.exists() ? target.permissions()
                                             : QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                   | QFileDevice::ReadGroup | QFileDevice::ReadOther);
        temp->close();
        temps.push_back(std::move(temp));
    }
    // Each old page is kept beside its target until all eight renames have succeeded; when one
    // fails, the pages already replaced go back, so the folder holds the old project whole.
    std::vector<QString> kept(kPageCount);   // the kept old page; empty where there was none
    const auto dropKept = [&kept] {
        for (const QString& file : kept)
            if (!file.isEmpty())
                QFile::remove(file);
    };
    for (int k = 1; k <= kPageCount; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        if (!QFileInfo::exists(targets[k - 1]))
            continue;
        const QString keep = temps[i]->fileName() + QStringLiteral(".old");
        if (!keepPage(targets[k - 1], keep)) {
            dropKept();
            return pageFileName(base, k);
        }
        kept[i] = keep;
    }
    for (int k = 1; k <= kPageCount; ++k) {
        QTemporaryFile& temp = *temps[static_cast<std::size_t>(k - 1)];
        if (!renamePage(temp.fileName(), targets[k - 1])) {
            for (std::size_t j = 0; j + 1 < static_cast<std::size_t>(k); ++j) {
                if (kept[j].isEmpty())
                    QFile::remove(targets[j]);          // a page this save made
                else
                    renameOver(kept[j], targets[j]);   // if even that fails, the kept file stays
                kept[j].clear();
            }
            dropKept();
            return pageFileName(base, k);
        }
        temp.setAutoRemove(false);
    }
    dropKept();
    return {};
}

} // namespace quillon
