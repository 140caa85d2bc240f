#include "core/species/Species.h"

#include "core/shared/DisplayTexts.h"
#include "core/store/NorwegianOrder.h"
#include "core/store/Program.h"

#include <optional>

namespace lirvenda {

namespace {

// The names of a key's taxon; none for a key without one. Read by position: the yearly statistics
// look up every species of a year.
struct TaxonNames {
    QString popularName, genus, species;
};

std::optional<TaxonNames> taxon(Program &program, const QString &speciesKey)
{
    Statement row = program.mainConnection().query(
        QStringLiteral("SELECT PopulærNavnBokmål, Slekt, Art FROM Animalia WHERE PK_LatinskNavnID = ?"), {speciesKey});
    if (!row.next())
        return std::nullopt;
    return TaxonNames{row.value(0).toString(), row.value(1).toString(), row.value(2).toString()};
}

} // namespace

QString speciesDisplayName(Program &program, const QString &speciesKey, bool withScientificName)
{
    const std::optional<TaxonNames> names = taxon(program, speciesKey);
    if (!names)
        return {};
    QString name = capitalizeFirst(names->popularName);
    if (withScientificName)
        name += QStringLiteral(" (%1 %2)").arg(names->genus, names->species);
    return name;
}

QString latinShortCode(Program &program, const QString &speciesKey)
{
    const std::optional<TaxonNames> names = taxon(program, speciesKey);
    if (!names)
        return {};
    return names->genus.left(3).toUpper() + names->species.left(3).toUpper();
}

QString speciesDisplayText(Program &program, const QString &speciesKey)
{
    return withKey(speciesDisplayName(program, speciesKey, true), 1, speciesKey);
}

QList<KeyedEntry> registeredSpeciesEntries(Program &program, bool inKeyOrder)
{
    QString sql = QStringLiteral("SELECT Art FROM RegistrerteArter");
    if (inKeyOrder)
        sql += QStringLiteral(" ORDER BY Art");
    Statement rows = program.mainConnection().query(sql);
    QList<KeyedEntry> entries;
    while (rows.next()) {
        const QString key = rows.text(QStringLiteral("Art"));
        entries.append({speciesDisplayText(program, key), key});
    }
    return entries;
}

QList<KeyedEntry> sortedAlphabetically(QList<KeyedEntry> entries)
{
    sortByNorwegianName(entries, &KeyedEntry::text);
    return entries;
}

bool hasTaxaOfClass(Program &program, const QString &taxonClass)
{
    return program.mainConnection()
        .scalar(QStringLiteral("SELECT 1 FROM Animalia WHERE Klasse = ? LIMIT 1"), {taxonClass})
        .isValid();
}

} // namespace lirvenda
