#include "platform/ReadFile.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

std::function<void(ReadStage, const QString&)>& readStageHook()
{
    static std::function<void(ReadStage, const QString&)> hook;
    return hook;
}

void reached(ReadStage stage, const QString& path)
{
    if (const auto& hook = readStageHook())
        hook(stage, path);
}

} // namespace

QString SystemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString NotAFileReason(bool folder)
{
    return folder ? SystemReason(EISDIR) : QStringLiteral("Not a regular file");
}

CheckedFile::CheckedFile(const QString& path, Links links)
{
    const QByteArray name = QFile::encodeName(path);
    const auto refuse = [this](ReadStatus status, const QString& reason) {
        status_ = status;
        reason_ = reason;
    };
    const QString linkReason = QStringLiteral("A symbolic link");
    const auto refuseNotAFile = [&](mode_t mode) {
        refuse(ReadStatus::NotAFile, S_ISLNK(mode) ? linkReason : NotAFileReason(S_ISDIR(mode)));
    };
    struct stat seen {};
    const int looked = links == Links::Refuse ? ::lstat(name.constData(), &seen) : ::stat(name.constData(), &seen);
    if (looked != 0) {
        const int error = errno;
        refuse(error == ENOENT || error == ENOTDIR ? ReadStatus::Missing : ReadStatus::Failed, SystemReason(error));
        return;
    }
    if (!S_ISREG(seen.st_mode)) {
        refuseNotAFile(seen.st_mode);
        return;
    }
    reached(ReadStage::Looked, path);
    const int flags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | (links == Links::Refuse ? O_NOFOLLOW : 0);
    fd_ = ::open(name.constData(), flags);
    if (fd_ < 0) {
        const int error = errno;
        if (error == ELOOP && links == Links::Refuse)
            refuse(ReadStatus::NotAFile, linkReason);   // a link put in the file's place since the look
        else
            refuse(ReadStatus::Failed, SystemReason(error));
        return;
    }
    // Whatever was put in its place since the look is looked at again, and that is what counts.
    struct stat opened {};
    if (::fstat(fd_, &opened) != 0) {
        refuse(ReadStatus::Failed, SystemReason(errno));
        return;
    }
    if (!S_ISREG(opened.st_mode)) {
        refuseNotAFile(opened.st_mode);
        return;
    }
    size_ = opened.st_size;
    status_ = ReadStatus::Read;
    reached(ReadStage::Opened, path);
}

CheckedFile::~CheckedFile()
{
    if (fd_ >= 0)
        ::close(fd_);
}

std::int64_t CheckedFile::currentSize() const
{
    struct stat now {};
    return fd_ >= 0 && ::fstat(fd_, &now) == 0 ? static_cast<std::int64_t>(now.st_size) : -1;
}

std::int64_t CheckedFile::read(char* out, std::int64_t max)
{
    if (status_ != ReadStatus::Read)
        return -1;
    for (;;) {
        const ssize_t n = ::read(fd_, out, static_cast<size_t>(max));
        if (n >= 0)
            return n;
        if (errno != EINTR) {
            status_ = ReadStatus::Failed;
            reason_ = SystemReason(errno);
            return -1;
        }
    }
}

namespace {

// Reads at most `limit` bytes of the open file (one past what may be kept, so that a file grown
// since its look is noticed without reading it all).
ReadResult readUpTo(CheckedFile& file, std::int64_t room, std::int64_t limit)
{
    ReadResult r;
    QByteArray bytes(static_cast<qsizetype>(room), Qt::Uninitialized);
    std::int64_t got = 0;
    while (got < limit) {
        if (got == bytes.size())
            bytes.resize(static_cast<qsizetype>(limit));
        const std::int64_t n = file.read(bytes.data() + got, bytes.size() - got);
        if (n < 0) {
            r.status = ReadStatus::Failed;
            r.reason = file.reason();
            return r;
        }
        if (n == 0)
            break;
        got += n;
    }
    bytes.truncate(static_cast<qsizetype>(got));
    r.status = ReadStatus::Read;
    r.bytes = std::move(bytes);
    return r;
}

ReadResult notRead(const CheckedFile& file)
{
    return {file.status(), {}, file.reason()};
}

} // namespace

ReadResult ReadWholeFile(const QString& path, std::int64_t maxBytes, Links links)
{
    CheckedFile file(path, links);
    if (file.status() != ReadStatus::Read)
        return notRead(file);
    if (file.size() > maxBytes)
        return {ReadStatus::TooLarge, {}, SystemReason(EFBIG)};
    // Room for what the file holds and a little more; past the bound only one byte is read.
    ReadResult r = readUpTo(file, std::min(file.size() + 4096, maxBytes + 1), maxBytes + 1);
    if (r.ok() && r.bytes.size() > maxBytes)
        return {ReadStatus::TooLarge, {}, SystemReason(EFBIG)};
    return r;
}

ReadResult ReadExactFile(const QString& path, std::int64_t size, Links links)
{
    CheckedFile file(path, links);
    if (file.status() != ReadStatus::Read)
        return notRead(file);
    const auto wrongSize = [size](std::int64_t found) {
        return ReadResult{ReadStatus::WrongSize, {},
                          QStringLiteral("%1 bytes long, not %2").arg(found).arg(size)};
    };
    if (file.size() != size)
        return wrongSize(file.size());
    ReadResult r = readUpTo(file, size + 1, size + 1);
    // Grown since it was opened: only one byte too many was read, so its size is asked again.
    if (r.ok() && r.bytes.size() > size)
        return wrongSize(std::max<std::int64_t>(file.currentSize(), r.bytes.size()));
    if (r.ok() && r.bytes.size() < size)
        return wrongSize(r.bytes.size());
    return r;
}

void setReadStageForTests(std::function<void(ReadStage stage, const QString& path)> hook)
{
    readStageHook() = std::move(hook);
}

} // namespace platform
