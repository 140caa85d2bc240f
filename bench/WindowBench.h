#pragma once

#include "BenchStore.h"

#include <QApplication>
#include <QTextStream>

#include <functional>

namespace lirvenda::bench {

// The start the window benchmarks on the million-observation store share: offscreen drawing
// unless a platform is chosen, the application, and the store made or reused; then the
// benchmark, whose answer is the exit status. Without a cache folder: the usage and status 2.
inline int runMillionStoreWindowBench(int argc, char **argv,
                                      const std::function<int(const MillionStoreBench &, QTextStream &)> &benchmark)
{
    drawOffscreenUnlessChosen();
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const std::optional<MillionStoreBench> bench = millionStoreBench(argc, argv, out);
    return bench ? benchmark(*bench, out) : 2;
}

} // namespace lirvenda::bench
