#include "support/FaunaWindow.h"

#include "core/registration/Places.h"

#include <QDialog>

using namespace lirvenda;
using namespace lirvenda::test;

namespace {

void chooseVestland(FaunaWindow &w)
{
    auto *counties = w.control<QComboBox>("Combo3");
    counties->setCurrentIndex(counties->findText(placeItem("Vestland", "NO46").text));
}

// Vestland reduced to Voss, a municipality whose name ends in "Voss", listed before it, and a
// county-wide box that never counts; 60.5833, 06.25 lies in both small boxes. Then the window in
// the new state at that position, Vestland and its first municipality chosen.
void startNearVoss(FaunaWindow &w, const QString &latitude, const QString &longitude)
{
    w.t.db().executeScript("DELETE FROM Adminplasser WHERE CodePlace NOT LIKE 'NO%';"
                           "INSERT INTO Adminplasser VALUES ('4621', 'Voss', '60240550-60580700', 'NOR');"
                           "INSERT INTO Adminplasser VALUES ('4698', 'Indre Voss', '60300600-60400630', 'NOR');"
                           "INSERT INTO Adminplasser VALUES ('4600', 'Hele fylket', '59000400-62000800', 'NOR');");
    w.window.Form_Load(frm_Fauna::Splash::Skip);
    w.click("Command7");
    w.enter({"Text7=" + latitude, "Text8=" + longitude});
    chooseVestland(w);
    w.control<QComboBox>("Combo14")->setCurrentIndex(1);
}

// Clicks a place caption and runs the action on the picker it opens.
bool pick(FaunaWindow &w, const char *caption, const std::function<void(QWidget *)> &action)
{
    return answerModal([&] { w.click(caption); }, action);
}

// The nature type 3|25 as its button reads.
const QString Heath = "Fastmarkssystemer (T)/Åpen grunnlendt mark (T2)";

QAbstractItemView *choices(QWidget *picker) { return child<QAbstractItemView>(picker, "List1"); }

} // namespace

class PlaceWindowsTest : public QObject {
    Q_OBJECT
private slots:
    // A county fills the municipalities: "-" first, then by name with Æ, Ø, Å after Z; "-" chosen.
    void browsingTheCountiesAndCaptions()
    {
        FaunaWindow w;
        auto *municipalities = w.control<QComboBox>("Combo14");
        chooseVestland(w);
        const QStringList vestland = entries(municipalities);
        QCOMPARE(vestland.size(), 44);
        QCOMPARE((QStringList{vestland[0], vestland[1], vestland[42], vestland[43]}),
                 (QStringList{"-", placeItem("Alver", "4631").text, placeItem("Øygarden", "4626").text,
                              placeItem("Årdal", "4643").text}));
        QCOMPARE(municipalities->currentIndex(), 0);
        w.control<QComboBox>("Combo3")->setCurrentIndex(0);
        QCOMPARE(entries(municipalities), QStringList("-"));

        // While browsing the place captions open nothing, not even with a position shown.
        w.enter({"Text7=63.4305", "Text8=10.3951"});
        QVERIFY(!pick(w, "Label19", {}) && !pick(w, "Label6", {}));
        QVERIFY(w.t.prompter().shown.isEmpty());
    }

    // "Fylke/kom." suggests the municipalities whose boxes hold the position; before it a
    // municipality of Vestland was chosen.
    void countyMunicipalityPicker_data()
    {
        QTest::addColumn<QString>("position"); // latitude and longitude
        QTest::addColumn<int>("row");          // the suggestion clicked; -1: "Avbryt"
        QTest::addColumn<QString>("municipality");
        QTest::addColumn<QString>("message"); // shown instead of the picker
        const QString before = placeItem("Hele fylket", "4600").text, none = "Finner ingen kommuner som passer";
        QTest::newRow("a name that is part of an earlier entry's")
            << "60.5833 06.25" << 0 << placeItem("Voss", "4621").text << "";
        QTest::newRow("the longer name") << "60.5833 06.25" << 1 << placeItem("Indre Voss", "4698").text << "";
        QTest::newRow("cancelled") << "60.5833 06.25" << -1 << before << "";
        QTest::newRow("no position") << " " << -1 << before << none;
        QTest::newRow("outside every box") << "70.50 06.25" << -1 << before << none;
    }
    void countyMunicipalityPicker()
    {
        QFETCH(QString, position);
        QFETCH(int, row);
        QFETCH(QString, municipality);
        QFETCH(QString, message);
        FaunaWindow w(false);
        startNearVoss(w, position.section(' ', 0, 0), position.section(' ', 1, 1));
        QStringList offered;
        bool cancelled = false;
        const bool opened = pick(w, "Label19", [&](QWidget *picker) {
            offered = entries(choices(picker));
            row < 0 ? click(picker, "Command1") : clickEntry(choices(picker), row);
            cancelled = qobject_cast<QDialog *>(picker)->result() == QDialog::Rejected;
        });
        QCOMPARE(opened, message.isEmpty());
        QCOMPARE(w.t.prompter().lastText(), message);
        if (opened) {
            QCOMPARE(offered, QStringList({"Vestland, Voss [4621]", "Vestland, Indre Voss [4698]"}));
            QCOMPARE(cancelled, row < 0);
        }
        QCOMPARE(w.shown("Combo3"), placeItem("Vestland", "NO46").text);
        QCOMPARE(w.shown("Combo14"), municipality);
    }

    void usedPlacesAreListedOnce()
    {
        FaunaWindow w;
        const QVariantMap voss = {{"Art", "01540"},      {"Lokalitet", "Vossevangen"}, {"Fylke_Kommune", "4621"},
                                  {"Naturtype", "3|25"}, {"Breddegrad", "60.63"},      {"Lengdegrad", "06.42"}};
        w.insertObservation(voss);
        w.insertObservation(voss);
        w.insertObservation({{"Art", "01540"}, {"Lokalitet", "Øvre Sæter"}, {"Fylke_Kommune", "NO46"}});
        w.insertObservation({{"Art", "01540"}, {"Lokalitet", "Åsen"}, {"Fylke_Kommune", "4699"}});
        w.insertObservation({{"Art", "01540"}});
        QVariantMap blank = voss;
        for (const QString &column : {"Lokalitet", "Fylke_Kommune", "Naturtype", "Breddegrad", "Lengdegrad"})
            blank[column] = "";
        w.insertObservation(blank);
        w.click("Command7");
        QStringList listed;
        QVERIFY(pick(w, "Label6", [&](QWidget *picker) {
            listed = entries(choices(picker));
            click(picker, "Command1");
        }));
        QCOMPARE(listed, QStringList({"\t-/-\t\t\t", "Vossevangen\tVestland/Voss\t60.63\t06.42\t3|25",
                                      "Øvre Sæter\tVestland/-\t\t\t", "Åsen\tVestland/\t\t\t"}));
    }

    // "Lokalitet" takes over a used place: a municipality and nature type chosen before must not
    // survive it, nor "Avbryt" change anything. The stored columns and the shown controls are
    // "name=text" pairs joined by ';'.
    void usedPlaceIsTakenOver_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("natureType");
        const QString voss =
            "Lokalitet=Vossevangen;Fylke_Kommune=4621;Naturtype=3|25;Breddegrad=60.63;Lengdegrad=06.42";
        // Vestland chosen, then the municipality box's text.
        const QString vestland = ";Combo3=" + placeItem("Vestland", "NO46").text + ";Combo14=";
        QTest::newRow("municipality") << voss << false
                                      << "Combo13=Vossevangen" + vestland + placeItem("Voss", "4621").text +
                                             ";Text7=60.63;Text8=06.42;Command37=" + Heath
                                      << "3|25";
        QTest::newRow("county only") << QString(
                                            "Lokalitet=Øvre Sæter;Fylke_Kommune=NO46;Breddegrad=60.1;Lengdegrad=05.5")
                                     << false << "Combo13=Øvre Sæter" + vestland + "-;Text7=60.1;Text8=05.5;Command37="
                                     << "";
        QTest::newRow("no place") << QString("Lokalitet=Et sted") << false
                                  << QString("Combo13=Et sted;Combo3=-;Combo14=-;Text7=;Text8=;Command37=") << "";
        QTest::newRow("cancelled") << voss << true
                                   << "Combo13=" + vestland + placeItem("Hele fylket", "4600").text +
                                          ";Text7=;Command37="
                                   << "1";
    }
    void usedPlaceIsTakenOver()
    {
        QFETCH(QString, stored);
        QFETCH(bool, cancel);
        QFETCH(QString, expected);
        QFETCH(QString, natureType);
        FaunaWindow w(false);
        startNearVoss(w, "", "");
        QVariantMap columns{{"Art", "01540"}};
        for (const QString &column : stored.split(';'))
            columns.insert(column.section('=', 0, 0), column.section('=', 1));
        w.insertObservation(columns);
        w.control("Command37")->setProperty("tag", "1");
        QVERIFY(pick(w, "Label6",
                     [&](QWidget *picker) { cancel ? click(picker, "Command1") : clickEntry(choices(picker), 0); }));
        QCOMPARE(w.shownAs(expected.split(';')), expected.split(';'));
        QCOMPARE(w.control("Command37")->property("tag").toString(), natureType);
    }
};

QTEST_MAIN(PlaceWindowsTest)
#include "tst_placewindows.moc"
