// The macro editor and the hardware inputs from the main window: OK keeps them with their state,
// the close box destroys them.
#include "MainWindowFixture.h"

#include "quillonedit/editors/frmMacro.h"
#include "quillonedit/editors/frmUser.h"

#include <QAction>
#include <QRadioButton>

using namespace quillon;
using namespace quillon::testing;

namespace {

using MacroWindows = MainWindowTest;

// Runs act on the modal dialog of type D as soon as it shows.
template <typename D, typename F> void whenShown(F act)
{
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        if (auto* d = qobject_cast<D*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            act(*d);
        }
    });
    poll->start();
}

void open(MDIForm1& win, const char* name)
{
    win.findChild<QAction*>(QString::fromLatin1(name))->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);   // as the main loop would
}

} // namespace

TEST_F(MacroWindows, OKKeepsTheEditorOnItsPageAndTheCloseBoxStartsItAfresh)
{
    MDIForm1& win = load();
    win.enableProjectMenus();
    QPointer<frmMacro> first;
    whenShown<frmMacro>([&](frmMacro& d) {
        first = &d;
        d.optSel_Click(3);
        d.cmdOK_Click();
    });
    open(win, "mnuMacros");
    ASSERT_TRUE(first);

    int page = -1;
    whenShown<frmMacro>([&](frmMacro& d) {
        EXPECT_EQ(&d, first.data());
        page = d.MacroPage;
        d.close();   // the close box
    });
    open(win, "mnuMacros");
    EXPECT_EQ(page, 3);
    EXPECT_FALSE(first);

    QString number;
    bool firstPageChosen = false;
    whenShown<frmMacro>([&](frmMacro& d) {
        page = d.MacroPage;
        firstPageChosen = d.optSel[0]->isChecked();
        number = d.Label1[0]->text();
        d.close();
    });
    open(win, "mnuMacros");
    EXPECT_EQ(page, 0);
    EXPECT_TRUE(firstPageChosen);
    EXPECT_EQ(number, " 1");
}

TEST_F(MacroWindows, HardwareInputsOpenKeptAndTheCloseBoxDestroysThem)
{
    MDIForm1& win = load();
    win.enableProjectMenus();
    image().set(18765, 0x50);
    QPointer<frmUser> first;
    QString meaning;
    whenShown<frmUser>([&](frmUser& d) {
        first = &d;
        meaning = d.Label3[2]->text();
        d.cmdOK_Click();
    });
    open(win, "mnuUsers");
    EXPECT_EQ(meaning, "Execute Macro 0");
    ASSERT_TRUE(first);

    whenShown<frmUser>([&](frmUser& d) {
        EXPECT_EQ(&d, first.data());
        d.close();
    });
    open(win, "mnuUsers");
    EXPECT_FALSE(first);
}
