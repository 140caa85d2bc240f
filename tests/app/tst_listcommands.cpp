#include "core/commandline/CommandOutput.h"
#include "support/ListsDiary.h"
#include "support/TestProgram.h"

#include <QtTest>

using namespace lirvenda;

namespace {

struct Run {
    int exitCode;
    QString output;
    QString errors;
};

Run runProgram(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(LIRVENDA_EXECUTABLE), arguments);
    if (!process.waitForFinished(120000))
        process.kill();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

const QString Header = "Ny\tArt\tVitenskapelig navn\tFørst sett\tLokalitet\tSist sett\tObservasjoner\tIndivider\n";

} // namespace

// The commands write the window's lines; a wrong word is refused before anything is read.
class ListCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        t.program().openObservations();
        test::fillListsDiary(t);
    }

    void commands_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("errors");
        QTest::newRow("year list") << QStringList{"lists", "year", "2019"} << CommandSucceeded
                                   << "Årsliste 2019, Fugler: 1 art\n" + Header +
                                          "ny\tKnoppsvane\tCygnus olor\t31.12.2019\tStorvatnet\t31.12.2019\t1\t1\n"
                                   << "";
        QTest::newRow("county, one year, mammals, as CSV")
            << QStringList{"lists", "--csv", "county", "NO03", "--year", "2020", "--class", "pattedyr"}
            << CommandSucceeded
            << "key,name,scientific_name,first_seen,first_locality,first_observation,last_seen,observations,"
               "individuals,new\r\n"
               "900001,Piggsvin,Erinaceus europaeus,2020-08-08 00:00:00,Tjønna,9,2020-08-08 00:00:00,1,1,1\r\n"
               "99999,99999,,2020-07-07 00:00:00,Tjønna,8,2020-07-07 00:00:00,1,5,1\r\n"
            << "";
        QTest::newRow("a year without observations") << QStringList{"lists", "year", "1990"} << CommandSucceeded
                                                     << "Årsliste 1990, Fugler: 0 arter\n" + Header << "";
        QTest::newRow("arrival dates") << QStringList{"arrivals", "01520"} << CommandSucceeded
                                       << "Ankomstdatoer for Knoppsvane\nÅr\tFørst sett\tDag i året\tLokalitet\n"
                                          "2019\t31.12.2019 23:59:00\t365\tStorvatnet\n"
                                          "2020\t01.06.2020 12:00:00\t153\tBø\n"
                                       << "";
        QTest::newRow("arrival dates of a species never seen")
            << QStringList{"arrivals", "14640"} << CommandSucceeded
            << "Ankomstdatoer for Kjøttmeis\nÅr\tFørst sett\tDag i året\tLokalitet\n"
            << "Ingen observasjoner av 14640.\n";
        QTest::newRow("arrival dates as JSON")
            << QStringList{"arrivals", "01520", "--json"} << CommandSucceeded
            << "[\n    {\n        \"day_of_year\": \"365\",\n        \"first_seen\": \"2019-12-31 23:59:00\",\n"
               "        \"locality\": \"Storvatnet\",\n        \"observation\": \"1\",\n        \"year\": \"2019\"\n"
               "    },\n    {\n        \"day_of_year\": \"153\",\n        \"first_seen\": \"2020-06-01 12:00:00\",\n"
               "        \"locality\": \"Bø\",\n        \"observation\": \"2\",\n        \"year\": \"2020\"\n    }\n]\n"
            << "";
        QTest::newRow("CSV and JSON at once") << QStringList{"lists", "life", "--csv", "--json"} << CommandRefused << ""
                                              << "Velg enten --csv eller --json.\n";
        QTest::newRow("unknown kind") << QStringList{"lists", "world"} << CommandRefused << ""
                                      << "Listen må være life, year, county, municipality eller locality, ikke "
                                         "«world».\n";
        QTest::newRow("year without its year") << QStringList{"lists", "year"} << CommandRefused << ""
                                               << "Listen «year» trenger et ord til.\n";
        QTest::newRow("bad year") << QStringList{"lists", "year", "20x0"} << CommandRefused << ""
                                  << "Året må være et tall fra 1 til 9999, ikke «20x0».\n";
        QTest::newRow("unknown county") << QStringList{"lists", "county", "NO99"} << CommandRefused << ""
                                        << "Ukjent fylke «NO99».\n";
        QTest::newRow("unknown class") << QStringList{"lists", "life", "--class", "Sopp"} << CommandRefused << ""
                                       << "Ukjent artsgruppe «Sopp».\n";
    }
    void commands()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QFETCH(QString, errors);
        const Run run = runProgram(arguments + QStringList{"--folder", t.folder()});
        QCOMPARE(run.output, output);
        QCOMPARE(run.errors, errors);
        QCOMPARE(run.exitCode, exitCode);
    }

    // A locality named with blanks is one word to the shell.
    void localityWithBlanks()
    {
        test::saveSighting(t, "11870", 1, "2021-04-04 09:00:00", "Nedre Storvatnet", "0301");
        const Run run = runProgram({"lists", "locality", "Nedre Storvatnet", "--folder", t.folder()});
        QCOMPARE(run.exitCode, CommandSucceeded);
        QCOMPARE(run.output.split('\n').constFirst(), "Lokalitetsliste Nedre Storvatnet alle år, Fugler: 1 art");
    }

private:
    test::TestProgram t;
};

QTEST_GUILESS_MAIN(ListCommandsTest)
#include "tst_listcommands.moc"
