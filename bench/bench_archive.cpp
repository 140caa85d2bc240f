// How the archive search costs on a lifetime of records, against one full scan of the table.
// Usage: bench_archive CACHE_DIR [rounds] (default 5 rounds). Shares the 1,000,000-observation
// program folder of bench_startup (generated on the first run). Each round opens the archive
// window (every list filled) and runs each search; printed are the medians and their ratios to
// the median full scan of the same rounds.

#include "WindowBench.h"
#include "core/archive/ArchiveSearch.h"
#include "core/store/Program.h"
#include "gui/archive/frm_Arkiv.h"

#include <QApplication>
#include <QTextStream>

using namespace lirvenda;
using namespace lirvenda::bench;

namespace {

struct Search {
    QString name;
    ArchiveCriteria criteria;
    QList<double> times;
    int lines = 0;
};

ArchiveCriteria numberCriterion(NumberRow ArchiveCriteria::*row, const QString &comparison, const QString &text)
{
    ArchiveCriteria criteria;
    criteria.*row = {int(ComparisonTexts.indexOf(comparison)), text};
    return criteria;
}

QList<Search> searches()
{
    ArchiveCriteria species;
    species.species = QStringLiteral("11870");
    return {{QStringLiteral("no criterion"), {}},
            {QStringLiteral("species"), species},
            {QStringLiteral("year = 2010"), numberCriterion(&ArchiveCriteria::year, "=", "2010")},
            {QStringLiteral("day > 31 (no match)"), numberCriterion(&ArchiveCriteria::day, ">", "31")},
            {QStringLiteral("month = 13 (no match)"), numberCriterion(&ArchiveCriteria::month, "=", "13")},
            {QStringLiteral("count > 39 (no match)"), numberCriterion(&ArchiveCriteria::count, ">", "39")}};
}

} // namespace

int main(int argc, char **argv)
{
    return runMillionStoreWindowBench(argc, argv, [](const MillionStoreBench &bench, QTextStream &out) {
        const int rounds = bench.rounds;
        const QString folder = bench.folder;

        Program program(folder);
        program.openMainConnection();
        program.openObserverConnection();
        QList<double> scans, openings;
        QList<Search> all = searches();
        for (int round = 0; round <= rounds; ++round) { // round 0 warms the file cache; not counted
            const double scan = fullScan(folder);
            const double opening = millisecondsOf([&] { frm_Arkiv archive(program); });
            for (Search &search : all) {
                ArchiveResult result;
                const double time = millisecondsOf([&] { result = searchArchive(program, search.criteria); });
                search.lines = result.lines.size();
                if (round > 0)
                    search.times << time;
            }
            if (round > 0) {
                scans << scan;
                openings << opening;
            }
        }

        const double scan = median(scans);
        out << Qt::fixed << qSetRealNumberPrecision(1) << rounds << " rounds on " << MillionRows
            << " observations, medians\nfull scan: " << scan << " ms\n";
        const auto line = [&](const QString &name, double ms, const QString &note) {
            out << qSetFieldWidth(26) << Qt::left << name << qSetFieldWidth(10) << Qt::right
                << qSetRealNumberPrecision(1) << ms << qSetFieldWidth(0) << " ms, " << qSetRealNumberPrecision(3)
                << ms / scan << " x full scan" << note << '\n';
        };
        line(QStringLiteral("opening the window"), median(openings), {});
        for (const Search &search : all)
            line(search.name, median(search.times), QStringLiteral(" (%1 lines)").arg(search.lines));
        return 0;
    });
}
