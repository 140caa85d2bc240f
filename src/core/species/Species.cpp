#include "core/species/Species.h"

#include "core/shared/DisplayTexts.h"
#include "core/store/NorwegianOrder.h"
#include "core/store/Program.h"

namespace lirvenda {

namespace {

Record taxon(Program &program, const QString &speciesKey)
{
    Statement row = program.mainConnection().query(QStringLiteral("SELECT * FROM Animalia WHERE PK_LatinskNavnID = ?"),
                                                   {speciesKey});
    return row.next() ? row.record() : Record();
}

} // namespace

QString speciesDisplayName(Program &program, const QString &speciesKey, bool withScientificName)
{
    const Record row = taxon(program, speciesKey);
    if (row.isEmpty())
        return {};
    QString name = capitalizeFirst(row.text(QStringLiteral("PopulærNavnBokmål")));
    if (withScientificName)
        name += QStringLiteral(" (%1 %2)").arg(row.text(QStringLiteral("Slekt")), row.text(QStringLiteral("Art")));
    return name;
}

QString latinShortCode(Program &program, const QString &speciesKey)
{
    const Record row = taxon(program, speciesKey);
    if (row.isEmpty())
        return {};
    return row.text(QStringLiteral("Slekt")).left(3).toUpper() + row.text(QStringLiteral("Art")).left(3).toUpper();
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
