#include "merrowedit/data/Messages.h"
#include "merrowedit/windows/Mwr_Rec.h"
#include "merrowedit/windows/Startup.h"
#include "merrowedit/windows/TestTipWiring.h"
#include "merrowedit/windows/frmTest.h"
#include "merrowedit/windows/frmTip.h"
#include "platform/testing/RecordingSound.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include "../data/DataFolderTest.h"
#include "tests/support/QStringPrinter.h"

using namespace merrow;

namespace {

frmTip* visibleTip()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* tip = qobject_cast<frmTip*>(w); tip && tip->isVisible())
            return tip;
    return nullptr;
}

} // namespace

TEST(TipText, NamesTheMakersWebSite)
{
    EXPECT_EQ(TipText(),
              "Your Merrow contains a database of weather transmitters throughout the United States and it's "
              "Territories.  Since these stations are upgraded, deleted, or added by NOAA every few months,  "
              "remember to periodically check into web site:\n " + kMakerWebSite + "\n"
              "There you can download a file to update your Merrow database.\n\n"
              " You can directly access the Web update page from the Merrow \"Help\" menu.");
}

// The tip at start-up, switched off with its box, the setting saved at exit and read at the next
// start, which then shows no tip and no check mark.
TEST_F(DataFolderTest, TipShowsAtStartUpUntilSwitchedOffAndStaysOff)
{
    services.messageBox.answers = {platform::MsgResult::Yes};   // create the default data
    {
        const std::unique_ptr<Mwr_Rec> window = Main();
        frmTip* tip = visibleTip();
        ASSERT_NE(tip, nullptr);
        EXPECT_EQ(tip->windowTitle(), "Merrow Information Tip");
        EXPECT_EQ(tip->Label1->text(), "Information Tip For You To Know...");
        EXPECT_EQ(tip->lblTipText->text(), TipText());
        EXPECT_TRUE(tip->chkLoadTipsAtStartup->isChecked());
        EXPECT_TRUE(window->mnuTipsShow->isChecked());

        QPointer<frmTip> gone = tip;
        tip->chkLoadTipsAtStartup->setChecked(false);
        tip->cmdOK->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(gone.isNull());
        EXPECT_FALSE(ShowTipsAtStartup);
        EXPECT_FALSE(window->mnuTipsShow->isChecked());
        ASSERT_TRUE(SaveRegistrySettings());
    }
    EXPECT_EQ(services.settings.values.value("Merrow/EDITOR/ShowTipsAtStartup"), "False");

    resetSettings();
    const std::unique_ptr<Mwr_Rec> window = Main();
    EXPECT_EQ(visibleTip(), nullptr);
    EXPECT_FALSE(window->mnuTipsShow->isChecked());

    // Switched on again from the Help menu: the next tip shows.
    window->mnuTipsShow->trigger();
    EXPECT_TRUE(ShowTipsAtStartup);
    EXPECT_TRUE(window->mnuTipsShow->isChecked());
    frmTip* tip = ShowStartupTip(window->mnuTipsShow, window.get());
    ASSERT_NE(tip, nullptr);
    EXPECT_TRUE(tip->isVisible());
    // OK with the box left ticked keeps the setting.
    tip->cmdOK->click();
    EXPECT_TRUE(ShowTipsAtStartup);
    EXPECT_TRUE(window->mnuTipsShow->isChecked());
}

// The three web pages through the desktop's browser, and #500 when none could be started, at once or later.
TEST_F(DataFolderTest, WebPagesOpenInTheBrowserOrReportError500)
{
    Mwr_Rec w;
    ConnectTestAndWebCommands(w);
    w.mnuHomePage->trigger();
    w.mnuUpdate->trigger();
    w.mnuManuals->trigger();
    EXPECT_EQ(services.desktop.urls, QStringList({kMakerWebSite + "/index.html", kMakerWebSite + "/weather1.html",
                                                  kMakerWebSite + "/manuals.html"}));
    EXPECT_TRUE(services.messageBox.shown.empty());

    services.desktop.openUrlResult = false;
    w.mnuUpdate->trigger();
    EXPECT_EQ(services.messageBox.texts(), QStringList{"Error #500:  Could not load your Web Browser. "});
    EXPECT_EQ(services.messageBox.shown[0].title, kProductTitle);

    // A browser that fails only once the menu command has returned is reported when that is known.
    services.messageBox.shown.clear();
    services.desktop.openUrlResult = true;
    w.mnuHomePage->trigger();
    EXPECT_TRUE(services.messageBox.shown.empty());
    ASSERT_TRUE(services.desktop.failedLater);
    services.desktop.failedLater();
    EXPECT_EQ(services.messageBox.texts(), QStringList{"Error #500:  Could not load your Web Browser. "});
}

TEST_F(DataFolderTest, PlayTestPacketsOpensTheTestWindowModal)
{
    platform::doubles::RecordingSound sound;
    platform::services().sound = &sound;
    Mwr_Rec w;
    ConnectTestAndWebCommands(w);
    QString seen;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<frmTest*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        seen = dialog->windowTitle();
        dialog->cmdOK->click();
    });
    w.mnuTest->trigger();
    EXPECT_EQ(seen, "Merrow SAME Packet Test");
}
