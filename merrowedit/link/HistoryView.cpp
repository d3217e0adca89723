#include "merrowedit/link/HistoryView.h"

#include "merrowedit/data/History.h"
#include "merrowedit/data/HistoryReport.h"
#include "merrowedit/data/Messages.h"

namespace merrow {

void ShowHistoryGroup(TransferHost& host, int group)
{
    const int base = group == 1 ? kHistoryGroupRows : 0;
    for (int r = 0; r < kHistoryGroupRows; ++r) {
        HistoryGridRow row;
        row.num = QString::number(base + r + 1);
        const HistoryEntry& e = HistoryEntries[base + r];
        if (!e.Date.isEmpty()) {
            row.date = e.Date;
            row.time = e.Time;
            row.org = e.Org;
            row.length = e.Length;
            row.event = e.EventName;
            if (e.EventClass == 1)
                row.eventColor = EventColour::Red;
            else if (e.EventClass == 2)
                row.eventColor = EventColour::Blue;
        }
        host.showHistoryRow(r, row);
    }
}

void PrintHistory(const TransferHost& host)
{
    if (host.historyDate(0).isEmpty()) {
        ShowErrorMessage(kErrNoHistoryToPrint);
        return;
    }
    if (ConfirmPrintHistory() == 1)
        PrintHistoryReport();
}

void SaveHistoryFileAs(const TransferHost& host)
{
    if (host.historyDate(0).isEmpty()) {
        ShowErrorMessage(kErrNoHistoryToSave);
        return;
    }
    SaveHistoryTextAs();
}

} // namespace merrow
