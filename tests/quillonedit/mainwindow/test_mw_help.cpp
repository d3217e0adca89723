// The help window over our HTML help file.
#include "platform/qt/QtHelpViewer.h"

#include <QApplication>
#include <QDialog>
#include <QTextBrowser>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "tests/support/BlockGuard.h"

namespace {

QString helpFile() { return qEnvironmentVariable("QM_SOURCE_DIR") + "/data/Help/Quillon.hlp"; }

TEST(HelpWindow, AMissingFileIsReportedToTheCaller)
{
    platform::QtHelpViewer viewer;
    EXPECT_FALSE(viewer.showContents("/no/such/Help/Quillon.hlp"));
    EXPECT_FALSE(viewer.showTopic("/no/such/Help/Quillon.hlp", 200));
}

// A pipe no one writes to in the help file's place is not opened, so asking for help never
// hangs the program; a folder is no help file either.
TEST(HelpWindow, APipeOrAFolderInTheFilesPlaceIsReportedAtOnce)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("Quillon.hlp")).constData(), 0600), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir("Folder.hlp"));
    platform::QtHelpViewer viewer;
    const BlockGuard guard;
    EXPECT_FALSE(viewer.showContents(dir.filePath("Quillon.hlp")));
    EXPECT_FALSE(viewer.showTopic(dir.filePath("Quillon.hlp"), 200));
    EXPECT_FALSE(viewer.showContents(dir.filePath("Folder.hlp")));
}

TEST(HelpWindow, HelpAskedForFromAModalDialogIsNotBlockedByIt)
{
    platform::QtHelpViewer viewer;
    QDialog editor;
    editor.setWindowModality(Qt::ApplicationModal);
    editor.show();
    ASSERT_EQ(QApplication::activeModalWidget(), &editor);
    ASSERT_TRUE(viewer.showTopic(helpFile(), 200));
    // The help window belongs to the modal dialog, which is what keeps it usable.
    auto* browser = editor.findChild<QTextBrowser*>();
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(browser->window()->isVisible());
    EXPECT_TRUE(browser->toPlainText().contains("Base control codes"));
    editor.hide();
    ASSERT_TRUE(viewer.showContents(helpFile()));   // no modal dialog now: a window of its own
    auto* again = editor.findChild<QTextBrowser*>();
    EXPECT_EQ(again, nullptr);
}

// A topic opens at the top of the window, the file's last one (the print dialog's) too.
TEST(HelpWindow, EveryTopicOpensAtTheTopOfTheWindow)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        w->close();   // the help windows of other tests
    platform::QtHelpViewer viewer;
    struct Row { int context; const char* heading; };
    for (const Row& r : {Row{106, "Printing the configuration"}, Row{909, "Hardware options"}, Row{200, "Base control codes"}}) {
        ASSERT_TRUE(viewer.showTopic(helpFile(), r.context));
        QTextBrowser* browser = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && !browser)
                browser = w->findChild<QTextBrowser*>();
        ASSERT_NE(browser, nullptr);
        // The topic's heading, below the contents list that names it too.
        QTextBlock heading;
        for (QTextBlock b = browser->document()->begin(); b.isValid(); b = b.next())
            if (b.text() == QString::fromLatin1(r.heading))
                heading = b;
        ASSERT_TRUE(heading.isValid()) << r.heading;
        const int top = browser->cursorRect(QTextCursor(heading)).top();
        EXPECT_GE(top, 0) << r.heading;
        EXPECT_LT(top, browser->fontMetrics().height() * 2) << r.heading << " starts " << top << " px down the window";
    }
}

} // namespace
