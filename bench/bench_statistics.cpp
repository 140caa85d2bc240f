// What the yearly statistics cost on a lifetime of records, against one full scan of the table.
// Usage: bench_statistics CACHE_DIR [rounds] (default 5 rounds).
//
// Uses the million-observation program folder that bench_startup keeps in CACHE_DIR (made on the
// first run). Each round, in the statistics window, computes one whole year (report, species list,
// the three charts) and clicks every species of its list in turn; a full scan of Observasjoner is
// timed in the same round. Printed: the medians and fastest of each, and their ratios to the scan.

#include "WindowBench.h"
#include "core/store/Database.h"
#include "core/store/Program.h"
#include "gui/statistics/frm_Statistikk.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPushButton>
#include <QTextStream>

using namespace lirvenda;
using namespace lirvenda::bench;

namespace {

constexpr int Year = 2010;

} // namespace

int main(int argc, char **argv)
{
    return runMillionStoreWindowBench(argc, argv, [](const MillionStoreBench &bench, QTextStream &out) {
        const QString folder = bench.folder;
        const int rounds = bench.rounds;

        Program program(folder);
        program.openMainConnection();
        const qint64 yearRows =
            program.mainConnection()
                .scalar(QStringLiteral("SELECT count(*) FROM Observasjoner WHERE StartDato >= ? "
                                       "AND StartDato < ?"),
                        {QStringLiteral("%1-01-01").arg(Year), QStringLiteral("%1-01-01").arg(Year + 1)})
                .toLongLong();
        frm_Statistikk window(program);
        auto *yearButton = window.findChild<QPushButton *>(QStringLiteral("Command6"));
        auto *speciesList = window.findChild<QAbstractItemView *>(QStringLiteral("List2"));
        QList<double> years, clicks, scans;
        for (int round = 0; round <= rounds; ++round) { // round 0 warms the file cache; not counted
            const double year = millisecondsOf([&] {
                yearButton->setText(QString::number(Year));
                window.ComputeYearStatistics();
            });
            const int species = speciesList->model()->rowCount();
            const double click =
                millisecondsOf([&] {
                    for (int i = 0; i < species; ++i)
                        speciesList->setCurrentIndex(speciesList->model()->index((i + 1) % species, 0));
                }) /
                species;
            const double scan = fullScan(folder);
            if (round == 0)
                continue;
            years << year;
            clicks << click;
            scans << scan;
        }

        const double scan = median(scans);
        out << Qt::fixed << qSetRealNumberPrecision(2) << rounds << " rounds on " << MillionRows << " observations; "
            << Year << " holds " << yearRows << " of them and " << speciesList->model()->rowCount() << " species\n"
            << "full scan:          median " << scan << " ms, fastest " << fastest(scans) << " ms\n"
            << "one year computed:  median " << median(years) << " ms, fastest " << fastest(years) << " ms\n"
            << qSetRealNumberPrecision(4) << "one click in List2: median " << median(clicks) << " ms, fastest "
            << fastest(clicks) << " ms\n"
            << qSetRealNumberPrecision(4) << "year / full scan " << median(years) / scan
            << " (goal 0.1), click / full scan " << median(clicks) / scan << " (goal 0.01)\n";
        return 0;
    });
}
