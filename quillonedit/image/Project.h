#pragma once
// Project files (eight 4,096-byte pages name.001 .. name.008) and change detection. Reading and
// writing report what failed; the File menu (mainwindow/FileMenu) tells the user.
#include "quillonedit/image/ControllerImage.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>

namespace quillon {

struct ProjectState {
    QString ProjectFileName;     // the open project's ".001" path
    QString ProjectBasePath;     // that path less its last four characters
    bool ProjectOpen = false;
    // The image as it was at the last successful open or save; "Mod" compares against it, so an
    // edit that keeps the byte sum still counts.
    std::array<std::uint8_t, kImageBytes> Saved{};
};

ProjectState& project();
void resetProject();   // tests

bool ImageChanged();             // image differs from the copy taken at the last open/save
// Takes the image as the saved state: ImageChanged() is false until the next edit.
void MarkProjectSaved();

// Why a page could not be read.
enum class PageFault {
    None,
    FirstPageMissing,   // the ".001" file is missing (or no file): there is no project at all
    Invalid,            // a page file is missing, not a file or unreadable
    WrongSize,          // a page file is not 4,096 bytes long
};
struct PageReadResult {
    PageFault fault = PageFault::None;
    QString file;       // the page file at fault
};
// Reads the eight pages of the project whose first page is `name` (its last four characters
// replaced by ".001" .. ".008"). On success the image holds them and ProjectBasePath is set; on
// failure nothing changes.
PageReadResult ReadProjectPages(const QString& name);
// Reads them as ReadProjectPages does but changes nothing: whether the open would succeed.
PageReadResult CheckProjectPages(const QString& name);

// A save writes each new page first to "<page file>.XXXXXX.quillon-new" and keeps each old page
// as "<page file>.XXXXXX.quillon-old" (beside the file a linked page leads to). Before the first
// page is replaced it stores "<base>.quillon-save", a record of the save: the project and the
// files it replaces, a checksum of each old and new page, the whole new image, and a checksum of
// itself. The record goes once all eight pages are in place, then the kept old pages go.
inline constexpr char kKeptPageSuffix[] = ".quillon-old";
inline constexpr char kNewPageSuffix[] = ".quillon-new";
inline constexpr char kUnfinishedSaveSuffix[] = ".quillon-save";

struct PageWriteResult {
    QString file;           // the file that could not be written; empty on success
    QString reason;         // why, in the system's words
    // Pages already replaced when `file` failed and whose old page could not be put back: the
    // project then stays marked as an unfinished save, which the next open finishes.
    QStringList nowNew;
    bool ok() const { return file.isEmpty(); }
};
// Writes the image as the eight pages of `base`, each replaced whole. On failure the old pages
// all stay as they were, unless even putting them back failed (`nowNew`), or the pages are in
// place but their folder could not be synced (the record then stays for the next open).
PageWriteResult WriteProjectPages(const QString& base);

// Before the project whose first page is `name` is read: what a cut-off save left is settled.
// - A record that proves whole and of these pages, with every page either its old or its new
//   page: the save is finished (a synced new page is renamed into place, otherwise written from
//   the record), the folders synced, then the record and the kept pages go.
// - A record that cannot be used (damaged, of another project, not a plain file, unreadable):
//   the kept old pages go back when there is exactly one whole kept page for every page.
// - Old pages kept the way earlier versions kept them ("<page file>.quillon-old"), without a
//   record: all eight go back.
// - Without a record the rest is what a save left before it replaced anything, and goes.
// Anything else (a page neither old nor new, a kept page missing) stops here with the file and
// the reason, and nothing on the disk is changed.
PageWriteResult FinishInterruptedSave(const QString& name);
// The record a save of the project whose first page is `name` keeps while it replaces the pages.
QString SaveRecordOf(const QString& name);

// Tests: every rename of a save, the putting back of old pages included (std::rename until set;
// an empty function puts that back). Failing it stops a save halfway.
void setPageRenameForTests(std::function<bool(const QString& from, const QString& to)> rename);
// Tests: called after every step of a save or of the open that settles one that changes or syncs
// the disk (a file synced, a link made, a rename, a removal, a folder synced), with what the step
// was. A test that ends the process there sees what a save killed at that moment leaves behind.
void setSaveStepForTests(std::function<void(const QString& step)> step);

} // namespace quillon
