// The print dialog: its boxes and frames, the Print button's caption, one run with its status
// texts and guards, and the error paths.
#include "tests/quillonedit/printing/PrintTestSupport.h"

#include "platform/testing/ScriptedServices.h"
#include "quillonedit/printing/frmPrint.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace quillon::testing {
namespace {

class PrintDialog : public ReportTest {
protected:
    void SetUp() override
    {
        ReportTest::SetUp();
        platform::services().printer = &printer;
        printer.portraitHeight = printer.landscapeHeight = 2000;
        dialog.show();
    }

    void tick(std::initializer_list<int> boxes)
    {
        for (int b : boxes)
            dialog.chkPrint[size_t(b)]->click();
    }
    bool anyTicked() const
    {
        return std::any_of(dialog.chkPrint.begin(), dialog.chkPrint.end(), [](auto* b) { return b->isChecked(); });
    }

    platform::doubles::ScriptedServices s;
    frmPrint dialog{[] { return frmPrint::FontSetting{"Arial", "10"}; }};
};

TEST_F(PrintDialog, FramesHoldTheirBoxesTopToBottom)
{
    EXPECT_EQ(dialog.windowTitle(), "Print Driver");
    const std::vector<std::pair<QGroupBox*, QStringList>> frames = {
        {dialog.Frame1, {"Repeater Base", "Base Repeater Codes", "Base Repeater Timers", "Base Voice Messages",
                         "Base Repeater Zones"}},
        {dialog.Frame4, {"Memory Saves", "Memory Saves 1-8 Repeater Codes", "Memory Saves 1-8 Repeater Timers",
                         "Memory Saves 1-8 Voice Messages", "Memory Saves 1-8 Repeater Zones"}},
        {dialog.Frame3, {"Telephone", "Speed Dial Block #1", "Speed Dial Block #2", "Speed Dial Block #3",
                         "Emergency Speed Dial", "Telephone Lockout Numbers", "Telephone Area Codes"}},
        {dialog.Frame5, {"Miscellaneous", "Remote Base Frequencies", "Macros", "Scheduler", "DTMF Generator",
                         "Paging Tones", "Courtesy Tones / CW Messages"}},
    };
    for (const auto& [frame, expected] : frames) {
        QStringList seen{frame->title()};
        auto boxes = frame->findChildren<QCheckBox*>();
        std::sort(boxes.begin(), boxes.end(), [](auto* a, auto* b) { return a->y() < b->y(); });
        for (auto* b : boxes)
            seen << b->text();
        EXPECT_EQ(seen, expected);
    }
    EXPECT_EQ(dialog.chkPrint[6]->text(), "Macros");
    EXPECT_EQ(dialog.Frame2->title(), "Print Action");
    EXPECT_EQ(dialog.cmdPrint->parentWidget(), dialog.Frame2);
}

TEST_F(PrintDialog, PrintButtonCaptionBlinksWhileAJobIsTicked)
{
    EXPECT_EQ(dialog.cmdPrint->text(), "");   // no caption before the first tick
    dialog.Timer1_Timer();
    EXPECT_EQ(dialog.cmdPrint->text(), "No Print Job(s) Selected");
    tick({7});
    EXPECT_TRUE(dialog.AnyJobSelected);
    QStringList captions;
    for (int i = 0; i < 3; ++i) {
        dialog.Timer1_Timer();
        captions << dialog.cmdPrint->text();
    }
    EXPECT_EQ(captions, (QStringList{"Start Print Job(s)", "", "Start Print Job(s)"}));
    tick({7});
    EXPECT_FALSE(dialog.AnyJobSelected);
    dialog.Timer1_Timer();
    EXPECT_EQ(dialog.cmdPrint->text(), "No Print Job(s) Selected");
    EXPECT_EQ(dialog.Timer1->interval(), 500);
    EXPECT_TRUE(dialog.Timer1->isActive());
}

TEST_F(PrintDialog, PrintWithoutAJobSaysSoAndPrintsNothing)
{
    dialog.cmdPrint->click();
    ASSERT_EQ(s.messageBox.shown.size(), 1u);
    EXPECT_EQ(s.messageBox.shown[0].text, "Error, No Print Jobs Selected");
    EXPECT_EQ(s.messageBox.shown[0].title, "Print Jobs");
    EXPECT_EQ(s.messageBox.shown[0].buttons, platform::MsgButtons::OK);
    EXPECT_EQ(s.messageBox.shown[0].icon, platform::MsgIcon::Exclamation);
    EXPECT_TRUE(printer.calls.isEmpty());
    EXPECT_EQ(dialog.lblAction->text(), "");
}

TEST_F(PrintDialog, ARunPrintsTheTickedJobsAndGuardsItselfWhileItYields)
{
    project().ProjectFileName = "/home/op/club.001";
    tick({12});
    struct Seen {
        QString status;
        bool printEnabled, okEnabled, visibleAfterClose;
    };
    std::vector<Seen> seen;
    s.eventLoop.onYield = [&] {
        dialog.close();
        seen.push_back({dialog.lblAction->text(), dialog.cmdPrint->isEnabled(), dialog.cmdOK->isEnabled(),
                        dialog.isVisible()});
        if (seen.size() == 1)
            dialog.chkPrint[13]->setChecked(true);   // ticked before its turn: printed in this run
    };
    dialog.cmdPrint->click();
    ASSERT_EQ(seen.size(), 18u);   // one yield per page started
    for (const Seen& v : seen) {
        EXPECT_EQ(v.status, "Print Job(s) Started");
        EXPECT_FALSE(v.printEnabled);
        EXPECT_FALSE(v.okEnabled);
        EXPECT_TRUE(v.visibleAfterClose);
    }
    EXPECT_EQ(printer.documents.size(), 18u);
    EXPECT_EQ(lines(0, 0).at(2), Tabs({{8, "File: /home/op/club.001"}}));
    EXPECT_EQ(dialog.lblAction->text(), "Print Job(s) Dispatched");
    EXPECT_FALSE(anyTicked());
    EXPECT_FALSE(dialog.AnyJobSelected);
    EXPECT_TRUE(dialog.cmdPrint->isEnabled());
    dialog.Timer1_Timer();
    EXPECT_EQ(dialog.cmdPrint->text(), "No Print Job(s) Selected");
}

TEST_F(PrintDialog, PrinterErrorsKeepTheBoxesAndTheNextRunPrints)
{
    tick({0, 2});
    printer.cancelSelect = true;
    dialog.cmdPrint->click();
    EXPECT_EQ(dialog.lblAction->text(), "Printer Error");
    EXPECT_TRUE(dialog.chkPrint[0]->isChecked() && dialog.chkPrint[2]->isChecked());
    EXPECT_TRUE(printer.documents.empty());
    EXPECT_TRUE(s.messageBox.shown.empty());

    printer.cancelSelect = false;
    printer.failAfterDraws = 30;
    dialog.cmdPrint->click();
    EXPECT_EQ(dialog.lblAction->text(), "Printer Error");
    EXPECT_TRUE(dialog.AnyJobSelected);
    EXPECT_TRUE(printer.documents.empty());

    printer.failAfterDraws = -1;
    dialog.cmdPrint->click();
    EXPECT_EQ(dialog.lblAction->text(), "Print Job(s) Dispatched");
    EXPECT_EQ(printer.documents.size(), 2u);
    EXPECT_EQ(titles(), (QStringList{"Base Control Codes", "Base Timers"}));
}

// A stored size the chosen paper cannot take says so beside the status: the largest size that
// fits, and where to change it; the next showing starts without it.
TEST_F(PrintDialog, AFailedRunShowsWhyBesideItsStatus)
{
    QString size = "14";
    frmPrint sized{[&size] { return frmPrint::FontSetting{"Arial", size}; }};
    sized.show();
    sized.chkPrint[19]->click();
    sized.cmdPrint->click();
    EXPECT_EQ(sized.lblAction->text(), "Printer Error");
    EXPECT_TRUE(sized.lblReason->isVisible());
    EXPECT_EQ(sized.lblReason->text(), "The printer font size \"14\" is too large for the report's columns on this "
                                       "paper: 12 points is the largest that fits in Arial. File > Printer Font "
                                       "changes it.");
    EXPECT_LE(sized.lblReason->geometry().bottom(), sized.height());
    EXPECT_TRUE(s.messageBox.shown.empty());
    EXPECT_TRUE(printer.documents.empty());

    size = "12";
    sized.cmdPrint->click();
    EXPECT_EQ(sized.lblAction->text(), "Print Job(s) Dispatched");
    EXPECT_FALSE(sized.lblReason->isVisible());
    EXPECT_EQ(sized.lblReason->text(), "");
}

TEST_F(PrintDialog, OkHidesAndTheNextShowingStartsClear)
{
    tick({3, 19});
    dialog.lblAction->setText("Printer Error");
    dialog.cmdOK->click();
    EXPECT_FALSE(dialog.isVisible());
    dialog.show();
    EXPECT_FALSE(anyTicked());
    EXPECT_FALSE(dialog.AnyJobSelected);
    EXPECT_EQ(dialog.lblAction->text(), "");
}

} // namespace
} // namespace quillon::testing
