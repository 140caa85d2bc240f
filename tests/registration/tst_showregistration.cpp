#include "FaunaWindow.h"

#include "data/SharedProcedures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace lirvenda;
using test::FaunaWindow;
using test::isGreen;
using test::isNeutral;
using test::isYellow;

namespace {

QString placeItem(const QString &name, const QString &code) { return withKey(name, 40, code); }

// A nest of eider with two observers, stored with empty pieces in the observer list.
QVariantMap nestRecord(const QString &observers)
{
    return {{"Art", "02060"},          {"Operator", ">"},          {"Antall", 3},
            {"StartDato", "2024-05-06 07:30:00"}, {"StoppDato", "2024-05-06 00:00:00"},
            {"Fylke_Kommune", "4601"}, {"Breddegrad", "60.39"},    {"Lengdegrad", "05.32"},
            {"Reirplassering", "3"},   {"Tresort", "2"},           {"HOM", "4"},
            {"Eksponering", "ØV"},     {"AntallEgg", "5"},         {"AntallUnger", "-1"},
            {"AntallVoksne", "2"},     {"UngeAlder", "4"},         {"Dokumentasjon", "FL"},
            {"Observatører", observers}, {"Ring", "NOS CA12345"},  {"Naturtype", "1/2/3"}};
}

QVariantMap individualRecord(const QVariant &reference)
{
    return {{"Art", "01540"},   {"Operator", "="},       {"Antall", 2},        {"StartDato", "2024-04-01 12:05:00"},
            {"StoppDato", "2024-04-01 12:45:00"},        {"Lokalitet", "Nordåsvannet"}, {"Fylke_Kommune", "NO46"},
            {"Kjønn", "Hunn"},  {"Alder", "2K"},         {"AtlasKode", "3"},   {"Referanse", reference},
            {"Dokumentasjon", "V"}, {"Naturtype", "4/5"}, {"Kommentar", "ved land"}};
}

} // namespace

class ShowRegistrationTest : public QObject {
    Q_OBJECT
private slots:
    void nestRecordFillsNestPanel()
    {
        FaunaWindow w;
        const QString first = w.t.addObserver("Kari", "Nordmann", "KN");
        const QString second = w.t.addObserver("Per", "Hansen", "PH");
        w.control<QComboBox>("Combo13")->setEditText("fra før");
        w.control<QLineEdit>("Text4")->setText("fra før");
        QVERIFY(w.show(w.insertObservation(nestRecord(first + ",," + second + ","))));

        QCOMPARE(w.control<QComboBox>("Combo13")->currentText(), ""); // NULL locality
        QCOMPARE(w.control<QLineEdit>("Text4")->text(), "");          // NULL comment
        QCOMPARE(w.control<QPushButton>("Command2")->text(), "Ærfugl (Somateria mollissima) [02060]");
        QCOMPARE(w.control<QComboBox>("Combo1")->currentText(), ">");
        QCOMPARE(w.control<QLineEdit>("Text1")->text(), "3");
        QCOMPARE(w.control<QLineEdit>("Text2")->text(), "06.05.2024");
        QCOMPARE(w.control<QLineEdit>("Text3")->text(), "07:30");
        QCOMPARE(w.control<QLineEdit>("Text5")->text(), "06.05.2024");
        QCOMPARE(w.control<QLineEdit>("Text6")->text(), ""); // midnight: no time of day
        QCOMPARE(w.control<QLineEdit>("Text7")->text(), "60.39");
        QCOMPARE(w.control<QLineEdit>("Text8")->text(), "05.32");
        QCOMPARE(w.control<QPushButton>("Command31")->text(), "NOS CA12345");

        auto *observers = w.control<QListWidget>("List1");
        QCOMPARE(observers->count(), 2);
        QCOMPARE(observers->item(0)->text(), ObserverDisplayText(w.t.program(), first));
        QCOMPARE(observers->item(0)->checkState(), Qt::Checked);
        QCOMPARE(observers->item(1)->text(), ObserverDisplayText(w.t.program(), second));
        QCOMPARE(observers->item(1)->checkState(), Qt::Unchecked);

        QCOMPARE(w.control<QComboBox>("Combo6")->currentText(), withKey("I busk", 40, "3"));
        QCOMPARE(w.control<QComboBox>("Combo7")->currentText(), withKey("Furu", 40, "2"));
        QCOMPARE(w.control<QComboBox>("Combo8")->currentText(), "4");
        QCOMPARE(w.control<QComboBox>("Combo9")->currentText(), "5");
        QCOMPARE(w.control<QComboBox>("Combo10")->currentText(), "-1");
        QCOMPARE(w.control<QComboBox>("Combo11")->currentText(), "2");
        QCOMPARE(w.control<QComboBox>("Combo12")->currentText(), withKey("Dununger", 30, "4"));
        QVERIFY(isGreen(w.control<QPushButton>("Command34")));
        QVERIFY(isNeutral(w.control<QPushButton>("Command33")));
        QVERIFY(!w.control<QComboBox>("Combo6")->isHidden());
        QVERIFY(w.control<QGroupBox>("Frame11")->isHidden());

        QVERIFY(w.control<QCheckBox>("Check2")->isChecked());
        QVERIFY(!w.control<QCheckBox>("Check3")->isChecked());
        QVERIFY(w.control<QCheckBox>("Check4")->isChecked());
        const bool exposed[] = {false, true, false, true}; // "N", "Ø", "S", "V"
        for (int i = 0; i < 4; ++i)
            QCOMPARE(isGreen(w.control<QPushButton>(QString("Command35_%1").arg(i))), exposed[i]);

        auto *natureType = w.control<QPushButton>("Command37");
        QCOMPARE(natureType->text(), "1/2/3");
        QCOMPARE(natureType->toolTip(), "1/2/3");
        QCOMPARE(natureType->property("tag").toString(), "1/2/3");
    }

    void individualRecordAfterNestRecord()
    {
        FaunaWindow w(false);
        w.t.db().execute("INSERT INTO Referanser(Referanse_ID, Forfattere, År) VALUES (7, 'Berg, A.', '1999')");
        w.window.Form_Load(frm_Fauna::Splash::Skip);
        QVERIFY(w.show(w.insertObservation(nestRecord("x"))));
        QVERIFY(w.show(w.insertObservation(individualRecord(7))));

        QCOMPARE(w.control<QComboBox>("Combo13")->currentText(), "Nordåsvannet");
        QCOMPARE(w.control<QLineEdit>("Text4")->text(), "ved land");
        QCOMPARE(w.control<QPushButton>("Command31")->text(), "Ringmerking"); // NULL ring
        QVERIFY(isGreen(w.control<QPushButton>("Command33")));
        QVERIFY(isNeutral(w.control<QPushButton>("Command34")));
        for (const char *frame : {"Frame11", "Frame10", "Frame8"})
            QVERIFY2(!w.control<QGroupBox>(frame)->isHidden(), frame);
        for (const char *nestControl : {"Combo6", "Combo12", "Label13", "Command35_0"})
            QVERIFY2(w.control<QWidget>(nestControl)->isHidden(), nestControl);

        for (int i = 0; i < 4; ++i) {
            QCOMPARE(isGreen(w.control<QPushButton>(QString("Command19_%1").arg(i))), i == 2); // "Hunn"
            QVERIFY(isNeutral(w.control<QPushButton>(QString("Command35_%1").arg(i))));      // none stored
        }
        for (int i = 0; i < 23; ++i)
            QCOMPARE(isGreen(w.control<QPushButton>(QString("Command20_%1").arg(i))), i == 4); // "2K"
        auto *activity = w.control<QComboBox>("Combo2");
        QCOMPARE(BracketCode(activity->currentText()), "3");
        QVERIFY(isGreen(activity));
        auto *reference = w.control<QComboBox>("Combo4");
        QCOMPARE(reference->currentText(), "Berg, A. 1999   [7]");
        QVERIFY(isGreen(reference));
        QVERIFY(!w.control<QCheckBox>("Check2")->isChecked());
        QVERIFY(w.control<QCheckBox>("Check3")->isChecked());
        QCOMPARE(w.control<QPushButton>("Command37")->property("tag").toString(), "4/5");
    }

    void unmatchedCodesChooseNothing()
    {
        FaunaWindow w;
        QVERIFY(w.show(w.insertObservation(individualRecord(QVariant()))));
        QVariantMap unmatched = individualRecord("77");
        unmatched["AtlasKode"] = "99";
        unmatched["Kjønn"] = "Ukjent";
        QVERIFY(w.show(w.insertObservation(unmatched)));
        for (const char *name : {"Combo2", "Combo4"}) {
            auto *combo = w.control<QComboBox>(name);
            QCOMPARE(combo->currentIndex(), -1);
            QVERIFY2(isNeutral(combo), name);
        }
        for (int i = 0; i < 4; ++i)
            QVERIFY(isNeutral(w.control<QPushButton>(QString("Command19_%1").arg(i))));
    }

    void placeShownFromItsCode_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("county");
        QTest::addColumn<QString>("municipality");
        QTest::newRow("none") << QVariant("") << "-" << "-";
        QTest::newRow("NULL") << QVariant() << "-" << "-";
        QTest::newRow("municipality") << QVariant("4601") << placeItem("Vestland", "NO46") << placeItem("Bergen", "4601");
        QTest::newRow("county only") << QVariant("NO46") << placeItem("Vestland", "NO46") << "-";
        QTest::newRow("unknown municipality") << QVariant("9999") << placeItem("-", "NO99") << placeItem("", "9999");
    }
    void placeShownFromItsCode()
    {
        QFETCH(QVariant, stored);
        QFETCH(QString, county);
        QFETCH(QString, municipality);
        FaunaWindow w;
        QVERIFY(w.show(w.insertObservation({{"Art", "01540"}, {"Fylke_Kommune", stored}})));
        QCOMPARE(w.control<QComboBox>("Combo3")->currentText(), county);
        auto *municipalities = w.control<QComboBox>("Combo14");
        QCOMPARE(municipalities->currentText(), municipality);
        QCOMPARE(municipalities->itemText(0), "-");
    }

    void municipalityListIsTheShownCounty()
    {
        FaunaWindow w;
        QVERIFY(w.show(w.insertObservation({{"Art", "01540"}, {"Fylke_Kommune", "4621"}})));
        auto *municipalities = w.control<QComboBox>("Combo14");
        QCOMPARE(municipalities->count(), 44);
        QVERIFY(municipalities->findText(placeItem("Bergen", "4601")) > 0);
        QCOMPARE(municipalities->currentText(), placeItem("Voss", "4621"));
    }

    void editStateTurnsChoicesYellowAndBack()
    {
        FaunaWindow w;
        w.t.addObserver("Kari", "Nordmann", "KN");
        const QString observer = w.t.addObserver("Per", "Hansen", "PH");
        QVERIFY(w.show(w.insertObservation({{"Art", "01540"}, {"Kjønn", "Hann"}, {"AtlasKode", "2"},
                                            {"Observatører", observer}})));
        auto *male = w.control<QPushButton>("Command19_1");
        auto *activity = w.control<QComboBox>("Combo2");
        auto *observers = w.control<QListWidget>("List1");

        w.window.SetEditState();
        QVERIFY(isYellow(male) && male->isEnabled());
        QVERIFY(isYellow(activity) && activity->isEnabled());
        QVERIFY(isYellow(observers) && observers->isEnabled());
        QVERIFY(isYellow(w.control<QLineEdit>("Text1")));
        QVERIFY(isNeutral(w.control<QPushButton>("Command19_0")));
        QVERIFY(!w.control<QPushButton>("Command16_0")->isHidden());
        QVERIFY(isYellow(w.control<QPushButton>("Command16_0")));
        QVERIFY(w.control<QPushButton>("Command11")->isHidden());
        QVERIFY(!w.control<QPushButton>("Command18")->isHidden());
        QCOMPARE(w.control<QPushButton>("Command9")->text(), "A&vbryt");
        QVERIFY(isYellow(w.control<QPushButton>("Command9")));
        for (const char *opener : {"Command1", "Command5", "Command10", "Command14", "Command23", "Command28"})
            QVERIFY2(!w.control<QPushButton>(opener)->isEnabled(), opener);
        QVERIFY(!w.control<QListWidget>("List2")->isEnabled());
        QVERIFY(w.control<QLabel>("Label6")->isEnabled());

        w.window.SetBrowseState();
        QVERIFY(isGreen(male) && !male->isEnabled());
        QVERIFY(isGreen(activity) && !activity->isEnabled());
        QVERIFY(hasColour(observers, Colour::White) && !observers->isEnabled());
        QCOMPARE(w.control<QPushButton>("Command9")->text(), "&Stryk registrering");
        QVERIFY(isGreen(w.control<QPushButton>("Command9")));
        QVERIFY(w.control<QPushButton>("Command16_0")->isHidden());
        QVERIFY(w.control<QPushButton>("Command28")->isEnabled());
    }

    void editStateLeavesAnEmptyObserverListAsItWas()
    {
        FaunaWindow w;
        w.window.SetEditState();
        auto *observers = w.control<QListWidget>("List1");
        QVERIFY(!observers->isEnabled());
        QVERIFY(hasColour(observers, Colour::White));
    }

    void tabsSwitchBetweenNestAndIndividualPanels()
    {
        FaunaWindow w;
        w.window.SetEditState();
        w.control<QPushButton>("Command34")->click();
        QVERIFY(!w.control<QComboBox>("Combo9")->isHidden());
        QVERIFY(w.control<QGroupBox>("Frame10")->isHidden());
        QVERIFY(isGreen(w.control<QPushButton>("Command34")));
        w.control<QPushButton>("Command33")->click();
        QVERIFY(w.control<QComboBox>("Combo9")->isHidden());
        QVERIFY(!w.control<QGroupBox>("Frame10")->isHidden());
        QVERIFY(isGreen(w.control<QPushButton>("Command33")));
        QVERIFY(isNeutral(w.control<QPushButton>("Command34")));
    }
};

QTEST_MAIN(ShowRegistrationTest)
#include "tst_showregistration.moc"
