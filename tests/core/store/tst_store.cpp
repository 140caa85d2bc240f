#include "core/store/Database.h"
#include "core/store/Program.h"
#include "core/store/Schema.h"
#include "support/TestProgram.h"

#include <QtTest>

using namespace lirvenda;
using test::contents;

namespace {

int count(Database &db, const QString &sql) { return db.scalar(sql).toInt(); }

// The bytes of a small database made with the key.
QByteArray databaseBytes(const QString &key)
{
    QTemporaryDir dir;
    Database::create(dir.filePath("x.mdb"), key)->execute("CREATE TABLE t(x)");
    return contents(dir.filePath("x.mdb"));
}

} // namespace

class StoreTest : public QObject {
    Q_OBJECT
private slots:
    void embeddedDefaultIsEncryptedAndHoldsTheReferenceData()
    {
        test::TestProgram t;
        QVERIFY(!contents(t.path("Observasjoner.mdb")).startsWith("SQLite format 3"));
        Database &db = t.db();
        const QList<std::pair<const char *, int>> counts = {
            {"PRAGMA user_version", SchemaVersion},
            {"SELECT count(*) FROM Adminplasser WHERE CodePlace LIKE 'NO%'", 16},
            {"SELECT count(*) FROM Adminplasser WHERE CodePlace NOT LIKE 'NO%' AND length(ExtendedPlace) = 17", 358},
            {"SELECT count(*) FROM Animalia WHERE Klasse = 'Aves'", 531},
            {"SELECT count(*) FROM Species", 529},
            {"SELECT count(*) FROM Aktivitet", 36},
            {"SELECT count(*) FROM Original WHERE Field11 = OffspringID1 AND ParentId2 = ParentID1", 741},
            {"SELECT count(DISTINCT ParentID1) FROM Original", 7},
            {"SELECT (SELECT count(*) FROM Observers) + (SELECT count(*) FROM Observasjoner) + "
             "(SELECT count(*) FROM Lokalitet) + (SELECT count(*) FROM Referanser)",
             0}};
        for (const auto &[sql, expected] : counts)
            QVERIFY2(count(db, sql) == expected, sql);
        QCOMPARE(db.scalar("SELECT PopulærNavnBokmål || '/' || Slekt || '/' || Art FROM Animalia "
                           "WHERE PK_LatinskNavnID = '11870'")
                     .toString(),
                 QString("svarttrost/Turdus/merula"));
    }

    void filesThatCannotBeOpenedAreReportedAndLeftAlone_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("main: not a database") << "Observasjoner.mdb" << QByteArray(4096, 'x');
        QTest::newRow("main: empty file") << "Observasjoner.mdb" << QByteArray();
        QTest::newRow("main: another key") << "Observasjoner.mdb" << databaseBytes("annet-passord");
        QTest::newRow("main: plain, unencrypted") << "Observasjoner.mdb" << databaseBytes("");
        QTest::newRow("observers: not a database") << "Nest.mdb" << QByteArray("Ikke en database\n");
    }
    void filesThatCannotBeOpenedAreReportedAndLeftAlone()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath(file);
        if (file == "Nest.mdb")
            Program(dir.path()).openMainConnection();
        QVERIFY(test::writeFile(path, bytes));
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

    void observerRegisterFollowsNestFileAtEachCall()
    {
        test::TestProgram t;
        QCOMPARE(&t.program().observerConnection(), &t.db());
        t.createObserverFile(); // placed beside the program while it runs: used from then on
        t.addObserver("Kari", "Ås", "KÅ");
        QVERIFY(&t.program().observerConnection() != &t.db());
        QCOMPARE(count(t.program().observerConnection(), "SELECT count(*) FROM Observers"), 1);
        QCOMPARE(count(t.db(), "SELECT count(*) FROM Observers"), 0);
        QVERIFY(QFile::remove(t.path("Nest.mdb")));
        QCOMPARE(&t.program().observerConnection(), &t.db());
    }

    void deletedRowNumbersAreNeverReused()
    {
        test::TestProgram t;
        const qint64 last = t.insertObservation({{"Art", "1"}});
        t.db().execute("DELETE FROM Observasjoner WHERE ObsID = ?", {last});
        QVERIFY(t.insertObservation({{"Art", "2"}}) > last);
    }
};

QTEST_MAIN(StoreTest)
#include "tst_store.moc"
