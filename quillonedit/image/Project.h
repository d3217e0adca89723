#pragma once
// Project files (eight 4,096-byte pages name.001 .. name.008) and change detection. Reading and
// writing report what failed; the File menu (mainwindow/FileMenu) tells the user.
#include "quillonedit/image/ControllerImage.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>

namespace quillon {

struct ProjectState {
    QString ProjectFileName;     // the open project's ".001" path
    QString ProjectBasePath;     // that path less its last four characters
    bool ProjectOpen = false;
    std::int32_t ChecksumBaseline = 0;
    // The image as it was at the last successful open or save; "Mod" compares against it.
    std::array<std::uint8_t, kImageBytes> Saved{};
};

ProjectState& project();
void resetProject();   // tests

std::int32_t BufferChecksum();   // sum of image bytes 0..32767
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
// Writes the image as the eight pages of `base`, each replaced whole; the empty text on success,
// else the page file that could not be written (the old pages then all stay as they were).
QString WriteProjectPages(const QString& base);
// Tests: the rename that puts a written page in place of the old one (std::rename until set; an
// empty function puts that back). Failing it stops a save halfway.
void setPageRenameForTests(std::function<bool(const QString& from, const QString& to)> rename);

} // namespace quillon
