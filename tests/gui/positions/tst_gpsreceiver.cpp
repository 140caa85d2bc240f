#include "gui/positions/GpsReceiver.h"
#include "support/PseudoTerminal.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

using namespace lirvenda;
using namespace lirvenda::test;

namespace {

const QByteArray Sentence = "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A\r\n";
const QByteArray Oslo = "$GPRMC,225446,A,5955.1234,N,01045.6789,E,000.5,054.7,191194,020.3,E*7A\r\n";

// The first fix read while sentences come in, "lat lon"; "none" when none comes.
QString firstFix(GpsReceiver &receiver)
{
    std::optional<GpsFix> fix = receiver.read(4800);
    for (int tries = 0; tries < 50 && !fix; ++tries) {
        QTest::qWait(100);
        fix = receiver.read(4800);
    }
    const QLocale c = QLocale::c();
    return fix ? readoutText(fix->latitude, c) + ' ' + readoutText(fix->longitude, c) : QStringLiteral("none");
}

// A stand-in for gpsd: it greets each client as gpsd does and, once asked to watch with NMEA
// output, passes on the sentences it was given.
class FakeGpsd {
public:
    explicit FakeGpsd(QByteArray sentences) : m_sentences(std::move(sentences))
    {
        m_server.listen(QHostAddress::LocalHost);
        m_port = m_server.serverPort();
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] {
            QTcpSocket *client = m_server.nextPendingConnection();
            client->write(R"({"class":"VERSION","release":"3.22","proto_major":3})"
                          "\r\n");
            QObject::connect(client, &QTcpSocket::readyRead, client, [this, client] {
                requests += client->readAll();
                if (requests.contains(R"("nmea":true)"))
                    client->write(m_sentences);
            });
        });
    }
    quint16 port() const { return m_port; }
    void stop() { m_server.close(); }

    QByteArray requests;

private:
    QTcpServer m_server;
    quint16 m_port;
    QByteArray m_sentences;
};

} // namespace

class GpsReceiverTest : public QObject {
    Q_OBJECT
private slots:
    // A digit port names the device it counted at contact; the first characters are not lost.
    // Once that device is gone the receiver is lost, though another now counts as the first.
    void lostReceiverIsNotReplaced()
    {
        QTemporaryDir dev;
        PseudoTerminal receiverPort;
        PseudoTerminal otherPort;
        QVERIFY(QFile::link(receiverPort.port(), dev.filePath("ttyUSB0")));
        QVERIFY(QFile::link(otherPort.port(), dev.filePath("ttyUSB1")));
        GpsReceiver receiver;
        receiver.setDeviceFolder(dev.path());
        QTimer::singleShot(200, [&] { receiverPort.send(Sentence); });
        QCOMPARE(int(receiver.connectTo("1", 4800).contact), int(GpsReceiver::Contact::Made));
        QCOMPARE(firstFix(receiver), "48.1173 11.51667");

        receiverPort.unplug();
        QVERIFY(QFile::remove(dev.filePath("ttyUSB0")));
        otherPort.keepSending(Oslo);
        int fixes = 0;
        const auto lostOrRead = [&] {
            fixes += receiver.read(4800).has_value();
            return !receiver.isLinked() || fixes > 0;
        };
        QTRY_VERIFY(lostOrRead());
        QCOMPARE(fixes, 0);
        QVERIFY(!receiver.isLinked());
    }

    void gpsd_data()
    {
        QTest::addColumn<bool>("running");
        QTest::addColumn<QByteArray>("sentences");
        QTest::addColumn<int>("contact");
        QTest::newRow("with a receiver") << true << Sentence << int(GpsReceiver::Contact::Made);
        QTest::newRow("without a receiver") << true << QByteArray() << int(GpsReceiver::Contact::NoData);
        QTest::newRow("not running") << false << Sentence << int(GpsReceiver::Contact::Failed);
    }
    void gpsd()
    {
        QFETCH(bool, running);
        QFETCH(QByteArray, sentences);
        QFETCH(int, contact);
        FakeGpsd gpsd(sentences);
        if (!running)
            gpsd.stop();
        GpsReceiver receiver;
        receiver.setServiceAddress("localhost", gpsd.port());
        const GpsReceiver::Attempt attempt = receiver.connectTo("gpsd", 9600);
        QCOMPARE(int(attempt.contact), contact);
        if (attempt.contact == GpsReceiver::Contact::Made)
            QCOMPARE(firstFix(receiver), "48.1173 11.51667");
        QCOMPARE(gpsd.requests, running ? QByteArray("?WATCH={\"enable\":true,\"nmea\":true};\n") : QByteArray());
        if (!running)
            QCOMPARE(attempt.error, QString("An error has occurred. Error number 0 - gpsd on localhost port %1: "
                                            "Connection refused - line: 30. Are you sure the PC has a com-port?")
                                        .arg(gpsd.port()));
    }
};

QTEST_MAIN(GpsReceiverTest)
#include "tst_gpsreceiver.moc"
