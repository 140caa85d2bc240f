#include "FaunaWindow.h"

#include "registration/Coordinates.h"
#include "registration/Places.h"

#include <QLabel>
#include <QPushButton>

using namespace lirvenda;
using namespace lirvenda::test;

namespace {

QStringList codesAt(Program &program, const QString &latitude, const QString &longitude)
{
    QStringList codes;
    for (const MunicipalityCandidate &candidate : municipalitiesAt(program, latitude, longitude))
        codes << candidate.code;
    return codes;
}

// Vestland reduced to Voss and a municipality whose name ends in "Voss", listed before it by
// name, plus a county-wide box that never counts. 60.5833, 06.25 lies in both small boxes.
// Then the window in the new state, at that position.
void startNearVoss(FaunaWindow &w, const QString &latitude = "60.5833", const QString &longitude = "06.25")
{
    w.t.db().executeScript("DELETE FROM Adminplasser WHERE CodePlace NOT LIKE 'NO%';"
                           "INSERT INTO Adminplasser VALUES ('4621', 'Voss', '60240550-60580700', 'NOR');"
                           "INSERT INTO Adminplasser VALUES ('4698', 'Indre Voss', '60300600-60400630', 'NOR');"
                           "INSERT INTO Adminplasser VALUES ('4600', 'Hele fylket', '59000400-62000800', 'NOR');");
    w.window.Form_Load(frm_Fauna::Splash::Skip);
    w.click("Command7");
    w.control<QLineEdit>("Text7")->setText(latitude);
    w.control<QLineEdit>("Text8")->setText(longitude);
}

void chooseVestland(FaunaWindow &w)
{
    auto *counties = w.control<QComboBox>("Combo3");
    counties->setCurrentIndex(counties->findText(PlaceItem("Vestland", "NO46")));
}

// Clicks a place caption and runs the action on the picker it opens.
bool pick(FaunaWindow &w, const char *caption, const std::function<void(QWidget *)> &action)
{
    return answerModal([&] { w.click(caption); }, action);
}

QListWidget *choices(QWidget *picker) { return child<QListWidget>(picker, "List1"); }

} // namespace

class PlacesTest : public QObject {
    Q_OBJECT
private slots:
    void coordinateKey_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::newRow("point") << "59.9127" << 5955;
        QTest::newRow("comma") << "59,9127" << 5955;
        QTest::newRow("no mark: first two digits are degrees") << "599127" << 5955;
        QTest::newRow("one-digit degrees") << "5.32" << 519;
        QTest::newRow("one decimal is tenths") << "59.9" << 5954;
        QTest::newRow("whole degrees") << "63." << 6300;
        QTest::newRow("most minutes") << "60.999" << 6059;
        QTest::newRow("letters") << "abc" << 0;
        QTest::newRow("blanks around") << " 63.4305 " << 6326;
    }
    void coordinateKey()
    {
        QFETCH(QString, typed);
        QFETCH(int, key);
        QCOMPARE(lirvenda::coordinateKey(typed), key);
    }

    void boxesOfTheShippedMunicipalities()
    {
        TestProgram t;
        Program &p = t.program();
        QCOMPARE(municipalitiesAt(p, "63.4305", "10.3951").first().pickerText(), QString("Trøndelag, Trondheim [5001]"));
        QCOMPARE(codesAt(p, "63.4305", "10.3951"), QStringList({"5001"}));
        QCOMPARE(CheckCoordinatesAgainstArea(p, "59.9127", "10.75"), QString("True"));
        QCOMPARE(CheckCoordinatesAgainstArea(p, "", ""), QString("False"));
        QCOMPARE(CheckCoordinatesAgainstArea(p, "59.9127", "abc"), QString("False"));
        QCOMPARE(CheckCoordinatesAgainstArea(p, "5.32", "60.39"), QString("False")); // typed the wrong way round
    }

    void boxEdgesOverlapsAndExcludedCodes()
    {
        TestProgram t;
        t.db().executeScript("DELETE FROM Adminplasser WHERE CodePlace NOT LIKE 'NO%';"
                             "INSERT INTO Adminplasser VALUES ('4601', 'Bergen', '60100500-60300530', 'NOR');"
                             "INSERT INTO Adminplasser VALUES ('4626', 'Øygarden', '60200450-60400520', 'NOR');"
                             "INSERT INTO Adminplasser VALUES ('4600', 'Hele fylket', '59000400-62000800', 'NOR');"
                             "INSERT INTO Adminplasser VALUES ('4699', 'Uten boks', '', 'NOR');");
        Program &p = t.program();
        QCOMPARE(codesAt(p, "60.3333", "05.1667"), QStringList({"4601", "4626"})); // 60°20', 5°10': both
        QCOMPARE(codesAt(p, "60.1667", "05.00"), QStringList({"4601"})); // south-west corner
        QCOMPARE(codesAt(p, "60.50", "05.50"), QStringList({"4601"})); // north-east corner
        QCOMPARE(codesAt(p, "60.51", "05.3333"), QStringList({"4626"}));
        QCOMPARE(codesAt(p, "59.50", "06.00"), QStringList()); // only in the county-wide "..00" box
    }

    void placeNames_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("county");
        QTest::addColumn<QString>("municipality");
        QTest::newRow("municipality") << "4601" << "Vestland" << "Bergen";
        QTest::newRow("county") << "NO46" << "Vestland" << "-";
        QTest::newRow("municipality without row") << "4699" << "Vestland" << "";
        QTest::newRow("county without row") << "NO99" << "-" << "-";
        QTest::newRow("empty") << "" << "-" << "-";
        QTest::newRow("no choice") << "-" << "-" << "-";
    }
    void placeNames()
    {
        QFETCH(QString, code);
        QFETCH(QString, county);
        QFETCH(QString, municipality);
        TestProgram t;
        QCOMPARE(CountyName(t.program(), code), county);
        QCOMPARE(MunicipalityName(t.program(), code), municipality);
    }

    void localityNameById()
    {
        TestProgram t;
        t.db().executeScript("INSERT INTO Lokalitet(ID, Lokalitet) VALUES (1, 'Per''s holme');"
                             "INSERT INTO Lokalitet(ID, Lokalitet) VALUES (2, NULL);");
        QCOMPARE(LocalityNameById(t.program(), 1), QString("Per's holme"));
        QCOMPARE(LocalityNameById(t.program(), 2), QString("&Lokalitet")); // without a name
        QCOMPARE(LocalityNameById(t.program(), 3), QString("&Lokalitet")); // no such locality
    }

    void countyChoiceRefillsMunicipalitiesByName()
    {
        FaunaWindow w;
        auto *municipalities = w.control<QComboBox>("Combo14");
        QCOMPARE(w.shown("Combo3"), QString("-"));
        QCOMPARE(entries(municipalities), QStringList("-"));
        chooseVestland(w);
        const QStringList vestland = entries(municipalities);
        QCOMPARE(vestland.size(), 44);
        QCOMPARE(vestland.first(), QString("-"));
        QCOMPARE(vestland.at(1), PlaceItem("Alver", "4631"));
        QCOMPARE(vestland.at(42), PlaceItem("Øygarden", "4626"));
        QCOMPARE(vestland.last(), PlaceItem("Årdal", "4643"));
        QCOMPARE(municipalities->currentIndex(), 0);
        w.control<QComboBox>("Combo3")->setCurrentIndex(0);
        QCOMPARE(entries(municipalities), QStringList("-"));
    }

    void suggestionPickSetsBothListsByCode_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("municipality");
        QTest::newRow("a name that is part of an earlier entry's") << 0 << PlaceItem("Voss", "4621");
        QTest::newRow("the longer name") << 1 << PlaceItem("Indre Voss", "4698");
    }
    void suggestionPickSetsBothListsByCode()
    {
        QFETCH(int, row);
        QFETCH(QString, municipality);
        FaunaWindow w(false);
        startNearVoss(w);
        QStringList offered;
        QVERIFY(pick(w, "Label19", [&](QWidget *picker) {
            offered = entries(choices(picker));
            clickEntry(choices(picker), row);
        }));
        QCOMPARE(offered, QStringList({"Vestland, Voss [4621]", "Vestland, Indre Voss [4698]"}));
        QCOMPARE(w.shown("Combo3"), PlaceItem("Vestland", "NO46"));
        QCOMPARE(w.shown("Combo14"), municipality);
        QVERIFY(!w.t.program().areaPickCancelled);
    }

    void noFittingMunicipalityIsReported_data()
    {
        QTest::addColumn<QString>("latitude");
        QTest::addColumn<QString>("longitude");
        QTest::newRow("empty") << "" << "";
        QTest::newRow("outside every box") << "70.50" << "06.25";
    }
    void noFittingMunicipalityIsReported()
    {
        QFETCH(QString, latitude);
        QFETCH(QString, longitude);
        FaunaWindow w(false);
        startNearVoss(w, latitude, longitude);
        QVERIFY(!pick(w, "Label19", {}));
        QCOMPARE(w.t.prompter().shown.size(), 1);
        QCOMPARE(w.t.prompter().lastText(), QString("Finner ingen kommuner som passer"));
        QCOMPARE(w.t.prompter().shown.last().icon, Prompter::Icon::Information);
        QCOMPARE(w.shown("Combo3"), QString("-"));
    }

    void cancelledPickersChangeNothing()
    {
        FaunaWindow w(false);
        startNearVoss(w);
        w.insertObservation({{"Art", "01540"}, {"Lokalitet", "Vossevangen"}, {"Fylke_Kommune", "4621"}});
        chooseVestland(w);
        w.control<QComboBox>("Combo14")->setCurrentIndex(2);
        const QString municipality = w.shown("Combo14");
        for (const char *caption : {"Label19", "Label6"}) {
            QVERIFY2(pick(w, caption, [](QWidget *picker) { click(picker, "Command1"); }), caption);
            QCOMPARE(w.shown("Combo3"), PlaceItem("Vestland", "NO46"));
            QCOMPARE(w.shown("Combo14"), municipality);
            QCOMPARE(w.shown("Combo13"), QString());
        }
        QVERIFY(w.t.program().areaPickCancelled);
    }

    void captionsOpenNothingWhileBrowsing()
    {
        FaunaWindow w;
        w.control<QLineEdit>("Text7")->setText("63.4305");
        w.control<QLineEdit>("Text8")->setText("10.3951");
        QVERIFY(!pick(w, "Label19", {}));
        QVERIFY(!pick(w, "Label6", {}));
        QVERIFY(w.t.prompter().shown.isEmpty());
    }

    void usedPlacesAreListedOnce()
    {
        FaunaWindow w;
        const QVariantMap voss = {{"Art", "01540"}, {"Lokalitet", "Vossevangen"}, {"Fylke_Kommune", "4621"},
                                  {"Naturtype", "3|25"}, {"Breddegrad", "60.63"}, {"Lengdegrad", "06.42"}};
        w.insertObservation(voss);
        w.insertObservation(voss);
        w.insertObservation({{"Art", "01540"}, {"Lokalitet", "Øvre Sæter"}, {"Fylke_Kommune", "NO46"}});
        w.insertObservation({{"Art", "01540"}, {"Lokalitet", "Åsen"}, {"Fylke_Kommune", "4699"}});
        w.insertObservation({{"Art", "01540"}});
        w.insertObservation({{"Art", "01540"}, {"Lokalitet", ""}, {"Fylke_Kommune", ""}, {"Naturtype", ""},
                             {"Breddegrad", ""}, {"Lengdegrad", ""}});
        w.click("Command7");
        QStringList listed;
        QVERIFY(pick(w, "Label6", [&](QWidget *picker) {
            listed = entries(choices(picker));
            click(picker, "Command1");
        }));
        QCOMPARE(listed, QStringList({"\t-/-\t\t\t", "Vossevangen\tVestland/Voss\t60.63\t06.42\t3|25",
                                      "Øvre Sæter\tVestland/-\t\t\t", "Åsen\tVestland/\t\t\t"}));
    }

    void usedPlaceIsTakenOver_data()
    {
        QTest::addColumn<QVariantMap>("stored");
        QTest::addColumn<QString>("county");
        QTest::addColumn<QString>("municipality");
        QTest::addColumn<QString>("natureType");
        const QVariantMap voss = {{"Lokalitet", "Vossevangen"}, {"Fylke_Kommune", "4621"}, {"Naturtype", "3|25"},
                                  {"Breddegrad", "60.63"}, {"Lengdegrad", "06.42"}};
        const QVariantMap countyOnly = {{"Lokalitet", "Øvre Sæter"}, {"Fylke_Kommune", "NO46"},
                                        {"Breddegrad", "60.1"}, {"Lengdegrad", "05.5"}};
        QTest::newRow("municipality") << voss << PlaceItem("Vestland", "NO46") << PlaceItem("Voss", "4621")
                                      << "Fastmarkssystemer (T)/Åpen grunnlendt mark (T2)";
        QTest::newRow("county only") << countyOnly << PlaceItem("Vestland", "NO46") << "-" << "";
        QTest::newRow("no place") << QVariantMap{{"Lokalitet", "Et sted"}} << "-" << "-" << "";
    }
    void usedPlaceIsTakenOver()
    {
        QFETCH(QVariantMap, stored);
        QFETCH(QString, county);
        QFETCH(QString, municipality);
        QFETCH(QString, natureType);
        FaunaWindow w(false);
        w.t.db().execute("INSERT INTO Adminplasser VALUES ('4698', 'Indre Voss', '60300600-60400630', 'NOR')");
        w.window.Form_Load(frm_Fauna::Splash::Skip);
        stored.insert("Art", "01540");
        w.insertObservation(stored);
        w.click("Command7");
        // A municipality and nature type chosen before must not survive the take-over.
        chooseVestland(w);
        w.control<QComboBox>("Combo14")->setCurrentIndex(1);
        w.control<QPushButton>("Command37")->setProperty("tag", "1");

        QVERIFY(pick(w, "Label6", [](QWidget *picker) { clickEntry(choices(picker), 0); }));
        QCOMPARE(w.shown("Combo13"), stored.value("Lokalitet").toString());
        QCOMPARE(w.shown("Combo3"), county);
        QCOMPARE(w.shown("Combo14"), municipality);
        QCOMPARE(w.shown("Text7"), stored.value("Breddegrad").toString());
        QCOMPARE(w.shown("Text8"), stored.value("Lengdegrad").toString());
        auto *natureTypeButton = w.control<QPushButton>("Command37");
        QCOMPARE(natureTypeButton->text(), natureType);
        QCOMPARE(natureTypeButton->property("tag").toString(), stored.value("Naturtype").toString());
    }

    // From the position to the stored row, through the controls only.
    void suggestedMunicipalityIsSaved()
    {
        FaunaWindow w;
        w.t.addObserver("Kari", "Nordmann", "KN", true);
        w.click("Command7");
        w.control<QLineEdit>("Text7")->setText("63.4305");
        w.control<QLineEdit>("Text8")->setText("10.3951");
        QVERIFY(pick(w, "Label19", [](QWidget *picker) { clickEntry(choices(picker), 0); }));
        QCOMPARE(w.shown("Combo14"), PlaceItem("Trondheim", "5001"));
        w.control<QComboBox>("Combo13")->setEditText("Nidelva");
        w.control<QPushButton>("Command2")->setText("Svarttrost (Turdus merula) [11870]");
        w.click("Command7");
        QCOMPARE(w.t.prompter().lastText(), QString());
        QCOMPARE(w.t.db().scalar("SELECT Fylke_Kommune FROM Observasjoner").toString(), QString("5001"));
    }
};

QTEST_MAIN(PlacesTest)
#include "tst_places.moc"
