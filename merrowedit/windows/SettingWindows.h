#pragma once
// Wires the toolbar's Options, Timers, Inputs, Identification and RS232 buttons to their windows.
namespace merrow {

class Mwr_Rec;

void ConnectSettingWindows(Mwr_Rec& window);

} // namespace merrow
