#pragma once

// The archive search: its criteria, the query they make and the lines of its result list. Every
// value is bound to the query, never written into its text, so nothing typed can change it.

#include "core/shared/DisplayTexts.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <optional>

namespace lirvenda {

class Program;

// The operators of a number row, in the order its list shows them.
inline const QStringList ComparisonTexts = {QStringLiteral("="), QStringLiteral(">"),  QStringLiteral(">="),
                                            QStringLiteral("<"), QStringLiteral("<="), QStringLiteral("<>")};

// The number a box holds when it is a whole number: an optional sign and digits, nothing else.
std::optional<qint64> wholeNumber(const QString &text);

// The year a year box holds: a whole number from 1 to 9999, the years a stored start can name.
// Any other number is no year, as any other text is no number.
std::optional<qint64> yearNumber(const QString &text);

// One row of operator and number box; it takes part when an operator is chosen and the box holds
// a whole number, or for the year row, a year.
struct NumberRow {
    int comparison = -1; // index into ComparisonTexts; -1 when none is chosen
    QString text;
    bool hasComparison() const;
    std::optional<qint64> number() const;
    std::optional<qint64> year() const;
};

// The criteria; a value that is absent takes no part. Codes for species, observer (its unique
// ID), activity and county/municipality; the visible texts for sex and age; the stored value
// for the locality.
struct ArchiveCriteria {
    std::optional<QString> species, observer, sex, age, activity, locality, place;
    NumberRow count, day, month, year;
};

struct ArchiveQuery {
    QString sql;
    QVariantList values;
};

// The condition of the criteria on the rows of Observasjoner O, for a WHERE clause; empty when no
// criterion takes part.
ArchiveQuery archiveCondition(const ArchiveCriteria &criteria, std::optional<qint64> observerId);
// The ObserverID of the chosen observer; none when none is chosen or it is not in the register.
std::optional<qint64> archiveObserverId(Program &program, const ArchiveCriteria &criteria);

// The query of the criteria in result order: species key, start day, then ObsID. The observer is
// found by its whole key among the comma-separated keys of Observatører, or by its link rows
// (observerId, its ObserverID; none when it is not in the register).
ArchiveQuery buildArchiveQuery(const ArchiveCriteria &criteria, std::optional<qint64> observerId);

inline constexpr int MaxArchiveResults = 100;

struct ArchiveResult {
    QList<KeyedEntry> lines; // the result lines, each with its ObsID as key
    bool more = false;       // more than MaxArchiveResults matched
    QString caption() const;
};

// Runs the search: at most MaxArchiveResults lines, and whether more matched.
ArchiveResult searchArchive(Program &program, const ArchiveCriteria &criteria);

// latinShortCode in 21 characters, the count in 5, the locality and the start as stored
// (shownDateTime), then 150 blanks and "[ObsID]".
QString archiveResultLine(const QString &shortCode, const QString &count, const QString &locality,
                          const QString &storedStart, qint64 obsId);

// The locality as the user knows it: a Lokalitet table ID, as group registration and atlas import
// store it, becomes that locality's name.
QString shownLocality(Program &program, const QString &stored);

// The lists of the criteria, each without its no-choice item.
QList<KeyedEntry> archiveSpeciesEntries(Program &program);
QList<KeyedEntry> archiveObserverEntries(Program &program);
QList<KeyedEntry> archiveActivityEntries(Program &program);
QList<KeyedEntry> archiveLocalityEntries(Program &program); // the shown name, the stored value as key
QList<KeyedEntry> archivePlaceEntries(Program &program);
inline const QStringList ArchiveSexTexts = {QStringLiteral("Hann"), QStringLiteral("Hunn"),
                                            QStringLiteral("Hunnfarget"), QStringLiteral("I par")};
QStringList archiveAgeTexts();

} // namespace lirvenda
