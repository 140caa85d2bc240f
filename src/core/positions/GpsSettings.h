#pragma once

#include <QString>
#include <QStringList>

namespace lirvenda {

class Program;

// The receiver's port and line speed. A port is "1" … "9" (the n-th serial device found), "gpsd"
// (the system's GPS service) or the path of a device.
struct GpsSettings {
    static inline const QString FileName = QStringLiteral("DefaultGPSSettings.txt");
    static inline const QString ServicePort = QStringLiteral("gpsd");
    static constexpr int DefaultSpeed = 9600;

    QString port = QStringLiteral("5");
    int speed = DefaultSpeed;

    // A digit port is followed by its speed ("14800"), any other by a blank and the speed
    // ("/dev/ttyACM0 4800"). A line without a usable port gives the defaults, one without a usable
    // speed the default speed.
    static GpsSettings fromLine(const QString &line);
    QString line() const;
};

bool isGpsPort(const QString &port);

// The speeds a receiver is offered, slowest first.
const QStringList &gpsSpeeds();

// Start-up: the program's port and speed from the settings file, or the defaults.
void loadGpsSettings(Program &program);
// Keeps the settings as the program's and replaces the file; throws DatabaseError when it cannot.
void saveGpsSettings(Program &program, const GpsSettings &settings);

// The serial devices of the folder (normally /dev) in the order the digit ports count them:
// USB receivers (ttyUSB*, ttyACM*), Bluetooth (rfcomm*), then built-in ports (ttyS*), each group
// by number.
QStringList serialDevices(const QString &deviceFolder = QStringLiteral("/dev"));
// The device a port stands for: the n-th device for a digit, the port itself otherwise; empty when
// there is no n-th device.
QString gpsDevicePath(const QString &port, const QStringList &devices);

} // namespace lirvenda
