#include "gui/positions/GpsReceiver.h"

#include "core/positions/GpsSettings.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QSerialPort>
#include <QTcpSocket>
#include <QTimer>

namespace lirvenda {

namespace {

// Where the connection failed, quoted in the message: choosing the device, opening it, reaching gpsd.
constexpr int ChoosingLine = 10;
constexpr int OpeningLine = 20;
constexpr int ServiceLine = 30;

const QByteArray WatchRequest = QByteArrayLiteral("?WATCH={\"enable\":true,\"nmea\":true};\n");

QString errorMessage(int number, const QString &description, int line, const QString &advice = {})
{
    return QCoreApplication::translate(
               "GpsReceiver", "An error has occurred. Error number %1 - %2 - line: %3. Are you sure the PC has a "
                              "com-port?")
               .arg(number)
               .arg(description)
               .arg(line) +
           advice;
}

// A device the user may not read needs membership of the group that owns serial ports; one that
// is readable but refused is held by another program.
QString permissionAdvice(const QString &path)
{
    if (QFileInfo(path).isReadable())
        return QCoreApplication::translate(
            "GpsReceiver", " The port is in use by another program; if gpsd holds the receiver, choose the "
                           "port gpsd.");
    return QCoreApplication::translate(
        "GpsReceiver", " Only members of the group dialout may use serial ports: run \"sudo usermod -a -G "
                       "dialout $USER\", then log out and in again.");
}

} // namespace

GpsReceiver::GpsReceiver()
    : m_serviceHost(QStringLiteral("localhost")), m_servicePort(2947), m_deviceFolder(QStringLiteral("/dev"))
{
}

GpsReceiver::~GpsReceiver() = default;

void GpsReceiver::setServiceAddress(const QString &host, quint16 port)
{
    m_serviceHost = host;
    m_servicePort = port;
}

void GpsReceiver::setDeviceFolder(const QString &folder) { m_deviceFolder = folder; }

GpsReceiver::Attempt GpsReceiver::connectTo(const QString &port, int speed)
{
    m_connecting = true;
    m_device.reset(); // a device reopened while still open would be refused by its own lock
    m_unread.clear();
    QString error;
    const Link link{gpsDevicePath(port, serialDevices(m_deviceFolder)), speed};
    std::unique_ptr<QIODevice> device;
    if (link.device.isEmpty())
        error = errorMessage(
            QSerialPort::DeviceNotFoundError,
            QCoreApplication::translate("GpsReceiver", "No serial device number %1 was found").arg(port), ChoosingLine);
    else
        device = open(link, &error);
    const bool fromService = port == GpsSettings::ServicePort;
    const Contact contact = !device                                       ? Contact::Failed
                            : waitForFirstData(device.get(), fromService) ? Contact::Made
                                                                          : Contact::NoData;
    m_connecting = false;
    if (contact == Contact::Made) {
        m_device = std::move(device);
        m_link = link;
        m_stream = {};
    } else if (contact == Contact::NoData) {
        m_link.reset();
        m_unread.clear();
    }
    return {contact, error};
}

std::unique_ptr<QIODevice> GpsReceiver::open(const Link &link, QString *error)
{
    if (link.device == GpsSettings::ServicePort)
        return openService(error);
    const QString &path = link.device;
    auto serial = std::make_unique<QSerialPort>(path);
    serial->setBaudRate(link.speed);
    serial->setDataBits(QSerialPort::Data8);
    serial->setParity(QSerialPort::NoParity);
    serial->setStopBits(QSerialPort::OneStop);
    serial->setFlowControl(QSerialPort::NoFlowControl);
    if (!serial->open(QIODevice::ReadOnly)) {
        const QSerialPort::SerialPortError code = serial->error();
        *error = errorMessage(code, serial->errorString() + " (" + path + ")", OpeningLine,
                              code == QSerialPort::PermissionError ? permissionAdvice(path) : QString());
        return nullptr;
    }
    // A receiver pulled out or failing to read leaves the port useless: close it, and the next
    // read opens it again.
    QSerialPort *port = serial.get();
    QObject::connect(port, &QSerialPort::errorOccurred, port, [port](QSerialPort::SerialPortError code) {
        if (code == QSerialPort::ResourceError || code == QSerialPort::ReadError)
            port->close();
    });
    return serial;
}

std::unique_ptr<QIODevice> GpsReceiver::openService(QString *error)
{
    auto socket = std::make_unique<QTcpSocket>();
    QTcpSocket *service = socket.get();
    QObject::connect(service, &QTcpSocket::connected, service, [service] { service->write(WatchRequest); });
    socket->connectToHost(m_serviceHost, m_servicePort);
    QEventLoop loop;
    QObject::connect(service, &QTcpSocket::connected, &loop, &QEventLoop::quit);
    QObject::connect(service, &QTcpSocket::errorOccurred, &loop, &QEventLoop::quit);
    QTimer::singleShot(FirstDataMilliseconds, &loop, &QEventLoop::quit);
    if (service->state() != QAbstractSocket::ConnectedState)
        loop.exec();
    if (service->state() == QAbstractSocket::ConnectedState)
        return socket;
    *error = errorMessage(socket->error(),
                          QCoreApplication::translate("GpsReceiver", "gpsd on %1 port %2: %3")
                              .arg(m_serviceHost)
                              .arg(m_servicePort)
                              .arg(socket->errorString()),
                          ServiceLine);
    return nullptr;
}

// gpsd greets every client at once; only a sentence shows that a receiver is there.
bool GpsReceiver::waitForFirstData(QIODevice *device, bool fromService)
{
    const auto arrived = [&] {
        m_unread += device->readAll();
        return fromService ? m_unread.contains('$') : !m_unread.isEmpty();
    };
    if (arrived())
        return true;
    QEventLoop loop;
    QObject::connect(device, &QIODevice::readyRead, &loop, [&] {
        if (arrived())
            loop.quit();
    });
    QObject::connect(device, &QIODevice::aboutToClose, &loop, &QEventLoop::quit);
    QTimer::singleShot(FirstDataMilliseconds, &loop, &QEventLoop::quit);
    loop.exec();
    return arrived();
}

std::optional<GpsFix> GpsReceiver::read(int speed)
{
    if (m_connecting || !m_link)
        return std::nullopt;
    m_link->speed = speed;
    if (auto *serial = qobject_cast<QSerialPort *>(m_device.get()))
        serial->setBaudRate(speed); // on a device that has gone this fails, and closes the port
    if (!m_device || !m_device->isOpen()) {
        QString ignored;
        m_connecting = true; // reaching gpsd runs the event loop, and with it the next tick
        m_device = open(*m_link, &ignored);
        m_connecting = false;
        if (!m_device) { // the receiver is gone: another device is never taken in its place
            m_link.reset();
            return std::nullopt;
        }
    }
    const QByteArray received = m_unread + m_device->readAll();
    m_unread.clear();
    return m_stream.take(received);
}

} // namespace lirvenda
