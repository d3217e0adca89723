#pragma once
// The CW identifier report: both messages as text, each with its speed and tone.
#include <QString>

namespace quillon {

class ReportComposer;

// Speed text, " at ", tone text of message 1; any other number reads message 2's bytes.
QString CWSpeedFreq(int message);
// Message 1 or 2 as printed: "Empty" for a count of 0, else the texts of its codes, no more of
// them than the message's area holds.
QString CwMessageReportText(int message);
// Both messages, each followed by its speed line.
void PCWMessages(ReportComposer& out);

} // namespace quillon
