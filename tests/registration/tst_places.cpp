#include "FaunaWindow.h"

#include "registration/Places.h"
#include "support/ModalAnswer.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

using namespace lirvenda;
using test::FaunaWindow;
using test::ModalAnswer;
using test::entries;

namespace {

void clickEntry(QListWidget *list, int row)
{
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

void clickLabel(FaunaWindow &w, const char *name) { QTest::mouseClick(w.control<QLabel>(name), Qt::LeftButton); }

// The window in the new state, where the place captions answer clicks.
void startNew(FaunaWindow &w) { QTest::mouseClick(w.control<QPushButton>("Command7"), Qt::LeftButton); }

// Vestland reduced to Voss and a municipality whose name ends in "Voss", listed before it by
// name, plus a county-wide box that never counts. 60.5833, 06.25 lies in both small boxes.
void loadVossBoxes(FaunaWindow &w)
{
    w.t.db().executeScript("DELETE FROM Adminplasser WHERE CodePlace NOT LIKE 'NO%';"
                           "INSERT INTO Adminplasser VALUES ('4621', 'Voss', '60240550-60580700', 'NOR');"
                           "INSERT INTO Adminplasser VALUES ('4698', 'Indre Voss', '60300600-60400630', 'NOR');"
                           "INSERT INTO Adminplasser VALUES ('4600', 'Hele fylket', '59000400-62000800', 'NOR');");
    w.window.Form_Load(frm_Fauna::Splash::Skip);
}

void setPosition(FaunaWindow &w, const QString &latitude, const QString &longitude)
{
    w.control<QLineEdit>("Text7")->setText(latitude);
    w.control<QLineEdit>("Text8")->setText(longitude);
}

} // namespace

class PlacesTest : public QObject {
    Q_OBJECT
private slots:
    void countyChoiceRefillsMunicipalitiesByName()
    {
        FaunaWindow w;
        auto *counties = w.control<QComboBox>("Combo3");
        auto *municipalities = w.control<QComboBox>("Combo14");
        QCOMPARE(counties->itemText(0), QString("-"));
        QCOMPARE(entries(municipalities), QStringList("-"));

        counties->setCurrentIndex(counties->findText(PlaceItem("Vestland", "NO46")));
        const QStringList vestland = entries(municipalities);
        QCOMPARE(vestland.size(), 44);
        QCOMPARE(vestland.first(), QString("-"));
        QCOMPARE(vestland.at(1), PlaceItem("Alver", "4631"));
        QCOMPARE(vestland.last(), PlaceItem("Årdal", "4643"));
        QCOMPARE(municipalities->currentIndex(), 0);

        counties->setCurrentIndex(0);
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
        loadVossBoxes(w);
        startNew(w);
        setPosition(w, "60.5833", "06.25");

        QString caption;
        QStringList offered;
        ModalAnswer answer([&](QWidget *modal) {
            caption = modal->windowTitle();
            auto *list = modal->findChild<QListWidget *>("List1");
            offered = entries(list);
            clickEntry(list, row);
        });
        clickLabel(w, "Label19");
        QVERIFY(answer.answered() && !answer.watchdogFired());
        QCOMPARE(caption, QString("Fylker/kommuner"));
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
        QTest::newRow("letters") << "nord" << "øst";
        QTest::newRow("outside every box") << "70.50" << "06.25";
    }
    void noFittingMunicipalityIsReported()
    {
        QFETCH(QString, latitude);
        QFETCH(QString, longitude);
        FaunaWindow w(false);
        loadVossBoxes(w);
        startNew(w);
        setPosition(w, latitude, longitude);
        ModalAnswer answer;
        clickLabel(w, "Label19");
        QVERIFY(!answer.answered());
        QCOMPARE(w.t.prompter().shown.size(), 1);
        QCOMPARE(w.t.prompter().lastText(), QString("Finner ingen kommuner som passer"));
        QCOMPARE(w.t.prompter().shown.last().icon, Prompter::Icon::Information);
        QCOMPARE(w.shown("Combo3"), QString("-"));
    }

    void cancelledPickersChangeNothing()
    {
        FaunaWindow w(false);
        loadVossBoxes(w);
        w.insertObservation({{"Art", "01540"}, {"Lokalitet", "Vossevangen"}, {"Fylke_Kommune", "4621"}});
        startNew(w);
        setPosition(w, "60.5833", "06.25");
        w.control<QComboBox>("Combo3")->setCurrentIndex(w.control<QComboBox>("Combo3")->findText(PlaceItem("Vestland", "NO46")));
        w.control<QComboBox>("Combo14")->setCurrentIndex(2);
        const QString municipality = w.shown("Combo14");

        for (const char *label : {"Label19", "Label6"}) {
            ModalAnswer answer([](QWidget *modal) { modal->findChild<QPushButton *>("Command1")->click(); });
            clickLabel(w, label);
            QVERIFY2(answer.answered() && !answer.watchdogFired(), label);
            QCOMPARE(w.shown("Combo3"), PlaceItem("Vestland", "NO46"));
            QCOMPARE(w.shown("Combo14"), municipality);
            QCOMPARE(w.shown("Combo13"), QString());
        }
        QVERIFY(w.t.program().areaPickCancelled);
    }

    void captionsOpenNothingWhileBrowsing()
    {
        FaunaWindow w(false);
        loadVossBoxes(w);
        setPosition(w, "60.5833", "06.25");
        ModalAnswer answer;
        clickLabel(w, "Label19");
        clickLabel(w, "Label6");
        QVERIFY(!answer.answered());
        QVERIFY(w.t.prompter().shown.isEmpty());
    }

    void usedPlacesAreListedOnce()
    {
        FaunaWindow w;
        w.insertObservation({{"Art", "01540"}, {"Lokalitet", "Vossevangen"}, {"Fylke_Kommune", "4621"},
                             {"Naturtype", "3|25"}, {"Breddegrad", "60.63"}, {"Lengdegrad", "06.42"}});
        w.insertObservation({{"Art", "02060"}, {"Lokalitet", "Vossevangen"}, {"Fylke_Kommune", "4621"},
                             {"Naturtype", "3|25"}, {"Breddegrad", "60.63"}, {"Lengdegrad", "06.42"}});
        w.insertObservation({{"Art", "01540"}, {"Lokalitet", "Øvre Sæter"}, {"Fylke_Kommune", "NO46"}});
        w.insertObservation({{"Art", "01540"}, {"Lokalitet", "Åsen"}, {"Fylke_Kommune", "4699"}});
        w.insertObservation({{"Art", "01540"}});
        w.insertObservation({{"Art", "01540"}, {"Lokalitet", ""}, {"Fylke_Kommune", ""}, {"Naturtype", ""},
                             {"Breddegrad", ""}, {"Lengdegrad", ""}});
        startNew(w);

        QString caption;
        QStringList listed;
        ModalAnswer answer([&](QWidget *modal) {
            caption = modal->windowTitle();
            listed = entries(modal->findChild<QListWidget *>("List1"));
            modal->findChild<QPushButton *>("Command1")->click();
        });
        clickLabel(w, "Label6");
        QVERIFY(answer.answered() && !answer.watchdogFired());
        QCOMPARE(caption, QString("Lagrede lokaliteter"));
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
        startNew(w);
        // A municipality chosen before must not survive the take-over.
        auto *counties = w.control<QComboBox>("Combo3");
        counties->setCurrentIndex(counties->findText(PlaceItem("Vestland", "NO46")));
        w.control<QComboBox>("Combo14")->setCurrentIndex(1);
        w.control<QPushButton>("Command37")->setProperty("tag", "1");

        ModalAnswer answer([](QWidget *modal) { clickEntry(modal->findChild<QListWidget *>("List1"), 0); });
        clickLabel(w, "Label6");
        QVERIFY(answer.answered() && !answer.watchdogFired());
        QCOMPARE(w.shown("Combo13"), stored.value("Lokalitet").toString());
        QCOMPARE(w.shown("Combo3"), county);
        QCOMPARE(w.shown("Combo14"), municipality);
        QCOMPARE(w.shown("Text7"), stored.value("Breddegrad").toString());
        QCOMPARE(w.shown("Text8"), stored.value("Lengdegrad").toString());
        auto *natureTypeButton = w.control<QPushButton>("Command37");
        QCOMPARE(natureTypeButton->text(), natureType);
        QCOMPARE(natureTypeButton->toolTip(), natureType);
        QCOMPARE(natureTypeButton->property("tag").toString(), stored.value("Naturtype").toString());
    }

    // From the position to the stored row, through the controls only.
    void suggestedMunicipalityIsSaved()
    {
        FaunaWindow w;
        w.t.addObserver("Kari", "Nordmann", "KN", true);
        startNew(w);
        setPosition(w, "63.4305", "10.3951");
        QStringList offered;
        ModalAnswer answer([&](QWidget *modal) {
            auto *list = modal->findChild<QListWidget *>("List1");
            offered = entries(list);
            clickEntry(list, 0);
        });
        clickLabel(w, "Label19");
        QCOMPARE(offered, QStringList("Trøndelag, Trondheim [5001]"));
        QCOMPARE(w.shown("Combo3"), PlaceItem("Trøndelag", "NO50"));
        QCOMPARE(w.shown("Combo14"), PlaceItem("Trondheim", "5001"));

        w.control<QComboBox>("Combo13")->setEditText("Nidelva");
        w.control<QPushButton>("Command2")->setText("Svarttrost (Turdus merula) [11870]");
        QTest::mouseClick(w.control<QPushButton>("Command7"), Qt::LeftButton);
        QCOMPARE(w.t.prompter().lastText(), QString());
        QCOMPARE(w.t.db().scalar("SELECT Fylke_Kommune FROM Observasjoner").toString(), QString("5001"));
    }

    void localityNameById_data()
    {
        QTest::addColumn<qint64>("id");
        QTest::addColumn<QString>("name");
        QTest::newRow("named") << qint64(1) << "Per's holme";
        QTest::newRow("without a name") << qint64(2) << "&Lokalitet";
        QTest::newRow("no such locality") << qint64(3) << "&Lokalitet";
    }
    void localityNameById()
    {
        QFETCH(qint64, id);
        QFETCH(QString, name);
        test::TestProgram t;
        t.db().executeScript("INSERT INTO Lokalitet(ID, Lokalitet) VALUES (1, 'Per''s holme');"
                             "INSERT INTO Lokalitet(ID, Lokalitet) VALUES (2, NULL);");
        QCOMPARE(LocalityNameById(t.program(), id), name);
    }
};

QTEST_MAIN(PlacesTest)
#include "tst_places.moc"
