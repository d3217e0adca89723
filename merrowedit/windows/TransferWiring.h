#pragma once

namespace merrow {

class Mwr_Rec;

// Points the main window's transfer, history, port set-up and dump commands at the serial link.
void ConnectTransferCommands(Mwr_Rec& window);

} // namespace merrow
