// What one tick of the main window's timer costs in reading positions, against one full scan of
// the table. Usage: bench_positions CACHE_DIR [rounds] (default 5 rounds).
//
// Uses the million-observation program folder that bench_startup keeps in CACHE_DIR (made on the
// first run). A tick reads what a receiver sent in two seconds and asks the waypoint sources
// whether they hold a waypoint. Timed per round: the newest fix out of two seconds of a receiver at
// 115200 baud that sends every sentence it knows (about 23 KB, the most a tick can meet), and the
// question to the waypoint file and a clipboard of ordinary text; then a full scan.

#include "BenchStore.h"
#include "core/positions/Nmea.h"
#include "core/positions/Waypoints.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTextStream>

using namespace lirvenda;
using namespace lirvenda::bench;

namespace {

constexpr int TickBytes = 115200 / 10 * 2;

QByteArray twoSecondsOfSentences()
{
    const QByteArray second = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n"
                              "$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1*39\r\n"
                              "$GPGSV,2,1,08,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45*75\r\n"
                              "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A\r\n";
    QByteArray received;
    while (received.size() < TickBytes)
        received += second;
    return received.left(TickBytes);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const std::optional<MillionStoreBench> bench = millionStoreBench(argc, argv, out);
    if (!bench)
        return 2;
    const QString folder = bench->folder;
    const QByteArray received = twoSecondsOfSentences();
    QTemporaryDir programFolder;
    WaypointFileSource files(programFolder.path());
    const QString clipboard = QStringLiteral("Some text copied from a letter, not a position.");
    ClipboardSource copied([&] { return clipboard; });

    QList<double> ticks, scans;
    for (int round = 0; round <= bench->rounds; ++round) { // round 0 warms the caches; not counted
        bool fixFound = true;
        const double tick = millisecondsOf([&] {
            NmeaStream stream;
            fixFound = stream.take(received).has_value() && !files.holdsWaypoint() && !copied.holdsWaypoint();
        });
        const double scan = fullScan(folder);
        if (!fixFound) {
            out << "the tick found no fix\n";
            return 1;
        }
        if (round > 0) {
            ticks << tick;
            scans << scan;
        }
    }
    const double scan = median(scans);
    out << Qt::fixed << qSetRealNumberPrecision(3) << bench->rounds << " rounds, " << received.size()
        << " bytes a tick\n"
        << "full scan of " << MillionRows << " observations: median " << scan << " ms, fastest " << fastest(scans)
        << " ms\n"
        << "one tick's positions: median " << median(ticks) << " ms, fastest " << fastest(ticks) << " ms\n"
        << qSetRealNumberPrecision(6) << "tick / full scan " << median(ticks) / scan << '\n';
    return 0;
}
