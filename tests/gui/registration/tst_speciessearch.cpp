#include "support/FaunaWindow.h"

#include "core/registration/RecentObservations.h"
#include "core/registration/SpeciesSearch.h"
#include "core/shared/SharedProcedures.h"
#include "gui/registration/frm_Art1.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>

using namespace lirvenda;
using namespace lirvenda::test;

namespace {

QStringList keysOf(const QList<KeyedEntry> &entries)
{
    QStringList keys;
    for (const KeyedEntry &entry : entries)
        keys << entry.key;
    return keys;
}

} // namespace

class SpeciesSearchTest : public QObject {
    Q_OBJECT
private slots:
    void matches_data()
    {
        QTest::addColumn<QString>("taxonClass");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expectedKey");
        QTest::newRow("Norwegian letters, any case") << "Aves"
                                                     << "GRÅ"
                                                     << "11980"; // gråtrost
        QTest::newRow("genus only") << "Aves"
                                    << "haliaeetus"
                                    << "02430"; // havørn
        QTest::newRow("species epithet") << "Aves"
                                         << "pilaris"
                                         << "11980";
        QTest::newRow("six-letter code") << "Aves"
                                         << "PARMAJ"
                                         << "14640";
        QTest::newRow("other class") << "Pattedyr"
                                     << "vulpes"
                                     << "";
    }
    void matches()
    {
        QFETCH(QString, taxonClass);
        QFETCH(QString, text);
        QFETCH(QString, expectedKey);
        TestProgram t;
        const QStringList keys = keysOf(SpeciesSearchEntries(t.program(), taxonClass, text));
        QVERIFY2(expectedKey.isEmpty() ? !keys.isEmpty() : keys.contains(expectedKey), qPrintable(keys.join(',')));
        for (const QString &key : keys)
            QCOMPARE(t.db().scalar("SELECT Klasse FROM Animalia WHERE PK_LatinskNavnID = ?", {key}).toString(),
                     taxonClass);
    }

    void entriesShowTheNameFirstAndLeaveOutNamelessTaxa()
    {
        TestProgram t;
        t.db().execute("INSERT INTO Animalia VALUES ('99001', '', 'Turdus', 'incognitus', 'Aves')");
        const QList<KeyedEntry> entries = SpeciesSearchEntries(t.program(), "Aves", "turdus");
        const auto svarttrost =
            std::find_if(entries.begin(), entries.end(), [](const KeyedEntry &entry) { return entry.key == "11870"; });
        QVERIFY(svarttrost != entries.end());
        QCOMPARE(svarttrost->text, QString("Svarttrost (Turdus merula)  [11870]"));
        QVERIFY(!keysOf(entries).contains("99001"));
        QVERIFY(SpeciesSearchEntries(t.program(), "Aves", "o'brien").isEmpty());
    }

    void windowSearchesFromTheThirdCharacter()
    {
        TestProgram t;
        frm_Art1 search(t.program(), "Aves");
        auto *text = child<QLineEdit>(&search, "Text1");
        auto *list = child<QListWidget>(&search, "List1");
        text->setText("gr");
        QCOMPARE(list->count(), 0);
        text->setText("grå");
        const int found = list->count();
        QVERIFY(found > 0);
        text->setText("gråxyz"); // nothing found: the list keeps what it had
        QCOMPARE(list->count(), found);
    }

    void speciesButtonSearchesTheGreenGroup()
    {
        FaunaWindow w;
        auto *species = w.control<QPushButton>("Command2");
        w.window.Command32_Click(1); // "Pattedyr"
        QCOMPARE(w.window.SelectedSpeciesGroup(), QString("Pattedyr"));
        w.window.Command32_Click(0);
        QCOMPARE(w.window.SelectedSpeciesGroup(), QString("Aves"));
        QVERIFY(w.control("Command32_3")->isEnabled()); // the shipped taxa have butterflies
        FaunaWindow noInsects(false);
        noInsects.t.db().execute("DELETE FROM Animalia WHERE Klasse = 'Insekter'");
        noInsects.window.Form_Load(frm_Fauna::Splash::Skip);
        QVERIFY(!noInsects.control("Command32_3")->isEnabled());

        species->setText("Gråtrost (Turdus pilaris) [11980]");
        for (bool byButton : {true, false}) { // "Avbryt", or the window frame
            QVERIFY(answerModal([&] { w.window.Command2_Click(); },
                                [&](QWidget *window) {
                                    child<QLineEdit>(window, "Text1")->setText("svartt");
                                    if (byButton)
                                        click(window, "Command1");
                                    else
                                        window->close();
                                }));
            QCOMPARE(species->text(), QString("Gråtrost (Turdus pilaris) [11980]"));
        }
        QVERIFY(answerModal([&] { w.window.Command2_Click(); },
                            [](QWidget *window) {
                                child<QLineEdit>(window, "Text1")->setText("kjøttmeis");
                                QTest::keyClick(child<QLineEdit>(window, "Text1"),
                                                Qt::Key_Return); // Enter picks the first entry
                            }));
        QCOMPARE(species->text(), QString("Kjøttmeis (Parus major) [14640]"));
        QCOMPARE(w.control<QGroupBox>("Frame9")->title(), QString("Siste observasjoner av PARMAJ"));
    }

    void recentObservationsAreDailySumsOfTheLastThirtyDays()
    {
        TestProgram t;
        for (const auto &[species, start, count] : {std::tuple{"11870", "2024-12-05 08:00:00", QVariant(2)},
                                                    {"11870", "2024-12-05 17:30:00", 3},
                                                    {"11870", "2024-11-05 00:00:00", 1}, // 30 days before: included
                                                    {"11870", "2024-11-04 23:59:00", 9}, // 31 days before: left out
                                                    {"11870", "2024-12-24 00:00:00", 4}, // after today: included
                                                    {"11870", "2024-12-01 00:00:00", QVariant()},
                                                    {"11980", "2024-12-05 08:00:00", 7}})
            t.db().execute("INSERT INTO Observasjoner(Art, StartDato, Antall) VALUES (?, ?, ?)",
                           {species, start, count});
        const RecentObservations recent = recentObservations(t.program(), "11870", QDate(2024, 12, 5));
        QCOMPARE(recent.caption, QString("Siste observasjoner av TURMER"));
        QCOMPARE(recent.lines,
                 QStringList({"24. desember: 4 ", "05. desember: 5 ", "01. desember:  ", "05. november: 1 "}));
        const RecentObservations none = recentObservations(t.program(), "14640", QDate(2024, 12, 5));
        QCOMPARE(none.caption, QString("Siste observasjoner av PARMAJ"));
        QVERIFY(none.lines.isEmpty());
    }

    // Inserted out of every order; Norwegian puts Æ, Ø, Å after Z, code points put Å first.
    void registeredSpeciesByNameOrByKey()
    {
        FaunaWindow w;
        for (const char *key : {"02880", "04210", "02250", "01540", "02060", "04210"})
            w.insertObservation({{"Art", key}});
        w.window.RefreshSpeciesLists();
        auto *byName = w.control<QListWidget>("List3");
        auto *byKey = w.control<QListWidget>("List6");
        auto *check = w.control<QCheckBox>("Check1");
        const QString kobberand = "Kobberand (Oxyura jamaicensis) [02250]",
                      sangsvane = "Sangsvane (Cygnus cygnus) [01540]",
                      aerfugl = "Ærfugl (Somateria mollissima) [02060]", ornvak = "Ørnvåk (Buteo rufinus) [02880]",
                      akerrikse = "Åkerrikse (Crex crex) [04210]";
        for (bool systematic : {false, true, false}) {
            QCOMPARE(check->isChecked(), systematic);
            QCOMPARE(entries(byName), (QStringList{kobberand, sangsvane, aerfugl, ornvak, akerrikse}));
            if (systematic)
                QCOMPARE(entries(byKey), (QStringList{sangsvane, aerfugl, kobberand, ornvak, akerrikse}));
            QCOMPARE(byName->isHidden(), systematic);
            QCOMPARE(byKey->isHidden(), !systematic);
            check->click();
        }
    }
};

QTEST_MAIN(SpeciesSearchTest)
#include "tst_speciessearch.moc"
