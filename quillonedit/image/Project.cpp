#include "quillonedit/image/Project.h"

#include "quillonedit/image/ImageMap.h"

#include "platform/ReadFile.h"
#include "platform/WholeFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>
#include <utility>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace quillon {

namespace {

using Pages = std::array<std::uint8_t, kImageBytes>;

// The record of a save, a journal of it:
//   "quillonedit save record 2\n"
//   "project <base>\n"                          the project's base path, absolute
//   "page <k> <old> <new> <target>\n"           k = 1..8: the file page k leads to, the SHA-256
//                                               of its old page (64 '-' when there was none, 64
//                                               '?' when it was too long) and of its new page, in hex
//   "image\n" and the 32,768 bytes of the new image
//   "\nsha256 <hex>\n"                          the SHA-256 of everything before this line
// Paths are percent-encoded, so a name with a blank or a line break stays on its line. Every
// field has a fixed width but the paths, so the open knows the exact length to read.
constexpr char kRecordHeader[] = "quillonedit save record 2\n";
constexpr qsizetype kHashChars = 64;
const QByteArray kAbsent(kHashChars, '-');
// The old page's checksum when it was too long to read: no file is ever taken for it.
const QByteArray kUnknown(kHashChars, '?');
// An old page of another length than a page's is still told apart from the new one up to this size.
constexpr std::int64_t kOldPageBound = 1 << 20;
constexpr char kChecksumLabel[] = "\nsha256 ";
constexpr qsizetype kChecksumLineBytes = sizeof(kChecksumLabel) - 1 + kHashChars + 1;

QString pageFileName(const QString& base, int k)
{
    return base + QStringLiteral(".00%1").arg(k);
}

// A project's first page name less its last four characters.
QString projectBase(const QString& name)
{
    return name.chopped(std::min<qsizetype>(4, name.size()));
}

QString recordName(const QString& base)
{
    return base + QLatin1String(kUnfinishedSaveSuffix);
}

QByteArray nativeName(const QString& path)
{
    return QFile::encodeName(path);
}

QByteArray hashOf(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
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

std::function<bool(const QString&, const QString&)>& pageRenameForTests()
{
    static std::function<bool(const QString&, const QString&)> rename;
    return rename;
}

PageWriteResult failure(const QString& file, const QString& reason)
{
    return {file, reason, {}};
}

// Syncs the folder holding `file`, so that what was renamed or removed in it survives a crash:
// 0, or the errno.
int syncFolderOf(const QString& file)
{
    const int error = platform::SyncFolder(file);
    if (error == 0)
        saveStep(QStringLiteral("sync folder ") + QFileInfo(file).absolutePath());
    return error;
}

// Syncs each folder of `files` once; on failure, the file whose folder failed and why.
PageWriteResult syncFolders(const QStringList& files)
{
    QStringList folders;
    for (const QString& file : files) {
        const QString folder = QFileInfo(file).absolutePath();
        if (folders.contains(folder))
            continue;
        folders << folder;
        if (const int error = syncFolderOf(file))
            return failure(file, platform::SystemReason(error));
    }
    return {};
}

// Reads one page file into `page`; the fault when it cannot.
PageFault readPage(const QString& file, int k, std::uint8_t* page)
{
    const platform::ReadResult read = platform::ReadExactFile(file, kPageBytes);
    switch (read.status) {
    case platform::ReadStatus::Read:
        std::copy(read.bytes.begin(), read.bytes.end(), page);
        return PageFault::None;
    case platform::ReadStatus::Missing:
    case platform::ReadStatus::NotAFile:
        return k == 1 ? PageFault::FirstPageMissing : PageFault::Invalid;
    case platform::ReadStatus::TooLarge:
    case platform::ReadStatus::WrongSize:
        return PageFault::WrongSize;
    case platform::ReadStatus::Failed:
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

// A second name for `file` that no other file has, ending in `suffix`: a hard link, or a synced
// copy where the file system has no links (only a page is copied). Empty, or why it could not be made.
QString secondName(const QString& file, const char* suffix, QString& made)
{
    int error = EEXIST;
    for (int attempt = 0; attempt < 100 && error == EEXIST; ++attempt) {
        const QString name = file + QLatin1Char('.') + randomPart() + QLatin1String(suffix);
        if (::link(nativeName(file).constData(), nativeName(name).constData()) == 0) {
            made = name;
            return {};
        }
        error = errno;
    }
    if (error == EEXIST)
        return platform::SystemReason(error);
    const platform::ReadResult old = platform::ReadExactFile(file, kPageBytes, platform::Links::Refuse);
    if (!old.ok())
        return platform::SystemReason(error);
    platform::StagedFile copy(file, QLatin1String(suffix));
    if (!copy.open() || !copy.write(old.bytes) || !copy.finish())
        return copy.error();
    made = copy.tempPath();
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

// The plain files beside `target` named as a save names its files: "<target>.XXXXXX<suffix>".
QStringList filesOfASave(const QString& target, const char* suffix)
{
    const QFileInfo info(target);
    const QRegularExpression ours(QStringLiteral("^%1\\.[A-Za-z0-9]{6}%2$")
                                      .arg(QRegularExpression::escape(info.fileName()),
                                           QRegularExpression::escape(QLatin1String(suffix))));
    const QDir folder = info.absoluteDir();
    QStringList found;
    for (const QString& name : folder.entryList(QDir::Files | QDir::System | QDir::Hidden)) {
        const QString path = folder.filePath(name);
        if (ours.match(name).hasMatch() && isPlainFile(path))
            found << path;
    }
    return found;
}

// What a save left beside its pages and its record once nothing needs it: its new pages not put
// in place and its kept old pages (plain files of this user only, the one leftover rule).
void removeLeftovers(const QStringList& targets, const QString& record)
{
    QStringList done;
    for (const QString& target : targets) {
        if (target.isEmpty() || done.contains(target))
            continue;
        done << target;
        platform::RemoveLeftovers(target, QLatin1String(kNewPageSuffix));
        platform::RemoveLeftovers(target, QLatin1String(kKeptPageSuffix));
        saveStep(QStringLiteral("remove leftovers ") + target);
    }
    platform::RemoveLeftovers(record, QLatin1String(kNewPageSuffix));
    saveStep(QStringLiteral("remove leftovers ") + record);
}

// --- The record ------------------------------------------------------------------------------

struct SaveRecord {
    QString base;                  // absolute
    QStringList targets;           // the files the eight pages lead to
    QByteArrayList before;         // checksum of each old page, or kAbsent
    QByteArrayList after;          // checksum of each new page
    QByteArray image;              // the new image
};

QByteArray encodedPath(const QString& path)
{
    return nativeName(path).toPercentEncoding("/");
}

QByteArray encodeRecord(const SaveRecord& r)
{
    QByteArray out(kRecordHeader);
    out += "project " + encodedPath(r.base) + '\n';
    for (int k = 1; k <= kPageCount; ++k)
        out += "page " + QByteArray::number(k) + ' ' + r.before[k - 1] + ' ' + r.after[k - 1] + ' '
            + encodedPath(r.targets[k - 1]) + '\n';
    out += "image\n";
    out += r.image;
    out += kChecksumLabel + hashOf(out) + '\n';
    return out;
}

SaveRecord recordOf(const QString& base, const QStringList& targets)
{
    return {QFileInfo(base).absoluteFilePath(), targets, QByteArrayList(kPageCount, kAbsent),
            QByteArrayList(kPageCount, kAbsent), QByteArray(kImageBytes, '\0')};
}

bool isHash(const QByteArray& field)
{
    return field.size() == kHashChars
        && std::all_of(field.begin(), field.end(), [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

struct RecordRead {
    bool usable = false;
    SaveRecord record;
    QString why;   // when not usable
};

// The record of a save of these pages, when it proves whole and theirs. Only a plain file is
// read, never through a link, and no more than a record of these names is long.
RecordRead readRecord(const QString& path, const QString& base, const QStringList& targets)
{
    SaveRecord expected = recordOf(base, targets);
    const platform::ReadResult read =
        platform::ReadExactFile(path, encodeRecord(expected).size(), platform::Links::Refuse);
    if (!read.ok())
        return {false, {}, read.reason};
    const QByteArray& bytes = read.bytes;
    const QByteArray body = bytes.chopped(kChecksumLineBytes);
    if (!bytes.startsWith(kRecordHeader))
        return {false, {}, QStringLiteral("Not A Record Of A Save")};
    if (bytes.right(kChecksumLineBytes) != kChecksumLabel + hashOf(body) + '\n')
        return {false, {}, QStringLiteral("The Record Is Damaged")};
    const QString foreign = QStringLiteral("The Record Of A Save Of Other Files");
    QList<QByteArray> lines;
    qsizetype at = 0;
    for (int i = 0; i < 2 + kPageCount + 1; ++i) {
        const qsizetype end = body.indexOf('\n', at);
        if (end < 0)
            return {false, {}, foreign};
        lines << body.mid(at, end - at);
        at = end + 1;
    }
    if (lines[1] != "project " + encodedPath(expected.base) || lines[2 + kPageCount] != "image"
        || body.size() - at != kImageBytes)
        return {false, {}, foreign};
    expected.image = body.mid(at);
    for (int k = 1; k <= kPageCount; ++k) {
        const QList<QByteArray> fields = lines[1 + k].split(' ');
        if (fields.size() != 5 || fields[0] != "page" || fields[1] != QByteArray::number(k)
            || fields[4] != encodedPath(targets[k - 1]))
            return {false, {}, foreign};
        if (!(isHash(fields[2]) || fields[2] == kAbsent || fields[2] == kUnknown) || !isHash(fields[3]))
            return {false, {}, QStringLiteral("The Record Is Damaged")};
        expected.before[k - 1] = fields[2];
        expected.after[k - 1] = fields[3];
    }
    return {true, expected, {}};
}

// --- Settling a cut-off save -----------------------------------------------------------------

enum class PageIs { Old, New, Neither };

struct PageLook {
    PageIs is = PageIs::Neither;
    QString why;   // when neither
};

// Whether the file at `target` is the page before the save, the page it saves, or neither.
PageLook lookAtPage(const QString& target, const QByteArray& before, const QByteArray& after)
{
    const platform::ReadResult read = platform::ReadWholeFile(target, kOldPageBound, platform::Links::Refuse);
    if (read.status == platform::ReadStatus::Missing && before == kAbsent)
        return {PageIs::Old, {}};
    if (!read.ok())
        return {PageIs::Neither, read.reason};
    const QByteArray hash = hashOf(read.bytes);
    if (hash == after)
        return {PageIs::New, {}};
    if (hash == before)
        return {PageIs::Old, {}};
    return {PageIs::Neither, QStringLiteral("This Page Is Neither The One Before The Save Nor The One Saved")};
}

// Puts page bytes `kept` holds back in `target`'s place through a second name, so `kept` stays
// until the pages are proven whole. Empty, or why it could not.
QString putPageBack(const QString& kept, const QString& target)
{
    QString temp;
    if (const QString why = secondName(kept, kNewPageSuffix, temp); !why.isEmpty())
        return why;
    saveStep(QStringLiteral("link ") + temp);
    if (const int error = renamePage(temp, target)) {
        ::unlink(nativeName(temp).constData());
        return platform::SystemReason(error);
    }
    saveStep(QStringLiteral("put back ") + target);
    return {};
}

// Removes the record once the pages it describes are whole on the disk.
PageWriteResult dropRecord(const QString& record)
{
    struct stat seen {};
    if (::lstat(nativeName(record).constData(), &seen) != 0)
        return {};
    const int removed = S_ISDIR(seen.st_mode) ? ::rmdir(nativeName(record).constData())
                                              : ::unlink(nativeName(record).constData());
    if (removed != 0)
        return failure(record, platform::SystemReason(errno));
    saveStep(QStringLiteral("unlink ") + record);
    if (const int error = syncFolderOf(record))
        return failure(record, platform::SystemReason(error));
    return {};
}

// Every page is its old or its new page: the new ones go in place. A synced new page the save
// left is renamed (that needs no room on a full disk); otherwise the page is written from the record.
PageWriteResult finishForward(const SaveRecord& r, const QString& base, const QString& record,
                              const std::vector<PageIs>& pages)
{
    for (int k = 1; k <= kPageCount; ++k) {
        const QString& target = r.targets[k - 1];
        if (pages[static_cast<std::size_t>(k - 1)] == PageIs::New)
            continue;
        QString staged;
        for (const QString& temp : filesOfASave(target, kNewPageSuffix)) {
            const platform::ReadResult read = platform::ReadExactFile(temp, kPageBytes, platform::Links::Refuse);
            if (read.ok() && hashOf(read.bytes) == r.after[k - 1]) {
                staged = temp;
                break;
            }
        }
        if (staged.isEmpty()) {
            platform::StagedFile temp(target, QLatin1String(kNewPageSuffix));
            if (!temp.open() || !temp.write(r.image.mid(pageOffset(k), kPageBytes)) || !temp.finish())
                return failure(pageFileName(base, k), temp.error());
            saveStep(QStringLiteral("sync ") + temp.tempPath());
            staged = temp.tempPath();
            temp.release();
        }
        if (const int error = renamePage(staged, target)) {
            ::unlink(nativeName(staged).constData());
            return failure(pageFileName(base, k), platform::SystemReason(error));
        }
        saveStep(QStringLiteral("rename ") + target);
    }
    if (PageWriteResult synced = syncFolders(r.targets); !synced.ok())
        return synced;
    if (PageWriteResult dropped = dropRecord(record); !dropped.ok())
        return dropped;
    removeLeftovers(r.targets, record);
    return {};
}

// Puts the pages `kept` holds (read already: `keptPages`) back where they differ, syncs the
// folders, and removes `record` (when there is one) only then.
PageWriteResult putPagesBack(const QString& base, const QStringList& targets, const QStringList& kept,
                             const QByteArrayList& keptPages, const QString& record)
{
    for (int k = 1; k <= kPageCount; ++k) {
        const QString& target = targets[k - 1];
        const platform::ReadResult now = platform::ReadExactFile(target, kPageBytes, platform::Links::Refuse);
        if (now.ok() && now.bytes == keptPages[k - 1])
            continue;
        if (const QString why = putPageBack(kept[k - 1], target); !why.isEmpty())
            return failure(pageFileName(base, k), why);
    }
    if (PageWriteResult synced = syncFolders(targets); !synced.ok())
        return synced;
    return record.isEmpty() ? PageWriteResult{} : dropRecord(record);
}

// The record cannot be used: the old project comes back from the kept pages, one whole kept page
// for every page, or the open stops and says why.
PageWriteResult rollBack(const QString& base, const QStringList& targets, const QString& record, const QString& why)
{
    QStringList kept;
    QByteArrayList keptPages;
    for (int k = 1; k <= kPageCount; ++k) {
        const QStringList found = filesOfASave(targets[k - 1], kKeptPageSuffix);
        QString problem;
        if (found.isEmpty())
            problem = QStringLiteral("No Old Copy Of This Page Was Kept");
        else if (found.size() > 1)
            problem = QStringLiteral("More Than One Old Copy Of This Page Was Kept");
        else if (const platform::ReadResult read = platform::ReadExactFile(found[0], kPageBytes, platform::Links::Refuse);
                 !read.ok())
            problem = QStringLiteral("Its Kept Old Copy %1 Cannot Be Used: %2").arg(found[0], read.reason);
        else
            keptPages << read.bytes;
        if (!problem.isEmpty())
            return failure(pageFileName(base, k),
                           QStringLiteral("The Record %1 Cannot Be Used: %2\n%3").arg(record, why, problem));
        kept << found[0];
    }
    if (PageWriteResult back = putPagesBack(base, targets, kept, keptPages, record); !back.ok())
        return back;
    removeLeftovers(targets, record);
    return {};
}

// Old pages kept as earlier versions kept them, "<target>.quillon-old", without a record: that
// version put them back at the next open, and so does this one, all eight or none.
PageWriteResult restoreEarlierKeptPages(const QString& base, const QStringList& targets)
{
    QStringList kept;
    for (const QString& target : targets)
        kept << target + QLatin1String(kKeptPageSuffix);
    if (std::none_of(kept.begin(), kept.end(), isPlainFile))
        return {};
    QByteArrayList keptPages;
    for (int k = 1; k <= kPageCount; ++k) {
        const platform::ReadResult read = platform::ReadExactFile(kept[k - 1], kPageBytes, platform::Links::Refuse);
        if (!read.ok())
            return failure(kept[k - 1], QStringLiteral("A Cut-Off Save Kept The Old Pages, But This One Cannot Be Used: ")
                                            + read.reason);
        keptPages << read.bytes;
    }
    if (PageWriteResult back = putPagesBack(base, targets, kept, keptPages, {}); !back.ok())
        return back;
    for (const QString& file : kept)
        if (::unlink(nativeName(file).constData()) == 0)
            saveStep(QStringLiteral("unlink ") + file);
    return {};
}

// --- The phases of a save ----------------------------------------------------------------------

// The files the pages lead to, each checked before anything is written: a protected page, one
// whose name is taken by a folder, or a second name of a file another page already leads to
// fails the whole save, and nothing is replaced.
PageWriteResult checkTargets(const QString& base, QStringList& targets)
{
    for (int k = 1; k <= kPageCount; ++k) {
        const QString file = pageFileName(base, k);
        const QString real = platform::FollowLinks(file);
        if (real.isEmpty())
            return failure(file, platform::SystemReason(ELOOP));
        const QFileInfo target(real);
        if (target.exists() && !target.isFile())
            return failure(file, platform::NotAFileReason(target.isDir()));
        if (platform::IsProtectedFile(real))
            return failure(file, platform::SystemReason(EACCES));
        for (int j = 1; j < k; ++j)
            if (sameFile(real, targets[j - 1]))
                return failure(file, QStringLiteral("The same file as %1").arg(pageFileName(base, j)));
        targets << real;
    }
    return {};
}

using StagedPages = std::vector<std::unique_ptr<platform::StagedFile>>;

// Every new page goes to a temporary file beside its target, synced to the disk.
PageWriteResult stageNewPages(const QString& base, const QStringList& targets, const QByteArray& newImage,
                              StagedPages& staged)
{
    for (int k = 1; k <= kPageCount; ++k) {
        auto temp = std::make_unique<platform::StagedFile>(targets[k - 1], QLatin1String(kNewPageSuffix));
        if (!temp->open() || !temp->write(newImage.mid(pageOffset(k), kPageBytes)) || !temp->finish())
            return failure(pageFileName(base, k), temp->error());
        saveStep(QStringLiteral("sync ") + temp->tempPath());
        staged.push_back(std::move(temp));
    }
    return {};
}

// Removes the kept old pages (reported one by one: each is a step).
void dropKept(std::vector<QString>& kept)
{
    for (QString& file : kept)
        if (!file.isEmpty() && ::unlink(nativeName(std::exchange(file, QString())).constData()) == 0)
            saveStep(QStringLiteral("unlink kept page"));
}

// Each old page is kept under a second name until the new pages are proven whole; with its
// checksum for the record (`before` stays kAbsent where there was no page).
PageWriteResult keepOldPages(const QString& base, const QStringList& targets, std::vector<QString>& kept,
                             QByteArrayList& before)
{
    for (int k = 1; k <= kPageCount; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        if (!QFileInfo::exists(targets[k - 1]))
            continue;
        if (const QString why = secondName(targets[k - 1], kKeptPageSuffix, kept[i]); !why.isEmpty())
            return failure(pageFileName(base, k), why);
        saveStep(QStringLiteral("link ") + kept[i]);
        const platform::ReadResult old = platform::ReadWholeFile(kept[i], kOldPageBound, platform::Links::Refuse);
        before[k - 1] = old.ok() ? hashOf(old.bytes) : kUnknown;
    }
    return {};
}

// The record goes to the disk, synced, with its folder, before the first page is replaced: from
// here on a save cut off at any moment is finished by the next open.
PageWriteResult storeRecord(const QString& record, const SaveRecord& content)
{
    platform::StagedFile saving(record, QLatin1String(kNewPageSuffix));
    if (!saving.open() || !saving.write(encodeRecord(content)) || !saving.finish())
        return failure(record, saving.error());
    saveStep(QStringLiteral("sync ") + saving.tempPath());
    if (std::rename(nativeName(saving.tempPath()).constData(), nativeName(record).constData()) != 0)
        return failure(record, platform::SystemReason(errno));
    saving.release();
    saveStep(QStringLiteral("rename ") + record);
    if (const int error = syncFolderOf(record)) {
        // Not durable: no page is replaced, and the record of a save that did not happen goes.
        ::unlink(nativeName(record).constData());
        return failure(record, platform::SystemReason(error));
    }
    return {};
}

// The new pages take their places one by one; 0 when all did, else the page that failed (and
// the errno in `error`).
int replacePages(const QStringList& targets, StagedPages& staged, int& error)
{
    for (int k = 1; k <= kPageCount; ++k) {
        platform::StagedFile& temp = *staged[static_cast<std::size_t>(k - 1)];
        error = renamePage(temp.tempPath(), targets[k - 1]);
        if (error != 0)
            return k;
        temp.release();
        saveStep(QStringLiteral("rename ") + targets[k - 1]);
    }
    return 0;
}

// Page `failed` could not take its place: the pages before it go back (a page this save made
// goes), so the folder holds the old project whole; the record goes only then.
// True when the record is gone (the kept pages may go too).
bool putBackAfterFailure(const QString& base, const QStringList& targets, const std::vector<QString>& kept,
                         const QString& record, int failed, PageWriteResult& result)
{
    QStringList back;
    for (int j = 1; j < failed; ++j) {
        const QString& old = kept[static_cast<std::size_t>(j - 1)];
        bool ok = false;
        if (old.isEmpty()) {
            ok = ::unlink(nativeName(targets[j - 1]).constData()) == 0;
            if (ok)
                saveStep(QStringLiteral("unlink ") + targets[j - 1]);
        } else {
            ok = putPageBack(old, targets[j - 1]).isEmpty();
        }
        if (ok)
            back << targets[j - 1];
        else
            result.nowNew << pageFileName(base, j);
    }
    // If a page could not go back, or its folder not be synced, the record stays and the next
    // open finishes this save instead.
    return result.nowNew.isEmpty() && syncFolders(back).ok() && dropRecord(record).ok();
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
    const QString record = recordName(base);
    QStringList targets;
    for (int k = 1; k <= kPageCount; ++k)
        targets << platform::FollowLinks(pageFileName(base, k));
    struct stat seen {};
    const bool recorded = ::lstat(nativeName(record).constData(), &seen) == 0 || errno != ENOENT;
    for (int k = 1; k <= kPageCount; ++k)
        if (targets[k - 1].isEmpty()) {
            // A loop of links: the open reports that page; nothing of a save can be settled.
            if (recorded)
                return failure(pageFileName(base, k), platform::SystemReason(ELOOP));
            return {};
        }
    if (!recorded) {
        if (PageWriteResult restored = restoreEarlierKeptPages(base, targets); !restored.ok())
            return restored;
        // Without a record no page was replaced: what a save left beside the pages is of no use.
        removeLeftovers(targets, record);
        return {};
    }
    const RecordRead read = readRecord(record, base, targets);
    if (!read.usable)
        return rollBack(base, targets, record, read.why);
    std::vector<PageIs> pages;
    for (int k = 1; k <= kPageCount; ++k) {
        const PageLook look = lookAtPage(targets[k - 1], read.record.before[k - 1], read.record.after[k - 1]);
        if (look.is == PageIs::Neither)
            return failure(pageFileName(base, k), look.why);
        pages.push_back(look.is);
    }
    return finishForward(read.record, base, record, pages);
}

QString SaveRecordOf(const QString& name)
{
    return recordName(projectBase(name));
}

PageWriteResult WriteProjectPages(const QString& base)
{
    // A cut-off save of these pages is settled first: this save's record would otherwise take
    // the place of its record.
    if (PageWriteResult settled = FinishInterruptedSave(base + QStringLiteral(".001")); !settled.ok())
        return settled;
    QStringList targets;
    if (PageWriteResult checked = checkTargets(base, targets); !checked.ok())
        return checked;
    const QByteArray newImage(reinterpret_cast<const char*>(image().bytes().data()), kImageBytes);
    StagedPages staged;
    if (PageWriteResult done = stageNewPages(base, targets, newImage, staged); !done.ok())
        return done;
    std::vector<QString> kept(kPageCount);   // the kept old page; empty where there was none
    SaveRecord content = recordOf(base, targets);
    if (PageWriteResult done = keepOldPages(base, targets, kept, content.before); !done.ok()) {
        dropKept(kept);
        return done;
    }
    // The new pages and the kept old ones are named in their folders before the record says so.
    if (PageWriteResult synced = syncFolders(targets); !synced.ok()) {
        dropKept(kept);
        return synced;
    }
    for (int k = 1; k <= kPageCount; ++k)
        content.after[k - 1] = hashOf(newImage.mid(pageOffset(k), kPageBytes));
    content.image = newImage;
    const QString record = recordName(base);
    if (PageWriteResult stored = storeRecord(record, content); !stored.ok()) {
        dropKept(kept);
        return stored;
    }
    int error = 0;
    if (const int failed = replacePages(targets, staged, error)) {
        PageWriteResult result = failure(pageFileName(base, failed), platform::SystemReason(error));
        if (putBackAfterFailure(base, targets, kept, record, failed, result))
            dropKept(kept);
        return result;
    }
    // The pages are whole on the disk before the record goes; a failed sync leaves the record,
    // and the next open finishes the save.
    if (PageWriteResult synced = syncFolders(targets); !synced.ok())
        return synced;
    if (PageWriteResult dropped = dropRecord(record); !dropped.ok())
        return dropped;
    dropKept(kept);
    removeLeftovers(targets, record);
    return {};
}

} // namespace quillon
