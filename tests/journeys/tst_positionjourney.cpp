#include "journeys/Journey.h"
#include "support/PseudoTerminal.h"

#include <QFileInfo>
#include <QTimer>

using namespace lirvenda;
using namespace lirvenda::test;

namespace {

// A receiver north of Oslo: 59°55.1234'N 10°45.6789'E.
const QByteArray Fix = "$GPRMC,225446,A,5955.1234,N,01045.6789,E,000.5,054.7,191194,020.3,E*7A\r\n";

// What the main window showed for a registration just before it was saved.
struct Shown {
    QString latitude, longitude, locality, start;
};

Shown shownPosition(FaunaWindow &w)
{
    return {w.shown("Text7"), w.shown("Text8"), w.shown("Combo13"), w.shown("Text2")};
}

void compareStored(FaunaWindow &w, qint64 obsId, const Shown &shown)
{
    QVERIFY2(sameCoordinate(shown.latitude, w.column(obsId, "Breddegrad")),
             qPrintable(shown.latitude + " / " + w.column(obsId, "Breddegrad")));
    QVERIFY2(sameCoordinate(shown.longitude, w.column(obsId, "Lengdegrad")),
             qPrintable(shown.longitude + " / " + w.column(obsId, "Lengdegrad")));
    QCOMPARE(w.column(obsId, "Lokalitet"), shown.locality);
}

} // namespace

class PositionJourney : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::NorwegianBokmal, QLocale::Norway)); }

    // One position from the receiver, the next from a map program's waypoint file; each saved
    // as shown, and found again in the archive as shown.
    void receiverThenWaypoint()
    {
        FaunaWindow w;
        QVERIFY(addObserverThroughWindows(w, "Kari", "Nordmann", "KN"));
        PseudoTerminal receiver;
        QTimer repeat;
        QObject::connect(&repeat, &QTimer::timeout, [&] { receiver.send(Fix); });
        repeat.start(200);
        w.t.program().gpsPort = receiver.port(); // the port chosen in "GPS communication"

        w.click("Command28");
        QCOMPARE(w.t.prompter().lastText(), QString("GPS contact established."));
        w.click("Command7");
        QTRY_VERIFY_WITH_TIMEOUT(w.control("Command17")->isEnabled(), 60000); // the window's own ticks
        w.click("Command17");
        QVERIFY(isYellow(w.control("Command17")));
        QCOMPARE(QStringList({w.shown("Text7"), w.shown("Text8")}), QStringList({"59,91872", "10,76132"}));
        QVERIFY(pickSpecies(w, "svarttrost"));
        type(w, "Combo13", "Maridalen");
        const Shown fromReceiver = shownPosition(w);
        w.click("Command7");
        QCOMPARE(w.t.prompter().lastText(), QString("GPS contact established."));
        const qint64 first = w.lastObsId();
        compareStored(w, first, fromReceiver);

        // The next registration takes the waypoint a map program left.
        QVERIFY(
            writeFile(w.t.path("Veipunkter.gpx"), R"(<gpx><wpt lat="61.5" lon="9.25"><name>Reir</name></wpt></gpx>)"));
        QVERIFY(pickSpecies(w, "gråtrost"));
        type(w, "Combo13", "Lomen");
        type(w, "Text1", "2"); // after a save the count starts empty
        QTRY_VERIFY_WITH_TIMEOUT(w.control("Command36")->isEnabled(), 60000);
        QVERIFY(answerModal([&] { w.click("Command36"); })); // the confirmation closes itself
        QCOMPARE(QStringList({w.shown("Text7"), w.shown("Text8")}), QStringList({"61,500000", "009,250000"}));
        QVERIFY(QFileInfo::exists(w.t.path("Veipunkter.gpx.brukt")) && !QFileInfo::exists(w.t.path("Veipunkter.gpx")));
        const Shown fromWaypoint = shownPosition(w);
        QCOMPARE(fromWaypoint.latitude, QString("61,500000"));
        w.click("Command7");
        const qint64 second = w.lastObsId();
        QVERIFY2(second > first, qPrintable(w.t.prompter().lastText()));
        compareStored(w, second, fromWaypoint);
        QCOMPARE(storedObsIds(w).size(), 2);

        // Each is found in the archive as the window showed it, and shown again with its position.
        w.click("Command9"); // the next registration is cancelled: the window's other buttons wake
        for (const auto &[obsId, species, shown] :
             {std::tuple{first, QString("11870"), fromReceiver}, std::tuple{second, QString("11980"), fromWaypoint}}) {
            const ArchiveAnswer found = searchArchive(w, "Combo1", species, obsId);
            QVERIFY(found.opened);
            QCOMPARE(found.lines.size(), 1);
            QVERIFY2(found.lines[0].contains(' ' + shown.locality + " (Dato: " + shown.start),
                     qPrintable(found.lines[0]));
            QCOMPARE(QStringList({w.shown("Text7"), w.shown("Text8"), w.shown("Combo13")}),
                     QStringList({shown.latitude, shown.longitude, shown.locality}));
        }
    }
};

QTEST_MAIN(PositionJourney)
#include "tst_positionjourney.moc"
