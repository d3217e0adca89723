#include "merrowedit/data/Messages.h"
#include "merrowedit/windows/Mwr_Rec.h"
#include "merrowedit/windows/frmAbout.h"
#include "platform/WholeFile.h"
#include "tests/support/DesktopIcon.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <functional>

#include "../data/DataFolderTest.h"
#include "ModalSteps.h"
#include "tests/support/QStringPrinter.h"

using namespace merrow;
using platform::MsgResult;

namespace {

const QString kSaveQuestion = " Do you want to save any changes? ";

class MainWindowTest : public DataFolderTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(DataFolderTest::SetUp());
        LoadRegistrySettings();
        SetDefaultData();
        w.endProgram = [this] { ++programEnds; };
        w.commands.ClosePort = [this] { events << "ClosePort"; };
    }
    bool dataFileWritten() const { return QFile::exists(QDir(dir.path()).filePath(kDataFileName)); }

    Mwr_Rec w;
    ModalSteps steps;
    int programEnds = 0;
    QStringList events;
};

TEST_F(MainWindowTest, LoadsWithItsToolbarAndHistoryMenusOff)
{
    // Key and tooltip of each button, in toolbar order, as the window's description lists them.
    const QStringList expected = {
        "Setup | Serial Port Setup and Date/Time Configuration",
        "FIP Codes | Select State and FIP Codes",
        "Event Codes | Select Event Codes",
        "Options | Setup Receiver Options",
        "Timers | Configure Receiver Timers",
        "Inputs | Select Hardware Input and Output Action.",
        "Identification | Set Station Identification",
        "RS232 | Setup Raw Data Out RS232 Port",
        "Transfer Data | Transfer Data To/From Merrow",
        "Print History | Print History Report",
        "Help | Help Contents",
        "Exit | Exit  Merrow Program",
    };
    const QList<QAction*> actions = w.Tlbar->actions();
    ASSERT_EQ(actions.size(), 24);
    for (int i = 0; i < 12; ++i) {
        const QString key = expected[i].section(" | ", 0, 0);
        const QString tooltip = expected[i].section(" | ", 1);
        EXPECT_TRUE(actions[2 * i]->isSeparator());
        EXPECT_EQ(actions[2 * i + 1]->objectName(), key);
        EXPECT_EQ(actions[2 * i + 1]->toolTip(), tooltip);
        EXPECT_EQ(w.toolButtonForTests(key), actions[2 * i + 1]);
    }
    EXPECT_EQ(w.windowTitle(), "Merrow Digital Weather Receiver");
    EXPECT_FALSE(w.mnuView->isEnabled());
    EXPECT_FALSE(w.mnuSaveAs->isEnabled());
    EXPECT_TRUE(w.prgXfer->isHidden());
    EXPECT_FALSE(w.ExitRequested);
}

TEST_F(MainWindowTest, TheWindowIconIsTheOneTheDesktopEntryShows)
{
    // Inside the background, the cloud, the lightning bolt and the alert light.
    ExpectIconIsTheDesktopEntrys(w.windowIcon(), "merrowedit", {{6, 45}, {20, 28}, {30, 37}, {46, 50}});
}

TEST_F(MainWindowTest, ExitCancelLeavesEverythingAsItWas)
{
    services.messageBox.answers = {MsgResult::Cancel};
    w.toolButtonForTests("Exit")->trigger();
    ASSERT_EQ(services.messageBox.shown.size(), 1u);
    const platform::MessageRequest& r = services.messageBox.shown[0];
    EXPECT_EQ(r.text, kSaveQuestion);
    EXPECT_EQ(r.buttons, platform::MsgButtons::YesNoCancel);
    EXPECT_EQ(r.icon, platform::MsgIcon::Question);
    EXPECT_EQ(r.title, "Merrow Digital Weather Receiver");
    EXPECT_EQ(programEnds, 0);
    EXPECT_FALSE(w.ExitRequested);
    EXPECT_TRUE(services.settings.values.isEmpty());
    EXPECT_FALSE(dataFileWritten());
    EXPECT_TRUE(events.isEmpty());
}

TEST_F(MainWindowTest, ExitYesSavesSettingsAndFileThenEnds)
{
    EditorVersion = "2.43";
    NV800F.Spare_1 = true;
    services.messageBox.answers = {MsgResult::Yes};
    services.messageBox.onShow = [this](const platform::MessageRequest&) { events << "question"; };
    w.mnuExit->trigger();
    EXPECT_EQ(events, (QStringList{"question", "ClosePort"}));
    EXPECT_EQ(services.settings.values.size(), 88);
    EXPECT_EQ(services.settings.values.value("Merrow/EDITOR/EditorVersion"), "2.43");
    EXPECT_EQ(services.settings.values.value("Merrow/NV800F/Spare800F_1"), "True");
    QFile f(QDir(dir.path()).filePath(kDataFileName));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), DataFileContents());
    EXPECT_EQ(programEnds, 1);
    EXPECT_TRUE(w.ExitRequested);
    // The window closing on the way out asks nothing more.
    w.close();
    EXPECT_EQ(services.messageBox.shown.size(), 1u);
}

TEST_F(MainWindowTest, ExitNoSavesNothing)
{
    services.messageBox.answers = {MsgResult::No};
    w.mnuExit->trigger();
    EXPECT_EQ(events, QStringList{"ClosePort"});
    EXPECT_TRUE(services.settings.values.isEmpty());
    EXPECT_FALSE(dataFileWritten());
    EXPECT_EQ(programEnds, 1);
}

TEST_F(MainWindowTest, ExitWithoutSaveAsksNothingAndNeitherDoesTheCloseBoxAfterIt)
{
    w.show();
    w.mnuExitNoSave->trigger();
    EXPECT_TRUE(services.messageBox.shown.empty());
    EXPECT_EQ(programEnds, 1);
    w.close();
    EXPECT_TRUE(services.messageBox.shown.empty());
    EXPECT_TRUE(services.settings.values.isEmpty());
    EXPECT_FALSE(dataFileWritten());
}

// The close box asks the question of File > Exit: Cancel (and Esc, which answers Cancel) keeps the
// program and its edits; No then leaves without saving.
TEST_F(MainWindowTest, CloseBoxAsksYesNoOrCancelAndCancelKeepsTheProgram)
{
    w.show();
    services.messageBox.answers = {MsgResult::Cancel};
    EXPECT_FALSE(w.close());
    ASSERT_EQ(services.messageBox.shown.size(), 1u);
    EXPECT_EQ(services.messageBox.shown[0].text, kSaveQuestion);
    EXPECT_EQ(services.messageBox.shown[0].buttons, platform::MsgButtons::YesNoCancel);
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(w.ExitRequested);
    EXPECT_EQ(programEnds, 0);
    EXPECT_TRUE(events.isEmpty());

    services.messageBox.answers = {MsgResult::No};
    EXPECT_TRUE(w.close());
    EXPECT_EQ(services.messageBox.shown.size(), 2u);
    EXPECT_FALSE(dataFileWritten());
    EXPECT_TRUE(services.settings.values.isEmpty());
    EXPECT_EQ(programEnds, 1);
}

TEST_F(MainWindowTest, CloseBoxYesSaves)
{
    w.show();
    services.messageBox.answers = {MsgResult::Yes};
    EXPECT_TRUE(w.close());
    EXPECT_TRUE(dataFileWritten());
    EXPECT_EQ(services.settings.values.size(), 88);
    EXPECT_EQ(programEnds, 1);
    EXPECT_EQ(services.messageBox.shown.size(), 1u);
}

// A parameter file that was read but cannot be written (a full disk, a folder that cannot be
// synced), or settings that cannot be written: the saving exit names the file and the reason and the program stays with its edits.
// The parameter file goes first, so its failure saves nothing at all.
TEST_F(MainWindowTest, AFailedSaveOnExitIsNamedAndTheProgramStays)
{
    const QString data = QDir(dir.path()).filePath(kDataFileName);
    ASSERT_TRUE(SaveDataFile());
    resetParameterData();
    ASSERT_TRUE(LoadDataFile());
    FipEntries[4] = "X 024033  Prince George's        Maryland";
    QFile f(data);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray before = f.readAll();
    f.close();
    const QString kept = "\r\nYour changes are kept until you exit without saving.";
    struct Row {
        const char* why;
        std::function<void()> fault;
        QString report;
        bool dataFileReplaced;
    };
    const Row rows[] = {
        {"parameter file on a full disk",
         [&data] { platform::setWriteFaultForTests([data](const QString& t) { return t == data ? ENOSPC : 0; }); },
         "Error, Merrow Data File  " + data + "  can not be written.\r\n" + std::strerror(ENOSPC) + kept, false},
        // Put in place, but not stored for sure until its folder is synced.
        {"parameter file whose folder cannot be synced",
         [this] { platform::setFolderSyncFaultForTests([this](const QString& f) { return f == dir.path() ? EIO : 0; }); },
         "Error, Merrow Data File  " + data + "  can not be written.\r\n" + std::strerror(EIO) + kept, true},
        {"settings store refuses", [this] { services.settings.failSaves = true; },
         "Error, Merrow Settings File  /scripted/settings/Merrow.ini  can not be written.\r\nInput/output error" + kept,
         true},
    };
    w.show();
    for (const Row& r : rows) {
        SCOPED_TRACE(r.why);
        services.messageBox.shown.clear();
        r.fault();
        services.messageBox.answers = {MsgResult::Yes};
        w.mnuExit->trigger();
        services.messageBox.answers = {MsgResult::Yes};
        EXPECT_FALSE(w.close());   // the close box tries again, and fails the same way
        platform::setWriteFaultForTests({});
        platform::setFolderSyncFaultForTests({});
        services.settings.failSaves = false;
        EXPECT_EQ(services.messageBox.texts(), (QStringList{kSaveQuestion, r.report, kSaveQuestion, r.report}));
        EXPECT_TRUE(services.settings.values.isEmpty());
        QFile after(data);
        ASSERT_TRUE(after.open(QIODevice::ReadOnly));
        EXPECT_EQ(after.readAll() != before, r.dataFileReplaced);
        EXPECT_TRUE(w.isVisible());
        EXPECT_FALSE(w.ExitRequested);
        EXPECT_EQ(programEnds, 0);
    }
    EXPECT_EQ(FipEntries[4], "X 024033  Prince George's        Maryland");
}

TEST_F(MainWindowTest, RunningTransferRefusesExitAndClose)
{
    w.show();
    w.setCommandsLocked(true);
    w.mnuExit->trigger();
    w.toolButtonForTests("Exit")->trigger();
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(services.messageBox.shown.empty());
    EXPECT_EQ(programEnds, 0);
    w.setCommandsLocked(false);
    services.messageBox.answers = {MsgResult::No};
    EXPECT_TRUE(w.close());
}

TEST_F(MainWindowTest, PrintHistoryNeedsTheFirstRowOfTheGroup)
{
    int printed = 0;
    w.commands.PrintHistory = [&] { ++printed; };
    w.toolButtonForTests("Print History")->trigger();
    EXPECT_EQ(services.messageBox.texts(), QStringList{"Error #301:  No History Data to Print. "});
    EXPECT_EQ(printed, 0);

    HistoryGridRow row;
    row.num = "1";
    row.date = "12/09/2026";
    w.showHistoryRow(0, row);
    w.toolButtonForTests("Print History")->trigger();
    EXPECT_EQ(printed, 1);
    EXPECT_EQ(services.messageBox.shown.size(), 1u);

    w.clearHistoryRow(0);
    EXPECT_EQ(w.historyDate(0), "");
    EXPECT_EQ(w.lblNum[0]->text(), "1");
}

// A transfer shows the progress bar and hides it again; the window keeps its size all along.
TEST_F(MainWindowTest, ProgressBarLeavesTheWindowSizeAlone)
{
    w.show();
    QApplication::processEvents();
    const QSize before = w.size();
    std::vector<QSize> sizes;
    w.setProgressMaximum(512);
    w.setProgressVisible(true);
    w.setProgressValue(256);
    QApplication::processEvents();
    EXPECT_TRUE(w.prgXfer->isVisible());
    sizes.push_back(w.size());
    w.setProgressVisible(false);
    QApplication::processEvents();
    sizes.push_back(w.size());
    for (const QSize& size : sizes) {
        EXPECT_EQ(size.width(), before.width());
        EXPECT_EQ(size.height(), before.height());
    }
}

// Whatever the font, a transfer's history fills the grid without changing the window's size, and
// every cell shows its text whole.
TEST_F(MainWindowTest, AFilledHistoryLeavesTheWindowSizeAloneAndShowsItWhole)
{
    const QStringList months = {"January", "February", "March",     "April",   "May",      "June",
                                "July",    "August",   "September", "October", "November", "December"};
    const QStringList events = {"Hurricane / Tropical Storm Warning", "Radiological Harzard Warning",
                                "Severe Thunderstorm Warning", "Unknown Event Code"};
    const QFont before = QApplication::font();
    for (const QFont& font : {before, QFont(before.family(), 16, QFont::Bold)}) {
        SCOPED_TRACE(font.toString().toStdString());
        QApplication::setFont(font);
        Mwr_Rec window;
        window.adjustSize();
        window.show();
        QApplication::processEvents();
        const QSize empty = window.size();
        for (std::size_t r = 0; r < window.lblDate.size(); ++r) {
            window.lblDate[r]->setText(QStringLiteral("30-") + months[static_cast<qsizetype>(r % 12)]);
            window.lblTime[r]->setText("23:59");
            window.lblLength[r]->setText("00:45");
            window.lblOrg[r]->setText(r % 2 ? "WXR" : "CIV");
            window.lblEvent[r]->setText(events[static_cast<qsizetype>(r % 4)]);
        }
        QApplication::processEvents();
        QApplication::processEvents();
        EXPECT_EQ(window.size(), empty);
        for (std::size_t r = 0; r < window.lblDate.size(); ++r)
            for (const QLabel* cell : {window.lblDate[r], window.lblTime[r], window.lblLength[r], window.lblOrg[r],
                                       window.lblEvent[r]})
                EXPECT_GE(cell->width(), cell->sizeHint().width()) << cell->text().toStdString();
    }
    QApplication::setFont(before);
}

TEST_F(MainWindowTest, ActivationClearsTheFirmwarePanel)
{
    w.setStatusRight("Receiver ROM Version 1.23");
    w.setStatusLeft("Transfer Complete");
    services.desktop.busy = true;
    w.Form_Activate();
    EXPECT_EQ(w.statusPanelForTests("Right")->text(), "");
    EXPECT_EQ(w.statusPanelForTests("Left")->text(), "Transfer Complete");
    EXPECT_FALSE(services.desktop.busy);
}

TEST_F(MainWindowTest, DataDumpButtonOnlyAfterCtrlKeyAndOnlyOnce)
{
    EditorVersion = "2.43";
    ReceiverVersion = "3.07";
    std::vector<bool> dumpVisible;
    QStringList labels;
    const auto inspectAbout = [&] {
        steps.later([&] {
            auto* about = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
            ASSERT_NE(about, nullptr);
            dumpVisible.push_back(about->cmdDump->isVisible());
            labels << about->Label1->text() << about->Label3->text();
            about->cmdOk->click();
        });
    };
    w.show();
    QTest::keyClick(&w, Qt::Key_D, Qt::ControlModifier);
    EXPECT_TRUE(CtrlKeySeen);
    inspectAbout();
    w.mnuAbout->trigger();
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_FALSE(ShowDataDump);
    EXPECT_FALSE(CtrlKeySeen);
    inspectAbout();
    w.mnuAbout->trigger();
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_EQ(dumpVisible, (std::vector<bool>{true, false}));
    EXPECT_EQ(labels.value(0), "Windows Editor Version 2.43");
    EXPECT_EQ(labels.value(1), "Receiver Firmware Version 3.07");
}

TEST_F(MainWindowTest, FailedDumpContactIsReportedAndAboutStaysOpen)
{
    ShowDataDump = true;
    frmAbout about(&w);
    about.MakeContact = [] { return false; };
    about.show();
    about.cmdDump->click();
    EXPECT_EQ(services.messageBox.texts(), QStringList{"Serial Connection Fail..."});
    EXPECT_EQ(services.messageBox.shown[0].icon, platform::MsgIcon::Exclamation);
    EXPECT_TRUE(about.isVisible());
}

TEST_F(MainWindowTest, HelpMenusOpenTheProgramsHelpFile)
{
    w.mnuHelpContents->trigger();
    w.mnuSearchHelp->trigger();
    w.toolButtonForTests("Help")->trigger();
    ASSERT_EQ(services.help.calls.size(), 3);
    EXPECT_TRUE(services.help.calls[0].startsWith("contents ") && services.help.calls[0].endsWith("/Help/Merrow.HLP"));
    EXPECT_TRUE(services.help.calls[1].startsWith("search "));
    EXPECT_TRUE(services.help.calls[2].startsWith("contents "));
}

TEST_F(MainWindowTest, TipMenuInvertsTheSetting)
{
    ShowTipsAtStartup = true;
    w.mnuTipsShow->trigger();
    EXPECT_FALSE(ShowTipsAtStartup);
    EXPECT_FALSE(w.mnuTipsShow->isChecked());
    w.mnuTipsShow->trigger();
    EXPECT_TRUE(ShowTipsAtStartup);
    EXPECT_TRUE(w.mnuTipsShow->isChecked());
}

TEST_F(MainWindowTest, WebPageThatDoesNotOpenIsReported)
{
    QStringList urls;
    w.commands.OpenWebPage = [&](const QString& url) { urls << url; return false; };
    w.mnuManuals->trigger();
    EXPECT_EQ(urls, QStringList{kMakerWebSite + "/manuals.html"});
    EXPECT_EQ(services.messageBox.texts(), QStringList{"Error #500:  Could not load your Web Browser. "});
}

} // namespace
