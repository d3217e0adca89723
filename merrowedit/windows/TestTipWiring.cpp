#include "merrowedit/windows/TestTipWiring.h"

#include "merrowedit/windows/Mwr_Rec.h"
#include "merrowedit/windows/frmTest.h"
#include "merrowedit/windows/frmTip.h"

namespace merrow {

void ConnectTestAndWebCommands(Mwr_Rec& window)
{
    Mwr_Rec* w = &window;
    window.commands.ShowTest = [w] {
        frmTest dialog(w);
        dialog.exec();
    };
    window.commands.OpenWebPage = [](const QString& url) { return OpenWebPage(url); };
}

} // namespace merrow
