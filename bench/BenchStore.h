#pragma once

// What the benchmarks share: timing, and program folders of generated observations, made once and
// kept for the next run.

#include <QList>
#include <QString>
#include <QTextStream>

#include <functional>
#include <optional>

namespace lirvenda::bench {

// The cache folder and the number of rounds from a window benchmark's command line
// "CACHE_DIR [rounds]" (5 rounds unless given); nullopt, with the usage on standard error, without one.
struct WindowBenchArguments {
    QString cache;
    int rounds;
};
std::optional<WindowBenchArguments> windowBenchArguments(int argc, char **argv);

// Window benchmarks draw offscreen unless a platform is chosen; call before the application is made.
void drawOffscreenUnlessChosen();

// The benchmarks on the store of a million observations that bench_startup keeps in CACHE_DIR:
// its folder (made on the first run) and the rounds, from "CACHE_DIR [rounds]"; nullopt, with the
// usage on standard error, without a cache folder.
inline constexpr int MillionRows = 1000000;
struct MillionStoreBench {
    QString folder;
    int rounds;
};
std::optional<MillionStoreBench> millionStoreBench(int argc, char **argv, QTextStream &out);

double millisecondsOf(const std::function<void()> &work);
double fastest(const QList<double> &values);
double median(QList<double> values);

// A program folder in the cache with that many observations of the same 531 bird species at the
// same 2,000 localities, starting between 1995 and today, counts 1 to 39; generated on the first
// call (progress written to out) and reused while its marker file is there.
QString prepareStore(const QString &cache, int rows, QTextStream &out);

// One read of every row of Observasjoner in the folder's store, the yardstick of the benchmarks.
double fullScan(const QString &folder);

} // namespace lirvenda::bench
