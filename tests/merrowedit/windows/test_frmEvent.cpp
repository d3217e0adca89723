#include "merrowedit/data/ParameterFile.h"
#include "merrowedit/windows/frmEvent.h"
#include "platform/testing/ScriptedServices.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

#include "tests/support/QStringPrinter.h"

using namespace merrow;
using platform::MsgResult;

namespace {

// The question's lines, an empty line among them and two line breaks at the end.
const QString kOldCodesQuestion = QStringList{" Some NOAA weather transmitters are still using ",
                                              " the older Severe Thunderstorm Warning and ",
                                              " Tornado Warning Events. It is advisable that you ",
                                              " check these two boxes unless you have verified ",
                                              " with your local NOAA office that they are not ",
                                              " using the older event codes. ",
                                              "",
                                              " Do you still want to exit the Events window? ",
                                              "",
                                              ""}
                                      .join("\r\n");

QStringList storedCodes()
{
    QStringList codes;
    for (const QString& c : EventCodes)
        codes << c;
    return codes;
}

QStringList padded(QStringList codes)
{
    while (codes.size() < kEventSlots)
        codes << QString();
    return codes;
}

class EventWindowTest : public ::testing::Test {
protected:
    void SetUp() override { resetParameterData(); }
    void TearDown() override { resetParameterData(); }
    std::vector<int> ticked(const frmEvent& w) const
    {
        std::vector<int> boxes;
        for (int i = 0; i < kEventBoxCount; ++i)
            if (w.chkEvent[static_cast<std::size_t>(i)]->isChecked())
                boxes.push_back(i);
        return boxes;
    }
    platform::doubles::ScriptedServices services;
};

TEST_F(EventWindowTest, LoadTicksTheStoredCodesAndCountsThem)
{
    SetDefaultData();
    EventCodes[20] = "EAN";   // no box carries it
    frmEvent w;
    EXPECT_EQ(w.windowTitle(), " Merrow Event Codes");
    EXPECT_EQ(ticked(w), (std::vector<int>{4, 5, 6, 7, 8, 9, 12, 13, 16, 17, 18, 19, 30, 31, 34, 40, 41}));
    EXPECT_EQ(w.lblCount->text(), "Events Selected = 17   (Max 24)");
}

TEST_F(EventWindowTest, NoStoredCodesKeepsTheFirstCounterText)
{
    frmEvent w;
    EXPECT_TRUE(ticked(w).empty());
    EXPECT_EQ(w.lblCount->text(), "Events Selected (Max 24)  = ");
    w.chkEvent[0]->click();
    EXPECT_EQ(w.lblCount->text(), "Events Selected = 1   (Max 24)");
}

TEST_F(EventWindowTest, TwentyFifthTickIsRefusedWithABeep)
{
    frmEvent w;
    int n = 0;
    for (int i = 0; i < kEventBoxCount && n < 24; ++i) {
        if (EventBoxes()[static_cast<std::size_t>(i)].code[0] == '\0')
            continue;
        w.chkEvent[static_cast<std::size_t>(i)]->click();
        ++n;
    }
    EXPECT_EQ(w.lblCount->text(), "Events Selected = 24   (Max 24)");
    EXPECT_EQ(services.desktop.beeps, 0);
    w.chkEvent[41]->click();
    EXPECT_FALSE(w.chkEvent[41]->isChecked());
    EXPECT_EQ(services.desktop.beeps, 1);
    EXPECT_EQ(w.lblCount->text(), "Events Selected = 24   (Max 24)");
    EXPECT_EQ(w.tickedCount(), 24);
}

TEST_F(EventWindowTest, OkStoresInBoxOrderAndDropsUnknownCodes)
{
    EventCodes[0] = "EAN";
    EventCodes[24] = "XXX";
    frmEvent w;
    for (const int box : {41, 30, 40, 0, 25})
        w.chkEvent[static_cast<std::size_t>(box)]->click();
    w.cmdOK->click();
    EXPECT_TRUE(services.messageBox.shown.empty());
    EXPECT_EQ(w.result(), QDialog::Accepted);
    QStringList expected = padded({"AVA", "BZW", "RMT", "SVR", "TOR"});
    expected[24] = "XXX";   // only the slots the file keeps are rebuilt
    EXPECT_EQ(storedCodes(), expected);
}

TEST_F(EventWindowTest, LeavingOutAnOldCodeAsksAndNoKeepsTheWindowOpen)
{
    SetDefaultData();
    const QStringList before = storedCodes();
    frmEvent w;
    w.show();
    w.chkEvent[41]->click();   // TOR off, SVR still on
    services.messageBox.answers = {MsgResult::No};
    w.cmdOK->click();
    ASSERT_EQ(services.messageBox.shown.size(), 1u);
    const platform::MessageRequest& r = services.messageBox.shown[0];
    EXPECT_EQ(r.text, kOldCodesQuestion);
    EXPECT_EQ(r.title, "Merrow Digital Weather Receiver");
    EXPECT_EQ(r.buttons, platform::MsgButtons::YesNo);
    EXPECT_EQ(r.icon, platform::MsgIcon::Exclamation);
    EXPECT_EQ(r.defaultButton, platform::MsgDefault::First);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(storedCodes(), before);

    services.messageBox.answers = {MsgResult::Yes};
    w.cmdOK->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(storedCodes(), padded({"CFA", "CFW", "FFA", "FFW", "FLA", "FLW", "HUA", "HUW", "SVA", "SVW", "TOA",
                                     "TOW", "RMT", "RWT", "DMO", "SVR"}));
}

TEST_F(EventWindowTest, ClosingWithoutOkKeepsTheCodes)
{
    SetDefaultData();
    const QStringList before = storedCodes();
    frmEvent w;
    w.show();
    w.chkEvent[4]->click();
    w.chkEvent[0]->click();
    w.reject();
    EXPECT_EQ(storedCodes(), before);
    EXPECT_TRUE(services.messageBox.shown.empty());
}

} // namespace
