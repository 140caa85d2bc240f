#include "core/lists/SpeciesLists.h"

#include "core/registration/Places.h"
#include "core/registration/RegistrationState.h"
#include "core/shared/DateTexts.h"
#include "core/shared/DisplayTexts.h"
#include "core/store/NorwegianOrder.h"
#include "core/store/Program.h"

#include <QCoreApplication>

#include <array>
#include <map>

namespace lirvenda {

namespace {

const QString Seen = QStringLiteral("(Antall IS NULL OR Antall > 0)");

// A species' sightings within a list: the first and the last by start and ObsID.
struct Sightings {
    QString first, last;
    qint64 firstObsId = 0, lastObsId = 0;
    qint64 observations = 0, individuals = 0;
    QString firstYear; // of all the place's years, for the mark "ny"
};
using SightingsByKey = std::map<QString, Sightings>;

QString yearText(int year) { return QStringLiteral("%1").arg(year, 4, 10, QLatin1Char('0')); }

// Life and year lists read the species years the store keeps; a species' years come in order.
SightingsByKey speciesYears(Program &program, const std::optional<int> &year)
{
    // A year list marks the species first seen that year: their first year is one seek each.
    QString sql = QStringLiteral("SELECT Art, År, Observasjoner, Individer, FørsteStart, FørsteObsID, SisteStart, "
                                 "SisteObsID, %1 FROM ArtsÅr a")
                      .arg(year ? QStringLiteral("(SELECT min(b.År) FROM ArtsÅr b WHERE b.Art = a.Art)")
                                : QStringLiteral("NULL"));
    QVariantList values;
    if (year) {
        sql += QStringLiteral(" WHERE År = ?");
        values << yearText(*year);
    }
    Statement rows = program.mainConnection().query(sql, values);
    SightingsByKey found;
    while (rows.next()) {
        const auto [entry, isFirstYear] = found.try_emplace(rows.value(0).toString());
        Sightings &s = entry->second;
        if (isFirstYear) {
            s.first = rows.value(4).toString();
            s.firstObsId = rows.value(5).toLongLong();
            s.firstYear = rows.value(8).toString();
        }
        s.last = rows.value(6).toString();
        s.lastObsId = rows.value(7).toLongLong();
        s.observations += rows.value(2).toLongLong();
        s.individuals += rows.value(3).toLongLong();
    }
    return found;
}

// The rows of a county, a municipality or a locality, as ?1 names it.
QString placeCondition(ListKind kind)
{
    switch (kind) {
    case ListKind::County: // the county's own code, or a municipality's four digits that begin with its number
        return QStringLiteral("(Fylke_Kommune = 'NO' || ?1 OR (Fylke_Kommune >= ?1 AND Fylke_Kommune < ?1 || ':'))");
    case ListKind::Municipality: return QStringLiteral("Fylke_Kommune = ?1");
    default: // group registrations and the atlas import store a named locality's number
        return QStringLiteral(
            "Lokalitet IN (SELECT ?1 UNION ALL SELECT CAST(ID AS TEXT) FROM Lokalitet WHERE Lokalitet = ?1)");
    }
}

QString placeKey(const ListChoice &choice)
{
    return choice.kind == ListKind::County ? countyNumberOf(choice.place) : choice.place;
}

// The first or the last seen row of a species at the place with that start.
qint64 placeRowAt(Program &program, const ListChoice &choice, const QString &key, const QString &start, bool first)
{
    return program.mainConnection()
        .scalar(QStringLiteral("SELECT ObsID FROM Observasjoner WHERE %1 AND Art = ?2 AND StartDato = ?3 AND %2 "
                               "ORDER BY ObsID %3 LIMIT 1")
                    .arg(placeCondition(choice.kind), Seen, first ? QStringLiteral("ASC") : QStringLiteral("DESC")),
                {placeKey(choice), key, start})
        .toLongLong();
}

// The place's sightings summed by species in the engine, from the place index alone; then one
// seek each for the first and the last row.
SightingsByKey placeSightings(Program &program, const ListChoice &choice, const std::optional<int> &year)
{
    QString sql = QStringLiteral("SELECT Art, count(*), sum(ifnull(CAST(Antall AS INTEGER), 0)), min(StartDato), "
                                 "max(StartDato) FROM Observasjoner WHERE %1 AND %2")
                      .arg(placeCondition(choice.kind), Seen);
    QVariantList values{placeKey(choice)};
    if (year) {
        sql += QStringLiteral(" AND StartDato >= ?2 AND StartDato < ?2 || '~'");
        values << yearText(*year);
    }
    Statement rows = program.mainConnection().query(sql + QStringLiteral(" GROUP BY Art"), values);
    SightingsByKey found;
    while (rows.next()) {
        Sightings &s = found[rows.value(0).toString()];
        s.observations = rows.value(1).toLongLong();
        s.individuals = rows.value(2).toLongLong();
        s.first = rows.value(3).toString();
        s.last = rows.value(4).toString();
        s.firstYear = s.first.left(4);
    }
    for (auto &[key, s] : found) {
        s.firstObsId = placeRowAt(program, choice, key, s.first, true);
        s.lastObsId = placeRowAt(program, choice, key, s.last, false);
    }
    return found;
}

// A place list of one year marks the species the place had not had before.
SightingsByKey sightingsOf(Program &program, const ListChoice &choice)
{
    if (choice.kind == ListKind::Life || choice.kind == ListKind::Year)
        return speciesYears(program, choice.kind == ListKind::Year ? choice.year : std::nullopt);
    SightingsByKey found = placeSightings(program, choice, choice.year);
    if (choice.year) {
        const SightingsByKey always = placeSightings(program, choice, std::nullopt);
        for (auto &[key, s] : found)
            s.firstYear = always.at(key).firstYear;
    }
    return found;
}

QString storedLocalityOf(Program &program, qint64 obsId)
{
    const QString stored = program.mainConnection()
                               .scalar(QStringLiteral("SELECT Lokalitet FROM Observasjoner WHERE ObsID = ?"), {obsId})
                               .toString();
    return storedLocalityText(program, stored);
}

// The kinds of list in the order of ListKind, as they are shown.
constexpr std::array ShownKindNames{
    QT_TRANSLATE_NOOP("SpeciesLists", "Livsliste"), QT_TRANSLATE_NOOP("SpeciesLists", "Årsliste"),
    QT_TRANSLATE_NOOP("SpeciesLists", "Fylkesliste"), QT_TRANSLATE_NOOP("SpeciesLists", "Kommuneliste"),
    QT_TRANSLATE_NOOP("SpeciesLists", "Lokalitetsliste")};

} // namespace

const SpeciesTaxa::Taxon &SpeciesTaxa::of(const QString &key)
{
    auto found = m_taxa.constFind(key);
    if (found != m_taxa.cend())
        return *found;
    Statement row = m_program.mainConnection().query(
        QStringLiteral("SELECT PopulærNavnBokmål, Slekt, Art, Klasse FROM Animalia WHERE PK_LatinskNavnID = ?"), {key});
    Taxon taxon{key, {}, {}};
    if (row.next())
        taxon = {capitalizeFirst(row.value(0).toString()),
                 QStringLiteral("%1 %2").arg(row.value(1).toString(), row.value(2).toString()),
                 row.value(3).toString()};
    return *m_taxa.insert(key, taxon);
}

bool SpeciesTaxa::inClass(const QString &key, const QString &speciesClass)
{
    const QString &taxonClass = of(key).speciesClass;
    return taxonClass.isEmpty() || taxonClass == speciesClass;
}

QList<ListLine> speciesList(Program &program, const ListChoice &choice, ListOrder order)
{
    SpeciesTaxa taxa(program);
    const QString chosenYear = choice.year ? yearText(*choice.year) : QString();
    QList<ListLine> lines;
    for (const auto &[key, s] : sightingsOf(program, choice)) {
        if (key.isEmpty() || !taxa.inClass(key, choice.speciesClass))
            continue; // a row without a species names none
        const SpeciesTaxa::Taxon &taxon = taxa.of(key);
        lines.append({key, taxon.name, taxon.scientificName, s.first, s.last, s.firstObsId,
                      storedLocalityOf(program, s.firstObsId), s.observations, s.individuals,
                      !chosenYear.isEmpty() && s.firstYear == chosenYear});
    }
    if (order == ListOrder::ByName)
        sortByNorwegianName(lines, &ListLine::name);
    return lines;
}

QList<KeyedEntry> listPlaces(Program &program, ListKind kind)
{
    QList<KeyedEntry> places;
    if (kind == ListKind::County)
        places = countyItems(program);
    else if (kind == ListKind::Municipality)
        for (const KeyedEntry &county : countyItems(program))
            places += municipalityItems(program, countyNumberOf(county.key));
    else if (kind == ListKind::Locality)
        for (const QString &name : usedLocalities(program))
            places.append({name, name});
    return places;
}

QStringList shownKindNames()
{
    QStringList names;
    for (const char *kind : ShownKindNames)
        names << QCoreApplication::translate("SpeciesLists", kind);
    return names;
}

QString shownGroupName(const QString &speciesClass)
{
    return RegistrationState::shownChoice(speciesGroupOf(speciesClass));
}

QString shownSpeciesCount(qsizetype species)
{
    return QStringLiteral("%1 %2").arg(species).arg(species == 1
                                                        ? QCoreApplication::translate("SpeciesLists", "art")
                                                        : QCoreApplication::translate("SpeciesLists", "arter"));
}

QString listCaption(Program &program, const ListChoice &choice, qsizetype species)
{
    QStringList words{shownKindNames().at(int(choice.kind))};
    if (choice.kind == ListKind::County)
        words << countyName(program, choice.place);
    else if (choice.kind == ListKind::Municipality)
        words << municipalityName(program, choice.place);
    else if (choice.kind == ListKind::Locality)
        words << choice.place;
    if (choice.year)
        words << QString::number(*choice.year);
    else if (choice.kind != ListKind::Life)
        words << QCoreApplication::translate("SpeciesLists", "alle år");
    return QCoreApplication::translate("SpeciesLists", "%1, %2: %3")
        .arg(words.join(QLatin1Char(' ')), shownGroupName(choice.speciesClass), shownSpeciesCount(species));
}

ListTable listTable(const QString &title, const QList<ListLine> &lines)
{
    ListTable table{title,
                    {QStringLiteral("Ny"), QStringLiteral("Art"), QStringLiteral("Vitenskapelig navn"),
                     QStringLiteral("Først sett"), QStringLiteral("Lokalitet"), QStringLiteral("Sist sett"),
                     QStringLiteral("Observasjoner"), QStringLiteral("Individer")},
                    {}};
    for (const ListLine &line : lines)
        table.rows.append({line.isNew ? QStringLiteral("ny") : QString(), line.name, line.scientificName,
                           shownDate(line.firstStart), line.firstLocality, shownDate(line.lastStart),
                           QString::number(line.observations), QString::number(line.individuals)});
    return table;
}

QString speciesClassNamed(const QString &word)
{
    const QStringList &groups = RegistrationState::SpeciesGroups;
    for (qsizetype i = 0; i < groups.size(); ++i) {
        const QString speciesClass = i == 0 ? QStringLiteral("Aves") : groups.at(i);
        if (word.compare(groups.at(i), Qt::CaseInsensitive) == 0 ||
            word.compare(speciesClass, Qt::CaseInsensitive) == 0)
            return speciesClass;
    }
    return {};
}

QString speciesGroupOf(const QString &speciesClass)
{
    return speciesClass == QLatin1String("Aves") ? RegistrationState::SpeciesGroups.constFirst() : speciesClass;
}

} // namespace lirvenda
