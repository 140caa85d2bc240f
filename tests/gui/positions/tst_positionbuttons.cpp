#include "core/shared/TextFiles.h"
#include "support/FaunaWindow.h"
#include "support/PseudoTerminal.h"

#include "gui/positions/frm_GPS.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTimer>

using namespace lirvenda;
using namespace lirvenda::test;

namespace {

const QByteArray Oslo = "$GPRMC,225446,A,5955.1234,N,01045.6789,E,000.5,054.7,191194,020.3,E*7A\r\n";
const QByteArray Melbourne = "$GPRMC,081836,V,3751.65,S,14507.36,W,000.0,360.0,130998,011.3,E*67\r\n";

QByteArray waypointList(const QByteArray &line) { return "header\r\nWGS 84\r\nReserved 2\r\nReserved 3\r\n" + line; }

// A receiver sending Oslo's fix on the port the window is set to use; the test ticks itself.
void plugIn(FaunaWindow &w, PseudoTerminal &receiver)
{
    w.control<QTimer>("Timer1")->stop();
    w.t.program().gpsPort = receiver.port();
    receiver.keepSending(Oslo);
}

QStringList messages(FaunaWindow &w)
{
    QStringList texts;
    for (const ScriptedPrompter::Shown &shown : w.t.prompter().shown)
        texts << shown.text;
    return texts;
}

QStringList tickShows(FaunaWindow &w, const QStringList &names)
{
    w.positions().tick();
    return w.shownAs(names);
}

} // namespace

class PositionButtonsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::NorwegianBokmal, QLocale::Norway)); }
    void init() { QGuiApplication::clipboard()->clear(); }

    // The settings chosen after a failure are stored and used by the next attempt. A receiver
    // pulled out later is shown as none, "&Kontakt GPS" on neutral; the read-out keeps the fix.
    void failureAsksAgainThenTheReceiverIsLost()
    {
        FaunaWindow w;
        PseudoTerminal receiver;
        plugIn(w, receiver);
        w.t.program().gpsPort = "/nonexistent/gps";
        w.t.prompter().yesNoAnswers = {true};
        QVERIFY(answerModal([&] { w.click("Command28"); },
                            [&](QWidget *settings) {
                                child<QComboBox>(settings, "Combo1")->setCurrentText(receiver.port());
                                child<QComboBox>(settings, "Combo2")->setCurrentText("4800");
                                click(settings, "Command2");
                            }));
        const QStringList shown = messages(w);
        QCOMPARE(shown.size(), 3);
        QVERIFY2(shown[0].startsWith("An error has occurred. Error number 1 - ") &&
                     shown[0].endsWith(" - line: 20. Are you sure the PC has a com-port?"),
                 qPrintable(shown[0]));
        QCOMPARE(shown.mid(1), QStringList({"Try to connect once more?", "GPS contact established."}));
        QCOMPARE(readFirstLine(w.t.path("DefaultGPSSettings.txt")), receiver.port() + " 4800");

        QTRY_COMPARE(tickShows(w, {"Text9_0"}), QStringList("Text9_0=59,91872"));
        receiver.unplug();
        QTRY_VERIFY((w.positions().tick(), w.shown("Command28") == "&Kontakt GPS"));
        QVERIFY(isNeutral(w.control("Command28")));
        QCOMPARE(w.shown("Text9_0"), "59,91872");
    }

    void settingsRefuseWhatCannotBeAPort()
    {
        TestProgram t;
        t.program().gpsPort = "7";
        t.program().gpsSpeed = 14400;
        frm_GPS window(t.program());
        QStringList seen;
        QVERIFY(answerModal([&] { window.exec(); },
                            [&](QWidget *settings) {
                                auto *port = child<QComboBox>(settings, "Combo1");
                                // the speed written by hand is kept
                                seen << port->currentText() << child<QComboBox>(settings, "Combo2")->currentText();
                                port->setCurrentText("COM3");
                                click(settings, "Command2");
                                seen << QString::number(settings->isVisible());
                                click(settings, "Command1");
                            }));
        QCOMPARE(seen, QStringList({"7", "14400", "1"}));
        QCOMPARE(t.prompter().lastText(),
                 "The port must be 1 to 9, gpsd or the path of a device, such as /dev/ttyACM0.");
        QVERIFY(!QFile::exists(t.path("DefaultGPSSettings.txt")));
    }

    // Each tick fills the read-out. Yellow "GPS": each fix overwrites the position; after "Kart"
    // fixes no longer reach it; leaving the entry makes both neutral.
    void positionFollowsTheChosenSource()
    {
        FaunaWindow w;
        PseudoTerminal receiver;
        plugIn(w, receiver);
        w.click("Command28");
        QCOMPARE(messages(w), QStringList("GPS contact established."));
        QVERIFY(w.shown("Command28") == "Active GPS" && isGreen(w.control("Command28")));
        QTRY_COMPARE(tickShows(w, {"Text9_0", "Text9_1", "Text9_2"}),
                     QStringList({"Text9_0=59,91872", "Text9_1=10,76132", "Text9_2=054.7"}));
        QVERIFY(!w.control("Command17")->isEnabled()); // browsing: no position is entered

        w.click("Command7");
        QTRY_VERIFY((w.positions().tick(), w.control("Command17")->isEnabled()));
        QVERIFY(!w.control("Command36")->isEnabled()); // no waypoint anywhere
        w.click("Command17");
        QVERIFY(isYellow(w.control("Command17")) && isNeutral(w.control("Command36")));
        QCOMPARE(w.shownAs({"Text7", "Text8"}), QStringList({"Text7=59,91872", "Text8=10,76132"}));

        receiver.keepSending(Melbourne); // south and west: the minus the position boxes read
        QTRY_COMPARE(tickShows(w, {"Text7", "Text8"}), QStringList({"Text7=-37,86083", "Text8=-145,1227"}));

        QVERIFY(writeFile(w.t.path("Posisjoner.txt"), waypointList("1,WP1,59.9127,10.7461,0\r\n")));
        w.positions().tick();
        QVERIFY(w.control("Command36")->isEnabled());
        QVERIFY(answerModal([&] { w.click("Command36"); })); // the timed confirmation
        QCOMPARE(w.shownAs({"Text7", "Text8"}), QStringList({"Text7=59,912700", "Text8=010,746100"}));
        QVERIFY(isYellow(w.control("Command36")) && isNeutral(w.control("Command17")));

        receiver.keepSending(Oslo);
        QTRY_COMPARE(tickShows(w, {"Text9_0", "Text7"}), QStringList({"Text9_0=59,91872", "Text7=59,912700"}));

        w.click("Command9");
        QVERIFY(isNeutral(w.control("Command17")) && isNeutral(w.control("Command36")));
        QVERIFY(!w.control("Command17")->isEnabled() && !w.control("Command36")->isEnabled());

        // The receiver falls silent after one last fix, which is read with all that came before
        // it: a new attempt finds nothing, says so, offers the settings, and the link is given up.
        receiver.fallSilent();
        receiver.send(Melbourne);
        QTRY_COMPARE(tickShows(w, {"Text9_0"}), QStringList("Text9_0=-37,86083"));
        QString settingsShown;
        QVERIFY(answerModal([&] { w.click("Command28"); },
                            [&](QWidget *settings) {
                                settingsShown = settings->windowTitle() + ' ' + w.t.prompter().lastText();
                                click(settings, "Command1");
                            }));
        QCOMPARE(settingsShown, "GPS communication No GPS signals found in com port " + receiver.port());
        QVERIFY(w.shown("Command28") == "&Kontakt GPS" && isNeutral(w.control("Command28")));
    }

    void mapButtonTakesEachWaypointOnce_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QStringList>("shown"); // the boxes after the press
        QTest::newRow("gpx") << "Veipunkter.gpx" << QByteArray(R"(<gpx><wpt lat="61.5" lon="9.25"/></gpx>)") << ""
                             << QStringList({"61,500000", "009,250000"});
        QTest::newRow("clipboard") << "" << QByteArray() << "geo:59.9127,10.7461"
                                   << QStringList({"59,912700", "010,746100"});
        QTest::newRow("not numbers") << "Posisjoner.txt" << waypointList("1,X,nord,øst\n") << ""
                                     << QStringList({"1", "2"});
        QTest::newRow("file before clipboard") << "Posisjoner.txt" << waypointList("1,A,60.0,11.0\n") << "1.5, 2.5"
                                               << QStringList({"60,000000", "011,000000"});
    }
    void mapButtonTakesEachWaypointOnce()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, contents);
        QFETCH(QString, clipboard);
        QFETCH(QStringList, shown);
        FaunaWindow w;
        if (!file.isEmpty())
            QVERIFY(writeFile(w.t.path(file), contents));
        QGuiApplication::clipboard()->setText(clipboard);
        w.click("Command7");
        w.enter({"Text7=1", "Text8=2"});
        QVERIFY(w.control("Command36")->isEnabled());
        const bool taken = shown != QStringList({"1", "2"});
        if (taken)
            QVERIFY(answerModal([&] { w.click("Command36"); })); // the timed confirmation
        else
            w.click("Command36");
        QCOMPARE(QStringList({w.shown("Text7"), w.shown("Text8")}), shown);
        QCOMPARE(messages(w), taken ? QStringList() : QStringList("Finner ingen ny posisjon"));
        if (!file.isEmpty())
            QVERIFY(QFile::exists(w.t.path(file + ".brukt")) && !QFile::exists(w.t.path(file)));
        QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);

        // Nothing new is left, unless the clipboard still holds a position besides the file.
        w.positions().tick();
        const bool clipboardLeft = !file.isEmpty() && !clipboard.isEmpty();
        QCOMPARE(w.control("Command36")->isEnabled(), clipboardLeft);
        if (!clipboardLeft) {
            w.t.prompter().shown.clear();
            w.positions().useMap();
            QCOMPARE(messages(w), QStringList("Finner ingen ny posisjon"));
        }
    }
};

QTEST_MAIN(PositionButtonsTest)
#include "tst_positionbuttons.moc"
