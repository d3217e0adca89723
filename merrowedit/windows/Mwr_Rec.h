#pragma once
// The main window: toolbar, menus, the 20-row alert history grid, the status bar and the
// progress bar, and every way of leaving the program.
#include "merrowedit/link/TransferHost.h"
#include "platform/MessageBox.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>

class QAction;
class QLabel;
class QMenu;
class QProgressBar;
class QToolBar;

namespace merrow {

class frmAbout;

inline constexpr int kHistoryRows = 20;
// The maker's web site; the help menu's pages are paths below it.
inline const QString kMakerWebSite = QStringLiteral("https://www.merrow-weather.example");

// Commands carried out by windows and routines outside the main window. Start-up (Main) sets
// every one; a window built without them (as in tests) does nothing for an empty hook.
struct MainWindowCommands {
    std::function<void()> ClosePort;               // before any exit
    std::function<void()> EstConnect;              // "Transfer Data"
    std::function<void()> ShowCommPort;            // "Setup": frmCommPort
    std::function<void()> ShowFips;                // "FIP Codes": frmFIPS
    std::function<void()> ShowOptions;             // "Options": frmOption
    std::function<void()> ShowTimers;              // "Timers": frmTimers
    std::function<void()> ShowInOuts;              // "Inputs": frmInOuts
    std::function<void()> ShowIdent;               // "Identification": frmIdent
    std::function<void()> ShowRS232;               // "RS232": frmRS232
    std::function<void()> PrintHistory;            // after the empty-grid check
    std::function<void()> SaveHistoryAs;           // File > Save History File As...
    std::function<void(int group)> ShowHistoryGroup;
    std::function<bool(const QString& url)> OpenWebPage;    // help menu web pages; false: not opened
    std::function<void()> ShowTest;                // Help > Play Test Packets...
    std::function<bool()> MakeContact;             // About > Data Dump: contact the receiver
    std::function<void()> ShowDataDump;            //   ... and then the dump window
};

class Mwr_Rec : public QMainWindow, public TransferHost {
    Q_OBJECT

public:
    explicit Mwr_Rec(QWidget* parent = nullptr);
    ~Mwr_Rec() override;

    MainWindowCommands commands;
    // Ends the program once the window has been dealt with. Defaults to leaving the event loop.
    std::function<void()> endProgram;

    // Controls other code drives.
    QToolBar* Tlbar = nullptr;
    QMenu* mnuFile = nullptr;
    QAction* mnuSaveAs = nullptr;
    QAction* mnuExitNoSave = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuView = nullptr;
    QAction* mnuHistory_1 = nullptr;
    QAction* mnuHistory_2 = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpContents = nullptr;
    QAction* mnuSearchHelp = nullptr;
    QMenu* mnuQuill = nullptr;
    QAction* mnuHomePage = nullptr;
    QAction* mnuUpdate = nullptr;
    QAction* mnuManuals = nullptr;
    QAction* mnuTipsShow = nullptr;
    QAction* mnuTest = nullptr;
    QAction* mnuAbout = nullptr;
    std::array<QLabel*, kHistoryRows> lblNum{};
    std::array<QLabel*, kHistoryRows> lblDate{};
    std::array<QLabel*, kHistoryRows> lblTime{};
    std::array<QLabel*, kHistoryRows> lblLength{};
    std::array<QLabel*, kHistoryRows> lblOrg{};
    std::array<QLabel*, kHistoryRows> lblEvent{};
    QProgressBar* prgXfer = nullptr;

    // Status panel by key: "Left" (transfer and port-test status) or "Right" (firmware version).
    QLabel* statusPanelForTests(const QString& key) const;
    // Toolbar button by key ("Setup" .. "Exit"); nullptr for an unknown key.
    QAction* toolButtonForTests(const QString& key) const;

    bool ExitRequested = false;
    bool commandsLocked() const { return commandsLocked_; }

    // Handlers.
    void Form_Activate();
    void Tlbar_ButtonClick(const QString& key);
    void mnuExit_Click();
    void mnuExitNoSave_Click();
    void mnuAbout_Click();
    void mnuHelpContents_Click();
    void mnuSearchHelp_Click();
    void mnuTipsShow_Click();
    void mnuHistory_Click(int group);
    void mnuWebPage_Click(const QString& path);
    void PrintHistory();

    // Yes, No or Cancel, for every way of leaving; Esc and the box's close button are Cancel.
    platform::MsgResult ConfirmSaveChanges();
    // False when the parameter file or the settings were not written: the failure has been
    // reported and the window stays with every edit.
    bool SaveAndExit();
    void ExitWithoutSave();

    // TransferHost
    void setStatusLeft(const QString& text) override;
    void setStatusRight(const QString& text) override;
    void setProgressVisible(bool visible) override;
    void setProgressMaximum(int maximum) override;
    void setProgressValue(int value) override;
    void clearHistoryRow(int row) override;
    void showHistoryRow(int row, const HistoryGridRow& texts) override;
    QString historyDate(int row) const override;
    void setHistoryMenusEnabled(bool enabled) override;
    void setHistoryGroupChecked(int group) override;
    void setBusyPointer(bool busy) override;
    void setCommandsLocked(bool locked) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildToolbar();
    void bindToolbarImages();
    void buildMenus();
    QWidget* buildGrid();
    void showHelp(bool search);
    static void run(const std::function<void()>& command);

    QLabel* panelLeft_ = nullptr;
    QLabel* panelRight_ = nullptr;
    QPointer<frmAbout> about_;
    bool commandsLocked_ = false;
};

} // namespace merrow
