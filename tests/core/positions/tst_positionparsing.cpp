#include "core/positions/GpsSettings.h"
#include "core/positions/Nmea.h"
#include "core/positions/Waypoints.h"
#include "core/shared/SharedProcedures.h"
#include "support/TestProgram.h"

#include <QTemporaryDir>
#include <QTest>

using namespace lirvenda;
using namespace lirvenda::test;

namespace {

const QLocale C = QLocale::c();
const QLocale Norwegian(QLocale::NorwegianBokmal, QLocale::Norway);

// "lat lon course" as the read-out shows them, or "none".
QString readout(const std::optional<GpsFix> &fix)
{
    return fix ? readoutText(fix->latitude, C) + ' ' + readoutText(fix->longitude, C) + ' ' + fix->course
               : QStringLiteral("none");
}

// "lat lon" as the position boxes show them with the comma as decimal mark, or "none".
QString boxes(const std::optional<Waypoint> &waypoint)
{
    return waypoint ? latitudeText(waypoint->latitude, Norwegian) + ' ' + longitudeText(waypoint->longitude, Norwegian)
                    : QStringLiteral("none");
}

QByteArray listFile(const QByteArray &waypointLines)
{
    return "Waypoint File Version 1.1\r\nWGS 84\r\nReserved 2\r\nReserved 3\r\n" + waypointLines;
}

} // namespace

class PositionParsingTest : public QObject {
    Q_OBJECT
private slots:
    // Each read is fed to one stream in turn; the fix is what the last read gives.
    void receiverSentences_data()
    {
        QTest::addColumn<QByteArrayList>("reads");
        QTest::addColumn<QString>("fix");
        const QByteArray example = "$GPRMC,123519,A,4807.0380,N,01131.0000,E,022.4,084.4,230394,003.1,W*6A\r\n";
        QTest::newRow("the reference sentence") << QByteArrayList{example} << "48.1173 11.51667 084.4";
        QTest::newRow("any talker, five decimals")
            << QByteArrayList{"$GNRMC,081836,A,5955.12345,N,01045.67890,E,000.5,054.7,191194,020.3,E*66\r\n"}
            << "59.91872 10.76132 054.7";
        QTest::newRow("latitude of eight characters")
            << QByteArrayList{"$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A\r\n"}
            << "48.1173 11.51667 084.4";
        QTest::newRow("no fix yet, well-formed: south and west")
            << QByteArrayList{"$GPRMC,081836,V,3751.65,S,14507.36,W,000.0,360.0,130998,011.3,E*67\r\n"}
            << "-37.86083 -145.1227 360.0";
        QTest::newRow("wrong checksum") << QByteArrayList{QByteArray(example).replace("*6A", "*6B")} << "none";
        QTest::newRow("line noise in a digit") << QByteArrayList{QByteArray(example).replace("4807", "4817")} << "none";
        QTest::newRow("no checksum") << QByteArrayList{QByteArray(example).replace("*6A", "")}
                                     << "48.1173 11.51667 084.4";
        QTest::newRow("fewer than nine fields")
            << QByteArrayList{"$GPRMC,081836,A,4807.038,N,01131.000,E,022.4*31\r\n"} << "none";
        QTest::newRow("empty coordinates") << QByteArrayList{"$GPRMC,225446,V,,,,,,,191194,,*37\r\n"} << "none";
        QTest::newRow("other sentences only")
            << QByteArrayList{"$GPGGA,123519,4807.038,N,01131.000,E,1,08*47\r\n"} << "none";
        QTest::newRow("split across two reads")
            << QByteArrayList{example.left(30), example.mid(30)} << "48.1173 11.51667 084.4";
        QTest::newRow("unfinished sentence waits") << QByteArrayList{"garbage\r\n" + example.left(40)} << "none";
        QTest::newRow("the newest of several, noise before")
            << QByteArrayList{"\x07\x13$GP" + example +
                              "$GPRMC,225446,A,5955.1234,N,01045.6789,E,000.5,054.7,191194,020.3,E*7A\r\n"}
            << "59.91872 10.76132 054.7";
        QTest::newRow("a broken newest leaves the one before")
            << QByteArrayList{example + "$GPRMC,225446,A,5955.1234,N,01045.6789,E,000.5,054.7,191194,020.3,E*7B\r\n"}
            << "48.1173 11.51667 084.4";
    }
    void receiverSentences()
    {
        QFETCH(QByteArrayList, reads);
        QFETCH(QString, fix);
        NmeaStream stream;
        std::optional<GpsFix> last;
        for (const QByteArray &read : reads)
            last = stream.take(read);
        QCOMPARE(readout(last), fix);
    }

    void coordinatesOutOfRange_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("hemisphere");
        QTest::addColumn<int>("degreeDigits");
        QTest::newRow("minutes of 60") << "4860.000"
                                       << "N" << 2;
        QTest::newRow("beyond the pole") << "9100.000"
                                         << "N" << 2;
        QTest::newRow("beyond 180") << "18100.000"
                                    << "E" << 3;
        QTest::newRow("no hemisphere") << "4807.038"
                                       << "" << 2;
        QTest::newRow("letters") << "48O7.038"
                                 << "N" << 2;
        QTest::newRow("a sign") << "-4807.038"
                                << "N" << 2;
    }
    void coordinatesOutOfRange()
    {
        QFETCH(QString, value);
        QFETCH(QString, hemisphere);
        QFETCH(int, degreeDigits);
        QVERIFY(!NmeaToDegrees(value, hemisphere, degreeDigits));
    }

    void settingsLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("port");
        QTest::addColumn<int>("speed");
        QTest::addColumn<QString>("written");
        QTest::newRow("digit port") << "14800"
                                    << "1" << 4800 << "14800";
        QTest::newRow("device path") << "/dev/ttyACM0 4800"
                                     << "/dev/ttyACM0" << 4800 << "/dev/ttyACM0 4800";
        QTest::newRow("gpsd, blanks and CR") << " gpsd  9600\r"
                                             << "gpsd" << 9600 << "gpsd 9600";
        QTest::newRow("one character") << "3"
                                       << "3" << 9600 << "39600";
        QTest::newRow("speed not a number") << "2fast"
                                            << "2" << 9600 << "29600";
        QTest::newRow("path without speed") << "/dev/serial/by-id/usb-gps"
                                            << "/dev/serial/by-id/usb-gps" << 9600 << "/dev/serial/by-id/usb-gps 9600";
        QTest::newRow("broken") << "\x01\xff garbage"
                                << "5" << 9600 << "59600";
        QTest::newRow("port 0") << "04800"
                                << "5" << 9600 << "59600";
        QTest::newRow("empty") << ""
                               << "5" << 9600 << "59600";
    }
    void settingsLines()
    {
        QFETCH(QString, line);
        QFETCH(QString, port);
        QFETCH(int, speed);
        QFETCH(QString, written);
        const GpsSettings settings = GpsSettings::fromLine(line);
        QCOMPARE(settings.port + ' ' + QString::number(settings.speed), port + ' ' + QString::number(speed));
        QCOMPARE(settings.line(), written);
    }

    void settingsSurviveTheFile()
    {
        TestProgram t;
        SaveGpsSettings(t.program(), {QStringLiteral("1"), 4800});
        QCOMPARE(contents(t.path(GpsSettings::FileName)), QByteArray("14800\n"));
        SaveGpsSettings(t.program(), {QStringLiteral("/dev/ttyUSB0"), 38400});
        t.program().gpsPort.clear();
        LoadGpsSettings(t.program());
        QCOMPARE(t.program().gpsPort + ' ' + QString::number(t.program().gpsSpeed), "/dev/ttyUSB0 38400");
    }

    void digitPortsCountTheSerialDevices()
    {
        QTemporaryDir dev;
        for (const char *name : {"ttyS10", "ttyS2", "ttyUSB1", "rfcomm0", "ttyACM0", "ttyUSB0", "tty1", "sda"})
            QVERIFY(writeFile(dev.filePath(name), {}));
        const QStringList devices = SerialDevices(dev.path());
        QStringList names;
        for (const QString &device : devices)
            names << device.section('/', -1);
        QCOMPARE(names, QStringList({"ttyUSB0", "ttyUSB1", "ttyACM0", "rfcomm0", "ttyS2", "ttyS10"}));
        QCOMPARE(GpsDevicePath("1", devices), dev.filePath("ttyUSB0"));
        QCOMPARE(GpsDevicePath("6", devices), dev.filePath("ttyS10"));
        QCOMPARE(GpsDevicePath("7", devices), QString());
        QCOMPARE(GpsDevicePath("/dev/pts/4", devices), "/dev/pts/4");
    }

    void waypointFiles_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("gpx");
        QTest::addColumn<QString>("shown");
        QTest::newRow("list") << listFile("1,WP1,59.9127,10.7461,0,0\r\n2,WP2,60.1,11.2,0,0\r\n") << false
                              << "59,912700 010,746100";
        QTest::newRow("south and west, padded")
            << listFile("   1, Sør ,  -5.5 , -0.25 ,0\n") << false << "-05,500000 -000,250000";
        QTest::newRow("only headers") << listFile("") << false << "none";
        QTest::newRow("three lines") << QByteArray("a\nb\nc\n") << false << "none";
        QTest::newRow("too few fields") << listFile("1,WP1,59.9127\n") << false << "none";
        QTest::newRow("comma as decimal mark") << listFile("1,WP1,59,9127,10,7461\n") << false << "none";
        QTest::newRow("not a number") << listFile("1,WP1,north,10.7461\n") << false << "none";
        QTest::newRow("latitude beyond 90") << listFile("1,WP1,95.0,10.7461\n") << false << "none";
        QTest::newRow("longitude beyond 180") << listFile("1,WP1,59.0,190.5\n") << false << "none";
        QTest::newRow("gpx") << QByteArray(R"(<?xml version="1.0"?><gpx version="1.1"><metadata/>)"
                                           R"(<wpt lat="59.9127" lon="10.7461"><name>A</name></wpt>)"
                                           R"(<wpt lat="1" lon="2"/></gpx>)")
                             << true << "59,912700 010,746100";
        QTest::newRow("gpx without waypoints") << QByteArray(R"(<gpx><trk><trkseg><trkpt lat="1" lon="2"/>)"
                                                             R"(</trkseg></trk></gpx>)")
                                               << true << "none";
        QTest::newRow("broken gpx") << QByteArray("<gpx><wpt lat=") << true << "none";
    }
    void waypointFiles()
    {
        QFETCH(QByteArray, contents);
        QFETCH(bool, gpx);
        QFETCH(QString, shown);
        QCOMPARE(boxes(gpx ? firstWaypointOfGpx(contents) : firstWaypointOfList(contents)), shown);
    }

    void clipboardTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("comma and blank") << "59.9127, 10.7461"
                                         << "59,912700 010,746100";
        QTest::newRow("blank only") << " 59.9127 10.7461\n"
                                    << "59,912700 010,746100";
        QTest::newRow("geo link") << "geo:-33.8675,151.207;u=35"
                                  << "-33,867500 151,207000";
        QTest::newRow("geo link with height") << "geo:59.9127,10.7461,85"
                                              << "59,912700 010,746100";
        QTest::newRow("other text") << "Oslo 59.9127 10.7461"
                                    << "none";
        QTest::newRow("comma decimals") << "59,9127 10,7461"
                                        << "none";
        QTest::newRow("out of range") << "99.1, 10.7"
                                      << "none";
        QTest::newRow("empty") << ""
                               << "none";
    }
    void clipboardTexts()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(boxes(waypointOfText(text)), shown);
    }

    void eachWaypointIsTakenOnce()
    {
        TestProgram t(false);
        WaypointFileSource files(t.folder());
        QVERIFY(!files.holdsWaypoint());
        QVERIFY(writeFile(t.path("Posisjoner.txt"), listFile("1,WP1,59.9127,10.7461\n")));
        QVERIFY(writeFile(t.path("Veipunkter.gpx"), R"(<gpx><wpt lat="61.5" lon="9.25"/></gpx>)"));
        QStringList taken;
        while (files.holdsWaypoint()) {
            taken << boxes(files.takeFirst());
            files.clear();
        }
        QCOMPARE(taken, QStringList({"59,912700 010,746100", "61,500000 009,250000"}));
        QVERIFY(QFile::exists(t.path("Posisjoner.txt.brukt")) && QFile::exists(t.path("Veipunkter.gpx.brukt")));

        QString clipboard = "59.9127, 10.7461";
        ClipboardSource copied([&] { return clipboard; });
        QVERIFY(copied.holdsWaypoint());
        QCOMPARE(boxes(copied.takeFirst()), "59,912700 010,746100");
        copied.clear();
        QVERIFY(!copied.holdsWaypoint());
        QCOMPARE(clipboard, "59.9127, 10.7461");
        clipboard = "geo:59.9127,10.7461";
        QVERIFY(!copied.holdsWaypoint()); // the same place in another form
        clipboard = "59.9, 10.7";
        QVERIFY(copied.holdsWaypoint());
    }
};

QTEST_GUILESS_MAIN(PositionParsingTest)
#include "tst_positionparsing.moc"
