#include "core/registration/Places.h"
#include "core/species/Species.h"
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

QStringList registeredSpeciesTexts(Program &program, bool inKeyOrder)
{
    QStringList texts;
    for (const KeyedEntry &entry : registeredSpeciesEntries(program, inKeyOrder))
        texts << entry.text;
    return texts;
}

QStringList speciesTexts(Program &program, const QStringList &keys)
{
    QStringList texts;
    for (const QString &key : keys)
        texts << speciesDisplayText(program, key);
    return texts;
}

} // namespace

// The lists the main window fills at start-up and after every save, each value once. The store
// keeps them beside the observations; whatever is done to the rows, they must equal what a plain
// grouping of the table gives.
class UsedValuesTest : public QObject {
    Q_OBJECT
private slots:
    void usedValueLists_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QStringList>("expected"); // species by key, in key order
        QTest::newRow("no localities") << "Lokalitet" << QStringList() << QStringList();
        QTest::newRow("only empty and missing localities")
            << "Lokalitet" << QStringList{"", "NULL", ""} << QStringList();
        QTest::newRow("empty and missing left out")
            << "Lokalitet" << QStringList{"NULL", "Bø", "", "Aker"} << QStringList{"Aker", "Bø"};
        QTest::newRow("each once, Æ Ø Å after Z")
            << "Lokalitet" << QStringList{"Åsen", "Øra", "Aker", "Ærøy", "Zeta", "Øra", "Åsen", "Øra"}
            << QStringList{"Aker", "Zeta", "Ærøy", "Øra", "Åsen"};
        QTest::newRow("apostrophe, case and a blank")
            << "Lokalitet" << QStringList{"Per's holme", "per's holme", " ", "Per's holme"}
            << QStringList{" ", "per's holme", "Per's holme"};
        QTest::newRow("no species") << "Art" << QStringList() << QStringList();
        QTest::newRow("each species once, first and last key kept")
            << "Art" << QStringList{"11870", "01540", "11870", "04210", "01540", "11870"}
            << QStringList{"01540", "04210", "11870"};
        QTest::newRow("a row without species, a key without taxon")
            << "Art" << QStringList{"11870", "NULL", "99999"} << QStringList{"", "11870", "99999"};
    }
    void usedValueLists()
    {
        QFETCH(QString, column);
        QFETCH(QStringList, stored);
        QFETCH(QStringList, expected);
        test::TestProgram t;
        insertRows(t, column, stored);
        if (column == "Lokalitet") {
            QCOMPARE(usedLocalities(t.program()), expected);
            return;
        }
        QCOMPARE(registeredSpeciesTexts(t.program(), true), speciesTexts(t.program(), expected));
        QCOMPARE(registeredSpeciesTexts(t.program(), false), speciesTexts(t.program(), expected));
    }

    // Rows changed after they were stored: a value leaves a list with the last row that has it.
    void listsFollowTheRows_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("the only row of a species and a locality deleted")
            << "DELETE FROM Observasjoner WHERE ObsID = 4";
        QTest::newRow("one of two rows of a locality deleted") << "DELETE FROM Observasjoner WHERE ObsID = 3";
        QTest::newRow("every row deleted") << "DELETE FROM Observasjoner";
        QTest::newRow("a locality renamed") << "UPDATE Observasjoner SET Lokalitet = 'Aker' WHERE Lokalitet = 'Øra'";
        QTest::newRow("one row moved to another species") << "UPDATE Observasjoner SET Art = '01540' WHERE ObsID = 2";
        QTest::newRow("localities emptied") << "UPDATE Observasjoner SET Lokalitet = NULL WHERE ObsID <= 2";
        QTest::newRow("columns written unchanged") << "UPDATE Observasjoner SET Art = Art, Lokalitet = Lokalitet";
        QTest::newRow("a row put in another's place")
            << "INSERT OR REPLACE INTO Observasjoner(ObsID, Art, Lokalitet) VALUES (4, '01520', 'Bø')";
    }
    void listsFollowTheRows()
    {
        QFETCH(QString, change);
        test::TestProgram t;
        for (const auto &[species, locality] :
             {std::pair{"11870", "Øra"}, {"11870", "Åsen"}, {"01540", "Øra"}, {"04210", "Ærøy"}, {"01540", ""}})
            t.insertObservation({{"Art", species}, {"Lokalitet", locality}});
        t.db().execute(change);
        QCOMPARE(usedLocalities(t.program()),
                 t.db().columnTexts("SELECT Lokalitet FROM Observasjoner WHERE Lokalitet <> '' GROUP BY Lokalitet "
                                    "ORDER BY Lokalitet COLLATE NORSK"));
        QCOMPARE(registeredSpeciesTexts(t.program(), true),
                 speciesTexts(t.program(), t.db().columnTexts("SELECT DISTINCT Art FROM Observasjoner ORDER BY Art")));
    }

    // A store from before the lists were kept gets them, with the rows it holds, when it is opened.
    void olderStoreGetsTheListsOfItsRows()
    {
        QTemporaryDir dir;
        {
            Program older(dir.path());
            older.openMainConnection();
            test::makeFirstSchemaVersion(older.mainConnection());
            older.mainConnection().execute(
                "INSERT INTO Observasjoner(Art, Lokalitet) VALUES ('11870', 'Øra'), ('01540', 'Aker'), "
                "('11870', NULL), ('01540', 'Øra')");
        }
        Program program(dir.path());
        program.openMainConnection();
        QCOMPARE(usedLocalities(program), (QStringList{"Aker", "Øra"}));
        QCOMPARE(registeredSpeciesTexts(program, true), speciesTexts(program, {"01540", "11870"}));
        program.mainConnection().execute("DELETE FROM Observasjoner WHERE Lokalitet = 'Aker'");
        QCOMPARE(usedLocalities(program), QStringList{"Øra"});
    }
};

QTEST_GUILESS_MAIN(UsedValuesTest)
#include "tst_usedvalues.moc"
