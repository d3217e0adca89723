#pragma once
// The alert history in the main window's grid, and the two history commands, which refuse an empty
// grid before they print or save (data/HistoryReport).
#include "merrowedit/data/HistoryReport.h"
#include "merrowedit/link/TransferHost.h"

namespace merrow {

// Fills the 20 grid rows with entries 0..19 (group 0) or 20..39 (group 1).
void ShowHistoryGroup(TransferHost& host, int group);

// Toolbar "Print History": refuses an empty grid (message 10), asks, prints.
void PrintHistory(const TransferHost& host);
// File > Save History File As: refuses an empty grid (message 12), then SaveHistoryTextAs.
void SaveHistoryFileAs(const TransferHost& host);

} // namespace merrow
