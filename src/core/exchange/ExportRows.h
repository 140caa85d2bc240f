#pragma once

// The observations an export takes, read one at a time with the names their keys stand for, so
// that an export of any number of them runs in constant memory.

#include "core/archive/ArchiveSearch.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace lirvenda {

class Program;

// The criteria of the observations of one year (the archive's year row "= year").
ArchiveCriteria yearCriteria(int year);

// One observation as the exports write it.
struct ExportRow {
    qint64 obsId = 0;
    QString uniqueId;
    QString speciesKey, vernacularName, genus, epithet, taxonClass;
    QString countOperator;
    std::optional<qint64> count; // none when the count was left open
    QString sex, age;
    QString activityKey, activity;
    QString locality; // as the user reads it
    QString placeCode, countyCode, countyName, municipalityName;
    QString latitude, longitude; // as typed
    QString start, stop;         // "yyyy-MM-dd HH:mm:ss"
    QString comment;
    QStringList observerKeys, observerNames; // main observer first
    QString scientificName() const { return (genus + QLatin1Char(' ') + epithet).trimmed(); }
};

// Calls write for every observation the criteria match: with criteria in the archive's order
// (species, start day, ObsID), with none in the order they were stored. Answers how many.
qint64 forEachExportRow(Program &program, const ArchiveCriteria &criteria,
                        const std::function<void(const ExportRow &row)> &write);

// A stored "yyyy-MM-dd HH:mm:ss" as a moment without a time zone (kept in UTC, so no local time
// rule is consulted for each of a million rows); invalid for any other text.
QDateTime storedMoment(const QString &stored);

// A typed latitude or longitude in decimal degrees: "59.9127", "59,9127", or digits alone, whose
// first two are the degrees ("599127"). None for any other text.
std::optional<double> decimalDegrees(const QString &typed);
// The same written with six decimals ("59.912700"), as the exports write positions; empty for none.
QString decimalCoordinate(const QString &typed);

} // namespace lirvenda
