#pragma once
// The alert history on the printer and in a text file the user names, from the decoded history.
#include <QString>

namespace merrow {

// The question before printing: 1 for OK, 2 for Cancel.
int ConfirmPrintHistory();
// The report's column header line, emphasised.
bool PrintHistoryHeaders();
// Prints the report from DownloadBuffer on the printer the user chooses. A printer failure is
// reported in a message box; false when nothing or not all was printed.
bool PrintHistoryReport();

// Asks for a ".TXT" name and writes the history text file; a failed write is reported. The dialog
// opens in the folder of the last history file saved in this run, before that in the user's home
// folder (the data folder is hidden, and a file saved there would be hard to find again).
void SaveHistoryTextAs();
// The folder the last history file was saved in; empty until one is.
inline QString HistorySaveFolder;

} // namespace merrow
