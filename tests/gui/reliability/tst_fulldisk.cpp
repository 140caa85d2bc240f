// A full disk or a read-only folder: each writing operation says so, keeps what was entered and
// leaves the store whole; with room made the same entries are saved. Needs the superuser (tmpfs).

#include "core/exchange/CalcEngineModule.h"
#include "core/exchange/PortalExport.h"
#include "core/store/Backup.h"
#include "gui/group/frm_Detaljer.h"
#include "support/FaunaWindow.h"
#include "support/PortalSheets.h"
#include "support/ScratchDisk.h"

#include <QDir>
#include <QProcess>
#include <QPushButton>

using namespace lirvenda;
using namespace lirvenda::test;

namespace {

constexpr int DiskMegabytes = 24;
const QString DiskFull = "Disken er full. Frigjør plass på disken og prøv igjen.";

#define MOUNT_OR_SKIP(disk)                                                                                            \
    if (!(disk).mounted())                                                                                             \
    QSKIP(qPrintable((disk).skipReason()))

// Empty when the store opens, passes the integrity check and holds that many observations.
QString storeProblem(Program &program, qint64 observations)
{
    auto db = Database::open(program.filePath(Program::MainFileName), Program::DatabaseKey);
    if (db->columnTexts("PRAGMA integrity_check") != QStringList{"ok"})
        return "the integrity check failed";
    const qint64 stored = db->scalar("SELECT count(*) FROM Observasjoner").toLongLong();
    return stored == observations ? QString() : QString("%1 observations stored").arg(stored);
}

// The program started on the folder: its exit code and what it wrote to the error stream.
std::pair<int, QString> startProgram(const QStringList &arguments)
{
    QProcess program;
    program.start(LIRVENDA_EXECUTABLE, arguments);
    program.waitForFinished(60000);
    return {program.exitCode(), QString::fromUtf8(program.readAllStandardError())};
}

} // namespace

class FullDiskTest : public QObject {
    Q_OBJECT
private slots:
    void saveKeepsTheEntries()
    {
        ScratchDisk disk(DiskMegabytes);
        MOUNT_OR_SKIP(disk);
        FaunaWindow w(true, disk.path());
        w.t.addObserver("Kari", "Nordmann", "KN", true);
        w.click("Command7");
        const QStringList entered = {"Combo13=Per's holme", "Command2=Svarttrost (Turdus merula) [11870]", "Text1=3",
                                     "Text7=63.4305", "Text8=10.3951"};
        w.enter(entered);
        QVERIFY(disk.fill());

        w.click("Command7");

        QVERIFY2(w.t.prompter().lastText().endsWith(DiskFull), qPrintable(w.t.prompter().lastText()));
        QCOMPARE(w.shownAs(entered), entered);
        QCOMPARE(storeProblem(w.t.program(), 0), QString());
        const qsizetype said = w.t.prompter().shown.size();
        disk.makeRoom();
        w.click("Command7");
        QCOMPARE(w.t.prompter().shown.size(), said);
        QCOMPARE(storeProblem(w.t.program(), 1), QString());
    }

    void groupSaveKeepsTheEntries()
    {
        ScratchDisk disk(DiskMegabytes);
        MOUNT_OR_SKIP(disk);
        TestProgram t(true, disk.path());
        t.addObserver("Ola", "Nordmann", "ON");
        t.db().execute("INSERT INTO Lokalitet(ID, Lokalitet) VALUES (5, 'Gåsholmen')");
        frm_Detaljer grid(t.program(), {"11870", "14640"});
        auto *count = child<QLineEdit>(&grid, "Text1_0");
        count->setText("4");
        grid.Command4_Click();
        QVERIFY(disk.fill());

        grid.Command9_Click();

        QVERIFY2(t.prompter().lastText().endsWith(DiskFull), qPrintable(t.prompter().lastText()));
        QCOMPARE(grid.result(), int(QDialog::Rejected)); // still open, nothing ended
        QCOMPARE(count->text(), QString("4"));
        QCOMPARE(storeProblem(t.program(), 0), QString());
        disk.makeRoom();
        grid.Command9_Click();
        QCOMPARE(t.prompter().lastText(), QString("Det ble totalt registrert 2 nye observasjoner."));
        QCOMPARE(storeProblem(t.program(), 2), QString());
    }

    // The disk fills after the first of two files: that file goes, nothing is marked.
    void exportLeavesNoFileAndNothingMarked()
    {
        ScratchDisk disk(DiskMegabytes);
        MOUNT_OR_SKIP(disk);
        TestProgram t(true, disk.path());
        {
            Transaction transaction(t.db());
            for (int i = 0; i < PortalRowsPerFile + 1; ++i)
                t.insertObservation({{"Art", "14640"}, {"StartDato", "2024-06-01 08:00:00"}});
            transaction.commit();
        }
        makeTemplate(t.path("lirv_excelimport.xls"));
        const std::unique_ptr<SpreadsheetEngine> engine = StartCalcEngine();
        const QDate today(2024, 6, 5);

        try {
            ExportUnreported(t.program(), *engine, t.path("lirv_excelimport.xls"), today,
                             [&disk](int) { disk.fill(); });
            QFAIL("the export went ahead on a full disk");
        } catch (const SpreadsheetError &error) {
            QVERIFY2(error.message().endsWith(DiskFull), qPrintable(error.message()));
        }

        QCOMPARE(QDir(t.folder()).entryList({"2024*"}), QStringList());
        QCOMPARE(UnreportedCount(t.program()), PortalRowsPerFile + 1);
        QCOMPARE(storeProblem(t.program(), PortalRowsPerFile + 1), QString());
        disk.makeRoom();
        QCOMPARE(ExportUnreported(t.program(), *engine, t.path("lirv_excelimport.xls"), today).size(), 2);
        QCOMPARE(UnreportedCount(t.program()), 0);
    }

    void backupLeavesNoFile()
    {
        ScratchDisk disk(DiskMegabytes);
        MOUNT_OR_SKIP(disk);
        TestProgram t;
        const QString target = QDir(disk.path()).filePath("kopi.mdb");
        QVERIFY(disk.fill());

        try {
            BackupDatabase(t.db(), target);
            QFAIL("a backup was made on a full disk");
        } catch (const DatabaseError &error) {
            QVERIFY2(error.message().endsWith(DiskFull), qPrintable(error.message()));
        }

        QCOMPARE(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden), QStringList{".fyll"});
        disk.makeRoom();
        BackupDatabase(t.db(), target);
        QCOMPARE(Database::open(target, Program::DatabaseKey)->columnTexts("PRAGMA integrity_check"),
                 QStringList{"ok"});
    }

    // The window refuses a read-only folder at start, with a store or without, and leaves it alone.
    void readOnlyFolderRefusedAtStart()
    {
        ScratchDisk disk(DiskMegabytes);
        MOUNT_OR_SKIP(disk);
        const QString withStore = QDir(disk.path()).filePath("med");
        const QString empty = QDir(disk.path()).filePath("tom");
        QVERIFY(QDir().mkpath(empty));
        {
            Program program(withStore);
            program.openMainConnection();
        }
        QVERIFY(disk.setReadOnly(true));
        const auto writable = qScopeGuard([&disk] { disk.setReadOnly(false); });

        const QString screenshot = QDir::temp().filePath("ro.png");
        for (const QStringList &arguments : {QStringList{"--folder", withStore, "--screenshot", screenshot},
                                             QStringList{"--folder", empty, "--screenshot", screenshot}}) {
            const auto [exitCode, errors] = startProgram(arguments);
            QCOMPARE(exitCode, 2);
            const QString folder = arguments.at(arguments.indexOf("--folder") + 1);
            QVERIFY2(errors.contains(QString("Programmappa %1 er skrivebeskyttet.").arg(folder)), qPrintable(errors));
        }
        QCOMPARE(QDir(withStore).entryList(QDir::Files | QDir::Hidden), QStringList{Program::MainFileName});
        QCOMPARE(QDir(empty).entryList(QDir::Files | QDir::Hidden), QStringList());
    }
};

QTEST_MAIN(FullDiskTest)
#include "tst_fulldisk.moc"
