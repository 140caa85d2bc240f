#pragma once

// What the benchmarks share: timing, medians, and program folders of generated observations.

#include <QList>
#include <QString>

#include <functional>

class QTextStream;

namespace lirvenda::bench {

double millisecondsOf(const std::function<void()> &work);
double fastest(const QList<double> &values);
double median(QList<double> values);

// A program folder in the cache with the given number of observations, generated once and reused
// while its marker file is there: every bird species and 2,000 localities, on days from 1 January
// 1995 to today, as a store from before the lists of used values.
QString prepareStore(const QString &cache, int rows, QTextStream &out);

// One full scan of the folder's Observasjoner, in milliseconds.
double fullScan(const QString &folder);

} // namespace lirvenda::bench
