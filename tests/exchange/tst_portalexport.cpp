// The portal export, run for real: templates made with gnumeric's ssconvert, filled by LibreOffice
// through the engine module, and every output read back with ssconvert as an independent reader.
// One office serves most cases, since starting one takes a second or two.

#include "exchange/CalcEngineModule.h"
#include "exchange/PortalExport.h"
#include "registration/FaunaWindow.h"
#include "support/TestProgram.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <climits>
#include <csignal>
#include <optional>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

using namespace lirvenda;
using test::TestProgram;

namespace {

const QDate Today(2024, 6, 5);
constexpr int Columns = 30;
constexpr int TemplateRows = 153;

// The template's cells: two heading rows; in the data rows, placeholders where an empty value must
// leave the template's cell (columns 3 to 5) and text in columns 12 to 20 that must survive.
QStringList templateRow(int row)
{
    QStringList cells(Columns);
    for (int column = 1; column <= Columns; ++column) {
        if (row == 1)
            cells[column - 1] = QStringLiteral("Kolonne %1").arg(column);
        else if (row == 2)
            cells[column - 1] = QStringLiteral("Forklaring %1").arg(column);
        else if (column >= 12 && column <= 20)
            cells[column - 1] = QStringLiteral("mal r%1 k%2").arg(row).arg(column);
    }
    if (row >= PortalFirstRow) {
        cells[2] = QStringLiteral("(alder)");
        cells[3] = QStringLiteral("(kjønn)");
        cells[4] = QStringLiteral("(aktivitet)");
    }
    return cells;
}

void ssconvert(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("ssconvert"), arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        qFatal("ssconvert %s failed: %s", qPrintable(arguments.join(' ')), process.readAllStandardError().constData());
}

// Made as the portal's template would be, in the format its suffix names; changed cells, by row
// and column, take the place of templateRow's (a text starting with "=" is a formula).
void makeTemplate(const QString &path, const QMap<std::pair<int, int>, QString> &changed = {})
{
    QFile tsv(path + QStringLiteral(".tsv"));
    QVERIFY(tsv.open(QIODevice::WriteOnly));
    for (int row = 1; row <= TemplateRows; ++row) {
        QStringList cells = templateRow(row);
        for (int column = 1; column <= Columns; ++column)
            cells[column - 1] = changed.value({row, column}, cells.at(column - 1));
        tsv.write(cells.join('\t').toUtf8() + '\n');
    }
    tsv.close();
    const bool xlsx = path.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive);
    ssconvert({"--import-type=Gnumeric_stf:stf_csvtab", "--import-encoding=UTF-8", "-T",
               xlsx ? "Gnumeric_Excel:xlsx2" : "Gnumeric_Excel:excel_biff8", tsv.fileName(), path});
    tsv.remove();
}

// The first worksheet, every row padded to the template's width.
QList<QStringList> readSheet(const QString &path)
{
    QTemporaryDir dir;
    const QString text = dir.filePath(QStringLiteral("sheet.txt"));
    ssconvert({"-T", "Gnumeric_stf:stf_assistant", "-O", "separator=\"\t\" quoting-mode=never", path, text});
    QFile file(text);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("Nothing read from %s", qPrintable(path));
    QList<QStringList> rows;
    for (const QString &line : QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts)) {
        rows << line.split('\t');
        while (rows.last().size() < Columns)
            rows.last() << QString();
    }
    return rows;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int unreported(TestProgram &t) { return UnreportedCount(t.program()); }

void insertSimpleObservations(TestProgram &t, int count)
{
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

qint64 observerId(TestProgram &t, const QString &uniqueId)
{
    return t.db().scalar("SELECT ObserverID FROM Observers WHERE ObserverUniqueID = ?", {uniqueId}).toLongLong();
}

// The processes of the offices this test has started.
QSet<pid_t> officeProcesses()
{
    const QByteArray mark = QStringLiteral("name=lirvenda-%1-").arg(QCoreApplication::applicationPid()).toUtf8();
    QSet<pid_t> found;
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool number = false;
        const pid_t pid = entry.toInt(&number);
        if (number && contents(QStringLiteral("/proc/%1/cmdline").arg(entry)).contains(mark))
            found << pid;
    }
    return found;
}

// The pipes by which an office keeps itself to one instance per profile.
QSet<QString> instancePipes()
{
    QSet<QString> pipes;
    const QDir folder(QStringLiteral("/tmp"));
    for (const QString &name : folder.entryList({QStringLiteral("OSL_PIPE_*_SingleOfficeIPC_*")}, QDir::System))
        pipes << folder.filePath(name);
    return pipes;
}

bool processEnded(pid_t pid)
{
    const QByteArray stat = contents(QStringLiteral("/proc/%1/stat").arg(pid));
    return stat.isEmpty() || stat.contains(") Z ");
}

// An engine whose saves fail from the given one on, as a full disk would make them.
class FailingSaves : public SpreadsheetEngine {
public:
    FailingSaves(SpreadsheetEngine &engine, int firstFailing) : m_engine(engine), m_firstFailing(firstFailing) {}
    void openTemplate(const QString &path) override { m_engine.openTemplate(path); }
    void setText(int row, int column, const QString &text) override { m_engine.setText(row, column, text); }
    void setNumber(int row, int column, double value) override { m_engine.setNumber(row, column, value); }
    void saveAs(const QString &path) override
    {
        if (++m_saves >= m_firstFailing)
            throw SpreadsheetError(QStringLiteral("Kan ikke lagre fila %1. Disken er full.").arg(path));
        m_engine.saveAs(path);
    }
    void close() override { m_engine.close(); }

private:
    SpreadsheetEngine &m_engine;
    int m_firstFailing;
    int m_saves = 0;
};

// The folder refuses new files, to the superuser as well (who ignores the permission bits).
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString &path) : m_path(path)
    {
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (::geteuid() == 0)
            m_immutable = setImmutable(true);
    }
    ~ReadOnlyFolder()
    {
        if (m_immutable)
            setImmutable(false);
        QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    bool refusesWrites() const
    {
        QFile probe(m_path + QStringLiteral("/probe"));
        const bool written = probe.open(QIODevice::WriteOnly);
        if (written)
            probe.remove();
        return !written;
    }

private:
    bool setImmutable(bool on)
    {
        const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY | O_DIRECTORY);
        if (fd < 0)
            return false;
        int flags = 0;
        bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        ::close(fd);
        return done;
    }

    QString m_path;
    bool m_immutable = false;
};

} // namespace

class PortalExportTest : public QObject {
    Q_OBJECT

    std::unique_ptr<SpreadsheetEngine> m_engine;

    QStringList exportAll(TestProgram &t)
    {
        return ExportUnreported(t.program(), *m_engine, t.path("lirv_excelimport.xls"), Today);
    }

private slots:
    void initTestCase() { m_engine = StartCalcEngine(); }
    void cleanupTestCase() { m_engine.reset(); }

    void preparing_data()
    {
        QTest::addColumn<int>("unreported");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QStringList>("entries"); // a name ending in "/" is a folder
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
        QTest::newRow("template missing") << 2 << true << QStringList{"20240605_1.xls"} << QStringList{question, missing} << "";
        QTest::newRow("a folder is no template")
            << 2 << true << QStringList{"lirv_excelimport.xls/"} << QStringList{question, missing} << "";
        QTest::newRow("template as the message spells it")
            << 2 << true << QStringList{"lirv_Excelimport.xls"} << QStringList{question} << "lirv_Excelimport.xls";
        QTest::newRow("xlsx template") << 2 << true << QStringList{"LIRV_EXCELIMPORT.XLSX"} << QStringList{question}
                                       << "LIRV_EXCELIMPORT.XLSX";
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
        for (const QString &entry : entries) {
            if (entry.endsWith('/'))
                QVERIFY(QDir(t.folder()).mkdir(entry));
            else
                QVERIFY(QFile(t.path(entry)).open(QIODevice::WriteOnly));
        }
        t.prompter().yesNoAnswers = {answer};

        const QString found = PreparePortalExport(t.program(), t.prompter(), Today);

        QCOMPARE(found, templateName.isEmpty() ? QString() : t.path(templateName));
        QStringList texts;
        for (const ScriptedPrompter::Shown &message : t.prompter().shown)
            texts << message.text;
        QCOMPARE(texts, shown.replaceInStrings("%1", t.folder()));
    }

    void fileNumbers_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("next");
        QTest::newRow("none") << QStringList{} << 1;
        QTest::newRow("one earlier") << QStringList{"20240605_1.xls"} << 2;
        QTest::newRow("highest of both formats") << QStringList{"20240605_1.xls", "20240605_12.XLSX", "20240605_3.xls"} << 13;
        QTest::newRow("other days") << QStringList{"20240604_7.xls", "20250605_7.xls"} << 1;
        QTest::newRow("other names") << QStringList{"20240605_4.xls.bak", "x20240605_5.xls", "20240605_.xls"} << 1;
        QTest::newRow("a folder with the name") << QStringList{"20240605_2.xls/"} << 3;
    }
    void fileNumbers()
    {
        QFETCH(QStringList, entries);
        QFETCH(int, next);
        QTemporaryDir dir;
        for (const QString &entry : entries) {
            if (entry.endsWith('/'))
                QVERIFY(QDir(dir.path()).mkdir(entry));
            else
                QVERIFY(QFile(dir.filePath(entry)).open(QIODevice::WriteOnly));
        }
        QCOMPARE(NextFileNumber(dir.path(), Today), next);
    }

    void closingMessages_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("message");
        QTest::newRow("one file") << QStringList{"20240605_1.xls"}
                                  << "Observasjonene ble eksportert til en excel-fil som ligger i mappa /data/fugl/ og "
                                     "heter 20240605_1.xls";
        QTest::newRow("one file, second export") << QStringList{"20240605_2.xlsx"}
                                                 << "Observasjonene ble eksportert til en excel-fil som ligger i mappa "
                                                    "/data/fugl/ og heter 20240605_2.xlsx";
        QTest::newRow("two files") << QStringList{"20240605_1.xls", "20240605_2.xls"}
                                   << "Det ble eksportert 2 excel-filer. Disse ligger i mappa /data/fugl og alle begynner "
                                      "med navnet 20240605_ (etterfulgt av et nummer fra 1 til 2).xls";
        QTest::newRow("three files after earlier ones")
            << QStringList{"20240605_4.xlsx", "20240605_5.xlsx", "20240605_6.xlsx"}
            << "Det ble eksportert 3 excel-filer. Disse ligger i mappa /data/fugl og alle begynner med navnet 20240605_ "
               "(etterfulgt av et nummer fra 4 til 6).xlsx";
    }
    void closingMessages()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, message);
        QCOMPARE(ExportedMessage("/data/fugl", files), message);
    }

    void cellsOfEachObservation()
    {
        TestProgram t;
        const QString per = t.addObserver("Per", "Hansen", "PHA");
        const QString kari = t.addObserver("Kari", "Nordmann", "KNO");
        const QString ola = t.addObserver("Ola", "Ås", "OÅS");
        QStringList twelve;
        for (int i = 1; i <= 12; ++i)
            twelve << t.addObserver(QStringLiteral("Deltaker%1").arg(i), "Lien", QStringLiteral("D%1").arg(i));
        t.db().execute("INSERT INTO Lokalitet(ID, Lokalitet) VALUES (7, 'Øra naturreservat')");
        const QString comment = QString("Blåstrupe og gjøk sang i æøå-skogen, ÆØÅ «sitat» 'x'. ").repeated(30);

        t.insertObservation({{"Art", "14640"}, {"Antall", 3}, {"Alder", "1K"}, {"Kjønn", "Hann"}, {"AtlasKode", "1"},
                             {"Lokalitet", "Ørlandet, ved «Kråkvåg»"}, {"StartDato", "2024-06-05 07:30:00"},
                             {"StoppDato", "2024-06-05 09:05:00"}, {"Kommentar", comment},
                             {"Observatører", per + "," + kari + "," + ola}});
        const qint64 grouped = t.insertObservation({{"Art", "11870"}, {"Antall", 1}, {"Kjønn", ""}, {"AtlasKode", ""},
                                                    {"Lokalitet", "7"}, {"StartDato", "2024-06-04 00:00:00"},
                                                    {"StoppDato", "2024-06-04 00:00:00"}, {"Observatører", per}});
        t.db().execute("INSERT INTO ObservatørKobling(RecordID, ObservasjonsId, HovedObservatør) VALUES (?, ?, 1)",
                       {grouped, observerId(t, per)});
        for (const QString &id : twelve)
            t.db().execute("INSERT INTO ObservatørKobling(RecordID, ObservasjonsId) VALUES (?, ?)", {grouped, observerId(t, id)});
        t.insertObservation({{"Art", "99999"}, {"Lokalitet", "=A1"}, {"Kommentar", "0123"},
                             {"StartDato", "2024-06-03 23:59:00"}, {"Observatører", per + ",20000101000000-9," + kari}});
        t.insertObservation({{"Art", "14640"}, {"Antall", 0}, {"Lokalitet", "42"}, {"Kommentar", "=1+1"}});
        t.insertObservation({{"Art", "14640"}, {"Antall", 99}, {"Rapportert", 1}});
        makeTemplate(t.path("lirv_excelimport.xls"));
        const QByteArray templateBefore = contents(t.path("lirv_excelimport.xls"));

        QCOMPARE(exportAll(t), QStringList{"20240605_1.xls"});

        const auto expected = [](int row, const QMap<int, QString> &cells) {
            QStringList all = templateRow(row);
            for (auto cell = cells.cbegin(); cell != cells.cend(); ++cell)
                all[cell.key() - 1] = cell.value();
            return all;
        };
        QMap<int, QString> tenOfTwelve;
        for (int i = 1; i <= 10; ++i)
            tenOfTwelve.insert(20 + i, QStringLiteral("Deltaker%1 Lien").arg(i));
        const QList<QStringList> sheet = readSheet(t.path("20240605_1.xls"));
        QCOMPARE(sheet.size(), TemplateRows);
        QCOMPARE(sheet.at(0), templateRow(1));
        QCOMPARE(sheet.at(1), templateRow(2));
        QCOMPARE(sheet.at(2), expected(3, {{1, "PARMAJ"}, {2, "3"}, {3, "1K"}, {4, "Hann"},
                                           {5, "Observert i hekketiden i mulig hekkebiotop"},
                                           {6, "Ørlandet, ved «Kråkvåg»"}, {7, "05.06.2024"}, {8, "07:30"},
                                           {9, "05.06.2024"}, {10, "09:05"}, {11, comment},
                                           {21, "Kari Nordmann"}, {22, "Ola Ås"}}));
        QMap<int, QString> grouping{{1, "TURMER"}, {2, "1"}, {6, "Øra naturreservat"}, {7, "04.06.2024"}, {9, "04.06.2024"}};
        grouping.insert(tenOfTwelve);
        QCOMPARE(sheet.at(3), expected(4, grouping));
        QCOMPARE(sheet.at(4), expected(5, {{6, "=A1"}, {7, "03.06.2024"}, {8, "23:59"}, {11, "0123"}, {21, "Kari Nordmann"}}));
        QCOMPARE(sheet.at(5), expected(6, {{1, "PARMAJ"}, {2, "0"}, {6, "42"}, {11, "=1+1"}}));
        for (int row = 7; row <= TemplateRows; ++row)
            QCOMPARE(sheet.at(row - 1), templateRow(row));

        QCOMPARE(contents(t.path("lirv_excelimport.xls")), templateBefore);
        QCOMPARE(unreported(t), 0);
    }

    // A formula in the rectangle the rows are written in stays a formula.
    void templateFormulaKept()
    {
        TestProgram t;
        t.insertObservation({{"Art", "14640"}, {"Antall", 21}, {"StartDato", "2024-06-01 08:00:00"}});
        t.insertObservation({{"Art", "14640"}, {"Antall", 5}, {"Alder", "2K"}});
        makeTemplate(t.path("lirv_excelimport.xls"), {{{3, 3}, "=B3*2"}});

        QCOMPARE(exportAll(t), QStringList{"20240605_1.xls"});

        const QList<QStringList> sheet = readSheet(t.path("20240605_1.xls"));
        QStringList first = templateRow(3);
        for (auto [column, value] : {std::pair{1, QString("PARMAJ")}, {2, QString("21")}, {3, QString("42")},
                                     {7, QString("01.06.2024")}, {8, QString("08:00")}})
            first[column - 1] = value;
        QCOMPARE(sheet.at(2), first);
        QCOMPARE(sheet.at(3).mid(0, 3), (QStringList{"PARMAJ", "5", "2K"}));
    }

    void filesOf151Observations_data()
    {
        QTest::addColumn<int>("observations");
        QTest::addColumn<QList<int>>("rowsPerFile");
        QTest::addColumn<QString>("templateName");
        QTest::addColumn<bool>("exportedEarlierToday");
        const QString xls = "lirv_excelimport.xls";
        QTest::newRow("1") << 1 << QList<int>{1} << xls << false;
        QTest::newRow("151") << 151 << QList<int>{151} << xls << false;
        QTest::newRow("152") << 152 << QList<int>{151, 1} << xls << false;
        QTest::newRow("302, no empty third") << 302 << QList<int>{151, 151} << xls << false;
        QTest::newRow("second export the same day") << 2 << QList<int>{2} << xls << true;
        QTest::newRow("xlsx template") << 152 << QList<int>{151, 1} << "Lirv_ExcelImport.xlsx" << false;
    }
    void filesOf151Observations()
    {
        QFETCH(int, observations);
        QFETCH(QList<int>, rowsPerFile);
        QFETCH(QString, templateName);
        QFETCH(bool, exportedEarlierToday);
        TestProgram t;
        t.insertObservation({{"Art", "14640"}, {"Kommentar", "rapportert før"}, {"Rapportert", 1}});
        insertSimpleObservations(t, observations);
        makeTemplate(t.path(templateName));
        const QByteArray templateBefore = contents(t.path(templateName));
        const QString suffix = QFileInfo(templateName).suffix().toLower();
        QStringList folder{"Observasjoner.mdb", templateName};
        if (exportedEarlierToday) {
            folder << "20240605_1." + suffix;
            QVERIFY(QFile::copy(t.path(templateName), t.path(folder.last())));
        }
        QList<int> progress;

        const QStringList files = ExportUnreported(t.program(), *m_engine, t.path(templateName), Today,
                                                   [&progress](int done) { progress << done; });

        QStringList names;
        QList<int> done;
        for (int file = 1; file <= rowsPerFile.size(); ++file) {
            names << QStringLiteral("20240605_%1.%2").arg(file + (exportedEarlierToday ? 1 : 0)).arg(suffix);
            done << std::min(file * PortalRowsPerFile, observations);
        }
        QCOMPARE(files, names);
        QCOMPARE(progress, done);
        int observation = 0;
        for (qsizetype file = 0; file < files.size(); ++file) {
            QCOMPARE(contents(t.path(files.at(file))).startsWith("PK"), suffix == "xlsx"); // a zip, or BIFF
            const QList<QStringList> sheet = readSheet(t.path(files.at(file)));
            QCOMPARE(sheet.size(), TemplateRows);
            for (int row = 1; row <= TemplateRows; ++row) {
                QStringList wanted = templateRow(row);
                if (row >= PortalFirstRow && row < PortalFirstRow + rowsPerFile.at(file)) {
                    ++observation;
                    for (auto [column, value] : {std::pair{1, QString("PARMAJ")}, {2, QString::number(observation)},
                                                 {6, QString("Øra")}, {7, QString("01.06.2024")}, {8, QString("08:00")},
                                                 {9, QString("01.06.2024")}, {10, QString("09:00")},
                                                 {11, QStringLiteral("observasjon %1").arg(observation)}})
                        wanted[column - 1] = value;
                }
                QCOMPARE(sheet.at(row - 1), wanted);
            }
        }
        QCOMPARE(observation, observations);
        QCOMPARE(unreported(t), 0);
        QCOMPARE(t.db().scalar("SELECT count(*) FROM Observasjoner WHERE Rapportert = 1").toInt(), observations + 1);
        QCOMPARE(contents(t.path(templateName)), templateBefore);
        if (exportedEarlierToday)
            QCOMPARE(contents(t.path(folder.last())), templateBefore);
        folder += names;
        folder.sort();
        QCOMPARE(QDir(t.folder()).entryList(QDir::Files | QDir::Hidden, QDir::Name), folder);
    }

    // Whatever fails, the files of the run go and no observation is marked.
    void failuresLeaveNothing_data()
    {
        QTest::addColumn<int>("firstFailingSave"); // 0: every save succeeds
        QTest::addColumn<bool>("templateGoesMidway");
        QTest::addColumn<bool>("markingFails");
        QTest::addColumn<bool>("folderReadOnly");
        QTest::addColumn<QString>("message"); // %1 is the program folder
        QTest::newRow("second file cannot be saved")
            << 2 << false << false << false << "Kan ikke lagre fila %1/20240605_2.xls. Disken er full.";
        QTest::newRow("folder read-only") << 0 << false << false << true
                                          << "Kan ikke lagre fila %1/20240605_1.xls. Er mappa skrivebeskyttet, eller disken full?";
        QTest::newRow("template gone after the first file")
            << 0 << true << false << false << "Kan ikke åpne malen %1/lirv_excelimport.xls. Finnes den, og er den et regneark?";
        QTest::newRow("marking fails") << 0 << false << true << false << "Databasefeil i %1/Observasjoner.mdb: Disken er full";
    }
    void failuresLeaveNothing()
    {
        QFETCH(int, firstFailingSave);
        QFETCH(bool, templateGoesMidway);
        QFETCH(bool, markingFails);
        QFETCH(bool, folderReadOnly);
        QFETCH(QString, message);
        TestProgram t;
        insertSimpleObservations(t, 152);
        const QString templatePath = t.path("lirv_excelimport.xls");
        makeTemplate(templatePath);
        if (markingFails)
            t.db().execute("CREATE TRIGGER Full BEFORE UPDATE ON Observasjoner BEGIN SELECT RAISE(ABORT, 'Disken er full'); END");
        FailingSaves engine(*m_engine, firstFailingSave ? firstFailingSave : INT_MAX);
        std::optional<ReadOnlyFolder> readOnly;
        if (folderReadOnly && !readOnly.emplace(t.folder()).refusesWrites())
            QSKIP("This file system lets the superuser write into any folder");

        try {
            ExportUnreported(t.program(), engine, templatePath, Today, [&](int) {
                if (templateGoesMidway)
                    QFile::remove(templatePath);
            });
            QFAIL("the export did not fail");
        } catch (const SpreadsheetError &error) {
            QCOMPARE(error.message(), QString(message).replace("%1", t.folder()));
        }

        QCOMPARE(QDir(t.folder()).entryList({"2024*"}), QStringList());
        QCOMPARE(unreported(t), 152);
    }

    // An office that dies in the middle of an export surfaces as a disposed bridge.
    void officeEndingMidway()
    {
        TestProgram t;
        insertSimpleObservations(t, 152);
        makeTemplate(t.path("lirv_excelimport.xls"));
        const QSet<pid_t> before = officeProcesses();
        const QSet<QString> pipesBefore = instancePipes();
        std::unique_ptr<SpreadsheetEngine> engine = StartCalcEngine();
        const QSet<pid_t> own = officeProcesses() - before;
        const QSet<QString> ownPipes = instancePipes() - pipesBefore;
        QVERIFY(!own.isEmpty());

        try {
            ExportUnreported(t.program(), *engine, t.path("lirv_excelimport.xls"), Today, [&own](int) {
                for (const pid_t pid : own)
                    ::kill(pid, SIGKILL);
            });
            QFAIL("the export did not fail");
        } catch (const SpreadsheetError &error) {
            QVERIFY2(error.message().endsWith("LibreOffice stoppet uventet."), qPrintable(error.message()));
        }
        engine.reset();
        for (const QString &pipe : ownPipes) // a killed office cannot remove it
            QFile::remove(pipe);

        QCOMPARE(QDir(t.folder()).entryList({"2024*"}), QStringList());
        QCOMPARE(unreported(t), 152);
    }

    void officeThatDoesNotStart_data()
    {
        QTest::addColumn<QString>("script"); // empty: no such program
        QTest::addColumn<QString>("message");
        QTest::newRow("not installed") << "" << "LibreOffice Calc er ikke installert (finner ikke %1).";
        QTest::newRow("ends at once") << "echo 'ingen skjerm' >&2; exit 3"
                                      << "LibreOffice stoppet under oppstarten. ingen skjerm";
        QTest::newRow("never answers") << "echo $$ > %pids; sleep 600 & echo $! >> %pids; wait"
                                       << "LibreOffice svarte ikke innen 1 sekunder etter oppstarten.";
    }
    void officeThatDoesNotStart()
    {
        QFETCH(QString, script);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString soffice = dir.filePath("soffice");
        const QString pids = dir.filePath("pids");
        if (!script.isEmpty()) {
            QFile file(soffice);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(("#!/bin/sh\n" + QString(script).replace("%pids", pids) + "\n").toUtf8());
            file.close();
            QVERIFY(file.setPermissions(file.permissions() | QFileDevice::ExeOwner));
        }

        try {
            StartCalcEngine({soffice, 1});
            QFAIL("the office was reached");
        } catch (const SpreadsheetError &error) {
            QCOMPARE(error.message(), QString(message).replace("%1", soffice));
        }

        // Whatever the office started has ended with it.
        for (const QByteArray &pid : contents(pids).split('\n'))
            if (!pid.isEmpty())
                QVERIFY2(processEnded(pid.toInt()), pid.constData());
    }

    // The button, with its own office; without the module, and where it does not load (where
    // LibreOffice, and with it the UNO libraries, is missing).
    void exportFromTheMainWindow_data()
    {
        QTest::addColumn<QByteArray>("module"); // "installed", or the bytes of the module file
        QTest::addColumn<QString>("failure");   // %1 is the module's folder
        QTest::newRow("exported") << QByteArray("installed") << "";
        QTest::newRow("module missing") << QByteArray() << "Programmet mangler fila %1/lirvenda_calc.so, som lager excel-arkene.";
        QTest::newRow("module does not load")
            << QByteArray("not a library") << "Excel-arkene lages med LibreOffice Calc, som ikke er installert på denne maskinen";
    }
    void exportFromTheMainWindow()
    {
        QFETCH(QByteArray, module);
        QFETCH(QString, failure);
        test::FaunaWindow w;
        w.insertObservation({{"Art", "14640"}, {"Antall", 2}});
        makeTemplate(w.t.path("lirv_excelimport.xls"));
        w.t.prompter().yesNoAnswers = {true};
        const QByteArray installed = qgetenv("LIRVENDA_MODULE_DIR");
        QTemporaryDir folder;
        if (module != "installed") {
            if (!module.isEmpty()) {
                QFile file(folder.filePath("lirvenda_calc.so"));
                QVERIFY(file.open(QIODevice::WriteOnly));
                file.write(module);
            }
            qputenv("LIRVENDA_MODULE_DIR", QFile::encodeName(folder.path()));
        }

        w.control<QPushButton>("Command23")->click();

        qputenv("LIRVENDA_MODULE_DIR", installed);
        const QString file = QDate::currentDate().toString("yyyyMMdd") + "_1.xls";
        const QList<ScriptedPrompter::Shown> shown = w.t.prompter().shown;
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown.first().icon, Prompter::Icon::Question);
        if (failure.isEmpty()) {
            QCOMPARE(shown.last().text, ExportedMessage(w.t.folder(), {file}));
            QCOMPARE(shown.last().icon, Prompter::Icon::Information);
            QCOMPARE(readSheet(w.t.path(file)).at(2).mid(0, 2), (QStringList{"PARMAJ", "2"}));
            QCOMPARE(unreported(w.t), 0);
        } else {
            QVERIFY2(shown.last().text.startsWith(failure.replace("%1", folder.path())), qPrintable(shown.last().text));
            QVERIFY(shown.last().text.endsWith(ExportFailedMessage({})));
            QCOMPARE(shown.last().icon, Prompter::Icon::Exclamation);
            QVERIFY(!QFile::exists(w.t.path(file)));
            QCOMPARE(unreported(w.t), 1);
        }
    }
};

QTEST_MAIN(PortalExportTest)
#include "tst_portalexport.moc"
