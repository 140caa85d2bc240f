#include "data/Database.h"
#include "data/Program.h"
#include "data/Schema.h"
#include "support/TestProgram.h"

#include <QtTest>

using namespace lirvenda;

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

int count(Database &db, const QString &sql) { return db.scalar(sql).toInt(); }

} // namespace

class StoreTest : public QObject {
    Q_OBJECT
private slots:
    void embeddedDefaultIsEncryptedAndHoldsTheReferenceData()
    {
        test::TestProgram t;
        QVERIFY(!contents(t.path("Observasjoner.mdb")).startsWith("SQLite format 3"));
        Database &db = t.db();
        QCOMPARE(count(db, "PRAGMA user_version"), SchemaVersion);
        QCOMPARE(count(db, "SELECT count(*) FROM Adminplasser WHERE CodePlace LIKE 'NO%'"), 16);
        QCOMPARE(count(db, "SELECT count(*) FROM Adminplasser WHERE CodePlace NOT LIKE 'NO%' "
                           "AND length(ExtendedPlace) = 17"), 358);
        QCOMPARE(db.scalar("SELECT Place FROM Adminplasser WHERE CodePlace = '5001'").toString(),
                 QString("Trondheim"));
        QCOMPARE(count(db, "SELECT count(*) FROM Animalia WHERE Klasse = 'Aves'"), 531);
        QCOMPARE(db.scalar("SELECT PopulærNavnBokmål || '/' || Slekt || '/' || Art FROM Animalia "
                           "WHERE PK_LatinskNavnID = '11870'").toString(),
                 QString("svarttrost/Turdus/merula"));
        QCOMPARE(count(db, "SELECT count(*) FROM Species"), 529);
        QCOMPARE(count(db, "SELECT count(*) FROM Aktivitet"), 36);
        QCOMPARE(count(db, "SELECT count(*) FROM Reirplassering"), 16);
        QCOMPARE(db.scalar("SELECT TresortTekst FROM Tresorter WHERE ID = 10").toString(),
                 QString("Ikke angitt"));
        QCOMPARE(count(db, "SELECT count(*) FROM Ungealder"), 8);
        QCOMPARE(count(db, "SELECT count(*) FROM Original"), 741);
        QCOMPARE(count(db, "SELECT count(DISTINCT ParentID1) FROM Original"), 7);
        QCOMPARE(count(db, "SELECT count(*) FROM Original WHERE Field11 = OffspringID1 "
                           "AND ParentId2 = ParentID1"), 741);
        for (const char *table : {"Observers", "Observasjoner", "ObservatørKobling", "Lokalitet",
                                  "Referanser", "Atlas"})
            QCOMPARE(count(db, QString("SELECT count(*) FROM %1").arg(table)), 0);
    }

    void secondStartKeepsEverything()
    {
        test::TestProgram t;
        t.db().execute("INSERT INTO Observasjoner(Art, Lokalitet) VALUES ('11870', ?)", {"Bjørns holme"});
        t.addObserver("Per", "Hansen", "PHA");

        Program again(t.folder());
        again.openMainConnection();
        QCOMPARE(again.mainConnection().scalar("SELECT Lokalitet FROM Observasjoner").toString(),
                 QString("Bjørns holme"));
        QCOMPARE(count(again.mainConnection(), "SELECT count(*) FROM Observers"), 1);
        QCOMPARE(count(again.mainConnection(), "SELECT count(*) FROM Animalia"), 1036);
    }

    void filesThatCannotBeOpenedAreReportedAndLeftAlone_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("main: not a database") << "Observasjoner.mdb" << QByteArray(4096, 'x');
        QTest::newRow("main: empty file") << "Observasjoner.mdb" << QByteArray();
        QTest::newRow("observers: not a database") << "Nest.mdb" << QByteArray("Ikke en database\n");
    }
    void filesThatCannotBeOpenedAreReportedAndLeftAlone()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath(file);
        if (file == "Nest.mdb") {
            Program make(dir.path());
            make.openMainConnection();
        }
        writeFile(path, bytes);
        Program program(dir.path());
        try {
            program.openMainConnection();
            program.openObserverConnection();
            QFAIL("the file was accepted");
        } catch (const DatabaseError &error) {
            QVERIFY2(error.message().contains(path), qPrintable(error.message()));
        }
        QCOMPARE(contents(path), bytes);
        QVERIFY(!QFile::exists(dir.filePath("Observasjoner.mdb.new")));
    }

    void otherKeyOrNoKeyIsRefused_data()
    {
        QTest::addColumn<QString>("key");
        QTest::newRow("another key") << "annet-passord";
        QTest::newRow("plain, unencrypted") << "";
    }
    void otherKeyOrNoKeyIsRefused()
    {
        QFETCH(QString, key);
        QTemporaryDir dir;
        const QString path = dir.filePath("Observasjoner.mdb");
        {
            auto db = Database::create(path, key);
            db->execute("CREATE TABLE t(x)");
        }
        const QByteArray before = contents(path);
        Program program(dir.path());
        QVERIFY_THROWS_EXCEPTION(DatabaseError, program.openMainConnection());
        QCOMPARE(contents(path), before);
    }

    void observerRegisterFollowsNestFileAtEachCall()
    {
        test::TestProgram t;
        QCOMPARE(&t.program().observerConnection(), &t.db());

        { // a register file placed beside the program while it runs is used from then on
            auto nest = Database::create(t.path("Nest.mdb"), Program::DatabaseKey);
            upgradeObserverSchema(*nest);
        }
        t.addObserver("Kari", "Ås", "KÅ");
        QVERIFY(&t.program().observerConnection() != &t.db());
        QCOMPARE(count(t.program().observerConnection(), "SELECT count(*) FROM Observers"), 1);
        QCOMPARE(count(t.db(), "SELECT count(*) FROM Observers"), 0);

        QVERIFY(QFile::remove(t.path("Nest.mdb")));
        QCOMPARE(&t.program().observerConnection(), &t.db());
    }

    void valuesAreBoundNotPastedIntoSql()
    {
        test::TestProgram t;
        const QString tricky = "Per's holme'); DROP TABLE Observasjoner; --";
        t.db().execute("INSERT INTO Observasjoner(Lokalitet, Kommentar) VALUES (?, ?)", {tricky, "O'Brien"});
        QCOMPARE(t.db().scalar("SELECT Lokalitet FROM Observasjoner WHERE Kommentar = ?", {"O'Brien"}).toString(),
                 tricky);
    }

    void deletedRowNumbersAreNeverReused()
    {
        test::TestProgram t;
        Database &db = t.db();
        db.execute("INSERT INTO Observasjoner(Art) VALUES ('1')");
        db.execute("INSERT INTO Observasjoner(Art) VALUES ('2')");
        const qint64 last = db.lastInsertId();
        db.execute("DELETE FROM Observasjoner WHERE ObsID = ?", {last});
        db.execute("INSERT INTO Observasjoner(Art) VALUES ('3')");
        QVERIFY(db.lastInsertId() > last);
    }

    void transactionRollsBackWhenLeftWithoutCommit()
    {
        test::TestProgram t;
        try {
            Transaction transaction(t.db());
            t.db().execute("INSERT INTO Lokalitet(Lokalitet) VALUES ('Halvveis')");
            t.db().execute("INSERT INTO Finnes_ikke VALUES (1)");
            transaction.commit();
        } catch (const DatabaseError &) {
        }
        QCOMPARE(count(t.db(), "SELECT count(*) FROM Lokalitet"), 0);
    }

    void norwegianSortAndLowerCase()
    {
        test::TestProgram t;
        Database &db = t.db();
        db.executeScript("CREATE TEMP TABLE n(name TEXT);"
                         "INSERT INTO n VALUES ('Ås'), ('Zahl'), ('Ødegård'), ('Ærø'), ('Aune'), ('berg');");
        QStringList sorted;
        Statement rows = db.query("SELECT name FROM n ORDER BY name COLLATE NORSK");
        while (rows.next())
            sorted << rows.text("NAME");
        QCOMPARE(sorted, QStringList({"Aune", "berg", "Zahl", "Ærø", "Ødegård", "Ås"}));
        QCOMPARE(db.scalar("SELECT ulower('GRÅTROST ÆØÅ')").toString(), QString("gråtrost æøå"));
        QCOMPARE(count(db, "SELECT count(*) FROM n WHERE instr(ulower(name), ulower('ÅS')) > 0"), 1);
    }
};

QTEST_MAIN(StoreTest)
#include "tst_store.moc"
