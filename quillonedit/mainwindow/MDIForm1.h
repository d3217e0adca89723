#pragma once
// The editor's main window: the menus that lead to every editor, the status bar with the project
// name, the change mark and the date, and the closing question.
#include "quillonedit/mainwindow/FileMenu.h"
#include "quillonedit/mainwindow/frmKeyPad.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <map>
#include <memory>

class QAction;
class QIcon;
class QLabel;
class QMdiArea;
class QMenu;
class QTimer;

namespace quillon {

// The editor's own icon, the drawing the desktop entry shows.
QIcon ProgramIcon();

class MDIForm1 final : public QMainWindow, public ProjectHost {
    Q_OBJECT
public:
    explicit MDIForm1(QWidget* parent = nullptr);
    ~MDIForm1() override;

    // The load step. False when another copy of the editor already runs: this one must end now,
    // without a word.
    bool MDIForm_Load();
    // Fills the text tables, in their fixed order.
    void StartUp();

    // Closing: the save question. Returns true when the close is cancelled.
    bool MDIForm_QueryUnload();
    // Closing goes ahead: the settings are written and the window is minimised.
    void MDIForm_Unload();

    // Project operations' view of this window.
    void setStatusPanel(int panel, const QString& text) override;
    void enableProjectMenus() override;
    void enableSaveMenu() override;
    void processFileList(const QString& name) override { ProcessFileList(name); }
    void setBusy(bool on) override;

    // Recent files.
    void ProcessFileList(const QString& name);
    void DisplayFileList();

    // Menu handlers.
    void mnuOpen_Click();
    void mnuSave_Click();
    void mnuSaveAs_Click();
    void mnuConfig_Click();
    void mnuFlush_Click();
    void mnuPrtFont_Click();
    void mnuPrint_Click();
    void mnuFileList_Click(int index);
    void mnuExit_Click();
    void mnuCodes_Click(int n);      // 0 = base codes, 1..8 = memory save n
    void mnuTimers_Click(int n);     // 0 = base timers, 1..8 = memory save n
    void mnuUnlock_Click();
    void mnuVocBase_Click();
    void mnuMes_Click(int n);        // 1..8
    void mnuCW_1_Click();
    void mnuMacros_Click();
    void mnuSched_Click();
    void mnuUsers_Click();
    void mnuBaseZones_Click();
    void mnuG1M_Click(int n);        // 1..8
    void mnuUSD_Click();
    void mnuESD_Click();
    void mnuLockOut_Click();
    void mnuPreDial_Click();
    void mnuACode_Click();
    void mnuCourtesy_Click();
    void mnuDtmf_Click();
    void mnuSwitch1_Click();
    void mnuSwitch2_Click();
    void mnuPage_Click();
    void mnuRbi_Click();
    void mnuMemoryConfig_Click();
    void mnuRptConfig_Click();
    void mnuHelpContents_Click();
    void mnuHelpSearch_Click();
    void mnuAbout_Click();

    // How a menu handler opens its dialog. The record of the last one lets the handlers be checked
    // without the dialog itself.
    struct DialogOpening {
        QString dialog{};      // the window's name, e.g. "frmZones1"
        QString caption{};     // empty: the dialog keeps its own
        int helpContext = 0;   // 0: the dialog keeps its own
        bool modal = true;
        bool hourglass = false;   // the busy pointer is set before the dialog is made
        bool keep = false;        // one instance, hidden between uses (modeless ones always are)
    };
    const DialogOpening& lastOpening() const { return lastOpening_; }
    // Creates a dialog owned by this window; null when the dialog cannot be made.
    using DialogFactory = std::function<QDialog*(QWidget* parent)>;

    // Controls.
    QMdiArea* mdiArea = nullptr;
    QMenu *mnuFile = nullptr, *mnuCodesTimers = nullptr, *mnuCodes = nullptr, *mnuTimers = nullptr,
          *mnuVoice = nullptr, *mnuVocSyn = nullptr, *mnuMacSched = nullptr, *mnuZones = nullptr, *mnuAP = nullptr,
          *mnuTools = nullptr, *mnuHelp = nullptr;
    QAction *mnuOpen = nullptr, *mnuSave = nullptr, *mnuSaveAs = nullptr, *mnuConfig = nullptr, *mnuFlush = nullptr,
            *mnuPrtFont = nullptr, *mnuPrint = nullptr, *mnuSep4 = nullptr, *mnuExit = nullptr;
    std::array<QAction*, 4> mnuFileList{};
    std::array<QAction*, 9> mnuCodesItem{};    // mnuCodes_0 .. mnuCodes_8
    std::array<QAction*, 9> mnuTimersItem{};   // mnuTimers_0 .. mnuTimers_8
    QAction* mnuUnlock = nullptr;
    QAction* mnuVocBase = nullptr;
    std::array<QAction*, 9> mnuMes{};          // index 1..8
    QAction* mnuCW_1 = nullptr;
    QAction *mnuMacros = nullptr, *mnuSched = nullptr, *mnuUsers = nullptr;
    QAction* mnuBaseZones = nullptr;
    std::array<QAction*, 9> mnuG1M{};          // index 1..8
    QAction *mnuUSD = nullptr, *mnuESD = nullptr, *mnuLockOut = nullptr, *mnuPreDial = nullptr, *mnuACode = nullptr;
    QAction *mnuCourtesy = nullptr, *mnuDtmf = nullptr, *mnuSwitch1 = nullptr, *mnuSwitch2 = nullptr, *mnuPage = nullptr,
            *mnuRbi = nullptr, *mnuMemoryConfig = nullptr, *mnuRptConfig = nullptr;
    QAction *mnuHelpContents = nullptr, *mnuHelpSearch = nullptr, *mnuAbout = nullptr;
    std::array<QLabel*, 3> StatusBar1{};       // the three panels
    QTimer* Timer1 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildStatusBar();
    void openDialog(const DialogOpening& opening, const DialogFactory& create = {});
    // Prepares the dialogs that show the text tables, once the tables are filled.
    void loadEditorServices();

    DialogOpening lastOpening_;
    // Windows that stay alive between uses (modeless ones, and editors that keep their state).
    std::map<QString, QPointer<QDialog>> kept_;
    KeyPadDialogService keyPadService_;
    KeyPadService* previousKeyPad_ = nullptr;
    // Services of the editor library that this window installs for its lifetime (the word
    // construction dialog); empty when the editors are not part of the build.
    struct EditorServices;
    std::unique_ptr<EditorServices> editorServices_;
};

} // namespace quillon
