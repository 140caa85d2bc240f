#include "core/positions/GpsSettings.h"
#include "core/positions/Nmea.h"
#include "core/positions/Waypoints.h"
#include "core/shared/SharedProcedures.h"
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

QByteArray listFile(const QByteArray &waypointLines)
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
        const QString munich = "48.1173 11.51667 084.4";
        QTest::newRow("reference sentence") << QByteArrayList{Example} << munich;
        QTest::newRow("any talker, five decimals")
            << QByteArrayList{"$GNRMC,081836,A,5955.12345,N,01045.67890,E,000.5,054.7,191194,020.3,E*66\r\n"}
            << "59.91872 10.76132 054.7";
        QTest::newRow("latitude of eight characters")
            << QByteArrayList{"$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A\r\n"} << munich;
        QTest::newRow("no fix yet, south and west")
            << QByteArrayList{"$GPRMC,081836,V,3751.65,S,14507.36,W,000.0,360.0,130998,011.3,E*67\r\n"}
            << "-37.86083 -145.1227 360.0";
        QTest::newRow("wrong checksum") << QByteArrayList{QByteArray(Example).replace("*6A", "*6B")} << "none";
        QTest::newRow("no checksum") << QByteArrayList{QByteArray(Example).replace("*6A", "")} << munich;
        QTest::newRow("fewer than nine fields")
            << QByteArrayList{"$GPRMC,081836,A,4807.038,N,01131.000,E,022.4*31\r\n"} << "none";
        QTest::newRow("empty coordinates") << QByteArrayList{"$GPRMC,225446,V,,,,,,,191194,,*37\r\n"} << "none";
        QTest::newRow("minutes of 60") << QByteArrayList{"$GPRMC,1,A,4860.0,N,01131.0,E,0,0,1*15\r\n"} << "none";
        QTest::newRow("minutes not a number")
            << QByteArrayList{"$GPRMC,123519,A,48nan,N,01131.0000,E,022.4,084.4,230394,003.1,W*29\r\n"} << "none";
        QTest::newRow("by the equator, no exponent")
            << QByteArrayList{"$GPRMC,123519,A,0000.0018,S,00000.0012,W,022.4,084.4,230394,003.1,W*6D\r\n"}
            << "-0.00003 -0.00002 084.4";
        QTest::newRow("split across reads") << QByteArrayList{Example.left(30), Example.mid(30)} << munich;
        QTest::newRow("unfinished waits") << QByteArrayList{"noise\r\n" + Example.left(40)} << "none";
        QTest::newRow("newest of several") << QByteArrayList{"\x07$GP" + Example + Oslo} << "59.91872 10.76132 054.7";
        QTest::newRow("broken newest") << QByteArrayList{Example + QByteArray(Oslo).replace("*7A", "*7B")} << munich;
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
        SaveGpsSettings(t.program(), {"1", 4800});
        QCOMPARE(contents(t.path(GpsSettings::FileName)), QByteArray("14800\n"));
        SaveGpsSettings(t.program(), {"/dev/ttyUSB0", 38400});
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
        QCOMPARE(devices.join(' ').remove(dev.path() + '/'), "ttyUSB0 ttyUSB1 ttyACM0 rfcomm0 ttyS2 ttyS10");
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
        QTest::newRow("too few fields") << listFile("1,WP1,59.9127\n") << false << "none";
        QTest::newRow("comma as decimal mark") << listFile("1,WP1,59,9127,10,7461\n") << false << "none";
        QTest::newRow("longitude beyond 180") << listFile("1,WP1,59.0,190.5\n") << false << "none";
        QTest::newRow("gpx") << QByteArray(R"(<?xml version="1.0"?><gpx version="1.1"><metadata/>)"
                                           R"(<wpt lat="59.9127" lon="10.7461"><name>A</name></wpt>)"
                                           R"(<wpt lat="1" lon="2"/></gpx>)")
                             << true << "59,912700 010,746100";
        QTest::newRow("broken gpx") << QByteArray("<gpx><wpt lat=") << true << "none";
    }
    void waypointFiles()
    {
        QFETCH(QByteArray, contents);
        QFETCH(bool, gpx);
        QFETCH(QString, shown);
        QCOMPARE(boxes(gpx ? firstWaypointOfGpx(contents) : firstWaypointOfList(contents)), shown);
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

    void clipboardTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        textRow("comma and blank", {"59.9127, 10.7461", "59,912700 010,746100"});
        textRow("geo link", {"geo:-33.8675,151.207;u=35", "-33,867500 151,207000"});
        textRow("geo link, whole degrees", {"GEO:60,11", "60,000000 011,000000"});
        textRow("other text", {"Oslo 59.9127 10.7461", "none"});
        textRow("a number with a decimal comma", {"59,9", "none"});
        textRow("two whole numbers", {"12 30", "none"});
        textRow("one decimal point", {"59.9, 10", "none"});
        textRow("out of range", {"99.1, 10.7", "none"});
    }
    void clipboardTexts()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(boxes(waypointOfText(text)), shown);
    }
};

QTEST_GUILESS_MAIN(PositionParsingTest)
#include "tst_positionparsing.moc"
