#pragma once
// The File menu's project operations: open, save, save as, and the change mark, with their
// messages. The file logic itself is image/Project.
#include "quillonedit/image/Project.h"

#include <QString>

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

// No window behind the project operations (opening the example to check it, tests).
class SilentProjectHost final : public ProjectHost {
public:
    void setStatusPanel(int, const QString&) override {}
    void enableProjectMenus() override {}
    void enableSaveMenu() override {}
    void processFileList(const QString&) override {}
    void setBusy(bool) override {}
};

bool ProcessOpen(const QString& name, ProjectHost& host);
void GetFileIn(const QString& name, bool& ok, ProjectHost& host);
bool CheckFileName(const QString& name);
bool CheckClosure();
bool SaveAllFiles(const QString& base);   // false (and reported) on failure
// Before the image is replaced or the program ends: when the image has changed, asks "The Data
// File has changed" (Yes runs Save File As, No lets the edits go, Cancel keeps them). True when
// the caller may go on: nothing to save, saved, or No.
bool AskToSaveChanges(ProjectHost& host);

// The open dialog starts in `startFolder` when one is given.
void mnuOpen_Click(ProjectHost& host, const QString& startFolder = {});
bool mnuSave_Click(ProjectHost& host);    // true when the project was written
bool mnuSaveAs_Click(ProjectHost& host);  // true when the project was written under the new name
void Timer1_Timer(ProjectHost& host);     // status panel 2: "" or "Mod"

} // namespace quillon
