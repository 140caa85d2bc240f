#include "core/exchange/AtlasImport.h"
#include "support/TestProgram.h"

#include <QtTest>

using namespace lirvenda;

namespace {

// A store with observer 2, two named localities and a reference; atlas rows are added by the tests.
struct AtlasStore {
    test::TestProgram t;

    AtlasStore()
    {
        t.addObserver("Ola", "Nordmann", "ON");
        t.addObserver("Kari", "Hansen", "KH"); // ObserverID 2
        t.db().executeScript("INSERT INTO Lokalitet(ID, Lokalitet) VALUES (3, 'R123 Nordre del'), (4, 'R123 Søndre');"
                             "INSERT INTO Referanser(Referanse_ID, Forfattere, År) VALUES (9, 'Hansen & Berg', '1987');"
                             "INSERT INTO Species(EUNr, EUONr, SpcNor) VALUES (NULL, '9998', 'Uten nummer');");
    }
    // year, species, reference and route
    void addAtlas(const QVariantList &record)
    {
        t.db().execute("INSERT INTO Atlas(Aar, Art, Referanse, Rute) VALUES (?, ?, ?, ?)", record);
    }
    // An observation that was there before, with its link to observer 1.
    void addOld(const QVariantMap &row)
    {
        t.db().execute("INSERT INTO ObservatørKobling(RecordID, ObservasjonsId) VALUES (?, 1)",
                       {t.insertObservation(row)});
    }
    QStringList observationsAndLinks()
    {
        return t.db().columnTexts("SELECT ObsID || ':' || Art || ':' || ifnull(Lokalitet, '-') FROM Observasjoner "
                                  "ORDER BY ObsID") +
               t.db().columnTexts("SELECT RecordID || '>' || ObservasjonsId FROM ObservatørKobling ORDER BY rowid");
    }
};

// A row of the mapping table: the record's year, species, reference and route (a null QVariant
// for NULL), and "year|species|reference|locality" of the observation it gives, which starts on
// 1 July of that year.
void mappingRow(const char *name, const QVariant &year, const QVariant &species, const QVariant &reference,
                const QVariant &route, const QString &expected)
{
    QTest::newRow(name) << QVariantList{year, species, reference, route} << expected;
}

} // namespace

class AtlasImportTest : public QObject {
    Q_OBJECT
private slots:
    // One atlas record and the columns it gives.
    void mapping_data()
    {
        QTest::addColumn<QVariantList>("record");
        QTest::addColumn<QString>("expected");
        const QVariant none;
        mappingRow("everything found", 1987, "1187", "Hansen & Berg 1987", "R123", "1987|11870|9|3");
        mappingRow("short number gets leading zeros", "1990", "2", none, "R123", "1990|00020|-1|3");
        mappingRow("two-character year", "87", "1187", none, "R123", "1900|11870|-1|3");
        mappingRow("four characters, not a year", "19x7", "1187", none, "R123", "1900|11870|-1|3");
        mappingRow("species without EUNr", none, "9998", none, "R123", "1900|99999|-1|3");
        mappingRow("no such species", 2001, "9997", none, "R123", "2001||-1|3");
        mappingRow("species not a number", 2001, "ab", none, "R123", "2001||-1|3");
        mappingRow("shared number: the first species", 2001, "592", none, "R123", "2001|05920|-1|3");
        mappingRow("reference with other authors", 2001, "1187", "Berg 1987", "R123", "2001|11870|-1|3");
        mappingRow("reference shorter than five", 2001, "1187", "1987", "R123", "2001|11870|-1|3");
        mappingRow("no locality", 2001, "1187", none, "R999", "2001|11870|-1|-");
        mappingRow("no route", 2001, "1187", none, none, "2001|11870|-1|-");
    }
    void mapping()
    {
        QFETCH(QVariantList, record);
        QFETCH(QString, expected);
        AtlasStore s;
        s.addAtlas(record);
        const AtlasImportResult result = importAtlas(s.t.program());
        QCOMPARE(result.imported, 1);
        // Unmatched: the species or the locality was not found.
        QCOMPARE(result.unmatched, expected.section('|', 1, 1).isEmpty() || expected.endsWith("|-") ? 1 : 0);
        // From 1 July to the same moment, an exact count of one, not yet reported.
        const QString day = expected.section('|', 0, 0) + "-07-01 00:00:00";
        QCOMPARE(s.t.db().columnTexts("SELECT StartDato || '|' || ifnull(Art, '') || '|' || Referanse || '|' || "
                                      "ifnull(Lokalitet, '-') || '|' || StoppDato || Operator || Antall || Rapportert "
                                      "FROM Observasjoner"),
                 QStringList{day + '|' + expected.section('|', 1) + '|' + day + "=10"});
    }

    // Everything is replaced: the old rows and links go, each record gets one link to observer 2.
    void replacesTheStore()
    {
        AtlasStore s;
        s.addOld({{"Art", "14640"}, {"Lokalitet", "Bø"}});
        s.addAtlas({1987, "1187", {}, "R123"});
        s.addAtlas({1988, "1198", {}, "R999"});
        const AtlasImportPlan plan = atlasImportPlan(s.t.program());
        QCOMPARE(plan.observations, 1);
        QCOMPARE(plan.atlasRecords, 2);
        QCOMPARE(importAtlas(s.t.program()).unmatched, 1);
        QCOMPARE(s.observationsAndLinks(), QStringList({"2:11870:3", "3:11980:-", "2>2", "3>2"}));
    }

    // A route finds the places used in the observations as well, as the group registration lists
    // them; a named locality comes first. A used place found becomes a named locality, once.
    void routeFindsUsedPlaces_data()
    {
        QTest::addColumn<QString>("route");
        QTest::addColumn<QStringList>("expected"); // "ID:name" of each named locality afterwards
        QTest::addColumn<QString>("locality");     // Lokalitet of the observations
        const QStringList named{"3:R123 Nordre del", "4:R123 Søndre"};
        QTest::newRow("used place") << "Stor" << named + QStringList{"5:Storvatnet"} << "5";
        QTest::newRow("named locality first") << "R123" << named << "3";
        QTest::newRow("no such place") << "Lill" << named << "-";
    }
    void routeFindsUsedPlaces()
    {
        QFETCH(QString, route);
        QFETCH(QStringList, expected);
        QFETCH(QString, locality);
        AtlasStore s;
        for (const char *place : {"R123 Annen", "Storvatnet", "Storvatnet"})
            s.t.insertObservation({{"Art", "14640"}, {"Lokalitet", place}});
        s.addAtlas({1987, "1187", {}, route});
        s.addAtlas({1988, "1187", {}, route});
        importAtlas(s.t.program());
        QCOMPARE(s.t.db().columnTexts("SELECT ID || ':' || Lokalitet FROM Lokalitet ORDER BY ID"), expected);
        QCOMPARE(s.t.db().columnTexts("SELECT ifnull(Lokalitet, '-') FROM Observasjoner"),
                 QStringList({locality, locality}));
    }

    // A failure halfway leaves the old observations and links as they were; the backup taken
    // before opens with the key and holds them too.
    void failureKeepsTheOldStore()
    {
        AtlasStore s;
        s.addOld({{"Art", "14640"}});
        for (int i = 0; i < 5; ++i)
            s.addAtlas({1990 + i, "1187", {}, "R123"});
        const QStringList before = s.observationsAndLinks();
        const QString backup = backUpObservations(s.t.program(), QDateTime(QDate(2024, 5, 1), QTime(12, 0)));
        QVERIFY(backup.endsWith("20240501_120000.mdb"));
        QVERIFY(backUpObservations(s.t.program(), QDateTime(QDate(2024, 5, 1), QTime(12, 0))) != backup);
        s.t.db().execute("CREATE TRIGGER Fails BEFORE INSERT ON Observasjoner "
                         "WHEN (SELECT count(*) FROM Observasjoner) >= 3 BEGIN SELECT RAISE(ABORT, 'full'); END");
        QVERIFY_THROWS_EXCEPTION(DatabaseError, importAtlas(s.t.program()));
        QCOMPARE(s.observationsAndLinks(), before);
        auto copy = Database::open(backup, Program::DatabaseKey);
        QCOMPARE(copy->scalar("SELECT count(*) FROM Observasjoner").toInt(), 1);
        QCOMPARE(copy->scalar("SELECT count(*) FROM Atlas").toInt(), 5);
    }

    void refusals()
    {
        AtlasStore s;
        const auto refusal = [&s] { return atlasImportRefusal(s.t.program(), atlasImportPlan(s.t.program())); };
        QCOMPARE(refusal(), "Tabellen Atlas er tom. Ingenting er endret.");
        QVERIFY(!hasAtlasRecords(s.t.program()));
        s.addAtlas({1987, "1187", {}, "R123"});
        QVERIFY(hasAtlasRecords(s.t.program()));
        QCOMPARE(refusal(), QString());
        s.t.program().observerConnection().execute("DELETE FROM Observers WHERE ObserverID = 2");
        QVERIFY(refusal().contains("nummer 2"));
    }
};

QTEST_GUILESS_MAIN(AtlasImportTest)
#include "tst_atlasimport.moc"
