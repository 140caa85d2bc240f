#include "FaunaWindow.h"

#include "registration/Places.h"

#include <QCheckBox>
#include <QListWidget>

using namespace lirvenda;
using test::FaunaWindow;

class LookupTest : public QObject {
    Q_OBJECT
private slots:
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
        test::TestProgram t;
        QCOMPARE(CountyName(t.program(), code), county);
        QCOMPARE(MunicipalityName(t.program(), code), municipality);
    }

    void namedLocalities()
    {
        test::TestProgram t;
        t.db().execute("INSERT INTO Lokalitet(ID, Lokalitet) VALUES (7, 'Øra'), (8, NULL)");
        QCOMPARE(LocalityNameById(t.program(), 7), QString("Øra"));
        QCOMPARE(LocalityNameById(t.program(), 8), QString("&Lokalitet"));
        QCOMPARE(LocalityNameById(t.program(), 9), QString("&Lokalitet"));
    }

    void municipalitiesInNorwegianOrder()
    {
        test::TestProgram t;
        const QStringList items = MunicipalityItems(t.program(), "46");
        QCOMPARE(items.size(), 43);
        QCOMPARE(items.first(), PlaceItem("Alver", "4631"));
        QCOMPARE(items.at(items.size() - 2), PlaceItem("Øygarden", "4626"));
        QCOMPARE(items.last(), PlaceItem("Årdal", "4643"));
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
        const QString kobberand = "Kobberand (Oxyura jamaicensis) [02250]", sangsvane = "Sangsvane (Cygnus cygnus) [01540]",
                      aerfugl = "Ærfugl (Somateria mollissima) [02060]", ornvak = "Ørnvåk (Buteo rufinus) [02880]",
                      akerrikse = "Åkerrikse (Crex crex) [04210]";
        const auto texts = [](const QListWidget *list) {
            QStringList shown;
            for (int i = 0; i < list->count(); ++i)
                shown << list->item(i)->text();
            return shown;
        };
        for (bool systematic : {false, true, false}) {
            QCOMPARE(check->isChecked(), systematic);
            QCOMPARE(texts(byName), (QStringList{kobberand, sangsvane, aerfugl, ornvak, akerrikse}));
            if (systematic)
                QCOMPARE(texts(byKey), (QStringList{sangsvane, aerfugl, kobberand, ornvak, akerrikse}));
            QCOMPARE(byName->isHidden(), systematic);
            QCOMPARE(byKey->isHidden(), !systematic);
            check->click();
        }
    }
};

QTEST_MAIN(LookupTest)
#include "tst_lookups.moc"
