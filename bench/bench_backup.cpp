// What the day's automatic backup costs the start-up it runs behind, on the million observations
// of bench_startup. Usage: bench_backup CACHE_DIR [rounds] (default 5 rounds).
//
// Each round starts the main window twice, in turn first: once as on any later start of the day,
// and once as on the day's first start, when the backup is started as the program starts it, just
// after the window is shown, into a new backup folder. Timed from the program object to the
// window shown with its lists filled and the first registration shown, the work a user waits for
// before the first click. Printed: the medians and the fastest of both, their ratio, the backup's
// own duration and one full scan of the table timed in the same run.

#include "WindowBench.h"
#include "core/backup/AutomaticBackups.h"
#include "core/store/Program.h"
#include "gui/backup/AutomaticBackupRunner.h"
#include "gui/registration/frm_Fauna.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>

#include <memory>

using namespace lirvenda;
using namespace lirvenda::bench;

namespace {

struct Figures {
    QList<double> startups, backedUpStartups, backups;
};

// A start-up as the user waits for it; with a backup, it is started where the program starts it.
void startUp(const QString &folder, bool withBackup, const QDate &day, Figures &figures)
{
    QTemporaryDir backups;
    qputenv("LIRVENDA_BACKUP_DIR", backups.path().toUtf8());
    std::unique_ptr<Program> program;
    std::unique_ptr<frm_Fauna> window;
    QElapsedTimer backupTime;
    const double startup = millisecondsOf([&] {
        program = std::make_unique<Program>(folder);
        window = std::make_unique<frm_Fauna>(*program);
        window->Form_Load(frm_Fauna::Splash::Skip);
        window->show();
        if (withBackup) {
            backupTime.start();
            startAutomaticBackup(*program, window.get(), day);
        }
        QApplication::processEvents();
        window->RefreshSpeciesLists();
        window->RefreshLocalityList({});
        window->ShowRegistration();
    });
    (withBackup ? figures.backedUpStartups : figures.startups) << startup;
    while (!window->findChildren<QThread *>().isEmpty())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (withBackup) {
        figures.backups << double(backupTime.elapsed());
        if (automaticBackupDue(folder, backups.path(), day))
            qFatal("the automatic backup was not made");
    }
}

} // namespace

int main(int argc, char **argv)
{
    return runMillionStoreWindowBench(argc, argv, [](const MillionStoreBench &bench, QTextStream &out) {
        Figures figures;
        QList<double> scans;
        const QDate first(2030, 1, 1);
        startUp(bench.folder, false, first, figures); // warms the file cache; not counted
        figures = {};
        for (int round = 0; round < bench.rounds; ++round) {
            startUp(bench.folder, round % 2 == 0, first.addDays(round), figures);
            startUp(bench.folder, round % 2 != 0, first.addDays(round), figures);
            scans << fullScan(bench.folder);
        }
        out << Qt::fixed << qSetRealNumberPrecision(1) << bench.rounds << " rounds on " << MillionRows
            << " observations, ms (median / fastest)\n"
            << "start-up:                    " << median(figures.startups) << " / " << fastest(figures.startups) << '\n'
            << "start-up behind the backup:  " << median(figures.backedUpStartups) << " / "
            << fastest(figures.backedUpStartups) << '\n'
            << qSetRealNumberPrecision(2)
            << "ratio:                       " << median(figures.backedUpStartups) / median(figures.startups) << " / "
            << fastest(figures.backedUpStartups) / fastest(figures.startups) << '\n'
            << qSetRealNumberPrecision(1) << "the backup itself:           " << median(figures.backups) << '\n'
            << "full scan:                   " << median(scans) << '\n';
        return 0;
    });
}
