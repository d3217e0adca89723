#include "platform/SerialPort.h"

#include <QDir>
#include <QRegularExpression>

#include <algorithm>

namespace platform {

namespace {

// 0 for USB adapters, 1 for built-in ports, -1 for anything that is no serial line.
int deviceGroup(const QString& name)
{
    if (name.startsWith(QLatin1String("ttyUSB")) || name.startsWith(QLatin1String("ttyACM")))
        return 0;
    static const QRegularExpression builtIn(QStringLiteral("^ttyS\\d+$"));
    if (builtIn.match(name).hasMatch())
        return 1;
    return -1;
}

// "ttyUSB10" -> ("ttyUSB", 10), so ttyUSB2 sorts before ttyUSB10.
std::pair<QString, long> splitName(const QString& name)
{
    int i = int(name.size());
    while (i > 0 && name.at(i - 1).isDigit())
        --i;
    bool ok = false;
    const long number = name.mid(i).toLong(&ok);
    return {name.left(i), ok ? number : -1};
}

} // namespace

QStringList orderSerialDevices(const QStringList& deviceNames)
{
    QStringList devices;
    for (const QString& name : deviceNames)
        if (deviceGroup(name) >= 0)
            devices << name;
    std::sort(devices.begin(), devices.end(), [](const QString& a, const QString& b) {
        const int ga = deviceGroup(a), gb = deviceGroup(b);
        if (ga != gb)
            return ga < gb;
        const auto sa = splitName(a), sb = splitName(b);
        if (sa.first != sb.first)
            return sa.first < sb.first;
        return sa.second < sb.second;
    });
    return devices;
}

QStringList defaultSerialDevices()
{
    const QDir dev(QStringLiteral("/dev"));
    const QStringList names = dev.entryList({QStringLiteral("ttyUSB*"), QStringLiteral("ttyACM*"),
                                             QStringLiteral("ttyS*")},
                                            QDir::System | QDir::AllEntries | QDir::NoDotAndDotDot);
    QStringList paths;
    for (const QString& name : orderSerialDevices(names))
        paths << dev.filePath(name);
    return paths;
}

QString serialDeviceForPort(int port)
{
    if (port < 1)
        return {};
    const QByteArray overrideName = "MERROW_PORT" + QByteArray::number(port);
    const QString chosen = qEnvironmentVariable(overrideName.constData());
    if (!chosen.isEmpty())
        return chosen;
    const QStringList devices = defaultSerialDevices();
    return port <= devices.size() ? devices.at(port - 1) : QString();
}

} // namespace platform
