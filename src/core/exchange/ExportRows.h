#pragma once

// The observations an export takes, read one at a time with the names their keys stand for, so
// that an export of any number of them runs in constant memory. The texts stay UTF-8 as stored:
// an export of a million rows writes bytes without a QString for each value.

#include "core/archive/ArchiveSearch.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>

namespace lirvenda {

class Program;

// The criteria of the observations of one year (the archive's year row "= year").
ArchiveCriteria yearCriteria(int year);

// A stored "yyyy-MM-dd HH:mm:ss" as the exports use it: whether it is a moment, whether its time
// of day is midnight, and its seconds since 1970 without a time zone.
struct StoredMoment {
    bool valid = false;
    bool midnight = true;
    qint64 seconds = 0;
};
StoredMoment storedMomentOf(QByteArrayView stored);

// One observation as the exports write it. Every text is a UTF-8 view that is valid only while the
// call it is handed to runs.
struct ExportRow {
    qint64 obsId = 0;
    QByteArrayView uniqueId;
    QByteArrayView speciesKey, vernacularName, scientificName, genus, epithet, taxonClass;
    QByteArrayView countOperator;
    std::optional<qint64> count; // none when the count was left open
    QByteArrayView sex, age;
    QByteArrayView activity;
    QByteArrayView locality; // as the user reads it
    QByteArrayView placeCode, countyCode, countyName, municipalityName;
    QByteArrayView latitude, longitude;               // as typed
    QByteArrayView decimalLatitude, decimalLongitude; // as decimalCoordinate writes them
    QByteArrayView start, stop;                       // "yyyy-MM-dd HH:mm:ss"
    StoredMoment startMoment, stopMoment;
    QByteArrayView comment;
    QByteArrayView observerNames; // separated by " | ", main observer first
    qsizetype observerCount = 0;
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
