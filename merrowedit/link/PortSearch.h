#pragma once
// Finding the port the receiver is on, and the time-zone choices of the setup window.
#include <QStringList>

namespace merrow {

inline constexpr char kProbeByte = 'T';

// Opens port n (1..4) for the probe without any message; false when it will not open.
bool TestOpenPort(int port);
// Probes ports 1..4 in order with "T"; the first that answers ACK within the probe time wins.
// Returns its number, or -1 when none answered. The port is closed afterwards in every case.
int TestSerial();

// The eight zones of the setup window, item i standing for the offset -(4 + i).
const QStringList& TimeZoneTexts();
// List item for a stored offset; an offset outside the list shows the first item.
int TimeZoneItem(int offset);

} // namespace merrow
