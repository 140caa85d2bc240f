#include "core/exchange/ExportRows.h"

#include "core/registration/Places.h"
#include "core/store/Program.h"

#include <QHash>

namespace lirvenda {

namespace {

// The columns read, by position: the statement is stepped a million times.
enum Column {
    ObsID,
    ObsUniqueID,
    Art,
    Operator,
    Antall,
    Kjonn,
    Alder,
    AtlasKode,
    Lokalitet,
    FylkeKommune,
    Breddegrad,
    Lengdegrad,
    StartDato,
    StoppDato,
    Kommentar,
    Observatorer,
};

const QString SelectedColumns =
    QStringLiteral("O.ObsID, O.ObsUniqueID, O.Art, O.Operator, O.Antall, O.Kjønn, O.Alder, O.AtlasKode, "
                   "O.Lokalitet, O.Fylke_Kommune, O.Breddegrad, O.Lengdegrad, O.StartDato, O.StoppDato, "
                   "O.Kommentar, O.Observatører");

struct Taxon {
    QString vernacularName, genus, epithet, taxonClass;
};

// The names behind the keys, each looked up once: an export has few species, places and observers.
class ExportNames {
public:
    explicit ExportNames(Program &program) : m_program(program)
    {
        Statement taxa = program.mainConnection().query(
            QStringLiteral("SELECT PK_LatinskNavnID, PopulærNavnBokmål, Slekt, Art, Klasse FROM Animalia"));
        while (taxa.next())
            m_taxa.insert(taxa.value(0).toString(), {taxa.value(1).toString(), taxa.value(2).toString(),
                                                     taxa.value(3).toString(), taxa.value(4).toString()});
        Statement activities =
            program.mainConnection().query(QStringLiteral("SELECT AktivitetID, Aktivitet FROM Aktivitet"));
        while (activities.next())
            m_activities.insert(activities.value(0).toString(), activities.value(1).toString());
    }

    void name(ExportRow &row)
    {
        const Taxon taxon = m_taxa.value(row.speciesKey);
        row.vernacularName = taxon.vernacularName;
        row.genus = taxon.genus;
        row.epithet = taxon.epithet;
        row.taxonClass = taxon.taxonClass;
        row.activity = m_activities.value(row.activityKey);
        row.locality = cached(m_localities, row.locality,
                              [this](const QString &stored) { return shownLocality(m_program, stored); });
        if (!row.placeCode.isEmpty()) {
            row.countyCode = countyCodeOf(row.placeCode);
            row.countyName = cached(m_counties, row.placeCode, [this](const QString &code) {
                const QString name = countyName(m_program, code);
                return name == QLatin1String("-") ? QString() : name;
            });
            row.municipalityName = cached(m_municipalities, row.placeCode, [this](const QString &code) {
                const QString name = municipalityName(m_program, code);
                return name == QLatin1String("-") ? QString() : name;
            });
        }
        for (const QString &key : row.observerKeys)
            row.observerNames << cached(m_observers, key, [this](const QString &id) { return observerName(id); });
    }

private:
    template <typename Lookup>
    QString cached(QHash<QString, QString> &cache, const QString &key, Lookup lookup)
    {
        auto found = cache.constFind(key);
        if (found == cache.cend())
            found = cache.insert(key, lookup(key));
        return found.value();
    }

    QString observerName(const QString &uniqueId)
    {
        Statement observer = m_program.observerConnection().query(
            QStringLiteral("SELECT ObserverFirstName, ObserverLastName FROM Observers WHERE ObserverUniqueID = ?"),
            {uniqueId});
        if (!observer.next())
            return uniqueId;
        return (observer.value(0).toString().trimmed() + QLatin1Char(' ') + observer.value(1).toString().trimmed())
            .trimmed();
    }

    Program &m_program;
    QHash<QString, Taxon> m_taxa;
    QHash<QString, QString> m_activities, m_localities, m_counties, m_municipalities, m_observers;
};

ExportRow rowOf(const Statement &rows)
{
    ExportRow row;
    row.obsId = rows.value(ObsID).toLongLong();
    row.uniqueId = rows.value(ObsUniqueID).toString();
    row.speciesKey = rows.value(Art).toString();
    row.countOperator = rows.value(Operator).toString();
    const QVariant count = rows.value(Antall);
    if (!count.isNull())
        row.count = count.toLongLong();
    row.sex = rows.value(Kjonn).toString();
    row.age = rows.value(Alder).toString();
    row.activityKey = rows.value(AtlasKode).toString();
    row.locality = rows.value(Lokalitet).toString();
    row.placeCode = rows.value(FylkeKommune).toString();
    row.latitude = rows.value(Breddegrad).toString().trimmed();
    row.longitude = rows.value(Lengdegrad).toString().trimmed();
    row.start = rows.value(StartDato).toString();
    row.stop = rows.value(StoppDato).toString();
    row.comment = rows.value(Kommentar).toString();
    row.observerKeys = rows.value(Observatorer).toString().split(QLatin1Char(','), Qt::SkipEmptyParts);
    return row;
}

} // namespace

ArchiveCriteria yearCriteria(int year)
{
    ArchiveCriteria criteria;
    criteria.year = {0, QString::number(year)};
    return criteria;
}

qint64 forEachExportRow(Program &program, const ArchiveCriteria &criteria,
                        const std::function<void(const ExportRow &row)> &write)
{
    const ArchiveQuery condition = archiveCondition(criteria, archiveObserverId(program, criteria));
    QString sql = QStringLiteral("SELECT ") + SelectedColumns + QStringLiteral(" FROM Observasjoner O");
    if (condition.sql.isEmpty())
        sql += QStringLiteral(" ORDER BY O.ObsID");
    else
        sql += QStringLiteral(" WHERE ") + condition.sql +
               QStringLiteral(" ORDER BY O.Art, substr(O.StartDato, 1, 10), O.ObsID");
    ExportNames names(program);
    Statement rows = program.mainConnection().query(sql, condition.values);
    qint64 written = 0;
    while (rows.next()) {
        ExportRow row = rowOf(rows);
        names.name(row);
        write(row);
        ++written;
    }
    return written;
}

QDateTime storedMoment(const QString &stored)
{
    if (stored.size() != 19 || stored.at(4) != QLatin1Char('-') || stored.at(10) != QLatin1Char(' '))
        return {};
    const auto number = [&stored](int from, int length) { return QStringView(stored).mid(from, length).toInt(); };
    return QDateTime(QDate(number(0, 4), number(5, 2), number(8, 2)),
                     QTime(number(11, 2), number(14, 2), number(17, 2)), Qt::UTC);
}

std::optional<double> decimalDegrees(const QString &typed)
{
    QString text = typed.trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    if (!text.contains(QLatin1Char('.')) && text.size() > 2)
        text.insert(text.startsWith(QLatin1Char('-')) ? 3 : 2, QLatin1Char('.'));
    bool isNumber = false;
    const double degrees = text.toDouble(&isNumber);
    if (!isNumber || degrees < -180 || degrees > 180)
        return std::nullopt;
    return degrees;
}

QString decimalCoordinate(const QString &typed)
{
    const std::optional<double> degrees = decimalDegrees(typed);
    return degrees ? QString::number(*degrees, 'f', 6) : QString();
}

} // namespace lirvenda
