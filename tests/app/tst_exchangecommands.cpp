#include "core/store/Database.h"
#include "core/store/Program.h"
#include "support/EbirdFiles.h"
#include "support/TestProgram.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using namespace lirvenda;

namespace {

struct Run {
    int exitCode;
    QString output, errors;
};

// A program folder whose store the program made, with one observer as the main observer; closed again.
struct CommandFolder {
    QTemporaryDir dir;
    qint64 observer = 0;

    CommandFolder()
    {
        Program program(folder());
        program.openMainConnection();
        program.openObserverConnection();
        program.mainConnection().execute("INSERT INTO Observers(ObserverUniqueID, ObserverFirstName, "
                                         "ObserverLastName) VALUES ('OBS-1', 'Kari', 'Hansen')");
        observer = program.mainConnection().lastInsertId();
        test::writeFile(program.filePath("MainObserver.txt"), "OBS-1\n");
    }
    QString folder() const { return dir.path(); }
    qint64 rows() const
    {
        return Database::open(dir.filePath("Observasjoner.mdb"), Program::DatabaseKey)
            ->scalar("SELECT count(*) FROM Observasjoner")
            .toLongLong();
    }
    QStringList backups() const { return QDir(folder()).entryList({"Observasjoner_før_import_*"}); }
    // Writes the rows as an eBird download in the folder.
    QString ebird(const QList<QByteArray> &rows) const
    {
        return test::writeEbirdFile(dir.filePath("MyEBirdData.csv"), test::ebirdFile(rows));
    }
    // Runs a command on the folder.
    Run run(QStringList arguments) const
    {
        QProcess process;
        process.start(QStringLiteral(LIRVENDA_EXECUTABLE), arguments << "--folder" << folder());
        if (!process.waitForFinished(120000))
            process.kill();
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
    }
};

} // namespace

class ExchangeCommandsTest : public QObject {
    Q_OBJECT
private slots:
    // The preview alone, the import after a backup, and the same file again adding nothing.
    void importEbird()
    {
        CommandFolder f;
        const QString file = f.ebird({test::ebirdRow({}), test::ebirdRow({{"Scientific Name", "Anas platyrhynchos"}}),
                                      test::ebirdRow({{"Scientific Name", "Anas sp."}})});
        Run dry = f.run({"import", "ebird", file, "--dry-run"});
        QCOMPARE(dry.exitCode, 0);
        QVERIFY2(dry.output.startsWith("Rader lest: 3\nRader som importeres: 2\n"), qPrintable(dry.output));
        QVERIFY(dry.output.contains("art ikke bestemt (sp.): Anas sp. (1 rad)"));
        QCOMPARE(f.rows(), 0);
        QVERIFY(f.backups().isEmpty());

        Run done = f.run({"import", "ebird", file});
        QCOMPARE(done.exitCode, 0);
        QVERIFY2(done.output.contains("Importert: 2\n"), qPrintable(done.output));
        QCOMPARE(f.rows(), 2);
        QCOMPARE(f.backups().size(), 1);

        Run again = f.run({"import", "ebird", file, "--observer", QString::number(f.observer)});
        QVERIFY(again.exitCode == 0 && again.output.contains("Rader som importeres: 0\n"));
        QVERIFY(again.output.contains("Allerede importert: 2\n"));
        QCOMPARE(f.rows(), 2);
        QCOMPARE(f.backups().size(), 1);
    }

    void exportFormats()
    {
        CommandFolder f;
        const QString file =
            f.ebird({test::ebirdRow({}), test::ebirdRow({{"Date", "2023-04-04"}, {"Submission ID", "S9"}})});
        QCOMPARE(f.run({"import", "ebird", file}).exitCode, 0);

        const QString ebird = f.dir.filePath("ebird.csv");
        Run run = f.run({"export", "--format", "ebird", "--year", "2024", ebird});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.output.trimmed(), QDir::toNativeSeparators(ebird));
        QCOMPARE(test::contents(ebird).count("\r\n"), 1);
        QVERIFY(test::contents(ebird).startsWith("linerle,Motacilla,alba,1,"));

        const QString dwca = f.dir.filePath("dwca.zip");
        run = f.run({"export", dwca, "--format", "dwca", "--licence", "CC0", "--dataset-prefix", "x:"});
        QCOMPARE(run.exitCode, 0);
        const QMap<QString, QByteArray> archive = test::archiveEntries(dwca);
        QCOMPARE(archive.keys(), (QStringList{"eml.xml", "meta.xml", "occurrence.txt"}));
        const QByteArray occurrences = archive.value("occurrence.txt");
        QCOMPARE(occurrences.count('\n'), 3); // the header and both years
        QVERIFY(occurrences.contains("\nx:"));

        const QString csv = f.dir.filePath("alle.csv");
        QCOMPARE(f.run({"export", "--format", "csv", csv}).exitCode, 0);
        QCOMPARE(test::contents(csv).count("\r\n"), 3);
    }

    // The archive's criteria as options; with --csv every match under named columns.
    void search()
    {
        CommandFolder f;
        QList<QByteArray> rows;
        for (int i = 0; i < 120; ++i)
            rows << test::ebirdRow({{"Submission ID", QString("S%1").arg(i)}, {"Count", QString::number(i % 5)}});
        rows << test::ebirdRow({{"Location", "Hvaler, ytre"}, {"Submission ID", "S999"}});
        QCOMPARE(f.run({"import", "ebird", f.ebird(rows)}).exitCode, 0);

        Run run = f.run({"search", "--lokalitet", "Akerselva", "--antall", ">= 3", "--csv"});
        QCOMPARE(run.exitCode, 0);
        const QStringList lines = run.output.split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 49); // the header and 48 rows of 3 or 4, more than the window shows
        QVERIFY(lines.first().startsWith("ObsID,Art,Norsk navn,Vitenskapelig navn,Operator,Antall,"));

        run = f.run({"search", "--lokalitet", "Hvaler, ytre"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.output.startsWith("MOTALB               Antall:     1 Hvaler, ytre (Dato: 01.05.2024 07:15:00)\n"),
                 qPrintable(run.output));
        QCOMPARE(run.errors, "Resultater (1 forekomster.)\n");

        run = f.run({"search", "--lokalitet", "Hvaler, ytre", "--json"});
        QCOMPARE(run.exitCode, 0);
        const QJsonArray found = QJsonDocument::fromJson(run.output.toUtf8()).array();
        QCOMPARE(found.size(), 1);
        QCOMPARE(found.first().toObject().value("Vitenskapelig navn").toString(), "Motacilla alba");
    }

    // Refused commands neither import into the store nor write a file.
    void refusals_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("unknown source") << QStringList{"import", "ornitho", "x.csv"} << 2;
        QTest::newRow("no such observer") << QStringList{"import", "ebird", "x.csv", "--observer", "99"} << 2;
        QTest::newRow("no such file") << QStringList{"import", "ebird", "finnes-ikke.csv"} << 1;
        QTest::newRow("file without format") << QStringList{"export", "x.csv"} << 2;
        QTest::newRow("year without format") << QStringList{"export", "--year", "2024"} << 2;
        QTest::newRow("format without file") << QStringList{"export", "--format", "ebird"} << 2;
        QTest::newRow("unknown format") << QStringList{"export", "--format", "xls", "x.xls"} << 2;
        QTest::newRow("bad year") << QStringList{"export", "--format", "ebird", "--year", "i fjor", "x.csv"} << 2;
        QTest::newRow("unknown licence") << QStringList{"export", "--format", "dwca", "--licence", "GPL", "x.zip"} << 2;
        QTest::newRow("count of a word") << QStringList{"search", "--antall", "mange"} << 2;
    }
    void refusals()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        CommandFolder f;
        const Run run = f.run(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY(!run.errors.isEmpty() && run.output.isEmpty());
        QCOMPARE(f.rows(), 0);
        QCOMPARE(QDir(f.folder()).entryList({"x.*"}), QStringList{});
    }
};

QTEST_GUILESS_MAIN(ExchangeCommandsTest)
#include "tst_exchangecommands.moc"
