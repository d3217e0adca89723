#include "merrowedit/data/TestPackets.h"

#include <QFile>

namespace merrow {

QString TestHeaderText(const QString& event)
{
    return QStringLiteral("ZCZC-%1-%2-%3+%4-%5-%6-")
        .arg(QLatin1String(kTestOriginator), event, kTestLocations.join('-'), QLatin1String(kTestPurgeTime),
             QLatin1String(kTestIssueTime), QLatin1String(kTestSender));
}

QString TestResourcePath(int resource)
{
    return QStringLiteral(":/CUSTOM/%1").arg(resource);
}

QByteArray TestResource(int resource)
{
    QFile file(TestResourcePath(resource));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace merrow
