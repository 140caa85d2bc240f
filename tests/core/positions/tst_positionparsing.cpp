#include "core/positions/GpsSettings.h"
#include "core/positions/Nmea.h"
#include "core/positions/Waypoints.h"
#include "support/TestProgram.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace lirvenda;
using namespace lirvenda::test;

namespace {

const QByteArray Example = "$GPRMC,123519,A,4807.0380,N,01131.0000,E,022.4,084.4,230394,003.1,W*6A\r\n";
const QByteArray Oslo = "$GPRMC,225446,A,5955.1234,N,01045.6789,E,000.5,054.7,191194,020.3,E*7A\r\n";

// "lat lon course" as the read-out shows them, or "none".
QString readout(const std::optional<GpsFix> &fix)
{
    const QLocale c = QLocale::c();
    return fix ? readoutText(fix->latitude, c) + ' ' + readoutText(fix->longitude, c) + ' ' + fix->course
               : QStringLiteral("none");
}

// "lat lon" as the position boxes show them with the comma as decimal mark, or "none".
QString boxes(const std::optional<Waypoint> &waypoint)
{
    const QLocale norwegian(QLocale::NorwegianBokmal, QLocale::Norway);
    return waypoint ? latitudeText(waypoint->latitude, norwegian) + ' ' + longitudeText(waypoint->longitude, norwegian)
                    : QStringLiteral("none");
}

QString listFile(const QString &waypointLines)
{
    return "Waypoint File Version 1.1\r\nWGS 84\r\nReserved 2\r\nReserved 3\r\n" + waypointLines;
}

// A row of a table of texts alone.
void textRow(const char *name, const QStringList &texts)
{
    QTestData &row = QTest::newRow(name);
    for (const QString &text : texts)
        row << text;
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
        const auto row = [](const char *name, const QByteArrayList &reads, const char *fix) {
            QTest::newRow(name) << reads << QString(fix);
        };
        const char *munich = "48.1173 11.51667 084.4", *oslo = "59.91872 10.76132 054.7";
        row("reference sentence", {Example}, munich);
        row("any talker, five decimals",
            {"$GNRMC,081836,A,5955.12345,N,01045.67890,E,000.5,054.7,191194,020.3,E*66\r\n"}, oslo);
        row("latitude of eight characters",
            {"$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A\r\n"}, munich);
        row("no fix yet, south and west", {"$GPRMC,081836,V,3751.65,S,14507.36,W,000.0,360.0,130998,011.3,E*67\r\n"},
            "-37.86083 -145.1227 360.0");
        row("wrong checksum", {QByteArray(Example).replace("*6A", "*6B")}, "none");
        row("no checksum", {QByteArray(Example).replace("*6A", "")}, munich);
        row("fewer than nine fields", {"$GPRMC,081836,A,4807.038,N,01131.000,E,022.4*31\r\n"}, "none");
        row("empty coordinates", {"$GPRMC,225446,V,,,,,,,191194,,*37\r\n"}, "none");
        row("minutes of 60", {"$GPRMC,1,A,4860.0,N,01131.0,E,0,0,1*15\r\n"}, "none");
        row("minutes not a number", {"$GPRMC,123519,A,48nan,N,01131.0000,E,022.4,084.4,230394,003.1,W*29\r\n"}, "none");
        row("by the equator, no exponent",
            {"$GPRMC,123519,A,0000.0018,S,00000.0012,W,022.4,084.4,230394,003.1,W*6D\r\n"}, "-0.00003 -0.00002 084.4");
        row("split across reads", {Example.left(30), Example.mid(30)}, munich);
        row("unfinished waits", {"noise\r\n" + Example.left(40)}, "none");
        row("newest of several", {"\x07$GP" + Example + Oslo}, oslo);
        row("broken newest", {Example + QByteArray(Oslo).replace("*7A", "*7B")}, munich);
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

    void settingsLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("settings"); // port, blank, speed
        QTest::addColumn<QString>("written");
        textRow("digit port", {"14800", "1 4800", "14800"});
        textRow("device path", {"/dev/ttyACM0 4800", "/dev/ttyACM0 4800", "/dev/ttyACM0 4800"});
        textRow("gpsd, blanks and CR", {" gpsd  9600\r", "gpsd 9600", "gpsd 9600"});
        textRow("one character", {"3", "3 9600", "39600"});
        textRow("speed not a number", {"2fast", "2 9600", "29600"});
    }
    void settingsLines()
    {
        QFETCH(QString, line);
        QFETCH(QString, settings);
        QFETCH(QString, written);
        const GpsSettings read = GpsSettings::fromLine(line);
        QCOMPARE(read.port + ' ' + QString::number(read.speed), settings);
        QCOMPARE(read.line(), written);
    }

    void settingsSurviveTheFile()
    {
        TestProgram t;
        saveGpsSettings(t.program(), {"1", 4800});
        QCOMPARE(contents(t.path(GpsSettings::FileName)), QByteArray("14800\n"));
        saveGpsSettings(t.program(), {"/dev/ttyUSB0", 38400});
        t.program().gpsPort.clear();
        loadGpsSettings(t.program());
        QCOMPARE(t.program().gpsPort + ' ' + QString::number(t.program().gpsSpeed), "/dev/ttyUSB0 38400");
    }

    void digitPortsCountTheSerialDevices()
    {
        QTemporaryDir dev;
        for (const char *name : {"ttyS10", "ttyS2", "ttyUSB1", "rfcomm0", "ttyACM0", "ttyUSB0", "tty1", "sda"})
            QVERIFY(writeFile(dev.filePath(name), {}));
        const QStringList devices = serialDevices(dev.path());
        QCOMPARE(devices.join(' ').remove(dev.path() + '/'), "ttyUSB0 ttyUSB1 ttyACM0 rfcomm0 ttyS2 ttyS10");
        QCOMPARE(gpsDevicePath("6", devices), dev.filePath("ttyS10"));
        QCOMPARE(gpsDevicePath("7", devices), QString());
        QCOMPARE(gpsDevicePath("/dev/pts/4", devices), "/dev/pts/4");
    }

    // The first waypoint of a list file, of a GPX file and of a text on the clipboard.
    void waypoints_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("contents");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char *name, const char *source, const QString &contents, const char *shown) {
            QTest::newRow(name) << QString(source) << contents << QString(shown);
        };
        row("list", "list", listFile("1,WP1,59.9127,10.7461,0,0\r\n2,WP2,60.1,11.2,0,0\r\n"), "59,912700 010,746100");
        row("south and west, padded", "list", listFile("   1, Sør ,  -5.5 , -0.25 ,0\n"), "-05,500000 -000,250000");
        row("only headers", "list", listFile(""), "none");
        row("too few fields", "list", listFile("1,WP1,59.9127\n"), "none");
        row("comma as decimal mark", "list", listFile("1,WP1,59,9127,10,7461\n"), "none");
        row("longitude beyond 180", "list", listFile("1,WP1,59.0,190.5\n"), "none");
        row("gpx", "gpx",
            R"(<?xml version="1.0"?><gpx version="1.1"><metadata/><wpt lat="59.9127" lon="10.7461"><name>A</name></wpt>)"
            R"(<wpt lat="1" lon="2"/></gpx>)",
            "59,912700 010,746100");
        row("broken gpx", "gpx", "<gpx><wpt lat=", "none");
        row("comma and blank", "text", "59.9127, 10.7461", "59,912700 010,746100");
        row("geo link", "text", "geo:-33.8675,151.207;u=35", "-33,867500 151,207000");
        row("geo link, whole degrees", "text", "GEO:60,11", "60,000000 011,000000");
        row("other text", "text", "Oslo 59.9127 10.7461", "none");
        row("a number with a decimal comma", "text", "59,9", "none");
        row("one decimal point", "text", "59.9, 10", "none");
        row("out of range", "text", "99.1, 10.7", "none");
    }
    void waypoints()
    {
        QFETCH(QString, source);
        QFETCH(QString, contents);
        QFETCH(QString, shown);
        QCOMPARE(boxes(source == "list"  ? firstWaypointOfList(contents.toUtf8())
                       : source == "gpx" ? firstWaypointOfGpx(contents.toUtf8())
                                         : waypointOfText(contents)),
                 shown);
    }

    // What a map program exports, written here by an outside converter.
    void gpxFromAnotherWriter()
    {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("in.csv"), "lat,lon,name\n59.9127,10.7461,Hjem\n-5.5,-70.25,Sør\n"));
        QProcess gpsbabel;
        gpsbabel.start("gpsbabel",
                       {"-i", "unicsv", "-f", dir.filePath("in.csv"), "-o", "gpx", "-F", dir.filePath("out.gpx")});
        QVERIFY(gpsbabel.waitForFinished() && gpsbabel.exitCode() == 0);
        QCOMPARE(boxes(firstWaypointOfGpx(contents(dir.filePath("out.gpx")))), "59,912700 010,746100");
    }
};

QTEST_GUILESS_MAIN(PositionParsingTest)
#include "tst_positionparsing.moc"
