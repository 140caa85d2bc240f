#pragma once

#include <QDate>
#include <QStringList>

namespace lirvenda {

class Program;

struct RecentObservations {
    QString caption;   // "Siste observasjoner av " + the six-letter code
    QStringList lines; // "05. desember: 3 ", newest day first
};

// The daily sums of a species over the thirty days up to today (and any days after it).
RecentObservations recentObservations(Program &program, const QString &speciesKey,
                                      const QDate &today = QDate::currentDate());

} // namespace lirvenda
