#include "core/lists/ArrivalDates.h"

#include "core/registration/Places.h"
#include "core/shared/DateTexts.h"
#include "core/store/Program.h"

#include <QDate>

#include <algorithm>
#include <map>
#include <tuple>

namespace lirvenda {

namespace {

QString localityOfRow(Program &program, qint64 obsId)
{
    return storedLocalityText(
        program, program.mainConnection()
                     .scalar(QStringLiteral("SELECT Lokalitet FROM Observasjoner WHERE ObsID = ?"), {obsId})
                     .toString());
}

} // namespace

QList<YearFirst> arrivalDates(Program &program, const QString &speciesKey)
{
    Statement rows = program.mainConnection().query(
        QStringLiteral("SELECT År, FørsteStart, FørsteObsID FROM ArtsÅr WHERE Art = ? ORDER BY År"), {speciesKey});
    QList<YearFirst> firsts;
    while (rows.next()) {
        bool isYear = false;
        const int year = rows.value(0).toInt(&isYear);
        const QString start = rows.value(1).toString();
        const QDate day = QDate::fromString(start.left(10), QStringLiteral("yyyy-MM-dd"));
        if (!isYear || !day.isValid())
            continue; // a row without a start has no day of the year
        const qint64 obsId = rows.value(2).toLongLong();
        firsts.append({year, start, obsId, localityOfRow(program, obsId), day.dayOfYear()});
    }
    return firsts;
}

std::optional<double> medianArrivalDay(const QList<YearFirst> &firsts)
{
    if (firsts.isEmpty())
        return std::nullopt;
    QList<int> days;
    for (const YearFirst &first : firsts)
        days << first.dayOfYear;
    std::sort(days.begin(), days.end());
    const qsizetype middle = days.size() / 2;
    return days.size() % 2 ? days.at(middle) : (days.at(middle - 1) + days.at(middle)) / 2.0;
}

ListTable arrivalTable(const QString &title, const QList<YearFirst> &firsts)
{
    ListTable table{
        title,
        {QStringLiteral("År"), QStringLiteral("Først sett"), QStringLiteral("Dag i året"), QStringLiteral("Lokalitet")},
        {}};
    for (const YearFirst &first : firsts)
        table.rows.append({QString::number(first.year), shownDateTime(first.start), QString::number(first.dayOfYear),
                           first.locality});
    return table;
}

QList<ListLine> yearFirsts(Program &program, int year, const QString &speciesClass)
{
    QList<ListLine> lines =
        speciesList(program, {ListKind::Year, year, QString(), speciesClass}, ListOrder::Systematic);
    std::stable_sort(lines.begin(), lines.end(), [](const ListLine &a, const ListLine &b) {
        return std::tie(a.firstStart, a.firstObsId) < std::tie(b.firstStart, b.firstObsId);
    });
    return lines;
}

QList<DiaryYear> diaryYears(Program &program, const QString &speciesClass)
{
    SpeciesTaxa taxa(program);
    std::map<int, DiaryYear> years;
    QString previousKey;
    Statement rows = program.mainConnection().query(QStringLiteral("SELECT Art, År FROM ArtsÅr ORDER BY Art, År"));
    while (rows.next()) {
        bool isYear = false;
        const QString key = rows.value(0).toString();
        const int year = rows.value(1).toInt(&isYear);
        if (!isYear || key.isEmpty() || !taxa.inClass(key, speciesClass))
            continue;
        DiaryYear &counted = years[year];
        ++counted.species;
        if (key != previousKey) // a species' years come in order: this is its first
            ++counted.lifeList;
        previousKey = key;
    }
    QList<DiaryYear> diary;
    if (years.empty())
        return diary;
    qint64 lifeList = 0;
    for (int year = years.begin()->first; year <= years.rbegin()->first; ++year) {
        const DiaryYear counted = years.count(year) ? years.at(year) : DiaryYear{};
        lifeList += counted.lifeList;
        diary.append({year, counted.species, lifeList});
    }
    return diary;
}

ListTable diaryTable(const QString &title, const QList<DiaryYear> &years)
{
    ListTable table{title, {QStringLiteral("År"), QStringLiteral("Arter i året"), QStringLiteral("Arter totalt")}, {}};
    for (const DiaryYear &year : years)
        table.rows.append({QString::number(year.year), QString::number(year.species), QString::number(year.lifeList)});
    return table;
}

} // namespace lirvenda
