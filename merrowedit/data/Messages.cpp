#include "merrowedit/data/Messages.h"

#include "platform/Services.h"

#include <QCoreApplication>

#include <cstdlib>

namespace merrow {
namespace {
EndProgramHandler& endHandler()
{
    static EndProgramHandler handler;
    return handler;
}
} // namespace

QString DataFileErrorText(int code)
{
    switch (code) {
    case kErrFrequencyLimit:
        return QStringLiteral("Error #108:  Missing or Corrupted Merrow Frequency Limit Parameter");
    default: return {};
    }
}

QString ErrorMessageText(int code)
{
    switch (code) {
    case kErrPortWillNotOpen: return QStringLiteral("Error #201:  Selected Serial Port will not open");
    case kErrNoConnection:
        return QStringLiteral("Error #202:  Serial Connection Not Established\r\n"
                              "Note: Insure receiver monitor switch is DOWN. ");
    case kErrNoTransmitterLocation: return QStringLiteral(" Error, No Transmitter Location Selected. ");
    case kErrTooManyFipCodes: return QStringLiteral(" Error, More than 24 FIP codes selected. ");
    case kErrNoHistoryToPrint: return QStringLiteral("Error #301:  No History Data to Print. ");
    case kErrNoHistoryToSave: return QStringLiteral("Error #303:  No History Data to Save. ");
    case kErrWebBrowser: return QStringLiteral("Error #500:  Could not load your Web Browser. ");
    default: return {};
    }
}

void ShowDataFileError(int code)
{
    platform::msgBox(DataFileErrorText(code), platform::MsgButtons::OK, platform::MsgIcon::Exclamation,
                     kProductTitle);
    EndProgram();
}

void ShowErrorMessage(int code)
{
    const QString text = ErrorMessageText(code);
    if (text.isEmpty())
        return;
    platform::msgBox(text, platform::MsgButtons::OK, platform::MsgIcon::Exclamation, kProductTitle);
}

void SetEndProgramHandler(EndProgramHandler handler)
{
    endHandler() = std::move(handler);
}

void EndProgram()
{
    if (endHandler()) {
        endHandler()();
        return;
    }
    // No handler: leave every event loop with a failure code, or stop at once without one.
    if (QCoreApplication::instance())
        QCoreApplication::exit(EXIT_FAILURE);
    else
        std::exit(EXIT_FAILURE);
}

} // namespace merrow
