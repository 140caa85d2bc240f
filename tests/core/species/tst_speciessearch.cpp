#include "core/registration/RecentObservations.h"
#include "core/species/Species.h"
#include "core/species/SpeciesSearch.h"
#include "support/TestProgram.h"

#include <QtTest>

#include <algorithm>
#include <tuple>

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
        QTest::newRow("Norwegian letters, any case") << QString("Aves") << QString("GRÅ") << QString("11980");
        QTest::newRow("genus only") << QString("Aves") << QString("haliaeetus") << QString("02430");   // havørn
        QTest::newRow("species epithet") << QString("Aves") << QString("pilaris") << QString("11980"); // gråtrost
        QTest::newRow("six-letter code") << QString("Aves") << QString("PARMAJ") << QString("14640");
        QTest::newRow("other class") << QString("Pattedyr") << QString("vulpes") << QString();
    }
    void matches()
    {
        QFETCH(QString, taxonClass);
        QFETCH(QString, text);
        QFETCH(QString, expectedKey);
        TestProgram t;
        const QStringList keys = keysOf(speciesSearchEntries(t.program(), taxonClass, text));
        QVERIFY2(expectedKey.isEmpty() ? !keys.isEmpty() : keys.contains(expectedKey), qPrintable(keys.join(',')));
        for (const QString &key : keys)
            QCOMPARE(t.db().scalar("SELECT Klasse FROM Animalia WHERE PK_LatinskNavnID = ?", {key}).toString(),
                     taxonClass);
    }

    void entriesShowTheNameFirstAndLeaveOutNamelessTaxa()
    {
        TestProgram t;
        t.db().execute("INSERT INTO Animalia VALUES ('99001', '', 'Turdus', 'incognitus', 'Aves')");
        const QList<KeyedEntry> entries = speciesSearchEntries(t.program(), "Aves", "turdus");
        const auto svarttrost =
            std::find_if(entries.begin(), entries.end(), [](const KeyedEntry &entry) { return entry.key == "11870"; });
        QVERIFY(svarttrost != entries.end());
        QCOMPARE(svarttrost->text, QString("Svarttrost (Turdus merula)  [11870]"));
        QVERIFY(!keysOf(entries).contains("99001"));
        QVERIFY(speciesSearchEntries(t.program(), "Aves", "o'brien").isEmpty());
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

    // Names and codes of one species; nothing for a key without a taxon, however it is written.
    void speciesLookUps()
    {
        TestProgram t;
        Program &p = t.program();
        QCOMPARE(speciesDisplayName(p, "11870", false), QString("Svarttrost"));
        QCOMPARE(speciesDisplayName(p, "11870", true), QString("Svarttrost (Turdus merula)"));
        QCOMPARE(speciesDisplayName(p, "99999", true), QString());
        QCOMPARE(latinShortCode(p, "x' OR '1'='1"), QString());
    }
};

QTEST_GUILESS_MAIN(SpeciesSearchTest)
#include "tst_speciessearch.moc"
