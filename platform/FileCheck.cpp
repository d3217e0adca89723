#include "platform/FileCheck.h"

#include "platform/Services.h"

#include <QFileInfo>

#include <cstdio>
#include <cstring>

namespace platform {
namespace {

void printLine(const QString& line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

} // namespace

bool fileCheckRequested(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--check-files") == 0)
            return true;
    return false;
}

FileCheck::FileCheck()
    : previous_(services().messageBox)
{
    services().messageBox = this;
    printLine(QStringLiteral("program folder ") + programFolder());
}

FileCheck::~FileCheck()
{
    services().messageBox = previous_;
}

bool FileCheck::expect(const QString& what, const QString& path, bool required)
{
    const QFileInfo info(path);
    const bool found = info.exists() && info.isReadable();
    printLine((found ? QStringLiteral("found ") : QStringLiteral("missing ")) + what + QLatin1Char(' ') + path);
    if (!found && required)
        failed_ = true;
    return found;
}

void FileCheck::report(const QString& what, bool ok, const QString& detail)
{
    printLine((ok ? QString() : QStringLiteral("failed ")) + what + QStringLiteral(": ") + detail);
    if (!ok)
        failed_ = true;
}

MsgResult FileCheck::show(const MessageRequest& request)
{
    printLine(QStringLiteral("message ") + QString(request.text).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    failed_ = true;
    switch (request.buttons) {
    case MsgButtons::OKCancel:
    case MsgButtons::YesNoCancel:
    case MsgButtons::RetryCancel:
        return MsgResult::Cancel;
    case MsgButtons::YesNo:
        return MsgResult::No;
    case MsgButtons::AbortRetryIgnore:
        return MsgResult::Abort;
    case MsgButtons::OK:
        break;
    }
    return MsgResult::OK;
}

} // namespace platform
