#pragma once
// What merrowedit reads from its own folder: the help file and the state transmitter files.
#include <QString>

namespace merrow {

QString HelpFile();   // Help/Merrow.HLP beside the program

// `merrowedit --check-files`: the help file is there, and the States/ folder with its state files
// when this copy has one. Returns the process exit code.
int CheckProgramFiles();

} // namespace merrow
