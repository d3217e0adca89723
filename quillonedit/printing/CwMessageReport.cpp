#include "quillonedit/printing/CwMessageReport.h"

#include "quillonedit/image/CwIdentifier.h"
#include "quillonedit/printing/ReportComposer.h"
#include "quillonedit/printing/ReportTables.h"

namespace quillon {

QString CWSpeedFreq(int message)
{
    const int which = message == 1 ? 1 : 2;   // any other number reads message 2
    return CwSpeedLineText(CwSpeedCode(which), CwToneCode(which));
}

QString CwMessageReportText(int message)
{
    if (CwMessageCount(message) == 0)
        return QStringLiteral("Empty");
    // A stored count past the area would read the next area's bytes as characters.
    return CwMessageCharacters(message);
}

void PCWMessages(ReportComposer& out)
{
    for (int message = 1; message <= 2; ++message) {
        // The speed line means nothing on a page of its own: it goes with its message.
        out.label(kCwMessageTable.cells({QStringLiteral("#%1. ").arg(message) + CwMessageReportText(message)}));
        out.row(kCwSpeedTable.cells({CWSpeedFreq(message)}));
    }
}

} // namespace quillon
