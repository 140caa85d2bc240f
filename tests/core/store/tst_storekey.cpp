// The diary's own passphrase: set, changed and removed on both stores; found by trying, from the
// keyring, the passphrase file or the user; three wrong tries change nothing; a change that was
// cut off is undone at the next opening.

#include "core/store/Backup.h"
#include "core/store/StoreKey.h"
#include "support/TestProgram.h"

#include <QtTest>

using namespace lirvenda;
using test::contents;
using test::opensWith;

namespace {

// Answers the questions from a list and counts them.
struct ScriptedAnswers {
    QList<std::optional<QString>> answers;
    QStringList questions;
    std::optional<QString> operator()(const QString &question)
    {
        questions << question;
        return answers.isEmpty() ? std::nullopt : answers.takeFirst();
    }
};

class MemoryKeyRing : public KeyRing {
public:
    std::optional<QString> read(const QString &folder) override
    {
        return kept.contains(folder) ? std::optional(kept.value(folder)) : std::nullopt;
    }
    bool write(const QString &folder, const QString &passphrase) override
    {
        kept.insert(folder, passphrase);
        return true;
    }
    bool remove(const QString &folder) override
    {
        kept.remove(folder);
        return true;
    }
    QMap<QString, QString> kept;
};

// The sources set for one test, and the plain ones again afterwards.
struct SourcesFor {
    explicit SourcesFor(PassphraseSources sources) { setPassphraseSources(std::move(sources)); }
    ~SourcesFor() { setPassphraseSources({}); }
};

// Whether the store file opens with the key and holds the rows.
bool holds(const QString &path, const QString &key, qint64 observations)
{
    try {
        return Database::open(path, key)->scalar("SELECT count(*) FROM Observasjoner").toLongLong() == observations;
    } catch (const DatabaseError &) {
        return false;
    }
}

// A diary of two sightings and an observer register, closed again.
void makeDiary(test::TestProgram &t)
{
    t.createObserverFile();
    t.addObserver("Kari", "Nordmann", "KN");
    for (int i = 0; i < 2; ++i)
        t.insertObservation({{"Art", "11870"}, {"StartDato", "2024-05-01 08:00:00"}});
}

// Opens the folder as the program does at start-up; answers the key its main store opened with.
QString openedKey(const QString &folder)
{
    Program program(folder);
    program.openMainConnection();
    program.openObserverConnection();
    return program.mainConnection().key();
}

} // namespace

class StoreKeyTest : public QObject {
    Q_OBJECT
private slots:
    void setChangeRemoveAndFind()
    {
        test::TestProgram t;
        makeDiary(t);
        const QString main = t.path(Program::MainFileName), nest = t.path(Program::ObserverFileName);
        for (const QString &passphrase : {QString("første frase"), QString("andre 'frase'"), QString()}) {
            QVERIFY(setStorePassphrase(t.program(), passphrase, false));
            const QString key = keyOfPassphrase(passphrase);
            QVERIFY(holds(main, key, 2));
            QCOMPARE(Database::open(nest, key)->scalar("SELECT count(*) FROM Observers").toInt(), 1);
            QCOMPARE(opensWith(main, Program::DatabaseKey), passphrase.isEmpty());
            QCOMPARE(opensWith(nest, Program::DatabaseKey), passphrase.isEmpty());
            QVERIFY(!QFileInfo::exists(keyChangeCopyOf(main)) && !QFileInfo::exists(keyChangeCopyOf(nest)));
            // The program's own connections go on with the new key.
            t.db().execute("DELETE FROM Observasjoner WHERE ObsID = ?", {t.insertObservation({{"Art", "11870"}})});
            const SourcesFor sources({nullptr, ScriptedAnswers{{passphrase}}});
            QCOMPARE(openedKey(t.folder()), key);
        }

        // A passphrase kept in the keyring, then one in the file LIRVENDA_PASSPHRASE_FILE names:
        // the user is not asked.
        MemoryKeyRing keyRing;
        ScriptedAnswers asked;
        const SourcesFor sources({&keyRing, std::ref(asked)});
        QVERIFY(setStorePassphrase(t.program(), "husket", true));
        QCOMPARE(keyRing.kept.value(t.program().folder()), QString("husket"));
        QCOMPARE(openedKey(t.folder()), QString("husket"));

        QVERIFY(setStorePassphrase(t.program(), "i fila", false));
        QVERIFY(keyRing.kept.isEmpty()); // the old one would no longer open the stores
        QTemporaryDir dir;
        QVERIFY(test::writeFile(dir.filePath("frase"), "i fila\n"));
        qputenv("LIRVENDA_PASSPHRASE_FILE", dir.filePath("frase").toUtf8());
        QCOMPARE(openedKey(t.folder()), QString("i fila"));
        QVERIFY(test::writeFile(dir.filePath("frase"), "noe annet\n"));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, openedKey(t.folder()));
        qunsetenv("LIRVENDA_PASSPHRASE_FILE");
        QVERIFY(asked.questions.isEmpty());
    }

    void wrongTriesChangeNothing_data()
    {
        QTest::addColumn<QList<std::optional<QString>>>("answers");
        QTest::addColumn<int>("questions");
        QTest::addColumn<QString>("refusal"); // empty: the store opens
        QTest::newRow("right at once") << QList<std::optional<QString>>{"rett"} << 1 << "";
        QTest::newRow("right at the third") << QList<std::optional<QString>>{"feil", "", "rett"} << 3 << "";
        QTest::newRow("wrong three times")
            << QList<std::optional<QString>>{"feil", "feil", "feil", "rett"} << 3 << "Feil passfrase";
        QTest::newRow("cancelled") << QList<std::optional<QString>>{} << 1 << "har et annet passord";
        QTest::newRow("cancelled after a wrong try")
            << QList<std::optional<QString>>{"feil", std::nullopt} << 2 << "Feil passfrase";
    }

    void wrongTriesChangeNothing()
    {
        QFETCH(QList<std::optional<QString>>, answers);
        QFETCH(int, questions);
        QFETCH(QString, refusal);
        test::TestProgram t;
        makeDiary(t);
        QVERIFY(setStorePassphrase(t.program(), "rett", false));
        const QByteArray before = contents(t.path(Program::MainFileName));
        ScriptedAnswers asked{answers};
        const SourcesFor sources({nullptr, std::ref(asked)});
        try {
            QCOMPARE(openedKey(t.folder()), QString("rett"));
            QVERIFY(refusal.isEmpty());
        } catch (const DatabaseError &error) {
            QVERIFY2(!refusal.isEmpty() && error.message().contains(refusal), qPrintable(error.message()));
            QCOMPARE(contents(t.path(Program::MainFileName)), before);
        }
        QCOMPARE(asked.questions.size(), questions);
    }

    // A kill leaves the copies the change made; where the main store's copy is there, the next
    // opening puts the old files back. A Nest copy without it is a leftover and goes.
    void cutChangeIsUndone_data()
    {
        QTest::addColumn<bool>("mainCopy");
        QTest::addColumn<QString>("expectedKey");
        QTest::newRow("cut while re-encrypting") << true << Program::DatabaseKey;
        QTest::newRow("cut while removing the copies") << false << QString("ny");
    }

    void cutChangeIsUndone()
    {
        QFETCH(bool, mainCopy);
        QFETCH(QString, expectedKey);
        test::TestProgram t;
        makeDiary(t);
        const QString main = t.path(Program::MainFileName), nest = t.path(Program::ObserverFileName);
        backupDatabase(t.program().observerConnection(), keyChangeCopyOf(nest));
        t.program().observerConnection().rekey("ny");
        if (mainCopy)
            backupDatabase(t.db(), keyChangeCopyOf(main));
        else
            t.db().rekey("ny");
        if (mainCopy) // the main store was being re-encrypted: its journal is left
            QVERIFY(test::writeFile(main + "-journal", QByteArray(4096, 'j')));

        const SourcesFor sources({nullptr, ScriptedAnswers{{"ny"}}});
        QCOMPARE(openedKey(t.folder()), expectedKey);
        QVERIFY(holds(main, expectedKey, 2));
        QVERIFY(opensWith(nest, expectedKey));
        QVERIFY(!QFileInfo::exists(keyChangeCopyOf(main)) && !QFileInfo::exists(keyChangeCopyOf(nest)));
        QVERIFY(!QFileInfo::exists(main + "-journal"));
    }
};

QTEST_MAIN(StoreKeyTest)
#include "tst_storekey.moc"
