#pragma once
// The one way both programs write a file: the bytes go to a new temporary file beside the target,
// every write and the close are checked, the data is synced to the disk, and only then does a
// rename put the file in place. A failure at any step leaves the old file as it was and says why.
#include <QByteArray>
#include <QString>

#include <functional>

namespace platform {

// The ending of the writer's temporary files: `target` + "." + six random characters + this.
inline constexpr char kWholeFileTempSuffix[] = ".qm-saving";

// A file being written beside its target. Nothing the target holds changes until commit().
// Dropped without commit(), the temporary file is removed.
class StagedFile {
public:
    // `target` may be a symbolic link: the file it leads to is replaced and the link stays. The
    // temporary file is named `target` + "." + six random characters + `tempSuffix`.
    explicit StagedFile(const QString& target, const QString& tempSuffix = QLatin1String(kWholeFileTempSuffix));
    ~StagedFile();
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    // Creates the temporary file, exclusively and with a name no one can guess, in the folder
    // of the file the target leads to. It takes the old file's permissions, owner and group (the
    // last two where the system allows), or the usual ones for a new file.
    bool open();
    // Writes all of `bytes`, or fails.
    bool write(const QByteArray& bytes);
    // Syncs the data to the disk and closes the temporary file; every byte has then been stored.
    bool finish();
    // Puts the temporary file in the target's place (finish() first, if not yet done) and syncs
    // its folder. A failed folder sync fails the commit, though the file has taken its place.
    bool commit();
    // Removes the temporary file, if still there; the target stays as it was.
    void discard();
    // For a caller that puts several finished files in place itself: the temporary file now
    // belongs to it and is no longer removed here.
    void release();

    QString target() const { return target_; }        // the file that is replaced
    QString tempPath() const { return tempPath_; }
    // Why the last step failed, in the system's words ("No space left on device").
    QString error() const { return error_; }

private:
    bool fail(int error);

    QString name_;       // as given
    QString target_;     // the file the name leads to
    QString suffix_;     // the temporary file's name ends with it
    QString tempPath_;
    QString error_;
    int fd_ = -1;
    bool finished_ = false;
    bool committed_ = false;
};

struct WriteResult {
    bool ok = false;
    QString error;       // empty on success
    explicit operator bool() const { return ok; }
};

// The file a name stands for: links (and links to links) are followed, so that writing replaces
// the file, not the link. Empty for a loop of links.
QString FollowLinks(const QString& name);

// Replaces `path` whole with `bytes` through a StagedFile. A file in place keeps its permissions,
// and its owner and group where the system allows. After the rename, the temporary files that
// a save of the same file left when it was cut off are removed (RemoveLeftovers).
WriteResult WriteWholeFile(const QString& path, const QByteArray& bytes);

// Removes the temporary files that a write of `target` (the file, links followed) left when it was
// cut off: `target` + "." + six random characters + `suffix`. Only plain files of this user's
// go; a link, a folder or another user's file of such a name stays. With the writer's own
// ending, the unmarked temporary files of earlier versions go too (see WholeFile.cpp).
void RemoveLeftovers(const QString& target, const QString& suffix = QLatin1String(kWholeFileTempSuffix));

// A file in place that the user has protected: not writable for this user, or without its
// owner's write bit (a file manager's "read-only", which root would otherwise override). Such a
// file is not replaced.
bool IsProtectedFile(const QString& file);

// Syncs the folder holding `file`, so that a rename into it survives a crash: 0, or the errno of
// the failure. A file system that cannot sync folders at all (EINVAL) counts as synced.
int SyncFolder(const QString& file);

// The text of a failure that names its file: "<path>: <error>".
QString DescribeWriteFailure(const QString& path, const QString& error);

// A write that would take a file past the process's file-size limit (`ulimit -f`) fails with
// "File too large" like any other failed write, where the signal it raises would otherwise end
// the program without a word. Each program's start-up calls this first.
void KeepRunningPastFileSizeLimit();

// Tests: called before each write to a temporary file with the target's path; a non-zero value
// is the errno the write then fails with (ENOSPC for a full disk, EIO). An empty function puts
// the real writes back.
void setWriteFaultForTests(std::function<int(const QString& target)> fault);
// Tests: called in place of the sync of a folder, with the folder's path; its value is what the
// sync gave (0, or an errno such as EIO). An empty function puts the real syncs back.
void setFolderSyncFaultForTests(std::function<int(const QString& folder)> fault);

} // namespace platform
