#include "merrowedit/windows/TransferWiring.h"

#include "merrowedit/link/DataDump.h"
#include "merrowedit/link/HistoryView.h"
#include "merrowedit/link/Link.h"
#include "merrowedit/windows/ImageList.h"
#include "merrowedit/windows/Mwr_Rec.h"
#include "merrowedit/windows/frmCommPort.h"
#include "merrowedit/windows/frmDataDump.h"

namespace merrow {

void ConnectTransferCommands(Mwr_Rec& window)
{
    Mwr_Rec* w = &window;
    MainWindowCommands& c = window.commands;
    c.ClosePort = [] { ClosePort(); };
    c.EstConnect = [w] { EstConnect(*w); };
    c.ShowCommPort = [w] {
        frmCommPort dialog(w, w);
        dialog.setPicture(ImageList1(1));
        dialog.exec();
    };
    c.PrintHistory = [w] { merrow::PrintHistory(*w); };
    c.SaveHistoryAs = [w] { SaveHistoryFileAs(*w); };
    c.ShowHistoryGroup = [w](int group) { merrow::ShowHistoryGroup(*w, group); };
    c.MakeContact = [] { return frmDataDump::MakeContact(); };
    c.ShowDataDump = [w] {
        frmDataDump dialog(w);
        dialog.exec();
    };
}

} // namespace merrow
