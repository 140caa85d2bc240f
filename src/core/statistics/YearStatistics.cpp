#include "core/statistics/YearStatistics.h"

#include "core/reference/ObserverRegister.h"
#include "core/shared/DateTexts.h"
#include "core/species/Species.h"
#include "core/store/Database.h"
#include "core/store/NorwegianOrder.h"
#include "core/store/Program.h"

#include <QLocale>
#include <QSaveFile>

#include <algorithm>
#include <bitset>
#include <map>
#include <optional>
#include <tuple>
#include <vector>

namespace lirvenda {

namespace {

using Count = std::optional<qint64>; // a sum over counts that are all missing is missing

// A stored start, "yyyy-MM-dd HH:mm:ss", kept in the row itself: a year has many rows, and a
// text of each would cost more than reading it.
struct StoredStart {
    std::array<char, 19> text{};
    qsizetype size = 0;

    explicit StoredStart(QByteArrayView stored) : size(std::min<qsizetype>(stored.size(), 19))
    {
        std::copy_n(stored.data(), size, text.begin());
    }
    int number(int from, int length) const
    {
        return QByteArrayView(text.data() + from, std::clamp<qsizetype>(size - from, 0, length)).toInt();
    }
    QString toString() const { return QString::fromUtf8(text.data(), size); }
    auto operator<=>(const StoredStart &other) const
    {
        return QByteArrayView(text.data(), size).compare(QByteArrayView(other.text.data(), other.size)) <=> 0;
    }
};

struct Row {
    qint64 obsId;
    QString species; // shared with the other rows of the species
    Count count;
    StoredStart start;
    QString observer; // shared with the other rows of the observer

    int month() const { return start.number(5, 2); }
    // The day within its year, 0 for 1 January, to mark it in a set of days.
    int dayOfYear() const { return std::clamp((month() - 1) * 31 + start.number(8, 2) - 1, 0, 12 * 31 - 1); }
};

using DaySet = std::bitset<12 * 31>;

// One text for each distinct stored value: the rows of a species, or of an observer, share it.
class SharedTexts {
public:
    QString of(QByteArrayView stored)
    {
        const QByteArray key = QByteArray::fromRawData(stored.data(), stored.size());
        auto found = m_texts.constFind(key);
        if (found == m_texts.cend())
            found = m_texts.insert(stored.toByteArray(), QString::fromUtf8(stored));
        return *found;
    }

private:
    QHash<QByteArray, QString> m_texts;
};

struct SpeciesSums {
    Count total;
    std::array<Count, 12> months; // missing also for a month whose counts are all missing
    std::array<bool, 12> seen{};  // the months with rows of the species
    DaySet daysWithCount;         // days on which a positive count was recorded
};

Count add(const Count &sum, const Count &value)
{
    if (!value)
        return sum;
    return sum.value_or(0) + *value;
}

// A missing value sorts below every number, as the store's descending order puts it last.
bool greater(const Count &a, const Count &b) { return a && (!b || *a > *b); }

// The row with the largest count; of rows with equal counts the first in the order of the species
// key, the start and ObsID.
bool largerRow(const Row &a, const Row &b)
{
    if (greater(a.count, b.count) || greater(b.count, a.count))
        return greater(a.count, b.count);
    return std::tie(a.species, a.start, a.obsId) < std::tie(b.species, b.start, b.obsId);
}

QString numberText(const Count &value) { return value ? QString::number(*value) : QString(); }

QString storedYearStart(int year) { return QStringLiteral("%1-01-01").arg(year, 4, 10, QLatin1Char('0')); }

// The key of a linked observer: its ObserverUniqueID, the key Observatører holds, so an observer
// counts as one whichever way an observation names them; "#" and the ObserverID when the register
// no longer holds it.
QString linkedObserverKey(Program &program, qint64 observerId)
{
    const QString uniqueId =
        program.observerConnection()
            .scalar(QStringLiteral("SELECT ObserverUniqueID FROM Observers WHERE ObserverID = ?"), {observerId})
            .toString();
    return uniqueId.isEmpty() ? QLatin1Char('#') + QString::number(observerId) : uniqueId;
}

// The key of the observer linked to the row as its main observer (the last such link); empty
// when there is none. Keys are looked up once each.
QString linkedMainObserver(Program &program, qint64 obsId, QHash<qint64, QString> &keyOfObserver)
{
    const QVariant observerId = program.mainConnection().scalar(
        QStringLiteral("SELECT ObservasjonsId FROM ObservatørKobling WHERE RecordID = ? AND HovedObservatør <> 0 "
                       "ORDER BY rowid DESC LIMIT 1"),
        {obsId});
    if (observerId.isNull())
        return {};
    auto key = keyOfObserver.constFind(observerId.toLongLong());
    if (key == keyOfObserver.cend())
        key = keyOfObserver.insert(observerId.toLongLong(), linkedObserverKey(program, observerId.toLongLong()));
    return *key;
}

// The year's rows in the order of their start, each with the key of its main observer: the first
// in Observatører, else the linked observer marked as the main one, sought only for the rows
// without Observatører.
// The first of a comma-separated list, without the blanks around it.
QByteArrayView firstListed(QByteArrayView list)
{
    const qsizetype comma = list.indexOf(',');
    return (comma < 0 ? list : list.first(comma)).trimmed();
}

std::vector<Row> readYear(Program &program, int year)
{
    QHash<qint64, QString> keyOfObserver; // ObserverID -> key
    SharedTexts species, observers;
    std::vector<Row> rows;
    Statement q = program.mainConnection().query(
        QStringLiteral("SELECT ObsID, Art, Antall, StartDato, Observatører FROM Observasjoner "
                       "INDEXED BY Observasjoner_Year WHERE StartDato >= ?1 AND StartDato < ?2"),
        {storedYearStart(year), storedYearStart(year + 1)});
    while (q.next()) {
        const QVariant count = q.value(2);
        const qint64 obsId = q.integer(0);
        QString observer = observers.of(firstListed(q.bytes(4)));
        if (observer.isEmpty())
            observer = linkedMainObserver(program, obsId, keyOfObserver);
        rows.push_back({obsId, species.of(q.bytes(1)), count.isNull() ? Count() : Count(count.toLongLong()),
                        StoredStart(q.bytes(3)), observer});
    }
    return rows;
}

// A name filled or cut to 44 characters, then a number right-aligned in 5 and the unit.
QString countLine(const QString &name, const QString &number, const QString &unit)
{
    return name.leftJustified(44, QLatin1Char(' '), true) + number.rightJustified(5) + unit;
}

// An observer key is an ObserverUniqueID, or "#" and the ObserverID of a link to an observer the
// register no longer holds.
QString observerName(Program &program, const QString &key)
{
    const QString name = key.startsWith(QLatin1Char('#')) ? observerNameById(program, key.mid(1).toLongLong())
                                                          : observerNameByUniqueId(program, key);
    return name.isEmpty() ? key : name;
}

QStringList observerLines(Program &program, const std::vector<Row> &rows)
{
    QHash<QString, qint64> counts;
    for (const Row &row : rows)
        if (!row.observer.isEmpty())
            ++counts[row.observer];
    std::vector<std::pair<QString, qint64>> named;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        named.emplace_back(observerName(program, it.key()), it.value());
    std::sort(named.begin(), named.end(), [](const auto &a, const auto &b) {
        return a.second != b.second ? a.second > b.second : compareNorwegian(a.first, b.first) < 0;
    });
    QStringList lines;
    for (const auto &[name, count] : named)
        lines << countLine(name, QString::number(count),
                           count == 1 ? QStringLiteral(" observasjon") : QStringLiteral(" observasjoner"));
    return lines;
}

} // namespace

MonthValues YearStatistics::individualsOf(const QString &speciesKey) const
{
    return speciesMonths.value(speciesKey, MonthValues{});
}

YearStatistics computeYearStatistics(Program &program, int year)
{
    YearStatistics result;
    const std::vector<Row> rows = readYear(program, year);
    if (rows.empty())
        return result;

    // Summed in a hash, one look-up a row; reported by key.
    QHash<QString, SpeciesSums> sumsOf;
    DaySet days;
    const Row *largest = &rows.front();
    for (const Row &row : rows) {
        SpeciesSums &sums = sumsOf[row.species];
        const int m = row.month() - 1;
        sums.total = add(sums.total, row.count);
        sums.months[m] = add(sums.months[m], row.count);
        sums.seen[m] = true;
        if (row.count && *row.count > 0)
            sums.daysWithCount.set(row.dayOfYear());
        result.individualsPerMonth[m] += row.count.value_or(0);
        days.set(row.dayOfYear());
        if (largerRow(row, *largest))
            largest = &row;
    }
    std::map<QString, const SpeciesSums *> species; // by key
    for (auto it = sumsOf.cbegin(); it != sumsOf.cend(); ++it)
        species.emplace(it.key(), &it.value());

    const QString y = QString::number(year);
    QStringList &r = result.report;
    r << QStringLiteral("Statistikk for %1:").arg(y) << QString()
      << QStringLiteral("Antall observerte arter: %1").arg(species.size())
      << QStringLiteral("Totalt antall enkeltobservasjoner: %1").arg(rows.size()) << QString()
      << QStringLiteral("Antall dager med observasjoner: %1").arg(days.count()) << QString()
      << QStringLiteral("Antall observasjoner fordelt på observatørene:") << observerLines(program, rows) << QString()
      << QStringLiteral("Observerte arter og antall:");

    // A species can have days with a positive count and yet a total of zero or less: each section
    // looks up the names of the species it lists, each name once.
    QHash<QString, QString> names;
    const auto nameOf = [&program, &names](const QString &key) {
        auto name = names.constFind(key);
        if (name == names.cend()) {
            const QString found = speciesDisplayName(program, key, true);
            name = names.insert(key, found.isEmpty() ? key : found);
        }
        return *name;
    };
    for (const auto &[key, sums] : species) {
        if (!sums->total || *sums->total <= 0)
            continue;
        r << countLine(nameOf(key), QString::number(*sums->total), QStringLiteral(" individer"));
        result.species << keyedEntry(nameOf(key), 2, key);
    }
    r << QString() << QStringLiteral("Antall dager med observasjoner:");
    for (const auto &[key, sums] : species) {
        const qint64 d = qint64(sums->daysWithCount.count());
        if (d > 0)
            r << countLine(nameOf(key), QString::number(d), d == 1 ? QStringLiteral(" dag") : QStringLiteral(" dager"));
    }

    const SpeciesSums *maxSpecies = nullptr;
    QString maxKey;
    int maxMonth = 0;
    for (const auto &[key, sums] : species)
        for (int m = 0; m < 12; ++m)
            if (sums->seen[m] && (!maxSpecies || greater(sums->months[m], maxSpecies->months[maxMonth]))) {
                maxSpecies = sums;
                maxKey = key;
                maxMonth = m;
            }
    r << QString()
      << QStringLiteral("Max. antall i enkeltobservasjon: %1 individer av %2 den %3.")
             .arg(numberText(largest->count), latinShortCode(program, largest->species),
                  shownDate(largest->start.toString()));
    r << QStringLiteral("Max. månedsantall: %1 individer av %2 i %3.")
             .arg(numberText(maxSpecies->months[maxMonth]), latinShortCode(program, maxKey),
                  QLocale(QLocale::NorwegianBokmal).monthName(maxMonth + 1, QLocale::LongFormat))
      << QString();

    for (int m = 0; m < 12; ++m)
        result.speciesPerMonth[m] =
            std::count_if(species.cbegin(), species.cend(), [m](const auto &entry) { return entry.second->seen[m]; });
    for (const auto &[key, sums] : species)
        for (int m = 0; m < 12; ++m)
            result.speciesMonths[key][m] = sums->months[m].value_or(0);
    return result;
}

bool writeReportFile(const QString &path, const QStringList &lines)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toUtf8() + "\r\n";
    // Written in one piece, unbuffered: a short write (a full disk) is no error to the file, only
    // the count tells.
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace lirvenda
