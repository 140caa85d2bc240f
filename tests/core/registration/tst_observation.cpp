#include "core/registration/ObservationColumns.h"
#include "core/shared/DateTexts.h"
#include "core/shared/DisplayTexts.h"
#include "core/store/ObservationRecordSet.h"
#include "core/store/Program.h"
#include "support/ColumnMaps.h"
#include "support/TestProgram.h"

#include <QtTest>

using namespace lirvenda;
using namespace lirvenda::test;

namespace {

// An individual registration as the main window reads it off its boxes.
Observation individual()
{
    Observation o;
    o.start = storedDateTime("05.06.2024", "07:05");
    o.stop = storedDateTime("05.06.2024", "00:00");
    o.locality = "Per's holme";
    o.placeCode = placeCodeOf("NO50", "5001");
    o.speciesKey = bracketCode("Svarttrost (Turdus merula) [11870]");
    o.count = countOfBox("2,5");
    o.ring = ringOfCaption("Ringmerking");
    o.nestSiteKey = "2";
    o.sex = "Hann";
    o.age = "2K";
    o.activityKey = "2";
    o.photo = o.sound = true;
    return o;
}

const QStringList NestColumns = {"Reirplassering", "Tresort",   "HOM",         "Eksponering",
                                 "AntallVoksne",   "AntallEgg", "AntallUnger", "UngeAlder"};
const QStringList IndividualColumns = {"Kjønn", "Alder", "AtlasKode"};

// Every column of a stored row but ObsID and SistEndret, as the program writes them.
QVariantMap storedRow(bool nest)
{
    QVariantMap row{{"ObsUniqueID", "20240605070500-3"},
                    {"ObsLastUpdated", "2024-06-06 00:00:00"},
                    {"StartDato", "2024-06-05 07:05:00"},
                    {"StoppDato", "2024-06-05 09:30:00"},
                    {"Art", "11870"},
                    {"Operator", "ca"},
                    {"Antall", 12},
                    {"Lokalitet", "Per's holme"},
                    {"Fylke_Kommune", "5001"},
                    {"Naturtype", "1/4/2"},
                    {"Breddegrad", "63.4305"},
                    {"Lengdegrad", "10.3951"},
                    {"Kommentar", "Sang, [11] i kratt"},
                    {"Ring", "NOS 8A12345 "},
                    {"Rapportert", 1},
                    {"Dokumentasjon", "FVL"},
                    {"Observatører", "20240101120000-1,20240101120000-2"},
                    {"Referanse", "7"}};
    for (const QString &column : nest ? NestColumns : IndividualColumns)
        row.insert(column, column == "Eksponering" ? "ØV" : column == "Tresort" ? "10" : "2K");
    return row;
}

// "column=value" lines of the columns, in column order, for a readable comparison.
QStringList lines(const QVariantMap &columns)
{
    QStringList out;
    for (auto c = columns.cbegin(); c != columns.cend(); ++c)
        out << c.key() + '=' + (c.value().isNull() ? "NULL" : c.value().toString());
    return out;
}

} // namespace

class ObservationTest : public QObject {
    Q_OBJECT
private slots:
    // The columns a save writes; those of the other kind of registration stay as they were.
    void savedColumnsOfEachKind()
    {
        // The count 2,5 is rounded to whole individuals.
        QStringList expected =
            QString("ObsLastUpdated=2024-06-06 00:00:00;StartDato=2024-06-05 07:05:00;StoppDato=2024-06-05 00:00:00;"
                    "Fylke_Kommune=5001;Art=11870;Antall=3;Ring=;Rapportert=0;Kjønn=Hann;Alder=2K;AtlasKode=2;"
                    "Dokumentasjon=FL;Referanse=;Lokalitet=Per's holme;Reirplassering=-;ObsUniqueID=-")
                .split(';');
        QCOMPARE(asExpected(savedObservationColumns(individual(), QDate(2024, 6, 6)), expected), expected);

        // A nest with only a county.
        Observation o = individual();
        o.isNest = true;
        o.placeCode = placeCodeOf("NO50", "");
        o.exposure = "ØV";
        o.treeKey = "10";
        o.eggs = "4";
        o.youngAgeKey = "1";
        o.ring = ringOfCaption("NOS 8A12345 Ringmerking");
        o.referenceKey = "7";
        expected = {"Fylke_Kommune=NO50", "Reirplassering=2",  "Tresort=10",  "Eksponering=ØV", "AntallEgg=4",
                    "UngeAlder=1",        "Ring=NOS 8A12345 ", "Referanse=7", "Kjønn=-",        "Alder=-",
                    "AtlasKode=-"};
        QCOMPARE(asExpected(savedObservationColumns(o), expected), expected);
    }

    // A stored row read as an observation gives back its own columns, so a save of an unchanged
    // observation changes nothing; the other kind's columns are left out.
    void storedRowRoundTrip_data()
    {
        QTest::addColumn<QVariantMap>("row");
        QTest::newRow("individual") << storedRow(false);
        QTest::newRow("nest") << storedRow(true);
        QVariantMap uncounted = storedRow(false);
        uncounted.insert("Antall", QVariant());
        uncounted.insert("Rapportert", 0);
        uncounted.insert("Dokumentasjon", "V");
        uncounted.insert("Observatører", "20240101120000-1");
        QTest::newRow("no count, not reported") << uncounted;
    }
    void storedRowRoundTrip()
    {
        QFETCH(QVariantMap, row);
        TestProgram t;
        const qint64 obsId = t.insertObservation(row);
        ObservationRecordSet &observations = t.program().observations();
        QVERIFY(observations.findObsId(obsId));
        const Observation read = observationFromRecord(observations.current());
        QCOMPARE(read.obsId, obsId);
        QCOMPARE(read.isNest, row.contains("Reirplassering"));
        QCOMPARE(lines(observationColumns(read)), lines(row));
    }
};

QTEST_GUILESS_MAIN(ObservationTest)
#include "tst_observation.moc"
