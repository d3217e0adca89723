#include "merrowedit/windows/TestTipWiring.h"

#include "merrowedit/windows/Mwr_Rec.h"
#include "merrowedit/windows/frmTest.h"

namespace merrow {

void ConnectTestAndWebCommands(Mwr_Rec& window)
{
    Mwr_Rec* w = &window;
    window.commands.ShowTest = [w] {
        frmTest dialog(w);
        dialog.exec();
    };
}

} // namespace merrow
