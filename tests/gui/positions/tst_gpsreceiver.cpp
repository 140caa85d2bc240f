#include "gui/positions/GpsReceiver.h"
#include "support/PseudoTerminal.h"

#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

using namespace lirvenda;
using namespace lirvenda::test;

namespace {

const QByteArray Sentence = "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A\r\n";

QString readout(const std::optional<GpsFix> &fix)
{
    return fix ? readoutText(fix->latitude, QLocale::c()) + ' ' + readoutText(fix->longitude, QLocale::c())
               : QStringLiteral("none");
}

// A stand-in for gpsd: it greets each client as gpsd does and, once asked to watch with NMEA
// output, passes on the sentences it was given.
class FakeGpsd {
public:
    explicit FakeGpsd(QByteArray sentences) : m_sentences(std::move(sentences))
    {
        m_server.listen(QHostAddress::LocalHost);
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] {
            QTcpSocket *client = m_server.nextPendingConnection();
            client->write(R"({"class":"VERSION","release":"3.22","proto_major":3,"proto_minor":14})"
                          "\r\n");
            QObject::connect(client, &QTcpSocket::readyRead, client, [this, client] {
                requests += client->readAll();
                if (requests.contains(R"("nmea":true)"))
                    client->write(R"({"class":"DEVICES","devices":[]})"
                                  "\r\n" +
                                  m_sentences);
            });
        });
    }
    quint16 port() const { return m_server.serverPort(); }

    QByteArray requests;

private:
    QTcpServer m_server;
    QByteArray m_sentences;
};

// The first fix the receiver reads while the sentences come in; "none" when none comes.
QString firstFix(GpsReceiver &receiver)
{
    QString fix = readout(receiver.read(4800));
    for (int tries = 0; tries < 50 && fix == "none"; ++tries) {
        QTest::qWait(100);
        fix = readout(receiver.read(4800));
    }
    return fix;
}

} // namespace

class GpsReceiverTest : public QObject {
    Q_OBJECT
private slots:
    // The first characters make contact and are not lost; later reads give the newest fix, a
    // sentence split between reads included.
    void serialReceiver()
    {
        PseudoTerminal pty;
        GpsReceiver receiver;
        QTimer::singleShot(200, [&] { pty.send(Sentence); });
        QCOMPARE(int(receiver.connectTo(pty.port(), 4800).contact), int(GpsReceiver::Contact::Made));
        QCOMPARE(firstFix(receiver), "48.1173 11.51667");
        pty.send("$GNRMC,081836,A,5955.12345,N,01045.67890,E,000.5,054.7,191194,020.3,E");
        QTest::qWait(100);
        QCOMPARE(readout(receiver.read(4800)), "none");
        pty.send("*66\r\n");
        QCOMPARE(firstFix(receiver), "59.91872 10.76132");
    }

    void silentPortClosesAgain()
    {
        PseudoTerminal pty;
        GpsReceiver receiver;
        QCOMPARE(int(receiver.connectTo(pty.port(), 9600).contact), int(GpsReceiver::Contact::NoData));
        pty.send(Sentence);
        QTest::qWait(100);
        QCOMPARE(readout(receiver.read(9600)), "none");
    }

    void portsThatCannotBeOpened_data()
    {
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("message");
        QTest::newRow("no such device") << "/nonexistent/gps"
                                        << "An error has occurred. Error number 1 - ";
        QTest::newRow("no gpsd") << "gpsd"
                                 << "An error has occurred. Error number 0 - gpsd on localhost port ";
    }
    void portsThatCannotBeOpened()
    {
        QFETCH(QString, port);
        QFETCH(QString, message);
        GpsReceiver receiver;
        QTcpServer closed; // a port nobody listens on
        closed.listen(QHostAddress::LocalHost);
        const quint16 unused = closed.serverPort();
        closed.close();
        receiver.setServiceAddress("localhost", unused);
        const GpsReceiver::Attempt attempt = receiver.connectTo(port, 9600);
        QCOMPARE(int(attempt.contact), int(GpsReceiver::Contact::Failed));
        QVERIFY2(attempt.error.startsWith(message), qPrintable(attempt.error));
        QVERIFY2(attempt.error.contains(". Are you sure the PC has a com-port?"), qPrintable(attempt.error));
    }

    void gpsdPassesOnTheReceiversSentences()
    {
        FakeGpsd gpsd(Sentence);
        GpsReceiver receiver;
        receiver.setServiceAddress("localhost", gpsd.port());
        QCOMPARE(int(receiver.connectTo("gpsd", 9600).contact), int(GpsReceiver::Contact::Made));
        QCOMPARE(gpsd.requests, QByteArray(R"(?WATCH={"enable":true,"nmea":true};)"
                                           "\n"));
        QCOMPARE(readout(receiver.read(9600)), "48.1173 11.51667");
    }

    void gpsdWithoutReceiverIsNoContact()
    {
        FakeGpsd gpsd({});
        GpsReceiver receiver;
        receiver.setServiceAddress("localhost", gpsd.port());
        QCOMPARE(int(receiver.connectTo("gpsd", 9600).contact), int(GpsReceiver::Contact::NoData));
    }
};

QTEST_MAIN(GpsReceiverTest)
#include "tst_gpsreceiver.moc"
