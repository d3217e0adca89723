#include "platform/WholeFile.h"

#include "platform/ReadFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

std::function<int(const QString&)>& writeFault()
{
    static std::function<int(const QString&)> fault;
    return fault;
}

std::function<int(const QString&)>& folderSyncFault()
{
    static std::function<int(const QString&)> fault;
    return fault;
}

mode_t newFileMode()
{
    // The umask can only be read by setting it; these programs write files from one thread.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

int SyncFolder(const QString& file)
{
    // Makes the rename itself durable.
    const QString folder = QFileInfo(file).absolutePath();
    const int dir = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0)
        return errno;
    const auto& fault = folderSyncFault();
    int error = fault ? fault(folder) : ::fsync(dir) == 0 ? 0 : errno;
    ::close(dir);
    // A file system that cannot sync a folder at all has still renamed.
    if (error == EINVAL)
        error = 0;
    return error;
}

bool IsProtectedFile(const QString& file)
{
    const QFileInfo target(file);
    return target.exists() && (!target.isWritable() || !(target.permissions() & QFileDevice::WriteOwner));
}

QString FollowLinks(const QString& name)
{
    QString path = QFileInfo(name).absoluteFilePath();
    for (int hops = 0; hops < 40; ++hops) {
        const QFileInfo info(path);
        if (!info.isSymLink())
            return path;
        path = info.symLinkTarget();
    }
    return {};
}

StagedFile::StagedFile(const QString& target, const QString& tempSuffix)
    : name_(target), target_(FollowLinks(target)), suffix_(tempSuffix)
{
}

StagedFile::~StagedFile()
{
    discard();
}

bool StagedFile::fail(int error)
{
    error_ = SystemReason(error);
    return false;
}

bool StagedFile::open()
{
    if (target_.isEmpty())
        return fail(ELOOP);
    // A pipe in the file's place is replaced like a file; a folder or a device never is.
    struct stat there {};
    if (::stat(QFile::encodeName(target_).constData(), &there) == 0 && !S_ISREG(there.st_mode)
        && !S_ISFIFO(there.st_mode))
        return fail(S_ISDIR(there.st_mode) ? EISDIR : EINVAL);
    const QByteArray suffix = QFile::encodeName(suffix_);
    QByteArray pattern = QFile::encodeName(target_) + ".XXXXXX" + suffix;
    fd_ = ::mkstemps(pattern.data(), static_cast<int>(suffix.size()));   // O_CREAT | O_EXCL: never follows a planted name
    if (fd_ < 0)
        return fail(errno);
    tempPath_ = QFile::decodeName(pattern);
    struct stat old {};
    const bool replacing = ::stat(QFile::encodeName(target_).constData(), &old) == 0;
    // The file stays its owner's and its group's, also when someone else (root) saves it. Where
    // the system refuses, it becomes the writer's, as any new file does. The owner goes first:
    // a change of owner clears the set-id bits the mode then puts back.
    if (replacing && (old.st_uid != ::geteuid() || old.st_gid != ::getegid())
        && ::fchown(fd_, old.st_uid, old.st_gid) != 0) {
        // EPERM: kept as the writer's
    }
    ::fchmod(fd_, replacing ? (old.st_mode & 07777) : newFileMode());
    return true;
}

bool StagedFile::write(const QByteArray& bytes)
{
    if (fd_ < 0)
        return fail(EBADF);
    if (const auto& fault = writeFault())
        if (const int error = fault(name_))
            return fail(error);
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd_, data, static_cast<size_t>(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        data += n;
        left -= n;
    }
    return true;
}

bool StagedFile::finish()
{
    if (finished_)
        return true;
    if (fd_ < 0)
        return fail(EBADF);
    if (::fsync(fd_) != 0) {
        const int error = errno;
        ::close(fd_);
        fd_ = -1;
        return fail(error);
    }
    const int closed = ::close(fd_);
    fd_ = -1;
    if (closed != 0)
        return fail(errno);
    finished_ = true;
    return true;
}

bool StagedFile::commit()
{
    if (!finish())
        return false;
    if (std::rename(QFile::encodeName(tempPath_).constData(), QFile::encodeName(target_).constData()) != 0)
        return fail(errno);
    committed_ = true;
    if (const int error = SyncFolder(target_))
        return fail(error);
    RemoveLeftovers(target_, suffix_);
    return true;
}

void StagedFile::discard()
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!committed_ && !tempPath_.isEmpty())
        ::unlink(QFile::encodeName(tempPath_).constData());
    tempPath_.clear();
}

void StagedFile::release()
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    committed_ = true;
    tempPath_.clear();
}

WriteResult WriteWholeFile(const QString& path, const QByteArray& bytes)
{
    StagedFile file(path);
    if (!file.open() || !file.write(bytes) || !file.commit())
        return {false, file.error()};
    return {true, {}};
}

void RemoveLeftovers(const QString& target, const QString& suffix)
{
    const QFileInfo info(target);
    const QString name = QRegularExpression::escape(info.fileName());
    const QRegularExpression ours(
        QStringLiteral("^%1\\.[A-Za-z0-9]{6}%2$").arg(name, QRegularExpression::escape(suffix)));
    // Before the writer marked its files, they ended with the six random characters alone. Of
    // those only names no one would type are taken: a capital, a small letter and a digit, as
    // in "Merrow.ini.k3J9xQ" (never "Merrow.ini.backup" or "Merrow.ini.2024v1").
    const QRegularExpression earlier(
        QStringLiteral("^%1\\.(?=[^.]*[A-Z])(?=[^.]*[a-z])(?=[^.]*[0-9])[A-Za-z0-9]{6}$").arg(name));
    QDirIterator it(info.absolutePath(), QDir::Files | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        const QString entry = it.next();
        const QString entryName = it.fileName();
        if (!ours.match(entryName).hasMatch()
            && !(suffix == QLatin1String(kWholeFileTempSuffix) && earlier.match(entryName).hasMatch()))
            continue;
        // Only plain files of this user's: never a link, never someone else's file.
        const QByteArray encoded = QFile::encodeName(entry);
        struct stat st {};
        if (::lstat(encoded.constData(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid())
            ::unlink(encoded.constData());
    }
}

QString DescribeWriteFailure(const QString& path, const QString& error)
{
    return error.isEmpty() ? path : QStringLiteral("%1: %2").arg(path, error);
}

void KeepRunningPastFileSizeLimit()
{
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    ::sigemptyset(&ignore.sa_mask);
    ::sigaction(SIGXFSZ, &ignore, nullptr);
}

void setWriteFaultForTests(std::function<int(const QString& target)> fault)
{
    writeFault() = std::move(fault);
}

void setFolderSyncFaultForTests(std::function<int(const QString& folder)> fault)
{
    folderSyncFault() = std::move(fault);
}

} // namespace platform
