#include "core/registration/DateSteps.h"
#include "core/registration/ObservationColumns.h"
#include "support/ColumnMaps.h"

#include <QtTest>

using namespace lirvenda;
using namespace lirvenda::test;

namespace {

RegistrationValues individual()
{
    return {.startDate = "05.06.2024",
            .startTime = "07:05",
            .stopDate = "05.06.2024",
            .stopTime = "00:00",
            .locality = "Per's holme",
            .countyCode = "NO50",
            .municipalityCode = "5001",
            .speciesCaption = "Svarttrost (Turdus merula) [11870]",
            .count = "2,5",
            .ringCaption = "Ringmerking",
            .nestSiteKey = "2",
            .sex = "Hann",
            .age = "2K",
            .activityKey = "2",
            .documentation = "FL"};
}

} // namespace

class EntryTest : public QObject {
    Q_OBJECT
private slots:
    void individualColumns()
    {
        const QVariantMap c = observationColumns(individual(), QDate(2024, 6, 6));
        const QStringList expected = {"ObsLastUpdated=2024-06-06 00:00:00",
                                      "StartDato=2024-06-05 07:05:00",
                                      "StoppDato=2024-06-05 00:00:00",
                                      "Fylke_Kommune=5001",
                                      "Art=11870",
                                      "Antall=3", // 2,5 rounded to whole individuals
                                      "Ring=",
                                      "Rapportert=0",
                                      "Kjønn=Hann",
                                      "Alder=2K",
                                      "AtlasKode=2",
                                      "Dokumentasjon=FL",
                                      "Referanse=",
                                      "Lokalitet=Per's holme",
                                      "Reirplassering=-",
                                      "ObsUniqueID=-"}; // the nest columns stay as they were
        QCOMPARE(asExpected(c, expected), expected);
    }

    void nestColumnsWithOnlyACounty()
    {
        RegistrationValues v = individual();
        v.nestMode = true;
        v.municipalityCode = "";
        v.exposure = "ØV";
        v.treeKey = "10";
        v.eggs = "4";
        v.youngAgeKey = "1";
        v.ringCaption = "NOS 8A12345 Ringmerking";
        v.referenceKey = "7";
        const QStringList expected = {
            "Fylke_Kommune=NO50", "Reirplassering=2", "Tresort=10", "Eksponering=ØV", "AntallEgg=4", "UngeAlder=1",
            "Ring=NOS 8A12345 ",  "Referanse=7",      "Kjønn=-",    "Alder=-",        "AtlasKode=-"};
        QCOMPARE(asExpected(observationColumns(v), expected), expected);
    }

    void dateSteps_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("days");
        QTest::addColumn<QString>("result");
        QTest::addColumn<bool>("refused");
        QTest::newRow("back") << "01.03.2024" << -1 << "29.02.2024" << false;
        QTest::newRow("on to today") << "09.06.2024" << 1 << "10.06.2024" << false;
        QTest::newRow("never past today") << "10.06.2024" << 1 << "10.06.2024" << true;
        QTest::newRow("no date: today") << "i går" << -1 << "10.06.2024" << false;
    }
    void dateSteps()
    {
        QFETCH(QString, box);
        QFETCH(int, days);
        QFETCH(QString, result);
        QFETCH(bool, refused);
        const SteppedDate stepped = stepDate(box, days, QDate(2024, 6, 10));
        QCOMPARE(stepped.text, result);
        QCOMPARE(stepped.refused, refused);
    }
};

QTEST_APPLESS_MAIN(EntryTest)
#include "tst_entry.moc"
