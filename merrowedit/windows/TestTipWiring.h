#pragma once

namespace merrow {

class Mwr_Rec;

// Points the main window's test message and web page commands at their windows and routines.
void ConnectTestAndWebCommands(Mwr_Rec& window);

} // namespace merrow
