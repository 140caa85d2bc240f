// What the lists a birder keeps cost on a lifetime of records, against one full scan of the table.
// Usage: bench_lists CACHE_DIR [rounds] (default 5 rounds).
//
// Uses the million-observation program folder that bench_startup keeps in CACHE_DIR (made on the
// first run). Each round times the life list, the year list of 2010, the list of all years of the
// county with the most municipalities, one species' arrival dates, and the diary year by year (both
// whole-diary charts come from that one call), besides one full scan of Observasjoner. Printed: the
// medians and fastest of each, and their ratios to the scan.

#include "BenchStore.h"
#include "core/lists/ArrivalDates.h"
#include "core/lists/SpeciesLists.h"
#include "core/store/Program.h"

#include <QCoreApplication>
#include <QTextStream>

#include <functional>

using namespace lirvenda;
using namespace lirvenda::bench;

namespace {

struct Measured {
    const char *name;
    double goal;
    std::function<qsizetype()> work; // answers the lines it made
    QList<double> times;
    qsizetype lines = 0;
};

// The county whose list reads the most rows: the one with the most municipalities.
QString largestCounty(Program &program)
{
    return program.mainConnection()
        .scalar(QStringLiteral("SELECT substr(CodePlace, 1, 2) FROM Adminplasser WHERE CodePlace GLOB "
                               "'[0-9][0-9][0-9][0-9]' GROUP BY 1 ORDER BY count(*) DESC LIMIT 1"))
        .toString();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const std::optional<MillionStoreBench> bench = millionStoreBench(argc, argv, out);
    if (!bench)
        return 2;
    Program program(bench->folder);
    out << "opened (built what a store from before the lists lacks) in "
        << millisecondsOf([&] { program.openMainConnection(); }) << " ms\n";
    const QString county = largestCounty(program);
    QList<Measured> measured{
        {"life list", 0.05, [&] { return speciesList(program, {}, ListOrder::Systematic).size(); }},
        {"year list 2010", 0.1,
         [&] {
             return speciesList(program, {ListKind::Year, 2010}, ListOrder::Systematic).size();
         }},
        {"county list, all years", 0.2,
         [&] {
             return speciesList(program, {ListKind::County, std::nullopt, county}, ListOrder::Systematic).size();
         }},
        {"arrival dates of 11870", 0.02, [&] { return arrivalDates(program, QStringLiteral("11870")).size(); }},
        {"species per year and life list growth", 0.1,
         [&] { return diaryYears(program, QStringLiteral("Aves")).size(); }},
    };
    QList<double> scans;
    for (int round = 0; round <= bench->rounds; ++round) { // round 0 warms the file cache; not counted
        for (Measured &m : measured) {
            const double ms = millisecondsOf([&] { m.lines = m.work(); });
            if (round > 0)
                m.times << ms;
        }
        const double scan = fullScan(bench->folder);
        if (round > 0)
            scans << scan;
    }
    const double scan = median(scans);
    out << Qt::fixed << qSetRealNumberPrecision(2) << bench->rounds << " rounds on " << MillionRows
        << " observations; the county is " << county << "\n"
        << "full scan: median " << scan << " ms, fastest " << fastest(scans) << " ms\n";
    bool met = true;
    for (const Measured &m : measured) {
        const double ratio = median(m.times) / scan;
        met = met && ratio <= m.goal;
        out << qSetRealNumberPrecision(2) << m.name << " (" << m.lines << " lines): median " << median(m.times)
            << " ms, fastest " << fastest(m.times) << " ms, " << qSetRealNumberPrecision(4) << ratio
            << " of a scan (goal " << m.goal << ")\n";
    }
    return met ? 0 : 1;
}
