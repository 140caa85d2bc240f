#pragma once

// The statistics of one calendar year of observations: the report lines, the year's species and
// the month-by-month counts of the three charts, all computed from one read of the year's rows.

#include "core/shared/DisplayTexts.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace lirvenda {

class Program;

using MonthValues = std::array<qint64, 12>; // January first

struct YearStatistics {
    QStringList report;                        // the report, line by line; empty for a year without rows
    QList<KeyedEntry> species;                 // the species with a positive total, by key
    MonthValues speciesPerMonth{};             // species seen in each month
    MonthValues individualsPerMonth{};         // the sum of the counts in each month
    QHash<QString, MonthValues> speciesMonths; // species key -> the sum of its counts in each month

    MonthValues individualsOf(const QString &speciesKey) const; // zeros for a key not seen
};

YearStatistics computeYearStatistics(Program &program, int year);

// Writes the lines, each ended by CR LF, as UTF-8, replacing the file whole; false when it cannot,
// and the file that was there stays as it was.
bool writeReportFile(const QString &path, const QStringList &lines);

} // namespace lirvenda
