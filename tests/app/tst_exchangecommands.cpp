#include "core/shared/ArchiveFile.h"
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

Run runCommand(const QString &folder, QStringList arguments)
{
    arguments << "--folder" << folder;
    QProcess process;
    process.start(QStringLiteral(LIRVENDA_EXECUTABLE), arguments);
    if (!process.waitForFinished(120000))
        process.kill();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

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
    qint64 rows()
    {
        Program program(folder());
        program.openMainConnection();
        return program.mainConnection().scalar("SELECT count(*) FROM Observasjoner").toLongLong();
    }
    QStringList backups() const { return QDir(folder()).entryList({"Observasjoner_før_import_*"}); }
};

} // namespace

class ExchangeCommandsTest : public QObject {
    Q_OBJECT
private slots:
    // The preview alone, the import after a backup, and the same file again adding nothing.
    void importEbird()
    {
        CommandFolder f;
        const QString file = test::writeEbirdFile(
            f.dir.filePath("MyEBirdData.csv"),
            test::ebirdFile({test::ebirdRow({}), test::ebirdRow({{"Scientific Name", "Anas platyrhynchos"}}),
                             test::ebirdRow({{"Scientific Name", "Anas sp."}})}));
        Run dry = runCommand(f.folder(), {"import", "ebird", file, "--dry-run"});
        QCOMPARE(dry.exitCode, 0);
        QVERIFY2(dry.output.startsWith("Rader lest: 3\nRader som importeres: 2\n"), qPrintable(dry.output));
        QVERIFY(dry.output.contains("art ikke bestemt (sp.): Anas sp. (1 rad)"));
        QCOMPARE(f.rows(), 0);
        QVERIFY(f.backups().isEmpty());

        Run done = runCommand(f.folder(), {"import", "ebird", file});
        QCOMPARE(done.exitCode, 0);
        QVERIFY2(done.output.contains("Importert: 2\n"), qPrintable(done.output));
        QCOMPARE(f.rows(), 2);
        QCOMPARE(f.backups().size(), 1);

        Run again = runCommand(f.folder(), {"import", "ebird", file, "--observer", QString::number(f.observer)});
        QCOMPARE(again.exitCode, 0);
        QVERIFY(again.output.contains("Rader som importeres: 0\n"));
        QVERIFY(again.output.contains("Allerede importert: 2\n"));
        QCOMPARE(f.rows(), 2);
        QCOMPARE(f.backups().size(), 1);
    }

    void importRefusals_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("unknown source") << QStringList{"import", "ornitho", "x.csv"} << 2;
        QTest::newRow("no such observer") << QStringList{"import", "ebird", "x.csv", "--observer", "99"} << 2;
        QTest::newRow("no such file") << QStringList{"import", "ebird", "finnes-ikke.csv"} << 1;
    }
    void importRefusals()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        CommandFolder f;
        const Run run = runCommand(f.folder(), arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY(!run.errors.isEmpty());
        QCOMPARE(f.rows(), 0);
    }

    void exportFormats()
    {
        CommandFolder f;
        const QString file = test::writeEbirdFile(
            f.dir.filePath("MyEBirdData.csv"),
            test::ebirdFile({test::ebirdRow({}), test::ebirdRow({{"Date", "2023-04-04"}, {"Submission ID", "S9"}})}));
        QCOMPARE(runCommand(f.folder(), {"import", "ebird", file}).exitCode, 0);

        const QString ebird = f.dir.filePath("ebird.csv");
        Run run = runCommand(f.folder(), {"export", "--format", "ebird", "--year", "2024", ebird});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.output.trimmed(), QDir::toNativeSeparators(ebird));
        QCOMPARE(test::contents(ebird).count("\r\n"), 1);
        QVERIFY(test::contents(ebird).startsWith("linerle,Motacilla,alba,1,"));

        const QString dwca = f.dir.filePath("dwca.zip");
        run =
            runCommand(f.folder(), {"export", dwca, "--format", "dwca", "--licence", "CC0", "--dataset-prefix", "x:"});
        QCOMPARE(run.exitCode, 0);
        ArchiveReader reader(dwca);
        QStringList names;
        QByteArray occurrences;
        for (QString name = reader.nextEntry(); !name.isEmpty(); name = reader.nextEntry()) {
            names << name;
            const QByteArray bytes = reader.readEntry();
            if (name == "occurrence.txt")
                occurrences = bytes;
        }
        QCOMPARE(names, (QStringList{"occurrence.txt", "meta.xml", "eml.xml"}));
        QCOMPARE(occurrences.count('\n'), 3); // the header and both years
        QVERIFY(occurrences.contains("\nx:"));

        const QString csv = f.dir.filePath("alle.csv");
        QCOMPARE(runCommand(f.folder(), {"export", "--format", "csv", csv}).exitCode, 0);
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
        const QString file = test::writeEbirdFile(f.dir.filePath("MyEBirdData.csv"), test::ebirdFile(rows));
        QCOMPARE(runCommand(f.folder(), {"import", "ebird", file}).exitCode, 0);

        Run run = runCommand(f.folder(), {"search", "--lokalitet", "Akerselva", "--antall", ">= 3", "--csv"});
        QCOMPARE(run.exitCode, 0);
        QStringList lines = run.output.split("\r\n");
        lines.removeLast();
        QCOMPARE(lines.size(), 49); // the header and 48 rows of 3 or 4, more than the window shows
        QVERIFY(lines.first().startsWith("ObsID,Art,Norsk navn,Vitenskapelig navn,Operator,Antall,"));

        run = runCommand(f.folder(), {"search", "--lokalitet", "Hvaler, ytre"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.output.startsWith("MOTALB               Antall:     1 Hvaler, ytre (Dato: 01.05.2024 07:15:00)\n"),
                 qPrintable(run.output));
        QCOMPARE(run.errors, "Resultater (1 forekomster.)\n");

        run = runCommand(f.folder(), {"search", "--lokalitet", "Hvaler, ytre", "--json"});
        QCOMPARE(run.exitCode, 0);
        const QJsonArray found = QJsonDocument::fromJson(run.output.toUtf8()).array();
        QCOMPARE(found.size(), 1);
        QCOMPARE(found.first().toObject().value("Vitenskapelig navn").toString(), "Motacilla alba");

        run = runCommand(f.folder(), {"search", "--antall", "mange"});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.output.isEmpty());
    }

    void exportRefusals_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("file without format") << QStringList{"export", "x.csv"};
        QTest::newRow("year without format") << QStringList{"export", "--year", "2024"};
        QTest::newRow("format without file") << QStringList{"export", "--format", "ebird"};
        QTest::newRow("unknown format") << QStringList{"export", "--format", "xls", "x.xls"};
        QTest::newRow("bad year") << QStringList{"export", "--format", "ebird", "--year", "i fjor", "x.csv"};
        QTest::newRow("unknown licence") << QStringList{"export", "--format", "dwca", "--licence", "GPL", "x.zip"};
    }
    void exportRefusals()
    {
        QFETCH(QStringList, arguments);
        CommandFolder f;
        const Run run = runCommand(f.folder(), arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(!run.errors.isEmpty());
        QVERIFY(!QFileInfo::exists(QDir(f.folder()).filePath("x.csv")));
    }
};

QTEST_GUILESS_MAIN(ExchangeCommandsTest)
#include "tst_exchangecommands.moc"
