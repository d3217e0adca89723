#include "merrowedit/windows/SettingWindows.h"

#include "merrowedit/windows/Mwr_Rec.h"
#include "merrowedit/windows/frmIdent.h"
#include "merrowedit/windows/frmInOuts.h"
#include "merrowedit/windows/frmOption.h"
#include "merrowedit/windows/frmRS232.h"
#include "merrowedit/windows/frmTimers.h"

namespace merrow {
namespace {

// Each opening starts from the globals: the window lives only while it is shown.
template <class Window>
std::function<void()> opener(Mwr_Rec* owner)
{
    return [owner] {
        Window dialog(owner);
        dialog.exec();
    };
}

} // namespace

void ConnectSettingWindows(Mwr_Rec& window)
{
    MainWindowCommands& c = window.commands;
    c.ShowOptions = opener<frmOption>(&window);
    c.ShowTimers = opener<frmTimers>(&window);
    c.ShowInOuts = opener<frmInOuts>(&window);
    c.ShowIdent = opener<frmIdent>(&window);
    c.ShowRS232 = opener<frmRS232>(&window);
}

} // namespace merrow
