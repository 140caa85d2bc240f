#include "gui/positions/PositionLink.h"
#include "support/Gestures.h"
#include "support/ModalAnswer.h"
#include "support/PseudoTerminal.h"
#include "support/TestProgram.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>

#include <utility>

using namespace lirvenda;
using namespace lirvenda::test;

namespace {

const QByteArray Oslo = "$GPRMC,225446,A,5955.1234,N,01045.6789,E,000.5,054.7,191194,020.3,E*7A\r\n";
const QString OsloFix = "fix 59,91872 10,76132 054.7";
const QByteArray Waypoints = "header\r\nWGS 84\r\nReserved 2\r\nReserved 3\r\n1,WP1,59.9127,10.7461,0\r\n";

// Every signal of the link, one line each, in the order they came.
struct SignalLog {
    QStringList lines;

    explicit SignalLog(PositionLink &link)
    {
        const auto add = [this](const QString &line) { lines << line; };
        QObject::connect(&link, &PositionLink::receiverLinked, [=](bool on) { add("linked " + QString::number(on)); });
        QObject::connect(&link, &PositionLink::fixRead, [=](const QString &lat, const QString &lon, const QString &c) {
            add("fix " + lat + ' ' + lon + ' ' + c);
        });
        QObject::connect(&link, &PositionLink::receiverAvailable, [=](bool on) { add("GPS " + QString::number(on)); });
        QObject::connect(&link, &PositionLink::mapAvailable, [=](bool on) { add("Kart " + QString::number(on)); });
        QObject::connect(&link, &PositionLink::sourceChosen, [=](PositionLink::Source source) {
            add("source " + QStringList({"typed", "receiver", "map"})[int(source)]);
        });
        QObject::connect(&link, &PositionLink::positionTaken,
                         [=](const QString &lat, const QString &lon) { add("position " + lat + ' ' + lon); });
    }
    QStringList take() { return std::exchange(lines, {}); }
};

// The signals of the first tick that reads a fix.
QStringList tickUntilFix(PositionLink &link, SignalLog &log)
{
    const bool read = QTest::qWaitFor([&] {
        log.take();
        link.tick();
        return log.lines.contains(OsloFix);
    });
    return read ? log.take() : QStringList("no fix");
}

// A program folder whose receiver sends Oslo's fix, and a link that has made contact with it.
struct LinkedReceiver {
    TestProgram t{false};
    PseudoTerminal receiver;
    PositionLink link{t.program()};
    SignalLog log{link};
    LinkedReceiver()
    {
        receiver.keepSending(Oslo);
        t.program().gpsPort = receiver.port();
        link.connectReceiver();
    }
};

} // namespace

class PositionLinkTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::NorwegianBokmal, QLocale::Norway)); }
    void init() { QGuiApplication::clipboard()->clear(); }

    // What the window is told, and only that: a source is offered and followed only while a
    // registration is entered, and a lost receiver is reported once.
    void signalsFollowWhatTheUserDid()
    {
        LinkedReceiver linked;
        auto &[t, receiver, link, log] = linked;
        QCOMPARE(log.take(), QStringList("linked 1"));
        QCOMPARE(tickUntilFix(link, log), QStringList({"Kart 0", OsloFix, "GPS 0"}));

        link.setEntering(true);
        QVERIFY(writeFile(t.path("Posisjoner.txt"), Waypoints));
        QCOMPARE(tickUntilFix(link, log), QStringList({"Kart 1", OsloFix, "GPS 1"}));
        link.useReceiver();
        QCOMPARE(log.take(), QStringList({"source receiver", "position 59,91872 10,76132"}));
        QCOMPARE(tickUntilFix(link, log), QStringList({"Kart 1", OsloFix, "GPS 1", "position 59,91872 10,76132"}));
        QVERIFY(answerModal([&] { link.useMap(); }));
        QCOMPARE(log.take(), QStringList({"position 59,912700 010,746100", "source map", "Kart 0"}));
        QCOMPARE(tickUntilFix(link, log), QStringList({"Kart 0", OsloFix, "GPS 1"}));
        link.setEntering(false);
        QCOMPARE(log.take(), QStringList({"GPS 0", "source typed", "Kart 0"}));

        receiver.unplug();
        const auto tickReportsLoss = [&] {
            link.tick();
            return log.lines.contains("linked 0");
        };
        QTRY_VERIFY(tickReportsLoss());
        link.tick();
        QCOMPARE(log.take().filter("linked"), QStringList("linked 0"));
    }

    // A failed attempt leaves the receiver linked as it was: the next ticks still read it.
    void failedAttemptKeepsTheLinkMade()
    {
        LinkedReceiver linked;
        auto &[t, receiver, link, log] = linked;
        t.program().gpsPort = "/nonexistent/gps";
        QVERIFY(answerModal([&] { link.connectReceiver(); }, [](QWidget *settings) { click(settings, "Command1"); }));
        QCOMPARE(t.prompter().shown.size(), 3);
        QCOMPARE(t.prompter().lastText(), "Try to connect once more?");
        QCOMPARE(log.take(), QStringList("linked 1"));
        QCOMPARE(tickUntilFix(link, log), QStringList({"Kart 0", OsloFix, "GPS 0"}));
    }

    // Once started the link ticks by itself.
    void startedLinkTicksByItself()
    {
        TestProgram t(false);
        PositionLink link(t.program());
        link.setEntering(true);
        QSignalSpy offered(&link, &PositionLink::mapAvailable);
        link.start();
        QGuiApplication::clipboard()->setText("geo:59.9127,10.7461");
        QTRY_VERIFY_WITH_TIMEOUT(offered.contains(QVariantList{true}), 3 * PositionLink::TickMilliseconds);
    }
};

QTEST_MAIN(PositionLinkTest)
#include "tst_positionlink.moc"
