#include "merrowedit/windows/Mwr_Rec.h"
#include "merrowedit/windows/Startup.h"
#include "merrowedit/windows/frmSplash.h"

#include <QApplication>
#include <QIcon>
#include <gtest/gtest.h>

#include <cstdlib>

#include "../data/DataFolderTest.h"
#include "tests/support/DesktopIcon.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/QStringPrinter.h"

using namespace merrow;

namespace {

class StartupTest : public DataFolderTest {
protected:
    static bool splashVisible()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<frmSplash*>(w) && w->isVisible())
                return true;
        return false;
    }
};

TEST_F(StartupTest, FirstRunLoadsDefaultsAndKeepsTheSplashTwoSeconds)
{
    const qint64 start = services.clock.ms;
    bool splashSeen = false;
    services.eventLoop.onYield = [&] { splashSeen = splashSeen || splashVisible(); };
    services.messageBox.answers = {platform::MsgResult::Yes};
    const std::unique_ptr<Mwr_Rec> window = Main();

    EXPECT_EQ(services.messageBox.texts(),
              QStringList{"Error #199:  Missing or Corrupted Merrow Data File.\r\nCreate Default Data File?"});
    EXPECT_EQ(EditorVersion, "2.43");
    EXPECT_EQ(SerialPort, 1);
    EXPECT_EQ(FipEntries[0], "X 012011  Broward                Florida");
    EXPECT_EQ(EventCodes[16], "TOR");
    EXPECT_TRUE(splashSeen);
    EXPECT_GE(services.clock.ms - start, kSplashMs);
    EXPECT_LT(services.clock.ms - start, kSplashMs + 100);
    EXPECT_FALSE(splashVisible());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->mnuTipsShow->isChecked());
}

// One copy at a time: while another copy runs, a second start says so and ends before it reads a
// file or shows a window, so the two can never save over each other.
TEST_F(StartupTest, ASecondCopySaysSoAndEndsAtOnce)
{
    services.instanceLock.otherInstanceRunning = true;
    services.settings.values["Merrow/EDITOR/SerialPort"] = "3";
    const std::unique_ptr<Mwr_Rec> window = Main();
    EXPECT_EQ(window, nullptr);
    EXPECT_EQ(services.instanceLock.requested, QStringList{"merrowedit"});
    ASSERT_EQ(services.messageBox.shown.size(), 1u);
    EXPECT_EQ(services.messageBox.shown[0].text, "Merrow is already running.");
    EXPECT_EQ(services.messageBox.shown[0].title, "Merrow Digital Weather Receiver");
    EXPECT_EQ(services.messageBox.shown[0].buttons, platform::MsgButtons::OK);
    EXPECT_NE(SerialPort, 3);
    EXPECT_EQ(services.eventLoop.yields, 0);
}

// The message boxes that come before the main window (the second copy's, the #199 question) show
// the program's icon like every other window.
TEST_F(StartupTest, MessagesBeforeTheMainWindowShowTheProgramsIcon)
{
    for (const bool secondCopy : {true, false}) {
        SCOPED_TRACE(secondCopy ? "second copy" : "#199");
        QApplication::setWindowIcon(QIcon());
        services.messageBox.shown.clear();
        services.instanceLock.otherInstanceRunning = secondCopy;
        services.messageBox.answers = {platform::MsgResult::Yes};
        int boxes = 0;
        services.messageBox.onShow = [&boxes](const platform::MessageRequest&) {
            if (++boxes == 1)
                ExpectIconIsTheDesktopEntrys(QApplication::windowIcon(), "merrowedit",
                                             {{6, 45}, {20, 28}, {30, 37}, {46, 50}});
        };
        const std::unique_ptr<Mwr_Rec> window = Main();
        EXPECT_EQ(window == nullptr, secondCopy);
        EXPECT_EQ(boxes, 1);
    }
    services.messageBox.onShow = nullptr;
    QApplication::setWindowIcon(QIcon());
}

// A save or print under `ulimit -f` fails with "File too large" instead of ending the program.
TEST_F(StartupTest, AFileSizeLimitNeverEndsTheProgram)
{
    services.messageBox.answers = {platform::MsgResult::Yes};
    std::unique_ptr<Mwr_Rec> window;
    EXPECT_TRUE(LeavesFileSizeSignalIgnored([&window] { window = Main(); }));
    EXPECT_TRUE(window);
}

TEST_F(StartupTest, SlowLoadingAddsNoWait)
{
    // The #199 question stays open three seconds.
    services.messageBox.onShow = [&](const platform::MessageRequest&) { services.clock.advance(3000); };
    services.messageBox.answers = {platform::MsgResult::No};
    const std::unique_ptr<Mwr_Rec> window = Main();
    EXPECT_EQ(services.eventLoop.yields, 0);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(FipEntries[0], "");
}

TEST_F(StartupTest, StoredSettingsAreReadBeforeTheVersionIsSet)
{
    services.settings.values["Merrow/EDITOR/EditorVersion"] = "2.10";
    services.settings.values["Merrow/EDITOR/ShowTipsAtStartup"] = "False";
    services.messageBox.answers = {platform::MsgResult::Yes};
    const std::unique_ptr<Mwr_Rec> window = Main();
    EXPECT_EQ(EditorVersion, "2.43");
    EXPECT_FALSE(window->mnuTipsShow->isChecked());
}

TEST_F(StartupTest, TheMainWindowOpensCentredInsideTheScreensAvailableArea)
{
    // 1024 x 768 with a panel along the top.
    const QRect screen(0, 0, 1024, 768);
    const QRect area(0, 24, 1024, 744);
    services.desktop.screen = screen;
    services.desktop.available = area;
    services.messageBox.answers = {platform::MsgResult::Yes};
    const std::unique_ptr<Mwr_Rec> window = Main();
    const QRect frame = window->frameGeometry();
    EXPECT_TRUE(area.contains(frame)) << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height();
    // Centred on the whole screen, give or take the frame the window system puts on once the
    // window shows.
    const QPoint offCentre = frame.center() - screen.center();
    EXPECT_LE(std::abs(offCentre.x()), 5);
    EXPECT_LE(std::abs(offCentre.y()), 20);
}

} // namespace
