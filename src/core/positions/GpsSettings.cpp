#include "core/positions/GpsSettings.h"

#include "core/shared/TextFiles.h"
#include "core/store/Program.h"

#include <QDir>
#include <QRegularExpression>

#include <algorithm>

namespace lirvenda {

namespace {

bool isDigitPort(const QString &port) { return port.size() == 1 && port[0] >= '1' && port[0] <= '9'; }

int speedOf(const QString &text)
{
    bool read = false;
    const int speed = text.trimmed().toInt(&read);
    return read && speed > 0 ? speed : GpsSettings::DefaultSpeed;
}

} // namespace

bool isGpsPort(const QString &port)
{
    return isDigitPort(port) || port == GpsSettings::ServicePort || (port.startsWith('/') && port.size() > 1);
}

GpsSettings GpsSettings::fromLine(const QString &text)
{
    const QString line = text.trimmed();
    const qsizetype blank = line.lastIndexOf(' ');
    GpsSettings settings;
    QString port = line;
    QString speed;
    if (blank > 0) {
        port = line.left(blank).trimmed();
        speed = line.mid(blank + 1);
    } else if (isDigitPort(line.left(1))) {
        port = line.left(1);
        speed = line.mid(1);
    }
    if (!isGpsPort(port))
        return settings;
    settings.port = port;
    settings.speed = speedOf(speed);
    return settings;
}

QString GpsSettings::line() const
{
    return isDigitPort(port) ? port + QString::number(speed) : port + ' ' + QString::number(speed);
}

const QStringList &gpsSpeeds()
{
    static const QStringList speeds{QStringLiteral("4800"),  QStringLiteral("9600"),  QStringLiteral("19200"),
                                    QStringLiteral("38400"), QStringLiteral("57600"), QStringLiteral("115200")};
    return speeds;
}

void loadGpsSettings(Program &program)
{
    const GpsSettings settings = GpsSettings::fromLine(readFirstLine(program.filePath(GpsSettings::FileName)));
    program.gpsPort = settings.port;
    program.gpsSpeed = settings.speed;
}

void saveGpsSettings(Program &program, const GpsSettings &settings)
{
    writeLine(program.filePath(GpsSettings::FileName), settings.line());
    program.gpsPort = settings.port;
    program.gpsSpeed = settings.speed;
}

QStringList serialDevices(const QString &deviceFolder)
{
    const QDir folder(deviceFolder);
    // ttyS2 before ttyS10: by the number the name ends in
    const auto number = [](const QString &name) {
        return name.mid(name.lastIndexOf(QRegularExpression("\\D")) + 1).toInt();
    };
    const auto byNumber = [&](const QString &a, const QString &b) { return number(a) < number(b); };
    QStringList devices;
    for (const char *pattern : {"ttyUSB*", "ttyACM*", "rfcomm*", "ttyS*"}) {
        QStringList group = folder.entryList({QLatin1String(pattern)}, QDir::System | QDir::Files);
        std::sort(group.begin(), group.end(), byNumber);
        for (const QString &name : group)
            devices << folder.filePath(name);
    }
    return devices;
}

QString gpsDevicePath(const QString &port, const QStringList &devices)
{
    if (!isDigitPort(port))
        return port;
    const int index = port.toInt() - 1;
    return index < devices.size() ? devices[index] : QString();
}

} // namespace lirvenda
