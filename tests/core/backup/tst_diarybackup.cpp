// Backups of the whole diary: what the archive holds and its manifest, putting it back in a new
// folder, refusing a damaged or incomplete archive and a folder that is not empty, and the daily
// rotation over a run of days.

#include "core/backup/AutomaticBackups.h"
#include "core/backup/DiaryBackup.h"
#include "core/shared/ArchiveFile.h"
#include "support/TestProgram.h"

#include <QtTest>

using namespace lirvenda;
using test::contents;

namespace {

// Every file under a folder with its bytes, named relative to it.
QMap<QString, QByteArray> filesOf(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(folder).relativeFilePath(path), contents(path));
    }
    return files;
}

// A diary with sightings, an observer register, the two text files and documentation.
void makeDiary(test::TestProgram &t)
{
    t.createObserverFile();
    t.addObserver("Kari", "Nordmann", "KN");
    for (int i = 0; i < 3; ++i)
        t.insertObservation({{"Art", "11870"}, {"StartDato", "2024-05-01 08:00:00"}});
    QVERIFY(test::writeFile(t.path("MainObserver.txt"), "7\n"));
    QVERIFY(test::writeFile(t.path("DefaultGPSSettings.txt"), "5\n9600\n"));
    QVERIFY(QDir().mkpath(t.path("Dokumentasjon/ABC12/")) && QDir().mkpath(t.path("Dokumentasjon/slettet")));
    QVERIFY(test::writeFile(t.path("Dokumentasjon/ABC12/bilde.jpg"), QByteArray(70000, 'b')));
    QVERIFY(test::writeFile(t.path("Dokumentasjon/slettet/lyd.mp3"), "lyd"));
}

} // namespace

class DiaryBackupTest : public QObject {
    Q_OBJECT
private slots:
    void archiveHoldsTheDiaryAndComesBack_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("tar") << "kopi.tar";
        QTest::newRow("zip") << "kopi.zip";
    }

    void archiveHoldsTheDiaryAndComesBack()
    {
        QFETCH(QString, name);
        test::TestProgram t;
        makeDiary(t);
        QTemporaryDir dir;
        const QString archive = dir.filePath(name);
        writeDiaryBackup(t.folder(), Program::DatabaseKey, archive);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{name});

        QMap<QString, QByteArray> entries = test::archiveEntries(archive);
        QCOMPARE(entries.keys(), QStringList({"DefaultGPSSettings.txt", "Dokumentasjon/ABC12/bilde.jpg",
                                              "Dokumentasjon/slettet/lyd.mp3", "MainObserver.txt", "Nest.mdb",
                                              "Observasjoner.mdb", "manifest.json"}));
        const BackupManifest manifest = BackupManifest::fromJson(entries.value(ManifestName));
        QCOMPARE(manifest.files.size(), entries.size() - 1);
        for (const BackupManifest::File &file : manifest.files) {
            QCOMPARE(file.size, entries.value(file.name).size());
            QCOMPARE(file.sha256,
                     QCryptographicHash::hash(entries.value(file.name), QCryptographicHash::Sha256).toHex());
        }
        QCOMPARE(manifest.rowCounts.value("Observasjoner.mdb").value("Observasjoner"), 3);
        QCOMPARE(manifest.rowCounts.value("Nest.mdb").value("Observers"), 1);
        QCOMPARE(entries.value("Dokumentasjon/ABC12/bilde.jpg"), contents(t.path("Dokumentasjon/ABC12/bilde.jpg")));

        const QString restored = dir.filePath("ny/Lirvenda");
        restoreDiaryBackup(archive, restored);
        entries.remove(ManifestName);
        QCOMPARE(filesOf(restored), entries);
        Program program(restored);
        program.openMainConnection();
        QCOMPARE(program.mainConnection().scalar("SELECT count(*) FROM Observasjoner").toInt(), 3);
        QVERIFY_THROWS_EXCEPTION(BackupError, writeDiaryBackup(t.folder(), Program::DatabaseKey, archive));
    }

    void restoreRefuses_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("message");
        QTest::newRow("flipped byte, tar") << QString("flip tar") << "skadet";
        QTest::newRow("flipped byte, zip") << QString("flip zip") << "skadet";
        QTest::newRow("missing file") << QString("drop MainObserver.txt") << "MainObserver.txt mangler";
        QTest::newRow("missing manifest") << QString("drop manifest.json") << "innholdslista manifest.json mangler";
        QTest::newRow("file not listed") << QString("add extra.txt") << "extra.txt";
        QTest::newRow("folder not empty") << QString("occupied") << "er ikke tom";
    }

    void restoreRefuses()
    {
        QFETCH(QString, damage);
        QFETCH(QString, message);
        test::TestProgram t;
        makeDiary(t);
        QTemporaryDir dir;
        const QString archive = dir.filePath(damage.endsWith("zip") ? "kopi.zip" : "kopi.tar");
        writeDiaryBackup(t.folder(), Program::DatabaseKey, archive);
        if (damage.startsWith("flip")) {
            QByteArray bytes = contents(archive);
            bytes[bytes.size() / 2] = char(bytes[bytes.size() / 2] ^ 0x20);
            QVERIFY(test::writeFile(archive, bytes));
        } else if (damage.startsWith("drop") || damage.startsWith("add")) {
            QMap<QString, QByteArray> entries = test::archiveEntries(archive);
            const QString entry = damage.section(' ', 1);
            if (damage.startsWith("drop"))
                entries.remove(entry);
            else
                entries.insert(entry, "x");
            QFile::remove(archive);
            ArchiveWriter writer(archive);
            for (auto entry = entries.cbegin(); entry != entries.cend(); ++entry)
                writer.addBytes(entry.key(), entry.value());
            writer.close();
        }
        const QString target = dir.filePath("gjenopprettet");
        if (damage == "occupied")
            QVERIFY(QDir().mkpath(target) && test::writeFile(target + "/Observasjoner.mdb", "min dagbok"));
        const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);

        try {
            restoreDiaryBackup(archive, target);
            QFAIL("the backup was put back");
        } catch (const BackupError &error) {
            QVERIFY2(error.message().contains(message), qPrintable(error.message()));
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
        if (damage == "occupied")
            QCOMPARE(filesOf(target).keys(), QStringList{"Observasjoner.mdb"});
    }

    // Sixty days of one start a day, two on some days, none on others: the last seven backups
    // stay, and before them the newest of each of four weeks they leave out.
    void rotationOverARunOfDays()
    {
        QTemporaryDir dir;
        const QString diary = dir.filePath("Lirvenda");
        const QString backups = dir.filePath("kopier");
        QVERIFY(QDir().mkpath(backups));
        QVERIFY(test::writeFile(backups + "/annen-fil.tar", "ikke en av våre"));
        const QDate first(2026, 1, 5); // a Monday
        for (int day = 0; day < 60; ++day) {
            if (day % 10 == 3) // the program was not started that day
                continue;
            const QDate today = first.addDays(day);
            for (int start = 0; start < (day % 7 == 0 ? 2 : 1); ++start) {
                if (!automaticBackupDue(diary, backups, today))
                    continue;
                QVERIFY(test::writeFile(QDir(backups).filePath(automaticBackupName(diary, today)), "kopi"));
                for (const QString &name : backupsToRemove(diary, QDir(backups).entryList(QDir::Files)))
                    QVERIFY(QFile::remove(QDir(backups).filePath(name)));
            }
        }
        // Day 59 is Thursday 2026-03-05; day 53 had no start. The weeks before the last seven keep
        // their Sundays.
        QStringList expected{"annen-fil.tar"};
        for (const char *day : {"2026-02-01", "2026-02-08", "2026-02-15", "2026-02-22", // Sundays of four weeks
                                "2026-02-26", "2026-02-28", "2026-03-01", "2026-03-02", "2026-03-03", "2026-03-04",
                                "2026-03-05"}) // the last seven
            expected << QStringLiteral("Lirvenda-%1.tar").arg(day);
        QCOMPARE(QDir(backups).entryList(QDir::Files), expected);
    }

    void automaticBackupOncePerDay()
    {
        test::TestProgram t;
        makeDiary(t);
        QTemporaryDir dir;
        const QDate today(2026, 5, 17);
        makeAutomaticBackup(t.folder(), Program::DatabaseKey, dir.filePath("kopier"), today);
        const QString made = dir.filePath("kopier/" + automaticBackupName(t.folder(), today));
        const QByteArray first = contents(made);
        QVERIFY(test::archiveEntries(made).contains("Observasjoner.mdb"));
        t.insertObservation({{"Art", "11870"}});
        makeAutomaticBackup(t.folder(), Program::DatabaseKey, dir.filePath("kopier"), today);
        QCOMPARE(contents(made), first);
        makeAutomaticBackup(t.folder(), Program::DatabaseKey, dir.filePath("kopier"), today.addDays(1));
        QCOMPARE(QDir(dir.filePath("kopier")).entryList(QDir::Files).size(), 2);
    }
};

QTEST_MAIN(DiaryBackupTest)
#include "tst_diarybackup.moc"
