// The main window: menu states, what each menu handler hands its dialog, opening projects and
// the recent list, the closing question, help.
#include "EveryDialog.h"
#include "MainWindowFixture.h"
#include "platform/widgets/Windows.h"
#include "tests/support/DesktopIcon.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QFile>
#include <QRegularExpression>

#include <cstdlib>
#include <deque>
#include <optional>

using namespace quillon;
using quillon::testing::DialogSeen;
using quillon::testing::EveryDialog;
using quillon::testing::MainWindowTest;
using quillon::testing::ModalSpy;
using quillon::testing::writeProject;

namespace {

QAction* item(MDIForm1& w, const QString& name)
{
    QAction* a = w.findChild<QAction*>(name);
    if (!a)
        ADD_FAILURE() << "no menu item " << name.toStdString();
    return a;
}

bool enabled(MDIForm1& w, const QString& name) { return item(w, name)->isEnabled(); }

const QStringList kProjectItems = {"mnuSave",  "mnuCodesTimers", "mnuVoice", "mnuTools",  "mnuZones", "mnuAP",
                                   "mnuMacSched", "mnuSaveAs",   "mnuConfig", "mnuFlush", "mnuPrint", "mnuUnlock"};
const QStringList kAlwaysItems = {"mnuOpen", "mnuPrtFont", "mnuExit", "mnuHelp", "mnuHelpContents",
                                  "mnuHelpSearch", "mnuAbout"};

class MainWindow : public MainWindowTest {};

TEST_F(MainWindow, AfterStartUpOnlyTheProjectFreeItemsAreUsable)
{
    MDIForm1& win = load();
    for (const QString& name : kProjectItems)
        EXPECT_FALSE(enabled(win, name)) << name.toStdString();
    for (const QString& name : kAlwaysItems)
        EXPECT_TRUE(enabled(win, name)) << name.toStdString();
    EXPECT_FALSE(item(win, "mnuSep4")->isVisible());
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(win.mnuFileList[i]->isVisible());
    EXPECT_EQ(win.windowTitle(), "Quillon Editor Program");
    EXPECT_EQ(panel(3), "Wednesday  December 9, 2026");
    EXPECT_FALSE(s.desktop.busy);
    EXPECT_EQ(s.instanceLock.requested, QStringList{"quillonedit"});
}

TEST_F(MainWindow, TheWindowIconIsTheOneTheDesktopEntryShows)
{
    // Inside the background, the hill and the mast top.
    ExpectIconIsTheDesktopEntrys(load().windowIcon(), "quillonedit", {{8, 30}, {10, 56}, {32, 17}});
}

TEST_F(MainWindow, OpensCentredAndInsideTheScreenItsAvailableAreaAllows)
{
    // A screen wide enough: the centred place.
    s.desktop.screen = QRect(0, 0, 1280, 1024);
    s.desktop.available = QRect(0, 100, 1280, 924);   // a tall panel: its centre is not the screen's
    {
        MDIForm1& win = load();
        EXPECT_EQ(win.size(), QSize(1080, 720));
        // Centred on the whole screen, panel or not, give or take the frame the window system puts
        // on once the window shows (a title bar's height at most).
        const QPoint offCentre = win.frameGeometry().center() - QRect(0, 0, 1280, 1024).center();
        EXPECT_LE(std::abs(offCentre.x()), 5);
        EXPECT_LE(std::abs(offCentre.y()), 20);
    }
    // 1024 x 768 with a panel along the top: narrower than the window is made.
    const QRect area(0, 24, 1024, 744);
    s.desktop.screen = QRect(0, 0, 1024, 768);
    s.desktop.available = area;
    MDIForm1& win = load();
    EXPECT_TRUE(area.contains(win.frameGeometry())) << win.frameGeometry().x() << "," << win.frameGeometry().y()
                                                    << " " << win.frameGeometry().width() << "x"
                                                    << win.frameGeometry().height();
    const QRect file = win.menuBar()->actionGeometry(win.mnuFile->menuAction());
    EXPECT_GE(win.menuBar()->mapToGlobal(file.topLeft()).x(), area.left());   // the File menu shows whole
}

TEST_F(MainWindow, RecentProjectsReadAtStartUpAreListed)
{
    s.settings.values["Quillon/Projects/File1"] = "/p/one.001";
    s.settings.values["Quillon/Projects/File3"] = "/projects/west-hill/repeater-2024.001";
    MDIForm1& win = load();
    EXPECT_TRUE(win.mnuFileList[0]->isVisible());
    EXPECT_EQ(win.mnuFileList[0]->text(), "&1 /p/one.001");
    EXPECT_FALSE(win.mnuFileList[1]->isVisible());
    EXPECT_TRUE(win.mnuFileList[2]->isVisible());
    EXPECT_EQ(win.mnuFileList[2]->text(), "&3 ..est-hill/repeater-2024.001");
    EXPECT_TRUE(win.mnuSep4->isVisible());
}

TEST_F(MainWindow, OpeningAProjectEnablesTheMenusAndListsIt)
{
    MDIForm1& win = load();
    const QString name = writeProject(dir, "site");
    s.fileDialogs.openAnswers.push_back(name);
    item(win, "mnuOpen")->trigger();
    for (const QString& n : kProjectItems)
        EXPECT_TRUE(enabled(win, n)) << n.toStdString();
    EXPECT_EQ(panel(1), name + " ");
    EXPECT_EQ(image().at(2 * 4096), 3);
    EXPECT_EQ(RecentFiles[0], name);
    EXPECT_TRUE(win.mnuFileList[0]->isVisible());
    EXPECT_TRUE(win.mnuSep4->isVisible());
    EXPECT_EQ(s.settings.saveCount, 0);
    // The first open starts among the examples beside the program; once a project is listed the
    // dialog keeps its own place.
    s.fileDialogs.openAnswers.push_back(name);
    item(win, "mnuOpen")->trigger();
    ASSERT_EQ(s.fileDialogs.openRequests.size(), 2u);
    EXPECT_EQ(s.fileDialogs.openRequests[0].initialDir, QCoreApplication::applicationDirPath() + "/Examples");
    EXPECT_EQ(s.fileDialogs.openRequests[1].initialDir, "");
}

TEST_F(MainWindow, ARecentItemOpensItsProjectWithoutReordering)
{
    const QString a = writeProject(dir, "a");
    const QString b = writeProject(dir, "b");
    s.settings.values["Quillon/Projects/File1"] = a;
    s.settings.values["Quillon/Projects/File2"] = b;
    MDIForm1& win = load();
    win.mnuFileList[1]->trigger();
    EXPECT_EQ(project().ProjectFileName, b);
    EXPECT_TRUE(enabled(win, "mnuCodesTimers"));
    EXPECT_EQ(RecentFiles[0], a);
    EXPECT_EQ(RecentFiles[1], b);
}

TEST_F(MainWindow, OpeningAnotherProjectOverEditsAsksTheClosingQuestionFirst)
{
    using platform::MsgResult;
    const QString a = writeProject(dir, "a");
    const QString b = writeProject(dir, "b");
    const QString saved = dir.filePath("saved.001");
    struct Case {
        const char* why;
        bool recentItem;                         // else File > Open
        std::deque<MsgResult> answers;
        std::deque<std::optional<QString>> saveAs;
        bool opened;                             // b replaced a
    };
    const Case cases[] = {
        {"Cancel keeps the project", false, {MsgResult::Cancel}, {}, false},
        {"No opens", true, {MsgResult::No}, {}, true},
        {"Yes, save cancelled", true, {MsgResult::Yes}, {std::nullopt}, false},
        {"Yes, save refused", false, {MsgResult::Yes}, {dir.filePath("no/such/saved.001")}, false},
        {"Yes, saved", false, {MsgResult::Yes}, {saved}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        resetImage();
        resetProject();
        resetRegistry();
        s.settings.values["Quillon/Projects/File1"] = a;
        s.settings.values["Quillon/Projects/File2"] = b;
        MDIForm1& win = load();
        win.mnuFileList[0]->trigger();
        ASSERT_EQ(project().ProjectFileName, a);
        image().set(13602, 1);   // the edit; transmitter on, so a save asks nothing more
        s.messageBox.shown.clear();
        s.messageBox.answers = c.answers;
        s.fileDialogs.saveAnswers = c.saveAs;
        s.fileDialogs.openAnswers = {b};

        if (c.recentItem)
            win.mnuFileList[1]->trigger();
        else
            item(win, "mnuOpen")->trigger();

        ASSERT_FALSE(s.messageBox.shown.empty());
        EXPECT_EQ(s.messageBox.shown[0].text, "The Data File has changed\nDo you want to save the changes?");
        EXPECT_EQ(s.messageBox.shown[0].buttons, platform::MsgButtons::YesNoCancel);
        EXPECT_EQ(s.messageBox.shown[0].defaultButton, platform::MsgDefault::Third);
        EXPECT_EQ(project().ProjectFileName, c.opened ? b : a);
        EXPECT_EQ(image().at(13602), c.opened ? 4 : 1);
        EXPECT_EQ(ImageChanged(), !c.opened);
        QFile first(dir.filePath("a.004"));
        ASSERT_TRUE(first.open(QIODevice::ReadOnly));
        EXPECT_EQ(first.readAll(), QByteArray(4096, 4));   // only Save File As writes
        EXPECT_EQ(QFileInfo::exists(dir.filePath("saved.004")), c.saveAs == std::deque<std::optional<QString>>{saved});
    }
}

TEST_F(MainWindow, AMissingRecentProjectIsReportedAndStaysListed)
{
    const QString gone = dir.filePath("gone.001");
    s.settings.values["Quillon/Projects/File1"] = gone;
    MDIForm1& win = load();
    win.mnuFileList[0]->trigger();
    EXPECT_EQ(s.messageBox.texts(), QStringList{"Quillon File Open Error!\nFile May Be Missing"});
    EXPECT_EQ(RecentFiles[0], gone);
    EXPECT_FALSE(enabled(win, "mnuCodesTimers"));
}

TEST_F(MainWindow, MemoryFiveZonesHandsTheZoneDialogItsOffsetCaptionAndHelp)
{
    MDIForm1& win = load();
    ModalSpy spy;
    item(win, "mnuG1M5")->trigger();
    EXPECT_EQ(ZoneOffset, 9418);
    EXPECT_EQ(win.lastOpening().dialog, "frmZones1");
    EXPECT_EQ(win.lastOpening().caption, "Zone Channels For Memory #5");
    EXPECT_EQ(win.lastOpening().helpContext, 701);
    // The busy pointer went on for the opening and is off again whatever the dialog did.
    ASSERT_FALSE(s.desktop.cursorChanges.empty());
    EXPECT_TRUE(std::find(s.desktop.cursorChanges.begin(), s.desktop.cursorChanges.end(), true) !=
                s.desktop.cursorChanges.end());
    EXPECT_FALSE(s.desktop.busy);
    for (const QString& seen : spy.seen)
        EXPECT_EQ(seen, "frmZones1|Zone Channels For Memory #5");
}

TEST_F(MainWindow, EveryZoneItemNamesItsRecord)
{
    MDIForm1& win = load();
    ModalSpy spy;
    item(win, "mnuBaseZones")->trigger();
    EXPECT_EQ(ZoneOffset, 13602);
    EXPECT_EQ(win.lastOpening().caption, "Base Zones");
    EXPECT_EQ(win.lastOpening().helpContext, 700);
    const std::array<int, 9> offsets = {0, 5234, 6280, 7326, 8372, 9418, 10464, 11510, 12556};
    for (int n = 1; n <= 8; ++n) {
        item(win, QStringLiteral("mnuG1M%1").arg(n))->trigger();
        EXPECT_EQ(ZoneOffset, offsets[n]) << n;
        EXPECT_EQ(win.lastOpening().caption, QStringLiteral("Zone Channels For Memory #%1").arg(n));
    }
    EXPECT_EQ(item(win, "mnuG1M7")->text(), "Memory #&7 Zones...");
    EXPECT_EQ(item(win, "mnuG1M8")->text(), "Memory #&8 Zones");
}

TEST_F(MainWindow, CodesAndTimersItemsSetTheMemoryAndHelpContext)
{
    MDIForm1& win = load();
    ModalSpy spy;
    for (int n = 0; n <= 8; ++n) {
        item(win, QStringLiteral("mnuCodes_%1").arg(n))->trigger();
        EXPECT_EQ(CodesMemory, n);
        EXPECT_EQ(win.lastOpening().dialog, "frmCodes_1");
        EXPECT_EQ(win.lastOpening().helpContext, n == 0 ? 200 : 201);
        item(win, QStringLiteral("mnuTimers_%1").arg(n))->trigger();
        EXPECT_EQ(TimersMemory, n);
        EXPECT_EQ(win.lastOpening().dialog, "frmTimer1");
        EXPECT_EQ(win.lastOpening().helpContext, n == 0 ? 300 : 301);
    }
}

TEST_F(MainWindow, VoiceAndSwitchItemsSetTheirParameterAndCaption)
{
    MDIForm1& win = load();
    ModalSpy spy;
    item(win, "mnuMes_3")->trigger();
    EXPECT_EQ(VoiceMemory, 3);
    EXPECT_EQ(win.lastOpening().caption, "Memory Save #3 Voice Messages");
    item(win, "mnuVocBase")->trigger();
    EXPECT_EQ(VoiceMemory, 0);
    EXPECT_EQ(win.lastOpening().dialog, "frmVoc");
    item(win, "mnuSwitch2")->trigger();
    EXPECT_EQ(ExpSwitch, 2);
    EXPECT_EQ(win.lastOpening().caption, "Expanded Switch #2");
    EXPECT_EQ(win.lastOpening().helpContext, 903);
    item(win, "mnuSwitch1")->trigger();
    EXPECT_EQ(ExpSwitch, 1);
    EXPECT_EQ(win.lastOpening().helpContext, 902);
}

TEST_F(MainWindow, TheOtherDialogsOpenAsTheirKindRequires)
{
    MDIForm1& win = load();
    win.enableProjectMenus();
    ModalSpy spy;
    struct Row { const char* item; const char* dialog; bool modal; bool hourglass; };
    const std::vector<Row> rows = {
        {"mnuUnlock", "frmUnlock", false, false},       {"mnuRptConfig", "frmQuillConfig", false, false},
        {"mnuMemoryConfig", "frmMemory", true, true},   {"mnuMacros", "frmMacro", true, true},
        {"mnuUSD", "frmSpeed", true, false},            {"mnuESD", "frmEmer", true, false},
        {"mnuLockOut", "frmLockout", true, false},      {"mnuPreDial", "frmPreDial", true, false},
        {"mnuACode", "frmAreaCodes", true, false},      {"mnuCourtesy", "frmCTones", true, false},
        {"mnuDtmf", "frmDTMF", true, false},            {"mnuPage", "frmPage", true, false},
        {"mnuRbi", "frmFreqDis", true, false},          {"mnuConfig", "frmConfig", true, false},
        {"mnuFlush", "frmErase", true, false},          {"mnuPrint", "frmPrint", true, false},
        {"mnuCW_1", "frmCwEdit", true, false},          {"mnuSched", "frmsched", true, false},
        {"mnuUsers", "frmUser", true, false},
    };
    for (const Row& r : rows) {
        item(win, r.item)->trigger();
        EXPECT_EQ(win.lastOpening().dialog, r.dialog) << r.item;
        EXPECT_EQ(win.lastOpening().modal, r.modal) << r.item;
        EXPECT_EQ(win.lastOpening().hourglass, r.hourglass) << r.item;
        EXPECT_FALSE(s.desktop.busy) << r.item;
    }
    // The print dialog is kept between showings and answers F1 with its own topic.
    item(win, "mnuPrint")->trigger();
    EXPECT_TRUE(win.lastOpening().keep);
    EXPECT_EQ(win.lastOpening().helpContext, 106);
}

// No window manager cuts a dialog's title, and each opens centred on the screen (the scripted
// desktop's 1280 x 1024), give or take the frame the window system puts on once it shows.
TEST_F(MainWindow, EveryDialogShowsItsWholeTitleAndOpensCentred)
{
    MDIForm1& win = load();
    win.enableProjectMenus();
    const std::vector<DialogSeen> dialogs = EveryDialog(win);
    EXPECT_GE(dialogs.size(), 60u);
    for (const DialogSeen& d : dialogs) {
        SCOPED_TRACE((d.name + " \"" + d.title + "\" at " + QString::number(d.geometry.x()) + "," +
                      QString::number(d.geometry.y()) + " " + QString::number(d.geometry.width()) + "x" +
                      QString::number(d.geometry.height())).toStdString());
        EXPECT_GE(d.geometry.width(), platform::widgets::TitleBarWidth(d.title));
        const QPoint offCentre = d.geometry.center() - QRect(0, 0, 1280, 1024).center();
        EXPECT_LE(std::abs(offCentre.x()), 5);
        EXPECT_LE(std::abs(offCentre.y()), 20);
    }
}

// No dialog can be dragged smaller than its contents (cutting captions, laying frames over fields)
// nor larger: each holds the window system to the size it opens at.
TEST_F(MainWindow, EveryDialogKeepsItsSize)
{
    MDIForm1& win = load();
    win.enableProjectMenus();
    const std::vector<DialogSeen> dialogs = EveryDialog(win);
    EXPECT_GE(dialogs.size(), 60u);
    QStringList names;
    for (const DialogSeen& d : dialogs) {
        names << d.name;
        const auto shown = [](QSize size) { return std::to_string(size.width()) + "x" + std::to_string(size.height()); };
        SCOPED_TRACE((d.name + " \"" + d.title + "\"").toStdString());
        EXPECT_EQ(shown(d.minimumSize), shown(d.geometry.size()));
        EXPECT_EQ(shown(d.maximumSize), shown(d.geometry.size()));
    }
    EXPECT_TRUE(names.contains("PrintFontDialog"));
    EXPECT_TRUE(names.contains("frmKeyPad"));
}

TEST_F(MainWindow, AboutShowsTheSplashWindowInItsAboutRole)
{
    MDIForm1& win = load();
    ModalSpy spy;
    item(win, "mnuAbout")->trigger();
    EXPECT_EQ(win.lastOpening().dialog, "frmSplash");
    EXPECT_EQ(spy.seen, QStringList{"frmSplash|About Quillon Editor"});
}

TEST_F(MainWindow, HelpItemsOpenTheHelpFileBesideTheProgram)
{
    MDIForm1& win = load();
    item(win, "mnuHelpContents")->trigger();
    item(win, "mnuHelpSearch")->trigger();
    ASSERT_EQ(s.help.calls.size(), 2);
    EXPECT_TRUE(s.help.calls[0].startsWith("contents ")) << s.help.calls[0].toStdString();
    EXPECT_TRUE(s.help.calls[0].endsWith("/Help/Quillon.hlp"));
    EXPECT_TRUE(s.help.calls[1].startsWith("search "));
    EXPECT_TRUE(s.messageBox.shown.empty());
    s.help.result = false;   // the viewer could not read the file
    item(win, "mnuHelpContents")->trigger();
    ASSERT_EQ(s.messageBox.shown.size(), 1u);
    EXPECT_TRUE(s.messageBox.shown[0].text.startsWith("Unable to open the help file"));
}

TEST_F(MainWindow, F1OpensTheHelpContentsLikeHelpContents)
{
    MDIForm1& win = load();
    win.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&win));
    QTest::keyClick(&win, Qt::Key_F1);
    ASSERT_EQ(s.help.calls.size(), 1);
    EXPECT_TRUE(s.help.calls[0].startsWith("contents ")) << s.help.calls[0].toStdString();
    EXPECT_TRUE(s.help.calls[0].endsWith("/Help/Quillon.hlp"));
    // The key belongs to the window, not to the menu item, which shows no shortcut.
    EXPECT_TRUE(item(win, "mnuHelpContents")->shortcut().isEmpty());
}

// ---- closing ------------------------------------------------------------------------------

TEST_F(MainWindow, ClosingWithoutEditsAsksNothingAndWritesTheSettings)
{
    s.settings.values["Quillon/Projects/File1"] = "/p/one.001";
    MDIForm1& win = load();
    EXPECT_TRUE(win.close());
    EXPECT_TRUE(s.messageBox.shown.empty());
    EXPECT_EQ(s.settings.saveCount, 6);
    EXPECT_EQ(s.settings.values["Quillon/Printer/FontName"], "Arial");
    EXPECT_EQ(s.settings.values["Quillon/Printer/FontSize"], "10");
    EXPECT_EQ(s.settings.values["Quillon/Projects/File1"], "/p/one.001");
    EXPECT_EQ(s.settings.values["Quillon/Projects/File4"], "");
}

TEST_F(MainWindow, SettingsThatCannotBeSavedAtCloseAreNamedWithTheReason)
{
    MDIForm1& win = load();
    s.settings.failSaves = true;
    EXPECT_TRUE(win.close());
    EXPECT_EQ(s.messageBox.texts(), QStringList{"The printer font and the recent files could not be saved.\n"
                                                "/scripted/settings/Quillon.ini: Input/output error"});
}

TEST_F(MainWindow, CancelAtTheClosingQuestionKeepsEverything)
{
    MDIForm1& win = load();
    image().set(600, 1);
    ASSERT_TRUE(waitForMod());
    s.messageBox.answers = {platform::MsgResult::Cancel};
    EXPECT_FALSE(win.close());
    ASSERT_EQ(s.messageBox.shown.size(), 1u);
    const platform::MessageRequest& q = s.messageBox.shown[0];
    EXPECT_EQ(q.text, "The Data File has changed\nDo you want to save the changes?");
    EXPECT_EQ(q.buttons, platform::MsgButtons::YesNoCancel);
    EXPECT_EQ(q.icon, platform::MsgIcon::Exclamation);
    EXPECT_EQ(q.defaultButton, platform::MsgDefault::Third);
    EXPECT_EQ(q.title, "Quillon Editor");
    EXPECT_EQ(s.desktop.beeps, 1);
    EXPECT_TRUE(win.isVisible());
    EXPECT_EQ(s.settings.saveCount, 0);
    QTest::qWait(150);
    EXPECT_EQ(panel(2), "Mod");
}

TEST_F(MainWindow, YesThenNoSaveKeepsTheWindowOpenWithItsEdits)
{
    MDIForm1& win = load();
    image().set(13602, 1);   // transmitter on: no "Save Anyway?" question
    ASSERT_TRUE(waitForMod());
    struct Case { const char* why; std::optional<QString> answer; };
    const std::vector<Case> cases = {
        {"file dialog cancelled", std::nullopt},
        {"name refused", dir.filePath("copy.TXT")},
        {"folder missing", dir.filePath("no/such/folder/copy.001")},
    };
    for (const Case& c : cases) {
        s.messageBox.answers = {platform::MsgResult::Yes};
        s.fileDialogs.saveAnswers = {c.answer};
        EXPECT_FALSE(win.close()) << c.why;
        EXPECT_TRUE(win.isVisible()) << c.why;
        EXPECT_EQ(s.settings.saveCount, 0) << c.why;
        QTest::qWait(150);
        EXPECT_EQ(panel(2), "Mod") << c.why;
    }
    // "Save Anyway?" answered No: transmitter of base zone 1 off.
    image().set(13602, 0);
    image().set(600, 1);
    s.messageBox.answers = {platform::MsgResult::Yes, platform::MsgResult::No};
    s.fileDialogs.saveAnswers = {dir.filePath("copy.001")};
    EXPECT_FALSE(win.close());
    EXPECT_TRUE(s.messageBox.texts().last().endsWith("Save Anyway?"));
    EXPECT_FALSE(QFile::exists(dir.filePath("copy.001")));
    EXPECT_EQ(s.settings.saveCount, 0);
}

TEST_F(MainWindow, YesWithAnAcceptedSaveWritesTheProjectAndCloses)
{
    MDIForm1& win = load();
    image().set(13602, 1);
    ASSERT_TRUE(waitForMod());
    const QString name = dir.filePath("saved.001");
    s.messageBox.answers = {platform::MsgResult::Yes};
    s.fileDialogs.saveAnswers = {name};
    EXPECT_TRUE(win.close());
    EXPECT_EQ(QFileInfo(dir.filePath("saved.008")).size(), 4096);
    EXPECT_EQ(s.settings.values["Quillon/Projects/File1"], name);
}

TEST_F(MainWindow, NoClosesWithoutSavingButWritesTheSettings)
{
    MDIForm1& win = load();
    image().set(600, 1);
    s.messageBox.answers = {platform::MsgResult::No};
    EXPECT_TRUE(win.close());
    EXPECT_TRUE(s.fileDialogs.saveRequests.empty());
    EXPECT_EQ(s.settings.saveCount, 6);
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

TEST(HelpFile, HasTheContentsAndATopicForEveryHelpContext)
{
    const QString path = qEnvironmentVariable("QM_SOURCE_DIR") + "/data/Help/Quillon.hlp";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QString html = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(html.contains(R"(name="contents")"));
    for (int context : {106, 200, 201, 300, 301, 400, 401, 402, 500, 501, 502, 700, 701, 804, 902, 903})
        EXPECT_TRUE(html.contains(QStringLiteral(R"(name="context-%1")").arg(context))) << context;
}

// A control a help topic names in bold reads so in a window of that topic (or on the keypad or the
// word list, which serve many); a menu path ("File > Print") is one of the main window's. The other
// way round, a topic names every choice its windows offer, at least by the frame that holds the
// options, and the button that closes a window that has no close box: a topic that tells of
// choices its window lacks misses the real ones.
TEST_F(MainWindow, EveryHelpTopicNamesTheControlsAsItsWindowsShowThem)
{
    QFile file(qEnvironmentVariable("QM_SOURCE_DIR") + "/data/Help/Quillon.hlp");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    MDIForm1& win = load();
    win.enableProjectMenus();
    const std::vector<DialogSeen> dialogs = EveryDialog(win);
    QStringList everywhere;
    for (const DialogSeen& d : dialogs)
        if (d.name == "frmKeyPad" || d.name == "frmVoice")
            everywhere << d.texts;
    const auto menuPathExists = [&win](const QStringList& path) {
        QList<QAction*> items = win.menuBar()->actions();
        for (const QString& step : path) {
            const auto found = std::find_if(items.begin(), items.end(), [&step](const QAction* a) {
                return quillon::testing::WithoutAccessKey(a->text()).remove("...") == step;
            });
            if (found == items.end())
                return false;
            items = (*found)->menu() ? (*found)->menu()->actions() : QList<QAction*>();
        }
        return true;
    };

    const QRegularExpression topicPattern(R"re(<h2><a name="context-(\d+)"></a>(.*?)(?=<h2>|</body>))re",
                                          QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpression boldPattern(R"(<b>(.*?)</b>)", QRegularExpression::DotMatchesEverythingOption);
    int topics = 0;
    for (const QRegularExpressionMatch& topic : topicPattern.globalMatch(html)) {
        ++topics;
        const int context = topic.captured(1).toInt();
        QStringList shown = everywhere;
        QStringList choices;
        for (const DialogSeen& d : dialogs)
            if (d.helpContext == context) {
                shown << d.texts;
                choices << d.choices;
            }
        // Runs of blanks in a caption ("HF  Type") read as one, as a topic's lines do.
        for (QString& text : shown)
            text = text.simplified();
        EXPECT_GT(shown.size(), everywhere.size()) << "no window opens topic " << context;
        QStringList named;
        for (const QRegularExpressionMatch& bold : boldPattern.globalMatch(topic.captured(2)))
            named << bold.captured(1).replace("&gt;", ">").replace("&amp;", "&").simplified();
        for (const QString& choice : choices) {
            const QString caption = choice.section('\n', 0, 0).simplified();
            const QString frame = choice.section('\n', 1).simplified();
            EXPECT_TRUE(named.contains(caption) || (!frame.isEmpty() && named.contains(frame)))
                << context << ": names neither " << caption.toStdString() << " nor its frame " << frame.toStdString();
        }
        for (const QString& name : named) {
            if (name.contains(" > "))
                EXPECT_TRUE(menuPathExists(name.split(" > "))) << context << ": menu " << name.toStdString();
            else
                EXPECT_TRUE(shown.contains(name)) << context << ": " << name.toStdString();
        }
    }
    EXPECT_GE(topics, 29);
}

} // namespace
