#include "core/store/Database.h"
#include "core/store/Program.h"
#include "core/store/Schema.h"
#include "support/PortalSheets.h"
#include "support/ScratchDisk.h"
#include "support/StatisticsYear.h"
#include "support/TestProgram.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using namespace lirvenda;
using test::contents;

namespace {

struct Run {
    int exitCode;
    QString output; // standard output
    QString errors; // standard error
};

// Runs the program; a run that crashed or aborted answers -1.
Run runProgram(const QStringList &arguments,
               const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(LIRVENDA_EXECUTABLE), arguments);
    process.closeWriteChannel(); // a script's empty input: nothing to answer a question with
    if (!process.waitForFinished(120000))
        process.kill();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

// The lines of an output, each ended by a line break.
QStringList lines(const QString &output)
{
    QStringList all = output.split('\n');
    all.removeLast();
    return all;
}

// The entries of a folder, to see that a failed command left nothing behind.
QStringList entries(const QString &folder) { return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot); }

// Every entry of a folder with a digest of its bytes, to see that a command changed nothing.
QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> digests;
    for (const QString &entry : entries(folder))
        digests.insert(entry,
                       QCryptographicHash::hash(contents(QDir(folder).filePath(entry)), QCryptographicHash::Sha256));
    return digests;
}

// Makes the folder and its files read-only, or writable again.
void setWritable(const QString &folder, bool writable)
{
    const QFileDevice::Permissions read = QFileDevice::ReadOwner | QFileDevice::ReadUser;
    const QFileDevice::Permissions write = QFileDevice::WriteOwner | QFileDevice::WriteUser;
    for (const QString &entry : entries(folder))
        QFile::setPermissions(QDir(folder).filePath(entry), writable ? read | write : read);
    QFile::setPermissions(folder, (writable ? read | write : read) | QFileDevice::ExeOwner | QFileDevice::ExeUser);
}

// A store of two sightings in 2024 and an observer register, closed again; as the first schema
// version left them when asked.
void makeStore(const QString &folder, bool firstSchema)
{
    Program program(folder);
    program.openMainConnection();
    for (const char *day : {"2024-05-01 08:00:00", "2024-06-01 08:00:00"})
        program.mainConnection().execute(
            "INSERT INTO Observasjoner(Art, Antall, StartDato, Lokalitet) VALUES ('11870', 2, ?, 'Tjønna')", {day});
    auto nest = Database::create(program.filePath(Program::ObserverFileName), Program::DatabaseKey);
    upgradeObserverSchema(*nest);
    if (firstSchema) {
        test::makeFirstSchemaVersion(program.mainConnection());
        nest->execute("PRAGMA user_version = 1");
    }
}

// The processes whose command line names the run's office pipe.
QList<int> officesOf(qint64 run)
{
    const QByteArray pipe = "name=lirvenda-" + QByteArray::number(run) + '-';
    QList<int> found;
    for (const QString &entry : QDir("/proc").entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (entry.toInt() > 0 && contents("/proc/" + entry + "/cmdline").contains(pipe))
            found << entry.toInt();
    return found;
}

// Sightings of a blackbird at Tjønna, all on one morning.
void addSightings(test::TestProgram &t, int count, const QVariant &number = {})
{
    for (int i = 0; i < count; ++i)
        t.insertObservation(
            {{"Art", "11870"}, {"Antall", number}, {"StartDato", "2024-05-01 08:00:00"}, {"Lokalitet", "Tjønna"}});
}

int unreported(test::TestProgram &t)
{
    return t.db().scalar("SELECT count(*) FROM Observasjoner WHERE Rapportert = 0").toInt();
}

} // namespace

class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void screenshotOfAFreshFolderAndASecondStart()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath("ny mappe");
        const QString png = dir.filePath("s.png");
        QCOMPARE(runProgram({"--screenshot", png, "--folder", folder}).exitCode, 0);
        const QImage image(png);
        QVERIFY(image.width() > 600 && image.height() > 400);
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); y += 7)
            for (int x = 0; x < image.width(); x += 7)
                colours.insert(image.pixel(x, y));
        QVERIFY2(colours.size() > 3, "the picture is blank");

        const QString database = QDir(folder).filePath("Observasjoner.mdb");
        QVERIFY(!contents(database).startsWith("SQLite format 3"));
        Database::open(database, Program::DatabaseKey)
            ->execute("INSERT INTO Observasjoner(Art, Lokalitet) VALUES ('11870', 'Tjønna')");
        QCOMPARE(runProgram({"--screenshot", png, "--folder", folder}).exitCode, 0);
        auto db = Database::open(database, Program::DatabaseKey);
        QCOMPARE(db->scalar("SELECT Lokalitet FROM Observasjoner").toString(), QString("Tjønna"));
        QCOMPARE(db->scalar("SELECT count(*) FROM Animalia").toInt(), 1036);
    }

    // "help" shows what --help shows, for the program or for a command.
    void versionAndHelp()
    {
        QVERIFY(runProgram({"--version"}).output.contains("1.0"));
        const Run help = runProgram({"--help"});
        QVERIFY(help.exitCode == 0 && help.output.contains("--screenshot") && help.output.contains("backup FIL "));
        QCOMPARE(runProgram({"help"}).output, help.output);
        const Run stats = runProgram({"help", "stats"});
        QVERIFY(stats.exitCode == 0 && stats.output.contains("stats ÅR"));
        QCOMPARE(runProgram({"stats", "--help"}).output, stats.output);
        QCOMPARE(runProgram({"help", "nonsense"}).exitCode, 2);
    }

    // Reading commands work on a read-only folder and an older schema, and never change a byte.
    void readingCommandsLeaveTheStoreAlone_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("firstSchema");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message"); // in the output, or in the errors of a refusal
        QTest::newRow("check") << QStringList{"check"} << false << 0 << "Ingen feil funnet.";
        QTest::newRow("check, first schema")
            << QStringList{"check"} << true << 0 << "Databaseoppsett 1: listene over brukte arter";
        QTest::newRow("stats") << QStringList{"stats", "2024"} << false << 0 << "Statistikk for 2024:";
        QTest::newRow("stats, first schema")
            << QStringList{"stats", "2024"} << true << 2 << "«stats» trenger oppsett 3 eller nyere";
        QTest::newRow("backup") << QStringList{"backup", "COPY"} << false << 0 << "kopi.tar";
        QTest::newRow("backup, first schema") << QStringList{"backup", "COPY"} << true << 0 << "kopi.tar";
    }

    void readingCommandsLeaveTheStoreAlone()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, firstSchema);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        test::ScratchDisk disk(16);
        QTemporaryDir dir;
        const QString folder = QDir(disk.mounted() ? disk.path() : dir.path()).filePath("Lirvenda");
        QVERIFY(QDir().mkpath(folder));
        makeStore(folder, firstSchema);
        const QMap<QString, QByteArray> before = snapshot(folder);
        QTemporaryDir target;
        arguments.replaceInStrings("COPY", target.filePath("kopi.tar"));
        if (disk.mounted())
            QVERIFY(disk.setReadOnly(true));
        else
            setWritable(folder, false);

        const Run run = runProgram(arguments + QStringList{"--folder", folder});
        if (!disk.mounted())
            setWritable(folder, true);
        QCOMPARE(snapshot(folder), before);
        QVERIFY2(run.exitCode == exitCode, qPrintable(run.errors));
        QVERIFY2((exitCode == 0 ? run.output : run.errors).contains(message), qPrintable(run.output + run.errors));
        if (arguments.first() == "backup") {
            QCOMPARE(
                runProgram({"restore", target.filePath("kopi.tar"), "--folder", target.filePath("tilbake")}).exitCode,
                0);
            auto restored = Database::open(target.filePath("tilbake/Observasjoner.mdb"), Program::DatabaseKey);
            QCOMPARE(restored->scalar("SELECT count(*) FROM Observasjoner").toInt(), 2);
        }
    }

    // The year's report as text; for scripts the same answers as tables: CSV with a header of the
    // field names, or JSON.
    void statsAndCheckReports()
    {
        test::TestProgram t;
        const QStringList report = test::fillStatisticsYear(t, 2023);
        const Run run = runProgram({"stats", "2023", "--folder", t.folder()});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(lines(run.output), report);
        const Run empty = runProgram({"--folder", t.folder(), "stats", "1999"});
        QCOMPARE(empty.exitCode, 0);
        QVERIFY(empty.output.isEmpty() && empty.errors.contains("Ingen observasjoner i 1999"));

        test::registerObservation(t, "11870", "3", "01.05.2021", "08:00", {});
        test::registerObservation(t, "11870", "2", "01.06.2021", "08:00", {});
        const Run csv = runProgram({"stats", "2021", "--csv", "--folder", t.folder()});
        QCOMPARE(csv.exitCode, 0);
        const QStringList csvLines = csv.output.split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(csvLines.size(), 2);
        QVERIFY(csvLines[0].startsWith("key,name,total,month_1,"));
        QVERIFY2(csvLines[1].startsWith("11870,") && csvLines[1].endsWith(",5,0,0,0,0,3,2,0,0,0,0,0,0"),
                 qPrintable(csvLines[1]));

        const Run json = runProgram({"--json", "stats", "2021", "--folder", t.folder()});
        QCOMPARE(json.exitCode, 0);
        const QJsonArray rows = QJsonDocument::fromJson(json.output.toUtf8()).array();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0]["key"].toString(), "11870");
        QCOMPARE(rows[0]["month_6"].toString(), "2");

        const Run check = runProgram({"check", "--json", "--folder", t.folder()});
        QCOMPARE(check.exitCode, 0);
        const QJsonArray checked = QJsonDocument::fromJson(check.output.toUtf8()).array();
        QVERIFY(!checked.isEmpty());
        for (const QJsonValue &row : checked)
            QCOMPARE(row["kind"].toString(), "summary");
    }

    void checkFindsDamage_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("problem");
        QTest::newRow("link without observation")
            << "INSERT INTO ObservatørKobling(RecordID, ObservasjonsId) VALUES (999, 1)"
            << "1 observatørkoblinger peker på en observasjon som ikke finnes";
        QTest::newRow("unknown species key") << "UPDATE Observasjoner SET Art = 'X99' WHERE ObsID = 1"
                                             << "Artsnøkler som ikke finnes i artslista: X99";
        QTest::newRow("no start") << "UPDATE Observasjoner SET StartDato = NULL"
                                  << "2 observasjoner er uten startdato";
        QTest::newRow("used species list") << "DELETE FROM RegistrerteArter"
                                           << "Lista over registrerte arter avviker fra observasjonene (1 arter)";
        QTest::newRow("species years") << "UPDATE ArtsÅr SET SisteObsID = FørsteObsID"
                                       << "Artene per år avviker fra observasjonene (1 arter og år)";
    }

    void checkFindsDamage()
    {
        QFETCH(QString, damage);
        QFETCH(QString, problem);
        test::TestProgram t;
        addSightings(t, 2);
        t.db().execute(damage);

        const Run run = runProgram({"check", "--folder", t.folder()});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.output.contains("Observasjoner.mdb: integritetssjekken er i orden"));
        QVERIFY2(run.output.contains("FEIL: " + problem), qPrintable(run.output));
    }

    // The test's own connection stays open, as the window's would.
    void backupCopiesAnOpenStoreAndNeverReplaces()
    {
        test::TestProgram t;
        addSightings(t, 1);
        QTemporaryDir target;
        const QString copy = target.filePath("kopi.zip");
        const Run run = runProgram({"backup", copy, "--folder", t.folder()});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.output.trimmed(), copy);
        const Run restore = runProgram({"restore", copy, "--folder", target.filePath("tilbake")});
        QVERIFY2(restore.exitCode == 0, qPrintable(restore.errors));
        const QString restored = target.filePath("tilbake/Observasjoner.mdb");
        QVERIFY(!contents(restored).startsWith("SQLite format 3"));
        QCOMPARE(
            Database::open(restored, Program::DatabaseKey)->scalar("SELECT Lokalitet FROM Observasjoner").toString(),
            QString("Tjønna"));

        const QByteArray before = contents(copy);
        const Run again = runProgram({"backup", copy, "--folder", t.folder()});
        QVERIFY(again.exitCode == 1 && again.errors.contains("finnes fra før"));
        QCOMPARE(contents(copy), before);
        QCOMPARE(entries(target.path()), QStringList({"kopi.zip", "tilbake"}));
        const Run over = runProgram({"restore", copy, "--folder", t.folder()});
        QVERIFY(over.exitCode == 1 && over.errors.contains("er ikke tom"));
    }

    // A refusal answers 2 with only a message, and leaves the folder and the store as they were.
    // Mistakes of use are refused before a window or a store is made: no display needed.
    void refusalsChangeNothing_data()
    {
        QTest::addColumn<QString>("store");         // "usage" or "missing" folder, "" no store, "garbage", "sound"
        QTest::addColumn<QStringList>("arguments"); // DIR is the test's folder
        QTest::addColumn<QString>("message");
        QTest::newRow("mistyped command") << "usage" << QStringList{"exprot"} << "Ukjent kommando «exprot»";
        QTest::newRow("mistyped command after an option")
            << "usage" << QStringList{"--folder", "DIR/finnes-ikke", "chekc"} << "Ukjent kommando «chekc»";
        QTest::newRow("unknown option of the window") << "usage" << QStringList{"--colour", "red"} << "colour";
        QTest::newRow("screenshot of a command")
            << "usage" << QStringList{"check", "--screenshot", "s.png"} << "screenshot";
        QTest::newRow("export in a missing folder") << "missing" << QStringList{"export"} << "Finner ikke programmappa";
        QTest::newRow("window on a broken store")
            << "garbage" << QStringList{"--screenshot", "DIR/s.png"} << "DIR/Observasjoner.mdb";
        QTest::newRow("stats without a store") << "" << QStringList{"stats", "2024"} << "Finner ingen database";
        QTest::newRow("check on a broken store") << "garbage" << QStringList{"check"} << "Observasjoner.mdb";
        QTest::newRow("stats without a year") << "sound" << QStringList{"stats"} << "Bruk:";
        QTest::newRow("stats of a word") << "sound" << QStringList{"stats", "fjor"} << "«fjor»";
        QTest::newRow("backup without a file") << "sound" << QStringList{"backup"} << "Bruk:";
        QTest::newRow("both CSV and JSON")
            << "sound" << QStringList{"check", "--json", "--csv"} << "Velg én av --csv og --json.";
    }

    void refusalsChangeNothing()
    {
        QFETCH(QString, store);
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QTemporaryDir dir;
        arguments.replaceInStrings("DIR", dir.path());
        message.replace("DIR", dir.path());
        const QString database = dir.filePath("Observasjoner.mdb");
        if (store == "garbage")
            QVERIFY(test::writeFile(database, QByteArray(5000, 'q')));
        else if (store == "sound")
            Program(dir.path()).openMainConnection();
        if (!arguments.contains("--folder"))
            arguments << "--folder"
                      << (store == "usage" || store == "missing" ? dir.filePath("finnes-ikke") : dir.path());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (store == "usage")
            for (const char *variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
                environment.remove(variable);
        const QMap<QString, QByteArray> before = snapshot(dir.path());

        const Run run = runProgram(arguments, environment);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.errors.contains(message), qPrintable(run.errors));
        QVERIFY(store != "usage" || run.errors.contains("Se «lirvenda --help»."));
        QVERIFY(run.output.isEmpty());
        QCOMPARE(snapshot(dir.path()), before);
    }

    // A killed export's office outlives it; the next export ends it, removes its profile and pipe.
    void theNextExportStopsAKilledExportsOffice()
    {
        test::TestProgram t;
        addSightings(t, 300);
        test::makeTemplate(t.path("lirv_Excelimport.xls"));
        QProcess killed;
        killed.start(QStringLiteral(LIRVENDA_EXECUTABLE), {"export", "--folder", t.folder()});
        QVERIFY(killed.waitForStarted());
        const qint64 run = killed.processId();
        QTRY_VERIFY_WITH_TIMEOUT(!officesOf(run).isEmpty(), 60000);
        killed.kill();
        killed.waitForFinished();
        QVERIFY2(!officesOf(run).isEmpty(), "the office ended with the program by itself");
        QCOMPARE(unreported(t), 300);

        const Run next = runProgram({"export", "--folder", t.folder()});
        QCOMPARE(next.exitCode, 0);
        QVERIFY(officesOf(run).isEmpty());
        QVERIFY(QDir::temp().entryList({QString("lirvenda-office-%1-*").arg(run)}, QDir::Dirs).isEmpty());
        QVERIFY(QDir("/tmp").entryList({QString("OSL_PIPE_*_lirvenda-%1-*").arg(run)}, QDir::System).isEmpty());
        QCOMPARE(unreported(t), 0);
    }

    // Without a template, or with one that is no workbook, nothing is written or marked.
    void exportWritesAndMarksOnce()
    {
        test::TestProgram t;
        addSightings(t, 2, 2);
        for (const char *refusal : {"lirv_Excelimport.xls", "fila er ikke et excel-ark"}) {
            const Run refused = runProgram({"export", "--folder", t.folder()});
            QVERIFY2(refused.exitCode == 1 && refused.errors.contains(refusal), qPrintable(refused.errors));
            QCOMPARE(unreported(t), 2);
            QVERIFY(test::writeFile(t.path("lirv_Excelimport.xls"), "Art;Antall\n"));
        }
        QCOMPARE(entries(t.folder()).filter(".xls").size(), 1);

        QFile::remove(t.path("lirv_Excelimport.xls"));
        test::makeTemplate(t.path("lirv_Excelimport.xls"));
        const Run run = runProgram({"export", "--folder", t.folder()});
        QCOMPARE(run.exitCode, 0);
        const QStringList files = lines(run.output);
        QCOMPARE(files.size(), 1);
        QCOMPARE(QFileInfo(files.first()).dir(), QDir(t.folder()));
        QVERIFY(run.errors.contains("2 av 2 observasjoner skrevet"));
        const QList<QStringList> sheet = test::readSheet(files.first());
        QVERIFY(sheet.at(2).join(',').contains("Tjønna")); // the first row after the two headings
        QCOMPARE(unreported(t), 0);

        const Run nothing = runProgram({"export", "--folder", t.folder()});
        QCOMPARE(nothing.exitCode, 0);
        QVERIFY(nothing.output.isEmpty() && nothing.errors.contains("ingen observasjoner"));
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
