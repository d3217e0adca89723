// The main window's toolbar driving the real transfer code against a scripted receiver.
#include "../link/LinkTestSupport.h"

#include "merrowedit/windows/Mwr_Rec.h"
#include "merrowedit/windows/TransferWiring.h"

#include <QAction>
#include <QColor>
#include <QLabel>
#include <QMenu>

using namespace linktest;
using platform::doubles::FakeSerialPort;

namespace {

class TransferFromMainWindow : public LinkFixture {
protected:
    void SetUp() override
    {
        LinkFixture::SetUp();
        merrow::ConnectTransferCommands(w);
        w.endProgram = [] {};
    }
    merrow::Mwr_Rec w;
};

TEST_F(TransferFromMainWindow, TransferButtonFillsTheGridAndEnablesTheHistoryMenus)
{
    ScriptedReceiver receiver;
    receiver.replyDelayMs = 50;
    receiver.reply = replyBlock(records({record("065 14:32 WXR TOR 0045")}), "207");
    port.responder = [&receiver](FakeSerialPort& p, const QByteArray& b) { receiver(p, b); };

    w.toolButtonForTests("Transfer Data")->trigger();

    EXPECT_EQ(w.statusPanelForTests("Left")->text(), "Upload / Download Successful");
    EXPECT_EQ(w.statusPanelForTests("Right")->text(), "Merrow ROM Version = 2.07");
    EXPECT_EQ(w.lblEvent[0]->text(), "Tornado Warning");
    EXPECT_EQ(w.lblEvent[0]->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(w.lblOrg[0]->text(), "WXR");
    EXPECT_TRUE(w.lblEvent[1]->text().isEmpty());
    EXPECT_TRUE(w.mnuSaveAs->isEnabled());
    EXPECT_TRUE(w.mnuView->isEnabled());
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(w.commandsLocked());
    // What went out: "Z", then the upload block (511 bytes and the checksum).
    EXPECT_EQ(port.sent.size(), 1 + 512);
}

TEST_F(TransferFromMainWindow, SilentReceiverEndsWithThePortClosedAndTheWindowUsable)
{
    merrow::Timeouts().connectMs = 200;
    w.toolButtonForTests("Transfer Data")->trigger();

    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(w.commandsLocked());
    EXPECT_FALSE(w.mnuSaveAs->isEnabled());
    EXPECT_FALSE(s.messageBox.shown.empty());
}

} // namespace
