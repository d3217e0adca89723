#pragma once
// The alert history in the main window's grid, on the printer and in a text file.
#include "merrowedit/link/TransferHost.h"

#include <QString>

namespace merrow {

// Fills the 20 grid rows with entries 0..19 (group 0) or 20..39 (group 1).
void ShowHistoryGroup(TransferHost& host, int group);

// The question before printing: 1 for OK, 2 for Cancel.
int ConfirmPrintHistory();
// The report's column header line, emphasised.
bool PrintHistoryHeaders();
// Prints the report from DownloadBuffer on the printer the user chooses. A printer failure is
// reported in a message box; false when nothing or not all was printed.
bool PrintHistoryReport();

// Toolbar "Print History": refuses an empty grid (message 10), asks, prints.
void PrintHistory(const TransferHost& host);
// File > Save History File As: refuses an empty grid (message 12), asks for a ".TXT" name and
// writes the history text file; a failed write is reported. The dialog opens in the folder of the
// last history file saved in this run, before that in the user's home folder (the data folder is
// hidden, and a file saved there would be hard to find again).
void SaveHistoryFileAs(const TransferHost& host);
// The folder the last history file was saved in; empty until one is.
inline QString HistorySaveFolder;

} // namespace merrow
