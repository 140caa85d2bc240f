// The portal export through LibreOffice, read back with ssconvert; one office serves most cases.

#include "core/exchange/CalcEngineModule.h"
#include "core/exchange/PortalExport.h"
#include "support/PortalSheets.h"
#include "support/TestProgram.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QTest>

#include <unistd.h>

using namespace lirvenda;
using namespace lirvenda::test;

namespace {

const QDate Today(2024, 6, 5);

// The same observation count times, numbered in its count and comment, and the template.
void prepare(TestProgram &t, int count, const QString &templateName = "lirv_excelimport.xls")
{
    makeTemplate(t.path(templateName));
    Transaction transaction(t.db());
    for (int i = 1; i <= count; ++i)
        t.insertObservation({{"Art", "14640"},
                             {"Antall", i},
                             {"StartDato", "2024-06-01 08:00:00"},
                             {"StoppDato", "2024-06-01 09:00:00"},
                             {"Lokalitet", "Øra"},
                             {"Kommentar", QStringLiteral("observasjon %1").arg(i)}});
    transaction.commit();
}

// The folder refuses new files, or answers false where it cannot be made to.
bool setReadOnly(const QString &path, bool on)
{
    const QFileDevice::Permissions readable = QFileDevice::ReadOwner | QFileDevice::ExeOwner;
    QFile::setPermissions(path, on ? readable : readable | QFileDevice::WriteOwner);
    if (::geteuid() == 0) // the superuser ignores the permission bits, but not the immutable flag
        QProcess::execute(QStringLiteral("chattr"), {on ? "+i" : "-i", path});
    return ::access(QFile::encodeName(path).constData(), W_OK) != 0;
}

// The cells of "column=value" texts.
Cells cells(const QStringList &texts)
{
    Cells all;
    for (const QString &text : texts)
        all.insert(text.section('=', 0, 0).toInt(), text.section('=', 1));
    return all;
}

} // namespace

class PortalExportTest : public QObject {
    Q_OBJECT

    std::unique_ptr<SpreadsheetEngine> m_engine;

private slots:
    void initTestCase() { m_engine = startCalcEngine(); }
    void cleanupTestCase() { m_engine.reset(); }

    void preparing_data()
    {
        QTest::addColumn<int>("unreported");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("templateName");
        const QString question = "Du har 2 observasjoner som skal rapporteres til 'Rapporteringsportalen'. Vil du "
                                 "generere excel-ark nå?";
        const QString missing = "Du mangler fila lirv_Excelimport.xls. Denne kan du hente fra Rapporteringsportalen og "
                                "kopiere til mappa %1/.";
        const QStringList xls{"lirv_excelimport.xls"};
        QTest::newRow("nothing to report")
            << 0 << true << xls << QStringList{"Du har pr. 05.06.2024 ingen observasjoner som skal sendes inn."} << "";
        QTest::newRow("answered no") << 2 << false << xls << QStringList{question} << "";
        QTest::newRow("template missing, a folder has its name")
            << 2 << true << QStringList{"20240605_1.xls", "lirv_excelimport.xls/"} << QStringList{question, missing}
            << "";
        QTest::newRow("xlsx template, any case")
            << 2 << true << QStringList{"LIRV_EXCELIMPORT.XLSX"} << QStringList{question} << "LIRV_EXCELIMPORT.XLSX";
        QTest::newRow("xls before xlsx") << 2 << true << QStringList{"lirv_excelimport.xlsx", "lirv_excelimport.xls"}
                                         << QStringList{question} << "lirv_excelimport.xls";
    }
    void preparing()
    {
        QFETCH(int, unreported);
        QFETCH(bool, answer);
        QFETCH(QStringList, entries);
        QFETCH(QStringList, shown);
        QFETCH(QString, templateName);
        TestProgram t;
        t.insertObservation({{"Art", "14640"}, {"Rapportert", 1}});
        for (int i = 0; i < unreported; ++i)
            t.insertObservation({{"Art", "14640"}});
        createEntries(t.folder(), entries);
        t.prompter().yesNoAnswers = {answer};

        QCOMPARE(preparePortalExport(t.program(), t.prompter(), Today),
                 templateName.isEmpty() ? QString() : t.path(templateName));
        QStringList texts;
        for (const ScriptedPrompter::Shown &message : t.prompter().shown)
            texts << message.text;
        QCOMPARE(texts, shown.replaceInStrings("%1", t.folder()));
    }

    void fileNumbers_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("next");
        QTest::newRow("highest of both formats")
            << QStringList{"20240605_1.xls", "20240605_12.XLSX", "20240605_3.xls"} << 13;
        QTest::newRow("other days") << QStringList{"20240604_7.xls", "20250605_7.xls"} << 1;
        QTest::newRow("other names") << QStringList{"20240605_4.xls.bak", "x20240605_5.xls", "20240605_.xls"} << 1;
        QTest::newRow("a folder with the name") << QStringList{"20240605_2.xls/"} << 3;
    }
    void fileNumbers()
    {
        QFETCH(QStringList, entries);
        QTemporaryDir dir;
        createEntries(dir.path(), entries);
        QTEST(nextFileNumber(dir.path(), Today), "next");
    }

    void closingMessageOfSeveralFiles()
    {
        QCOMPARE(
            exportedMessage("/data/fugl", {"20240605_4.xlsx", "20240605_5.xlsx", "20240605_6.xlsx"}),
            QStringLiteral("Det ble eksportert 3 excel-filer. Disse ligger i mappa /data/fugl og alle begynner med "
                           "navnet 20240605_ (etterfulgt av et nummer fra 4 til 6).xlsx"));
    }

    // Each kind of value, and the template's own cells, formula included, around them.
    void cellsOfEachObservation()
    {
        TestProgram t;
        const QString per = t.addObserver("Per", "Hansen", "PHA");
        const QString kari = t.addObserver("Kari", "Nordmann", "KNO");
        const QString ola = t.addObserver("Ola", "Ås", "OÅS");
        t.db().execute("INSERT INTO Lokalitet(ID, Lokalitet) VALUES (7, 'Øra naturreservat')");
        const QString comment = QString("Blåstrupe og gjøk sang i æøå-skogen, ÆØÅ «sitat» 'x'. ").repeated(30);
        t.insertObservation({{"Art", "14640"},
                             {"Antall", 3},
                             {"Alder", "1K"},
                             {"Kjønn", "Hann"},
                             {"AtlasKode", "1"},
                             {"Lokalitet", "Ørlandet, ved «Kråkvåg»"},
                             {"StartDato", "2024-06-05 07:30:00"},
                             {"StoppDato", "2024-06-05 09:05:00"},
                             {"Kommentar", comment},
                             {"Observatører", per + "," + kari + "," + ola}});
        // A group registration: its observers are links, the main one and twelve others.
        const qint64 grouped = t.insertObservation({{"Art", "11870"},
                                                    {"Antall", 21},
                                                    {"Kjønn", ""},
                                                    {"AtlasKode", ""},
                                                    {"Lokalitet", "7"},
                                                    {"StartDato", "2024-06-04 00:00:00"},
                                                    {"StoppDato", "2024-06-04 00:00:00"},
                                                    {"Observatører", per}});
        const QString link = "INSERT INTO ObservatørKobling(RecordID, ObservasjonsId, HovedObservatør) "
                             "SELECT ?, ObserverID, ? FROM Observers WHERE ObserverUniqueID = ?";
        t.db().execute(link, {grouped, 1, per});
        for (int i = 1; i <= 12; ++i)
            t.db().execute(
                link,
                {grouped, 0, t.addObserver(QStringLiteral("Deltaker%1").arg(i), "Lien", QStringLiteral("D%1").arg(i))});
        t.insertObservation({{"Art", "99999"},
                             {"Lokalitet", "=A1"},
                             {"Kommentar", "0123"},
                             {"StartDato", "2024-06-03 23:59:00"},
                             {"Observatører", per + ",20000101000000-9," + kari}});
        t.insertObservation({{"Art", "14640"}, {"Antall", 0}, {"Lokalitet", "42"}, {"Kommentar", "=1+1"}});
        t.insertObservation({{"Art", "14640"}, {"Antall", 99}, {"Rapportert", 1}});
        makeTemplate(t.path("lirv_excelimport.xls"), {{4, {{3, "=B4*2"}}}});
        const QByteArray templateBefore = contents(t.path("lirv_excelimport.xls"));

        QCOMPARE(exportUnreported(t.program(), *m_engine, t.path("lirv_excelimport.xls"), Today),
                 QStringList{"20240605_1.xls"});

        Cells grouping{{1, "TURMER"},     {2, "21"},        {3, "42"}, {6, "Øra naturreservat"},
                       {7, "04.06.2024"}, {9, "04.06.2024"}};
        for (int i = 1; i <= 10; ++i)
            grouping.insert(20 + i, QStringLiteral("Deltaker%1 Lien").arg(i));
        const QList<QStringList> sheet = readSheet(t.path("20240605_1.xls"));
        QCOMPARE(sheet.size(), TemplateRows);
        QCOMPARE(
            sheet.at(2),
            filledRow(3, cells({"1=PARMAJ", "2=3", "3=1K", "4=Hann", "5=Observert i hekketiden i mulig hekkebiotop",
                                "6=Ørlandet, ved «Kråkvåg»", "7=05.06.2024", "8=07:30", "9=05.06.2024", "10=09:05",
                                "11=" + comment, "21=Kari Nordmann", "22=Ola Ås"})));
        QCOMPARE(sheet.at(3), filledRow(4, grouping));
        QCOMPARE(sheet.at(4),
                 filledRow(5, {{6, "=A1"}, {7, "03.06.2024"}, {8, "23:59"}, {11, "0123"}, {21, "Kari Nordmann"}}));
        QCOMPARE(sheet.at(5), filledRow(6, {{1, "PARMAJ"}, {2, "0"}, {6, "42"}, {11, "=1+1"}}));
        for (int row = 1; row <= TemplateRows; ++row)
            if (row < 3 || row > 6)
                QCOMPARE(sheet.at(row - 1), templateRow(row));
        QCOMPARE(contents(t.path("lirv_excelimport.xls")), templateBefore);
        QCOMPARE(unreportedCount(t.program()), 0);
    }

    void filesOf151Observations_data()
    {
        QTest::addColumn<int>("observations");
        QTest::addColumn<QString>("templateName");
        QTest::addColumn<int>("firstNumber");     // the ones before are the day's earlier files
        QTest::addColumn<QList<int>>("progress"); // after each file
        const QString xls = "lirv_excelimport.xls";
        QTest::newRow("151") << 151 << xls << 1 << QList<int>{151};
        QTest::newRow("302, no empty third") << 302 << xls << 1 << QList<int>{151, 302};
        QTest::newRow("after a cut run the same day") << 2 << xls << 3 << QList<int>{2};
        QTest::newRow("xlsx template") << 152 << "Lirv_ExcelImport.xlsx" << 1 << QList<int>{151, 152};
    }
    void filesOf151Observations()
    {
        QFETCH(int, observations);
        QFETCH(QString, templateName);
        QFETCH(int, firstNumber);
        QFETCH(QList<int>, progress);
        TestProgram t;
        prepare(t, observations, templateName);
        const QString name = "20240605_%1." + QFileInfo(templateName).suffix().toLower();
        QStringList earlier, files;
        QList<int> reported;
        for (int number = 1; number < firstNumber + progress.size(); ++number)
            (number < firstNumber ? earlier : files) << name.arg(number);
        for (const QString &file : earlier)
            QVERIFY(QFile::copy(t.path(templateName), t.path(file)));
        // A run cut before marking left its files listed: the export removes them, and only them.
        t.db().execute("INSERT INTO UferdigeEksportfiler(Fil) VALUES ('20240604_9.xls'), ('lirv_excelimport.xls'), "
                       "('../Observasjoner.mdb')");
        if (!earlier.isEmpty())
            t.db().execute("INSERT INTO UferdigeEksportfiler(Fil) VALUES (?)", {earlier.takeFirst()});

        QCOMPARE(exportUnreported(t.program(), *m_engine, t.path(templateName), Today,
                                  [&reported](int exported) { reported << exported; }),
                 files);

        QCOMPARE(reported, progress);
        QStringList folder = QStringList{"Observasjoner.mdb", templateName} + earlier + files;
        folder.sort();
        QCOMPARE(QDir(t.folder()).entryList(QDir::Files | QDir::Hidden, QDir::Name), folder); // no office leftovers
        for (const QString &file : earlier)
            QCOMPARE(contents(t.path(file)), contents(t.path(templateName)));
        int observation = 0; // each file full but the last
        for (const QString &file : files) {
            QCOMPARE(contents(t.path(file)).startsWith("PK"), file.endsWith(".xlsx")); // a zip, or BIFF
            const QList<QStringList> sheet = readSheet(t.path(file));
            QCOMPARE(sheet.size(), TemplateRows);
            for (int row = 1; row <= TemplateRows; ++row) {
                QStringList filled;
                if (row >= PortalFirstRow && observation < observations) {
                    const QString n = QString::number(++observation);
                    filled = {"1=PARMAJ", "2=" + n,       "6=Øra",    "7=01.06.2024",
                              "8=08:00",  "9=01.06.2024", "10=09:00", "11=observasjon " + n};
                }
                QCOMPARE(sheet.at(row - 1), filledRow(row, cells(filled)));
            }
        }
        QCOMPARE(unreportedCount(t.program()), 0);
        QCOMPARE(t.db().scalar("SELECT count(*) FROM UferdigeEksportfiler").toInt(), 0);
    }

    // Whatever fails, the files of the run go and no observation is marked.
    void failuresLeaveNothing_data()
    {
        QTest::addColumn<QString>("message"); // %1 is the program folder
        QTest::newRow("folder read-only") << "Databasefeil i %1/Observasjoner.mdb: Databasefila, eller journalfila "
                                             "ved siden av den, kan ikke åpnes. Er mappa skrivebeskyttet?";
        QTest::newRow("template gone after the first file")
            << "Kan ikke åpne malen %1/lirv_excelimport.xls. Finnes den, og er den et regneark?";
        QTest::newRow("marking fails") << "Databasefeil i %1/Observasjoner.mdb: Disken er full";
    }
    void failuresLeaveNothing()
    {
        QFETCH(QString, message);
        const QByteArray tag = QTest::currentDataTag();
        TestProgram t;
        prepare(t, 152);
        const QString templatePath = t.path("lirv_excelimport.xls");
        if (tag == "marking fails")
            t.db().execute(
                "CREATE TRIGGER Full BEFORE UPDATE ON Observasjoner BEGIN SELECT RAISE(ABORT, 'Disken er full'); END");
        const auto writable = qScopeGuard([&t] { setReadOnly(t.folder(), false); });
        if (tag == "folder read-only" && !setReadOnly(t.folder(), true))
            QSKIP("This file system lets the superuser write into any folder");

        try {
            exportUnreported(t.program(), *m_engine, templatePath, Today, [&](int) {
                if (tag == "template gone after the first file")
                    QFile::remove(templatePath);
            });
            QFAIL("the export did not fail");
        } catch (const SpreadsheetError &error) {
            QCOMPARE(error.message(), QString(message).replace("%1", t.folder()));
        }

        QCOMPARE(QDir(t.folder()).entryList({"2024*"}), QStringList());
        QCOMPARE(unreportedCount(t.program()), 152);
    }

    // An office that never answers is given up after the wait, with whatever it started.
    void officeThatNeverAnswers()
    {
        QTemporaryDir dir;
        const QString soffice = dir.filePath("soffice");
        QVERIFY(writeFile(soffice, QStringLiteral("#!/bin/sh\necho $$ > %1; sleep 600 & echo $! >> %1; wait\n")
                                       .arg(dir.filePath("pids"))
                                       .toUtf8()));
        QVERIFY(QFile::setPermissions(soffice, QFile::permissions(soffice) | QFileDevice::ExeOwner));

        try {
            startCalcEngine({soffice, 1});
            QFAIL("the office was reached");
        } catch (const SpreadsheetError &error) {
            QCOMPARE(error.message(), QStringLiteral("LibreOffice svarte ikke innen 1 sekunder etter oppstarten."));
        }
        // The whole group was sent SIGKILL: each process is gone or a zombie.
        for (const QByteArray &pid : contents(dir.filePath("pids")).split('\n')) {
            const auto stat = [&pid] {
                return pid.isEmpty() ? QByteArray() : contents(QStringLiteral("/proc/%1/stat").arg(pid.toInt()));
            };
            QTRY_VERIFY2_WITH_TIMEOUT(stat().isEmpty() || stat().contains(") Z "), pid.constData(), 60000);
        }
    }
};

QTEST_GUILESS_MAIN(PortalExportTest)
#include "tst_portalexport.moc"
