#include "quillonedit/mainwindow/FileMenu.h"

#include "quillonedit/image/ImageMap.h"
#include "quillonedit/image/Zones.h"
#include "platform/ReadFile.h"
#include "platform/Services.h"

#include <QFileInfo>

#include <cerrno>

namespace quillon {

namespace {

const QString kLineBreak = QStringLiteral("\n");

void reportOpenInvalid(const QString& file)
{
    platform::msgBox(QStringLiteral("ERROR, File  ") + file + QStringLiteral(" Invalid"), platform::MsgButtons::OK,
                     platform::MsgIcon::Exclamation, QStringLiteral("File Open"));
}

void reportNotSaved(const PageWriteResult& failed)
{
    // The system's reason follows on a line of its own.
    QString text = QStringLiteral("ERROR, File ") + failed.file + QStringLiteral(" Not Saved");
    if (!failed.reason.isEmpty())
        text += kLineBreak + failed.reason;
    // Pages that could not be put back: the folder holds a mix until the next open finishes the save.
    if (!failed.nowNew.isEmpty())
        text += kLineBreak + QStringLiteral("These Pages Were Already Replaced:") + kLineBreak
            + failed.nowNew.join(kLineBreak) + kLineBreak
            + QStringLiteral("The Next Open Of This Project Finishes The Save");
    platform::msgBox(text, platform::MsgButtons::OK, platform::MsgIcon::Exclamation, QStringLiteral("File Save"));
}

// What a cut-off save of this project left is settled before the project is read; when it
// cannot be, the open stops, says which file and why, and what to do.
bool finishInterruptedSave(const QString& name, ProjectHost& host)
{
    const PageWriteResult finished = FinishInterruptedSave(name);
    if (finished.ok())
        return true;
    const bool full = finished.reason == platform::SystemReason(ENOSPC);
    QString next = full ? QStringLiteral("Free Some Space, Then Open The Project Again")
                        : QStringLiteral("Put This File Right, Then Open The Project Again");
    // Pages the user put there on purpose (restored from a backup) are theirs to keep: the record
    // that stops the open is named, so it can be removed.
    const QFileInfo record(SaveRecordOf(name));
    if (!full && (record.exists() || record.isSymLink()))
        next += kLineBreak + QStringLiteral("Or, To Keep The Pages As They Are Now, Remove ") + record.filePath();
    platform::msgBox(QStringLiteral("This Project Could Not Be Opened: A Save Of It Was Cut Off") + kLineBreak
                         + QStringLiteral("File ") + finished.file + kLineBreak + finished.reason + kLineBreak + next,
                     platform::MsgButtons::OK, platform::MsgIcon::Exclamation, QStringLiteral("Quillon File Open"));
    host.setBusy(false);
    return false;
}

void reportReadFault(const PageReadResult& read)
{
    switch (read.fault) {
    case PageFault::None:
        break;
    case PageFault::FirstPageMissing:
        // Without its first page there is no project at all.
        platform::msgBox(QStringLiteral("Quillon File Open Error!") + kLineBreak + QStringLiteral("File May Be Missing"),
                         platform::MsgButtons::OK, platform::MsgIcon::Critical, QStringLiteral("Quillon File Open"));
        break;
    case PageFault::Invalid:
        reportOpenInvalid(read.file);
        break;
    case PageFault::WrongSize:
        platform::msgBox(QStringLiteral("ERROR, File Size ") + read.file + QStringLiteral(" Invalid"),
                         platform::MsgButtons::OK, platform::MsgIcon::Exclamation, QStringLiteral("File Open"));
        break;
    }
}

} // namespace

void GetFileIn(const QString& name, bool& ok, ProjectHost& /*host*/)
{
    const PageReadResult read = ReadProjectPages(name);
    ok = read.fault == PageFault::None;
    reportReadFault(read);
}

bool ProcessOpen(const QString& name, ProjectHost& host)
{
    // The whole ".001" ending is required: "proj001" would otherwise open "pro.001".
    if (!name.endsWith(QStringLiteral(".001"))) {
        platform::msgBox(QStringLiteral("Error, Incorrect Quillon Project"), platform::MsgButtons::OK,
                         platform::MsgIcon::Exclamation, QStringLiteral("File Error"));
        host.setBusy(false);
        return false;
    }
    if (!finishInterruptedSave(name, host))
        return false;
    // The open would replace the image: unsaved edits are kept unless the user lets them go. A
    // project that cannot be read is reported first, as there is then nothing to ask.
    if (ImageChanged()) {
        host.setBusy(true);
        const PageReadResult check = CheckProjectPages(name);
        host.setBusy(false);
        if (check.fault != PageFault::None) {
            reportReadFault(check);
            return false;
        }
        if (!AskToSaveChanges(host))
            return false;
    }
    host.setBusy(true);
    bool ok = false;
    GetFileIn(name, ok, host);
    if (!ok) {
        host.setBusy(false);
        return false;
    }
    host.setStatusPanel(1, name + QStringLiteral(" "));
    host.processFileList(name);
    host.setBusy(false);
    ProjectState& p = project();
    p.ProjectOpen = true;
    host.enableProjectMenus();
    MarkProjectSaved();
    p.ProjectFileName = name;
    return true;
}

bool CheckFileName(const QString& name)
{
    // Only checks: the base path is taken over once the save has really gone ahead.
    if (name.endsWith(QStringLiteral(".001")))
        return true;
    platform::msgBox(QStringLiteral("Error, Filename must contain the extension .001."), platform::MsgButtons::OK,
                     platform::MsgIcon::Critical, QStringLiteral("File Save Error"));
    return false;
}

bool CheckClosure()
{
    const int b = ZoneByte(kBaseZones, 1) & 7;
    if (b == 1)
        return true;
    QString text;
    if ((b & 1) == 0)
        text += QStringLiteral("Repeater Transmitter Disabled");
    if (b & 2)
        text += kLineBreak + QStringLiteral("Repeater CTCSS Enabled");
    if (b & 4)
        text += kLineBreak + QStringLiteral("Repeater DTMF Access Enabled");
    text += kLineBreak + QStringLiteral("Save Anyway?");
    return platform::msgBox(text, platform::MsgButtons::YesNo, platform::MsgIcon::Exclamation,
                            QStringLiteral("File Save Alert"), platform::MsgDefault::Second)
        == platform::MsgResult::Yes;
}

bool SaveAllFiles(const QString& base)
{
    const PageWriteResult written = WriteProjectPages(base);
    if (written.ok())
        return true;
    reportNotSaved(written);
    return false;
}

bool AskToSaveChanges(ProjectHost& host)
{
    if (!ImageChanged())
        return true;
    platform::beep();
    switch (platform::msgBox(QStringLiteral("The Data File has changed") + kLineBreak
                                 + QStringLiteral("Do you want to save the changes?"),
                             platform::MsgButtons::YesNoCancel, platform::MsgIcon::Exclamation,
                             QStringLiteral("Quillon Editor"), platform::MsgDefault::Third)) {
    case platform::MsgResult::Yes:
        // Going on after a save that did not happen (cancelled, name refused, "Save Anyway?"
        // answered No, write failed) would throw the edits away.
        return mnuSaveAs_Click(host);
    case platform::MsgResult::No:
        return true;
    default:
        return false;
    }
}

void mnuOpen_Click(ProjectHost& host, const QString& startFolder)
{
    platform::FileDialogRequest request;
    request.filter = QStringLiteral("Quillon File(s) *.001|*.001");
    request.filterIndex = 1;
    request.initialDir = startFolder;
    const std::optional<QString> name = platform::services().fileDialogs->openFile(request);
    if (!name)
        return;
    ProcessOpen(*name, host);
}

bool mnuSave_Click(ProjectHost& host)
{
    ProjectState& p = project();
    if (!p.ProjectOpen)
        return false;
    if (!CheckClosure())
        return false;
    host.setBusy(true);
    const bool saved = SaveAllFiles(p.ProjectBasePath);
    host.setBusy(false);
    if (saved)
        MarkProjectSaved();
    return saved;
}

bool mnuSaveAs_Click(ProjectHost& host)
{
    platform::FileDialogRequest request;
    request.filter = QStringLiteral("Quillon File(s) *.001)|*.001");
    request.filterIndex = 1;
    request.overwritePrompt = true;
    const std::optional<QString> chosen = platform::services().fileDialogs->saveFile(request);
    if (!chosen)
        return false;
    const QString name = *chosen;
    if (!CheckFileName(name))
        return false;
    if (!CheckClosure())
        return false;
    const QString base = name.chopped(4);
    host.setBusy(true);
    if (!SaveAllFiles(base)) {
        host.setBusy(false);
        return false;
    }
    ProjectState& p = project();
    p.ProjectBasePath = base;
    p.ProjectOpen = true;
    host.enableSaveMenu();
    MarkProjectSaved();
    p.ProjectFileName = name;
    host.setStatusPanel(1, name + QStringLiteral(" "));
    host.processFileList(name);
    host.setBusy(false);
    return true;
}

void Timer1_Timer(ProjectHost& host)
{
    host.setStatusPanel(2, ImageChanged() ? QStringLiteral("Mod") : QString());
}

} // namespace quillon
