#pragma once
// The one way both programs read a file. Its type and size are looked at before it is opened (a
// pipe would wait for a writer, a device might never end), the open cannot wait, what was opened
// is looked at again, and no more than the bound is ever read. Every failure says why in the
// system's words.
#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>

namespace platform {

// The system's words for an errno value ("No space left on device").
QString SystemReason(int error);
// What stands in a file's place and is no file: "Is a directory" for a folder, otherwise
// "Not a regular file" (a pipe, a device, a socket).
QString NotAFileReason(bool folder);

enum class ReadStatus {
    Read,        // the bytes are there
    Missing,     // no such file (or a folder on the way to it is missing)
    NotAFile,    // a folder, pipe, device or socket; or a link where links are refused
    TooLarge,    // beyond the bound
    WrongSize,   // not the exact size asked for
    Failed,      // could not be opened or read: `reason` says why
};

enum class Links {
    Follow,      // a symbolic link is read through
    Refuse,      // a symbolic link counts as NotAFile
};

struct ReadResult {
    ReadStatus status = ReadStatus::Missing;
    QByteArray bytes;    // when Read
    QString reason;      // otherwise: why, in the system's words
    bool ok() const { return status == ReadStatus::Read; }
};

// A file opened for reading after its look: a plain file, never a pipe or a device. For a caller
// that reads it piece by piece (a copy of a file of any size).
class CheckedFile {
public:
    CheckedFile(const QString& path, Links links = Links::Follow);
    ~CheckedFile();
    CheckedFile(const CheckedFile&) = delete;
    CheckedFile& operator=(const CheckedFile&) = delete;

    ReadStatus status() const { return status_; }   // Read once open
    QString reason() const { return reason_; }
    // The size the open file had when it was looked at again.
    std::int64_t size() const { return size_; }
    // The size the open file has now, which may differ since it was opened; -1 when not open.
    std::int64_t currentSize() const;
    // Up to `max` bytes from where the last read stopped; 0 at the end, -1 on failure (reason()).
    std::int64_t read(char* out, std::int64_t max);

private:
    ReadStatus status_ = ReadStatus::Missing;
    QString reason_;
    std::int64_t size_ = 0;
    int fd_ = -1;
};

// The whole file when it is a plain file of at most `maxBytes`. A file that grows past the bound
// between the look and the read is TooLarge all the same.
ReadResult ReadWholeFile(const QString& path, std::int64_t maxBytes, Links links = Links::Follow);
// The whole file when it is a plain file of exactly `size` bytes.
ReadResult ReadExactFile(const QString& path, std::int64_t size, Links links = Links::Follow);

// Tests: the two moments at which a file may change under the reader.
enum class ReadStage {
    Looked,      // its type and size are known; it is not open yet
    Opened,      // open and looked at again; nothing read yet
};
// Tests: called at each stage of every checked open with the path, so that a test can swap or
// grow the file right then. An empty function takes the calls out again.
void setReadStageForTests(std::function<void(ReadStage stage, const QString& path)> hook);

} // namespace platform
