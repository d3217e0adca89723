#pragma once
// Project files (eight 4,096-byte pages name.001 .. name.008), change detection and the File menu
// operations of the main window.
#include "quillonedit/image/ControllerImage.h"

#include <QString>

#include <array>
#include <cstdint>

namespace quillon {

// What the project operations need of the main window (MDIForm1 implements it).
class ProjectHost {
public:
    virtual ~ProjectHost() = default;
    virtual void setStatusPanel(int panel, const QString& text) = 0;  // 1 = file name, 2 = change mark
    virtual void enableProjectMenus() = 0;   // the twelve project menu items, after a successful open
    virtual void enableSaveMenu() = 0;       // mnuSave, after Save File As
    virtual void processFileList(const QString& name) = 0;  // the recent-file list
    virtual void setBusy(bool on) = 0;       // hourglass pointer on the main window
};

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

bool ProcessOpen(const QString& name, ProjectHost& host);
void GetFileIn(const QString& name, bool& ok, ProjectHost& host);
bool CheckFileName(const QString& name);
bool CheckClosure();
bool SaveAllFiles(const QString& base);   // false (and reported) on failure

// The open dialog starts in `startFolder` when one is given.
void mnuOpen_Click(ProjectHost& host, const QString& startFolder = {});
bool mnuSave_Click(ProjectHost& host);    // true when the project was written
bool mnuSaveAs_Click(ProjectHost& host);  // true when the project was written under the new name
void Timer1_Timer(ProjectHost& host);     // status panel 2: "" or "Mod"

} // namespace quillon
