#include "support/StatisticsYear.h"
#include "support/TestProgram.h"

#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

using namespace lirvenda;

namespace {

struct Run {
    int exitCode;
    QByteArray output; // standard output
    QString errors;    // standard error
};

// Runs the program with LIRVENDA_LANG set to the language; a run that crashed answers -1.
Run runIn(const QString &language, const QStringList &arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LIRVENDA_LANG"), language);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(LIRVENDA_EXECUTABLE), arguments);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000))
        process.kill();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}

// A Norwegian letter or quotation mark, left untranslated in an English text.
const QRegularExpression Norwegian(QStringLiteral("[æøåÆØÅ«»]"));

} // namespace

class CommandLanguageTest : public QObject {
    Q_OBJECT

private slots:
    void helpIsShownInTheLanguageAskedFor_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<QString>("unwanted");
        const QStringList helpExport{"help", "export"};
        QTest::newRow("help export, English")
            << "en" << helpExport << "Make Excel sheets of the unreported observations"
            << "Lag excel-ark";
        QTest::newRow("help export, own texts")
            << "C" << helpExport << "Lag excel-ark av de urapporterte observasjonene"
            << "Make Excel";
        QTest::newRow("help export, Norwegian") << "nb_NO.UTF-8" << helpExport << "export FIL\nLag excel-ark"
                                                << "Make Excel";
        QTest::newRow("the program's help, English")
            << "en" << QStringList{"--help"} << "Commands (each with --folder DIR):"
            << "Kommandoer";
        QTest::newRow("the program's help, own texts")
            << "C" << QStringList{"--help"} << "Kommandoer (hver med --folder DIR):"
            << "Commands (each";
    }

    void helpIsShownInTheLanguageAskedFor()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, arguments);
        QFETCH(QString, wanted);
        QFETCH(QString, unwanted);
        const Run run = runIn(language, arguments);
        const QString help = QString::fromUtf8(run.output);
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(help.contains(wanted), qPrintable(help));
        QVERIFY2(!help.contains(unwanted), qPrintable(help));
        if (language == QLatin1String("en"))
            QVERIFY2(!help.contains(Norwegian), qPrintable(help));
    }

    void refusalsAreShownInTheLanguageAskedFor_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("wanted");
        const QStringList unknown{"frobnicate"};
        const QStringList noStore{"stats", "2024", "--folder", "/nonexistent/lirvenda"};
        QTest::newRow("unknown command, English")
            << "en" << unknown << "Unknown command “frobnicate”.\nSee “lirvenda --help”.\n";
        QTest::newRow("unknown command, own texts")
            << "C" << unknown << "Ukjent kommando «frobnicate».\nSe «lirvenda --help».\n";
        QTest::newRow("no program folder, English")
            << "en" << noStore << "Cannot find the program folder /nonexistent/lirvenda.\n";
        QTest::newRow("no program folder, own texts")
            << "C" << noStore << "Finner ikke programmappa /nonexistent/lirvenda.\n";
    }

    void refusalsAreShownInTheLanguageAskedFor()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, arguments);
        QFETCH(QString, wanted);
        const Run run = runIn(language, arguments);
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.errors, wanted);
        QVERIFY(run.output.isEmpty());
    }

    // The year's report and a list's CSV are file formats: the same bytes whatever language the user
    // reads. The list as a person reads it follows the language.
    void aYearsReportAndListInEveryLanguage()
    {
        test::TestProgram t;
        const QStringList report = test::fillStatisticsYear(t, 2023);
        const QStringList arguments{"stats", "2023", "--folder", t.folder()};
        const Run own = runIn("C", arguments);
        QCOMPARE(own.exitCode, 0);
        QCOMPARE(QString::fromUtf8(own.output), report.join('\n') + '\n');
        const Run english = runIn("en", arguments);
        QCOMPARE(english.exitCode, 0);
        QCOMPARE(english.output, own.output);

        const Run empty = runIn("en", {"stats", "1999", "--folder", t.folder()});
        QCOMPARE(empty.errors, QString("No observations in 1999.\n"));

        const QStringList list{"lists", "year", "2023", "--folder", t.folder()};
        const QStringList ownList = QString::fromUtf8(runIn("C", list).output).split('\n');
        QVERIFY2(ownList.value(0).startsWith("Årsliste 2023, Fugler: "), qPrintable(ownList.value(0)));
        QCOMPARE(ownList.value(1), QString("Ny\tArt\tVitenskapelig navn\tFørst sett\tLokalitet\tSist sett\t"
                                           "Observasjoner\tIndivider"));
        const QStringList englishList = QString::fromUtf8(runIn("en", list).output).split('\n');
        QVERIFY2(englishList.value(0).startsWith("Year list 2023, Birds: "), qPrintable(englishList.value(0)));
        QVERIFY2(englishList.value(0).endsWith(" species"), qPrintable(englishList.value(0)));
        QCOMPARE(englishList.value(1), QString("New\tSpecies\tScientific name\tFirst seen\tLocality\tLast seen\t"
                                               "Observations\tIndividuals"));
        QCOMPARE(englishList.size(), ownList.size());
        QCOMPARE(ownList.value(2).section('\t', 0, 0), QString("ny")); // the diary's first year: all new
        QCOMPARE(englishList.value(2).section('\t', 0, 0), QString("new"));
        QCOMPARE(englishList.value(2).section('\t', 1), ownList.value(2).section('\t', 1));
        QCOMPARE(runIn("en", list + QStringList{"--csv"}).output, runIn("C", list + QStringList{"--csv"}).output);
    }

    // The build writes the completion scripts: they must not depend on the builder's language.
    void theCompletionScriptsAreTheSameInEveryLanguage()
    {
        for (const QString shell : {"bash", "zsh"}) {
            const Run own = runIn("C", {"completion", shell});
            QVERIFY(own.output.contains("_lirvenda"));
            QCOMPARE(runIn("en", {"completion", shell}).output, own.output);
            QCOMPARE(runIn("nb", {"completion", shell}).output, own.output);
        }
    }
};

QTEST_GUILESS_MAIN(CommandLanguageTest)
#include "tst_commandlanguage.moc"
