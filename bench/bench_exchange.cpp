// What the exports cost on a lifetime of records, against one full scan of the table.
// Usage: bench_exchange CACHE_DIR [rounds [KEEP_DIR]] (default 5 rounds).
//
// Uses the million-observation program folder that bench_startup keeps in CACHE_DIR (made on the
// first run). Each round writes every observation as a Darwin Core Archive and in eBird's Record
// Format, and times a full scan of Observasjoner in the same round. Printed: the medians and
// fastest of each, the ratios to the scan, and the archive's size. With KEEP_DIR the last round's
// files stay there (written with a fixed dataset prefix), to compare the exports of two builds.

#include "BenchStore.h"
#include "core/exchange/DarwinCoreArchive.h"
#include "core/exchange/EbirdExport.h"
#include "core/store/Program.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace lirvenda;
using namespace lirvenda::bench;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const std::optional<MillionStoreBench> bench = millionStoreBench(argc, argv, out);
    if (!bench)
        return 2;
    Program program(bench->folder);
    program.openMainConnection();
    program.openObserverConnection();
    QTemporaryDir temporary;
    const QDir target(argc > 3 ? QString::fromLocal8Bit(argv[3]) : temporary.path());
    const QString archive = target.filePath(QStringLiteral("dwca.zip"));
    const QString ebird = target.filePath(QStringLiteral("ebird.csv"));
    DarwinCoreSettings settings = defaultDarwinCoreSettings(program);
    settings.datasetPrefix = QStringLiteral("urn:uuid:bench:");
    qint64 rows = 0;
    QList<double> archives, ebirds, scans;
    for (int round = 0; round <= bench->rounds; ++round) { // round 0 warms the file cache; not counted
        const double dwca = millisecondsOf([&] { rows = exportDarwinCore(program, {}, settings, archive); });
        const double record = millisecondsOf([&] { exportEbird(program, {}, ebird); });
        const double scan = fullScan(bench->folder);
        if (round == 0)
            continue;
        archives << dwca;
        ebirds << record;
        scans << scan;
    }
    const double scan = median(scans);
    out << Qt::fixed << qSetRealNumberPrecision(2) << bench->rounds << " rounds on " << rows << " observations\n"
        << "full scan:            median " << scan << " ms, fastest " << fastest(scans) << " ms\n"
        << "Darwin Core Archive:  median " << median(archives) << " ms, fastest " << fastest(archives) << " ms ("
        << QFileInfo(archive).size() / 1e6 << " MB)\n"
        << "eBird Record Format:  median " << median(ebirds) << " ms, fastest " << fastest(ebirds) << " ms ("
        << QFileInfo(ebird).size() / 1e6 << " MB)\n"
        << "archive / full scan " << median(archives) / scan << " (goal 2), eBird / full scan " << median(ebirds) / scan
        << "\n";
    return 0;
}
