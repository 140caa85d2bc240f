#pragma once

// When the species come: one species' first sighting in each year, the order of a year's first
// sightings, and the whole diary year by year. Sightings count as the lists count them.

#include "core/lists/SpeciesLists.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace lirvenda {

class Program;

struct YearFirst {
    int year = 0;
    QString start; // stored date-time
    qint64 obsId = 0;
    QString locality;  // as the user reads it
    int dayOfYear = 0; // 1 on 1 January
};

// The species' first sighting in every year that has one, oldest year first.
QList<YearFirst> arrivalDates(Program &program, const QString &speciesKey);
// The median of the first days of the year; none without years.
std::optional<double> medianArrivalDay(const QList<YearFirst> &firsts);
// The years: the year, the first date and time, the day of the year and the locality.
ListTable arrivalTable(const QString &title, const QList<YearFirst> &firsts);

// "Årets første": the year list in the order the species were first seen that year.
QList<ListLine> yearFirsts(Program &program, int year, const QString &speciesClass);

// The diary year by year, from its first year to its last: the species seen that year (the year
// list's size) and the life list's size at the end of the year.
struct DiaryYear {
    int year = 0;
    qint64 species = 0;
    qint64 lifeList = 0;
};
QList<DiaryYear> diaryYears(Program &program, const QString &speciesClass);
ListTable diaryTable(const QString &title, const QList<DiaryYear> &years);

} // namespace lirvenda
