#include "core/archive/ArchiveSearch.h"

#include "core/shared/DateTexts.h"
#include "core/species/Species.h"
#include "core/store/NorwegianOrder.h"
#include "core/store/Program.h"

#include <QHash>
#include <QRegularExpression>

#include <QCoreApplication>
#include <algorithm>
#include <tuple>

namespace lirvenda {

namespace {

// The first stored start of a year from 0 to 10000, as text that sorts with the stored starts:
// "0000" below every year, ":" for 10000 above every year (it sorts after the digits).
QString yearStart(qint64 year)
{
    if (year >= 10000)
        return QStringLiteral(":");
    return QStringLiteral("%1").arg(year, 4, 10, QLatin1Char('0'));
}

// A year criterion is a range of StartDato, so that the index on the start serves it.
void addYear(QStringList &pieces, QVariantList &values, int comparison, qint64 year)
{
    const QString lowest = yearStart(0), beyond = yearStart(10000);
    const QString from = yearStart(year), to = yearStart(year + 1);
    const QString range = QStringLiteral("O.StartDato >= ? AND O.StartDato < ?");
    switch (comparison) {
    case 0:
        pieces << range;
        values << from << to;
        break;
    case 1:
        pieces << range;
        values << to << beyond;
        break;
    case 2:
        pieces << range;
        values << from << beyond;
        break;
    case 3:
        pieces << range;
        values << lowest << from;
        break;
    case 4:
        pieces << range;
        values << lowest << to;
        break;
    default:
        pieces << range + QStringLiteral(" AND NOT (O.StartDato >= ? AND O.StartDato < ?)");
        values << lowest << beyond << from << to;
    }
}

void addNumber(QStringList &pieces, QVariantList &values, const QString &expression, const NumberRow &row)
{
    if (const std::optional<qint64> number = row.number()) {
        pieces << expression + ' ' + ComparisonTexts.at(row.comparison) + QStringLiteral(" ?");
        values << *number;
    }
}

void addEqual(QStringList &pieces, QVariantList &values, const QString &column, const std::optional<QString> &value)
{
    if (value) {
        pieces << column + QStringLiteral(" = ?");
        values << *value;
    }
}

QList<KeyedEntry> entries(Statement rows, int blanks)
{
    QList<KeyedEntry> list;
    while (rows.next())
        list << keyedEntry(rows.value(0).toString(), blanks, rows.value(1).toString());
    return list;
}

struct FoundRow {
    QString species, day;
    qint64 obsId;
    Record record;
};

} // namespace

std::optional<qint64> wholeNumber(const QString &text)
{
    static const QRegularExpression whole(QStringLiteral("^[+-]?[0-9]+$"));
    if (!whole.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const qint64 number = text.toLongLong(&ok);
    return ok ? std::optional<qint64>(number) : std::nullopt;
}

std::optional<qint64> yearNumber(const QString &text)
{
    const std::optional<qint64> number = wholeNumber(text);
    return number && *number >= 1 && *number <= 9999 ? number : std::nullopt;
}

bool NumberRow::hasComparison() const { return comparison >= 0 && comparison < ComparisonTexts.size(); }

std::optional<qint64> NumberRow::number() const { return hasComparison() ? wholeNumber(text) : std::nullopt; }

std::optional<qint64> NumberRow::year() const { return hasComparison() ? yearNumber(text) : std::nullopt; }

ArchiveQuery archiveCondition(const ArchiveCriteria &criteria, std::optional<qint64> observerId)
{
    QStringList pieces;
    QVariantList values;
    addEqual(pieces, values, QStringLiteral("O.Art"), criteria.species);
    if (criteria.observer) {
        QString observer = QStringLiteral("instr(',' || O.Observatører || ',', ',' || ? || ',') > 0");
        values << *criteria.observer;
        if (observerId) {
            observer += QStringLiteral(" OR EXISTS (SELECT 1 FROM ObservatørKobling K "
                                       "WHERE K.RecordID = O.ObsID AND K.ObservasjonsId = ?)");
            values << *observerId;
        }
        pieces << '(' + observer + ')';
    }
    addEqual(pieces, values, QStringLiteral("O.Kjønn"), criteria.sex);
    addEqual(pieces, values, QStringLiteral("O.Alder"), criteria.age);
    addEqual(pieces, values, QStringLiteral("O.AtlasKode"), criteria.activity);
    addEqual(pieces, values, QStringLiteral("O.Lokalitet"), criteria.locality);
    addEqual(pieces, values, QStringLiteral("O.Fylke_Kommune"), criteria.place);
    addNumber(pieces, values, QStringLiteral("O.Antall"), criteria.count);
    // A row without a start has no day or month.
    addNumber(pieces, values, QStringLiteral("O.StartDato <> '' AND CAST(substr(O.StartDato, 9, 2) AS INTEGER)"),
              criteria.day);
    addNumber(pieces, values, QStringLiteral("O.StartDato <> '' AND CAST(substr(O.StartDato, 6, 2) AS INTEGER)"),
              criteria.month);
    if (const std::optional<qint64> year = criteria.year.year())
        addYear(pieces, values, criteria.year.comparison, *year);
    return {pieces.join(QStringLiteral(" AND ")), values};
}

ArchiveQuery buildArchiveQuery(const ArchiveCriteria &criteria, std::optional<qint64> observerId)
{
    const ArchiveQuery condition = archiveCondition(criteria, observerId);
    // A species or a locality narrows the rows through its index. Without them, a search on the
    // start alone walks the order index, whose entries hold the start, and stops after enough
    // matches; any other criterion needs the row itself, which would cost one seek anywhere in the
    // table per entry, so the table is read straight through and only its matches are sorted.
    const bool narrowed = criteria.species || criteria.locality;
    const bool needsRow = criteria.observer || criteria.sex || criteria.age || criteria.activity || criteria.place ||
                          criteria.count.number();
    QString sql = QStringLiteral("SELECT O.ObsID, O.Art, O.Antall, O.Lokalitet, O.StartDato FROM Observasjoner O");
    QString order = QStringLiteral(" ORDER BY O.Art, O.StartDato, O.ObsID");
    if (!narrowed && !needsRow)
        sql += QStringLiteral(" INDEXED BY Observasjoner_Order");
    else if (!narrowed) {
        sql += QStringLiteral(" NOT INDEXED");
        order =
            QStringLiteral(" ORDER BY O.Art, substr(O.StartDato, 1, 10), O.ObsID LIMIT %1").arg(MaxArchiveResults + 1);
    }
    if (!condition.sql.isEmpty())
        sql += QStringLiteral(" WHERE ") + condition.sql;
    sql += order;
    return {sql, condition.values};
}

QString ArchiveResult::caption() const
{
    return more ? QCoreApplication::translate("ArchiveSearch", "Resultater (Mer enn 100 treff. Kun 100 vises i lista)")
                : QCoreApplication::translate("ArchiveSearch", "Resultater (%1 forekomster.)").arg(lines.size());
}

std::optional<qint64> archiveObserverId(Program &program, const ArchiveCriteria &criteria)
{
    if (!criteria.observer)
        return std::nullopt;
    const QVariant id = program.observerConnection().scalar(
        QStringLiteral("SELECT ObserverID FROM Observers WHERE ObserverUniqueID = ?"), {*criteria.observer});
    return id.isNull() ? std::nullopt : std::optional<qint64>(id.toLongLong());
}

ArchiveResult searchArchive(Program &program, const ArchiveCriteria &criteria)
{
    const ArchiveQuery query = buildArchiveQuery(criteria, archiveObserverId(program, criteria));
    Statement rows = program.mainConnection().query(query.sql, query.values);

    // Reads one more row than is shown, and the rest of that row's day: the order index gives the
    // rows of one day by their time, and they are shown by ObsID.
    QList<FoundRow> found;
    while (rows.next()) {
        FoundRow row{rows.text(QStringLiteral("Art")), rows.text(QStringLiteral("StartDato")).left(10),
                     rows.integer(QStringLiteral("ObsID")), rows.record()};
        if (found.size() > MaxArchiveResults && (row.species != found.last().species || row.day != found.last().day))
            break;
        found << row;
    }
    std::stable_sort(found.begin(), found.end(), [](const FoundRow &a, const FoundRow &b) {
        return std::tie(a.species, a.day, a.obsId) < std::tie(b.species, b.day, b.obsId);
    });

    ArchiveResult result;
    result.more = found.size() > MaxArchiveResults;
    QHash<QString, QString> shortCodes, localities;
    for (const FoundRow &row : found.first(std::min<qsizetype>(found.size(), MaxArchiveResults))) {
        if (!shortCodes.contains(row.species))
            shortCodes.insert(row.species, latinShortCode(program, row.species));
        const QString stored = row.record.text(QStringLiteral("Lokalitet"));
        if (!localities.contains(stored))
            localities.insert(stored, shownLocality(program, stored));
        const QString line =
            archiveResultLine(shortCodes.value(row.species), row.record.text(QStringLiteral("Antall")),
                              localities.value(stored), row.record.text(QStringLiteral("StartDato")), row.obsId);
        result.lines << KeyedEntry{line, QString::number(row.obsId)};
    }
    return result;
}

QString archiveResultLine(const QString &shortCode, const QString &count, const QString &locality,
                          const QString &storedStart, qint64 obsId)
{
    const QString visible = shortCode.leftJustified(21) + QCoreApplication::translate("ArchiveSearch", "Antall: ") +
                            count.rightJustified(5) + ' ' + locality +
                            QCoreApplication::translate("ArchiveSearch", " (Dato: ") + shownDateTime(storedStart) + ')';
    return withKey(visible, 150, QString::number(obsId));
}

QString shownLocality(Program &program, const QString &stored)
{
    if (stored.isEmpty() || !std::all_of(stored.begin(), stored.end(), [](QChar c) { return c.isDigit(); }))
        return stored;
    const QVariant name = program.mainConnection().scalar(
        QStringLiteral("SELECT Lokalitet FROM Lokalitet WHERE ID = ?"), {stored.toLongLong()});
    return name.isNull() ? stored : name.toString();
}

QList<KeyedEntry> archiveSpeciesEntries(Program &program)
{
    QList<KeyedEntry> list;
    for (const QString &key :
         program.mainConnection().columnTexts(QStringLiteral("SELECT Art FROM RegistrerteArter ORDER BY Art")))
        list << keyedEntry(speciesDisplayName(program, key, true), 1, key);
    return list;
}

QList<KeyedEntry> archiveObserverEntries(Program &program)
{
    return entries(program.observerConnection().query(QStringLiteral(
                       "SELECT ObserverFirstName || ' ' || ObserverLastName, ObserverUniqueID FROM Observers "
                       "ORDER BY ObserverLastName COLLATE NORSK, ObserverFirstName COLLATE NORSK")),
                   50);
}

QList<KeyedEntry> archiveActivityEntries(Program &program)
{
    return entries(program.mainConnection().query(
                       QStringLiteral("SELECT Aktivitet, AktivitetID FROM Aktivitet ORDER BY AktivitetID")),
                   100);
}

QList<KeyedEntry> archiveLocalityEntries(Program &program)
{
    QList<KeyedEntry> list;
    for (const QString &stored :
         program.mainConnection().columnTexts(QStringLiteral("SELECT Lokalitet FROM BrukteLokaliteter")))
        list << KeyedEntry{shownLocality(program, stored), stored};
    sortByNorwegianName(list, &KeyedEntry::text);
    return list;
}

QList<KeyedEntry> archivePlaceEntries(Program &program)
{
    return entries(program.mainConnection().query(QStringLiteral(
                       "SELECT Place, CodePlace FROM Adminplasser WHERE instr(CodeStatusPlace, 'NOR') > 0 "
                       "AND instr(Place, 'X') = 0 ORDER BY Place COLLATE NORSK")),
                   30);
}

QStringList archiveAgeTexts()
{
    QStringList texts{QStringLiteral("Egg"), QStringLiteral("Pulli"), QStringLiteral("1K"), QStringLiteral("1K+")};
    for (int year = 2; year <= 7; ++year)
        for (const char *suffix : {"", "+", "-"})
            texts << QStringLiteral("%1K%2").arg(year).arg(QLatin1String(suffix));
    return texts << QStringLiteral("Adult");
}

} // namespace lirvenda
