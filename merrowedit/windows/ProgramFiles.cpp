#include "merrowedit/windows/ProgramFiles.h"

#include "merrowedit/data/StateFiles.h"
#include "platform/Services.h"
#include "platform/FileCheck.h"

#include <QDir>

namespace merrow {

QString HelpFile()
{
    return platform::programFolder() + QStringLiteral("/Help/Merrow.HLP");
}

int CheckProgramFiles()
{
    platform::FileCheck check;
    check.expect(QStringLiteral("help"), HelpFile());
    const QString states = StatesFolder();
    if (check.expect(QStringLiteral("states"), states, false)) {
        const qsizetype files = QDir(states).entryList({QStringLiteral("*.st")}, QDir::Files | QDir::Readable).size();
        check.report(QStringLiteral("state files"), files > 0, QString::number(files));
    }
    return check.exitCode();
}

} // namespace merrow
