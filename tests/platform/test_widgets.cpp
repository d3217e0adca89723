// The widget kit both programs share.
#include "platform/testing/ScriptedServices.h"
#include "platform/widgets/ClickLabel.h"
#include "platform/widgets/HelpDisplay.h"
#include "platform/widgets/Windows.h"
#include "tests/support/QStringPrinter.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace platform;
using namespace platform::widgets;

TEST(ClickLabel, ReportsTheModifiersHeldAtTheClick)
{
    ClickLabel label("12");
    label.resize(60, 20);
    QSignalSpy spy(&label, &ClickLabel::clicked);
    const Qt::KeyboardModifiers cases[] = {Qt::NoModifier, Qt::ControlModifier, Qt::ControlModifier | Qt::ShiftModifier};
    for (const Qt::KeyboardModifiers held : cases)
        QTest::mouseClick(&label, Qt::LeftButton, held, QPoint(10, 10));
    ASSERT_EQ(spy.count(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(spy[i][0].value<Qt::KeyboardModifiers>(), cases[i]) << i;
}

TEST(ShowHelp, AsksTheViewerForThePageAndReportsAFileItCannotShow)
{
    struct Case {
        HelpPage page;
        int context;
        QString call;
    };
    const Case cases[] = {
        {HelpPage::Contents, 0, "contents /p/Help/X.hlp"},
        {HelpPage::Search, 0, "search /p/Help/X.hlp"},
        {HelpPage::Topic, 902, "topic 902 /p/Help/X.hlp"},
    };
    for (const Case& c : cases) {
        doubles::ScriptedServices s;
        EXPECT_TRUE(ShowHelp("/p/Help/X.hlp", "Title", c.page, c.context));
        s.help.result = false;
        EXPECT_FALSE(ShowHelp("/p/Help/X.hlp", "Title", c.page, c.context));
        EXPECT_EQ(s.help.calls, QStringList({c.call, c.call}));
        ASSERT_EQ(s.messageBox.shown.size(), 1u);
        EXPECT_EQ(s.messageBox.shown[0].text, "Unable to open the help file /p/Help/X.hlp");
        EXPECT_EQ(s.messageBox.shown[0].title, "Title");
        EXPECT_EQ(s.messageBox.shown[0].icon, MsgIcon::Exclamation);
    }
}

TEST(Win95Shrival, MinimisesAndKeepsTheOtherStates)
{
    QWidget window;
    window.setWindowState(Qt::WindowMaximized);
    Win95Shrival(window);
    EXPECT_EQ(window.windowState(), Qt::WindowMaximized | Qt::WindowMinimized);
}
