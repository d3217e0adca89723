#include "quillonedit/printing/CwMessageReport.h"

#include "quillonedit/image/ControllerImage.h"
#include "quillonedit/image/CwIdentifier.h"
#include "quillonedit/image/ImageMap.h"
#include "quillonedit/printing/ReportComposer.h"
#include "quillonedit/tables/CwCharacters.h"

namespace quillon {

QString CwSpeedReportText(int code)
{
    switch (code) {
    case 4: return QStringLiteral("25 WPM");
    case 6: return QStringLiteral("20 WPM");
    case 7: return QStringLiteral("18 WPM");
    case 8: return QStringLiteral("15 WPM");
    case 9: return QStringLiteral("13 WPM");
    case 10: return QStringLiteral("10 WPM");
    default: return {};
    }
}

QString CwToneReportText(int code)
{
    if (code < 1 || code > 8)
        return {};
    return QStringLiteral("%1Hz").arg(400 + 100 * code);
}

QString CWSpeedFreq(int message)
{
    const bool first = message == 1;
    const auto& img = image();
    return CwSpeedReportText(img.at(first ? kCwSpeed1 : kCwSpeed2)) + QStringLiteral(" at ") +
           CwToneReportText(img.at(first ? kCwToneCode1 : kCwToneCode2));
}

QString CwMessageReportText(int message)
{
    if (CwMessageCount(message) == 0)
        return QStringLiteral("Empty");
    // A stored count past the area would read the next area's bytes as characters.
    QString text;
    for (const std::uint8_t code : CwMessageCodes(message))
        text += CwCharacterText(code);
    return text;
}

void PCWMessages(ReportComposer& out)
{
    for (int message = 1; message <= 2; ++message) {
        out.row({{8, QStringLiteral("#%1. ").arg(message) + CwMessageReportText(message)}});
        out.row({{12, CWSpeedFreq(message)}});
    }
}

} // namespace quillon
