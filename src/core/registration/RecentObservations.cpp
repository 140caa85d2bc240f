#include "core/registration/RecentObservations.h"

#include "core/shared/Language.h"
#include "core/species/Species.h"
#include "core/store/Program.h"

#include <QCoreApplication>
#include <QLocale>

namespace lirvenda {

RecentObservations recentObservations(Program &program, const QString &speciesKey, const QDate &today)
{
    RecentObservations recent;
    recent.caption = QCoreApplication::translate("RecentObservations", "Siste observasjoner av ") +
                     latinShortCode(program, speciesKey).toUpper();
    const QLocale shown = shownLocale();
    Statement days = program.mainConnection().query(
        QStringLiteral("SELECT substr(StartDato, 1, 10) AS Dag, sum(Antall) AS Total FROM Observasjoner "
                       "WHERE Art = ? AND StartDato >= date(?, '-30 days') "
                       "GROUP BY substr(StartDato, 1, 10) ORDER BY Dag DESC"),
        {speciesKey, today.toString(Qt::ISODate)});
    while (days.next()) {
        const QDate day = QDate::fromString(days.text(QStringLiteral("Dag")), Qt::ISODate);
        recent.lines << shown.toString(day, QStringLiteral("dd. MMMM")) + QStringLiteral(": ") +
                            days.text(QStringLiteral("Total")) + ' ';
    }
    return recent;
}

} // namespace lirvenda
