// The help window over our HTML help file.
#include "platform/qt/QtHelpViewer.h"

#include <QApplication>
#include <QDialog>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace {

QString helpFile() { return qEnvironmentVariable("QM_SOURCE_DIR") + "/data/Help/Quillon.hlp"; }

TEST(HelpWindow, AMissingFileIsReportedToTheCaller)
{
    platform::QtHelpViewer viewer;
    EXPECT_FALSE(viewer.showContents("/no/such/Help/Quillon.hlp"));
    EXPECT_FALSE(viewer.showTopic("/no/such/Help/Quillon.hlp", 200));
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

} // namespace
