// Start-up (splash time, second instance) and the about box with its system information button.
#include "MainWindowFixture.h"

#include "platform/widgets/ClickLabel.h"
#include "quillonedit/mainwindow/Main.h"
#include "quillonedit/mainwindow/frmSplash.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <stdexcept>

#include "tests/support/FileSizeLimit.h"

using namespace quillon;
using quillon::testing::MainWindowTest;

namespace {

bool splashShowing()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "frmSplash" && w->isVisible())
            return true;
    return false;
}

class StartUp : public MainWindowTest {
protected:
    // Notes the fake time of every yield during which the splash was on screen.
    void watchSplash()
    {
        s.eventLoop.onYield = [this] {
            if (splashShowing()) {
                if (firstSeen < 0)
                    firstSeen = s.clock.ms;
                lastSeen = s.clock.ms;
            }
        };
    }
    qint64 firstSeen = -1;
    qint64 lastSeen = -1;
};

TEST_F(StartUp, TheSplashStaysTwoSecondsThenTheMainWindowShows)
{
    watchSplash();
    const qint64 start = s.clock.ms;
    std::unique_ptr<MDIForm1> win = Main();
    ASSERT_TRUE(win);
    ASSERT_GE(firstSeen, 0);
    EXPECT_GE(lastSeen - start, kSplashMinimumMs);
    EXPECT_TRUE(win->isVisible());
    EXPECT_FALSE(splashShowing());
    EXPECT_FALSE(win->mnuSave->isEnabled());
    EXPECT_EQ(PrinterFontName, "Arial");   // settings read during start-up
}

TEST_F(StartUp, TheSplashWaitEndsWhenTheWallClockPassesMidnight)
{
    s.clock.wallStart = QDateTime(QDate(2026, 12, 9), QTime(23, 59, 59));
    const qint64 start = s.clock.ms;
    std::unique_ptr<MDIForm1> win = Main();
    ASSERT_TRUE(win);
    EXPECT_LT(s.clock.ms - start, 10 * kSplashMinimumMs);
}

TEST_F(StartUp, ASecondCopyEndsAfterItsSplashWithoutAWord)
{
    s.instanceLock.otherInstanceRunning = true;
    watchSplash();
    const qint64 start = s.clock.ms;
    std::unique_ptr<MDIForm1> win = Main();
    EXPECT_FALSE(win);
    EXPECT_GE(lastSeen - start, kSplashMinimumMs);
    EXPECT_FALSE(splashShowing());
    EXPECT_TRUE(s.messageBox.shown.empty());
    EXPECT_EQ(s.settings.saveCount, 0);
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_FALSE(w->objectName() == "MDIForm1" && w->isVisible());
}

TEST_F(StartUp, AFailingStepIsReportedAndStartUpGoesOn)
{
    // The first yield of the splash wait fails; every later step runs as usual.
    bool failed = false;
    s.eventLoop.onYield = [&failed] {
        if (!failed) {
            failed = true;
            throw std::runtime_error("no event loop");
        }
    };
    std::unique_ptr<MDIForm1> win = Main();
    ASSERT_TRUE(win);
    EXPECT_TRUE(win->isVisible());
    ASSERT_EQ(s.messageBox.shown.size(), 1u);
    EXPECT_EQ(s.messageBox.shown[0].text, "Start-up step failed: splash\nno event loop");
    EXPECT_EQ(s.messageBox.shown[0].title, "Quillon");
    EXPECT_EQ(PrinterFontName, "Arial");   // the settings were still read
}

// Printing or saving under `ulimit -f` fails with "File too large" instead of ending the editor.
TEST_F(StartUp, AFileSizeLimitNeverEndsTheEditor)
{
    std::unique_ptr<MDIForm1> win;
    EXPECT_TRUE(LeavesFileSizeSignalIgnored([&win] { win = Main(); }));
    EXPECT_TRUE(win);
}

TEST_F(StartUp, TheMainWindowInstallsTheKeypadForTheEditors)
{
    KeyPadService* before = &keyPad();
    {
        MDIForm1 win;
        EXPECT_NE(&keyPad(), before);
        EXPECT_NE(dynamic_cast<KeyPadDialogService*>(&keyPad()), nullptr);
    }
    EXPECT_EQ(&keyPad(), before);
}

// ---- about box --------------------------------------------------------------------------

class AboutBox : public MainWindowTest {
protected:
    // Raw key events: QTest's own would press and release the modifier keys around each key.
    void key(QEvent::Type type, int code, Qt::KeyboardModifiers mods)
    {
        QKeyEvent event(type, code, mods);
        QApplication::sendEvent(about.cmdOK, &event);
    }
    void down(int code, Qt::KeyboardModifiers mods = Qt::NoModifier) { key(QEvent::KeyPress, code, mods); }
    void up(int code, Qt::KeyboardModifiers mods = Qt::NoModifier) { key(QEvent::KeyRelease, code, mods); }

    void show(const QString& tag)
    {
        about.Tag = tag;
        about.show();
    }
    frmSplash about;
};

TEST_F(AboutBox, SplashRoleHasNoButtonsAndTheBusyPointer)
{
    show("0");
    EXPECT_FALSE(about.cmdOK->isVisible());
    EXPECT_FALSE(about.cmdSysInfo->isVisible());
    EXPECT_EQ(about.cursor().shape(), Qt::WaitCursor);
    EXPECT_EQ(about.Label1->text(), "Version 2.12    February 9, 2005");
    EXPECT_EQ(about.Label2[2]->text(), "Quillon 32 Bit Editor Program");
}

TEST_F(AboutBox, AboutRoleOffersOKAndSystemInfoAndTheCurrentYear)
{
    show("1");
    EXPECT_TRUE(about.cmdOK->isVisible());
    EXPECT_TRUE(about.cmdSysInfo->isVisible());
    EXPECT_NE(about.cursor().shape(), Qt::WaitCursor);
    EXPECT_TRUE(about.Label2[3]->text().endsWith("2026"));
    EXPECT_FALSE(about.Label3->isVisible());
    EXPECT_FALSE(about.Label4->isVisible());
    QTest::mouseClick(about.cmdOK, Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
}

TEST_F(AboutBox, CtrlAThenALogoClickRevealsTheCredits)
{
    show("1");
    down(Qt::Key_Control, Qt::ControlModifier);
    down(Qt::Key_A, Qt::ControlModifier);
    up(Qt::Key_A, Qt::ControlModifier);
    QTest::mouseClick(about.Image1, Qt::LeftButton);
    EXPECT_TRUE(about.Label3->isVisible());
    EXPECT_TRUE(about.Label4->isVisible());
    EXPECT_EQ(s.desktop.beeps, 1);
}

TEST_F(AboutBox, TheCreditsStayHiddenOtherwise)
{
    show("1");
    struct Steps { const char* why; std::function<void()> keys; };
    const std::vector<Steps> cases = {
        {"Ctrl released first", [this] {
             down(Qt::Key_Control, Qt::ControlModifier);
             down(Qt::Key_A, Qt::ControlModifier);
             up(Qt::Key_Control);
             up(Qt::Key_A);
         }},
        {"another key after A", [this] {
             down(Qt::Key_Control, Qt::ControlModifier);
             down(Qt::Key_A, Qt::ControlModifier);
             down(Qt::Key_B, Qt::ControlModifier);
         }},
        {"A without Ctrl", [this] {
             up(Qt::Key_Control);
             down(Qt::Key_A);
             up(Qt::Key_A);
         }},
    };
    for (const Steps& c : cases) {
        c.keys();
        QTest::mouseClick(about.Image1, Qt::LeftButton);
        EXPECT_FALSE(about.Label3->isVisible()) << c.why;
    }
    EXPECT_EQ(s.desktop.beeps, 0);
}

TEST_F(AboutBox, SystemInfoStartsTheFirstToolFound)
{
    show("1");
    s.desktop.programsOnPath["kinfocenter"] = "/usr/bin/kinfocenter";
    s.desktop.programsOnPath["gnome-system-monitor"] = "/usr/bin/gnome-system-monitor";
    QTest::mouseClick(about.cmdSysInfo, Qt::LeftButton);
    EXPECT_EQ(s.desktop.started, QStringList{"/usr/bin/kinfocenter"});
    EXPECT_TRUE(s.messageBox.shown.empty());
    EXPECT_TRUE(about.isVisible());
}

TEST_F(AboutBox, WithoutAToolOrWhenItWillNotStartTheUserIsTold)
{
    show("1");
    QTest::mouseClick(about.cmdSysInfo, Qt::LeftButton);
    s.desktop.programsOnPath["hardinfo"] = "/usr/bin/hardinfo";
    s.desktop.startResult = false;
    QTest::mouseClick(about.cmdSysInfo, Qt::LeftButton);
    ASSERT_EQ(s.messageBox.shown.size(), 2u);
    for (const platform::MessageRequest& m : s.messageBox.shown) {
        EXPECT_EQ(m.text, "System Information Is Unavailable At This Time");
        EXPECT_EQ(m.buttons, platform::MsgButtons::OK);
        EXPECT_EQ(m.icon, platform::MsgIcon::None);
    }
    EXPECT_TRUE(about.isVisible());
}

TEST_F(AboutBox, F1OpensTheHelp)
{
    show("1");
    about.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
    QTest::keyClick(about.cmdOK, Qt::Key_F1);
    ASSERT_EQ(s.help.calls.size(), 1);
    EXPECT_TRUE(s.help.calls[0].startsWith("contents "));
}

} // namespace
