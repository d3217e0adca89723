#include "merrowedit/data/Messages.h"

#include "platform/Services.h"

#include <QCoreApplication>

#include <cstdlib>

namespace merrow {

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
    // Every running event loop ends with a failure code; with no application object, the
    // program stops at once.
    if (QCoreApplication::instance())
        QCoreApplication::exit(EXIT_FAILURE);
    else
        std::exit(EXIT_FAILURE);
}

void ShowErrorMessage(int code)
{
    const QString text = ErrorMessageText(code);
    if (text.isEmpty())
        return;
    platform::msgBox(text, platform::MsgButtons::OK, platform::MsgIcon::Exclamation, kProductTitle);
}

} // namespace merrow
