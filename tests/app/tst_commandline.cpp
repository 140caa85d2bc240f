#include "core/store/Database.h"
#include "core/store/Program.h"
#include "support/TestProgram.h"

#include <QtTest>

using namespace lirvenda;
using test::contents;

namespace {

struct Run {
    int exitCode;
    QString output;
};

Run runProgram(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(LIRVENDA_EXECUTABLE), arguments);
    if (!process.waitForFinished(120000))
        process.kill();
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError())};
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
        const Run first = runProgram({"--screenshot", png, "--folder", folder});
        QCOMPARE(first.exitCode, 0);

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
            ->execute("INSERT INTO Observasjoner(Art, StartDato, Lokalitet) VALUES ('11870', '2024-05-01 08:00:00', "
                      "'Tjønna')");
        QCOMPARE(runProgram({"--screenshot", png, "--folder", folder}).exitCode, 0);
        auto db = Database::open(database, Program::DatabaseKey);
        QCOMPARE(db->scalar("SELECT Lokalitet FROM Observasjoner").toString(), QString("Tjønna"));
        QCOMPARE(db->scalar("SELECT count(*) FROM Animalia").toInt(), 1036);
    }

    void aDatabaseThatCannotBeOpenedStopsTheProgram()
    {
        QTemporaryDir dir;
        const QString database = dir.filePath("Observasjoner.mdb");
        const QByteArray garbage(5000, 'q');
        QFile file(database);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(garbage) == garbage.size());
        file.close();

        const Run run = runProgram({"--screenshot", dir.filePath("s.png"), "--folder", dir.path()});
        QVERIFY(run.exitCode != 0);
        QVERIFY2(run.output.contains(database), qPrintable(run.output));
        QCOMPARE(contents(database), garbage);
        QVERIFY(!QFile::exists(dir.filePath("s.png")));
    }

    void versionAndHelp()
    {
        QVERIFY(runProgram({"--version"}).output.contains("1.0"));
        const Run help = runProgram({"--help"});
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.output.contains("--folder") && help.output.contains("--screenshot"));
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
