#pragma once

#include "core/positions/Nmea.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QIODevice;

namespace lirvenda {

// The link to a GPS receiver: a serial device, or gpsd (the system's GPS service) asked over its
// socket to pass on the receiver's NMEA sentences.
class GpsReceiver {
public:
    static constexpr int FirstDataMilliseconds = 3000;

    enum class Contact { Made, NoData, Failed };
    struct Attempt {
        Contact contact;
        QString error; // with Failed: the message for the user
    };

    GpsReceiver();
    ~GpsReceiver();

    // Where "gpsd" is reached: localhost port 2947 unless changed.
    void setServiceAddress(const QString &host, quint16 port);
    // Where the devices that digit ports count are found: /dev unless changed.
    void setDeviceFolder(const QString &folder);

    // Opens the port and waits for the first characters (from gpsd: the first sentence) for at
    // most FirstDataMilliseconds, with the event loop running, so the window stays responsive.
    // Unless contact is made the port is closed again. A digit port stands for the device it
    // counts now; the link keeps that device.
    Attempt connectTo(const QString &port, int speed);
    // From contact made until the receiver is lost or a later attempt finds no data.
    bool isLinked() const { return m_link.has_value(); }

    // The newest fix among what arrived since the last read. A link that broke (a read error, a
    // receiver pulled out and put back, gpsd restarted) is opened again on the same device; when
    // that device cannot be opened, the receiver is lost and the link is given up.
    std::optional<GpsFix> read(int speed);

private:
    struct Link {
        QString device; // the serial device found when contact was made, or gpsd
        int speed = 0;
    };
    std::unique_ptr<QIODevice> open(const Link &link, QString *error);
    std::unique_ptr<QIODevice> openService(QString *error);
    bool waitForFirstData(QIODevice *device, bool fromService);

    QString m_serviceHost;
    quint16 m_servicePort;
    QString m_deviceFolder;
    std::unique_ptr<QIODevice> m_device;
    std::optional<Link> m_link; // the link contact was made on
    QByteArray m_unread;        // received while waiting for contact
    NmeaStream m_stream;
    bool m_connecting = false;
};

} // namespace lirvenda
