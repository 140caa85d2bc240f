#include "core/registration/Places.h"
#include "core/registration/Species.h"
#include "support/TestProgram.h"

#include <QtTest>

using namespace lirvenda;

namespace {

// "NULL" stands for a missing value.
void insertRows(test::TestProgram &t, const QString &column, const QStringList &values)
{
    for (const QString &value : values)
        t.insertObservation({{column, value == "NULL" ? QVariant() : QVariant(value)}});
}

QStringList column(Database &db, const QString &sql)
{
    Statement rows = db.query(sql);
    QStringList values;
    while (rows.next())
        values << rows.value(0).toString();
    return values;
}

} // namespace

// The lists the main window fills at start-up and after every save, each value once, found by
// jumping from one index key to the next; they must equal what a plain grouping of the table gives.
class UsedValuesTest : public QObject {
    Q_OBJECT
private slots:
    void usedLocalities_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("no observations") << QStringList() << QStringList();
        QTest::newRow("only empty and missing") << QStringList{"", "NULL", ""} << QStringList();
        QTest::newRow("empty and missing left out")
            << QStringList{"NULL", "Bø", "", "Aker"} << QStringList{"Aker", "Bø"};
        QTest::newRow("each once, Æ Ø Å after Z")
            << QStringList{"Åsen", "Øra", "Aker", "Ærøy", "Zeta", "Øra", "Åsen", "Øra"}
            << QStringList{"Aker", "Zeta", "Ærøy", "Øra", "Åsen"};
        QTest::newRow("apostrophe, case and a blank") << QStringList{"Per's holme", "per's holme", " ", "Per's holme"}
                                                      << QStringList{" ", "per's holme", "Per's holme"};
    }
    void usedLocalities()
    {
        QFETCH(QStringList, stored);
        QFETCH(QStringList, expected);
        test::TestProgram t;
        insertRows(t, "Lokalitet", stored);
        const QStringList used = UsedLocalities(t.program());
        QCOMPARE(used, expected);
        QCOMPARE(used, column(t.db(), "SELECT Lokalitet FROM Observasjoner WHERE Lokalitet <> '' "
                                      "GROUP BY Lokalitet ORDER BY Lokalitet COLLATE NORSK"));
    }

    void registeredSpecies_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QStringList>("expectedKeys"); // in key order
        QTest::newRow("no observations") << QStringList() << QStringList();
        QTest::newRow("each once, first and last key kept")
            << QStringList{"11870", "01540", "11870", "04210", "01540", "11870"}
            << QStringList{"01540", "04210", "11870"};
        QTest::newRow("a row without species, a key without taxon")
            << QStringList{"11870", "NULL", "99999"} << QStringList{"", "11870", "99999"};
    }
    void registeredSpecies()
    {
        QFETCH(QStringList, stored);
        QFETCH(QStringList, expectedKeys);
        test::TestProgram t;
        insertRows(t, "Art", stored);
        QStringList expected;
        for (const QString &key : expectedKeys)
            expected << SpeciesDisplayText(t.program(), key);
        QCOMPARE(RegisteredSpeciesTexts(t.program(), true), expected);
        QCOMPARE(RegisteredSpeciesTexts(t.program(), false), expected);
        QCOMPARE(expectedKeys, column(t.db(), "SELECT DISTINCT Art FROM Observasjoner ORDER BY Art"));
    }
};

QTEST_GUILESS_MAIN(UsedValuesTest)
#include "tst_usedvalues.moc"
