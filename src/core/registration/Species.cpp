#include "core/registration/Species.h"

#include "core/store/NorwegianOrder.h"
#include "core/shared/SharedProcedures.h"
#include "core/store/Program.h"

namespace lirvenda {

QString SpeciesDisplayText(Program &program, const QString &speciesKey)
{
    return withKey(SpeciesDisplayName(program, speciesKey, true), 1, speciesKey);
}

QList<KeyedEntry> RegisteredSpeciesEntries(Program &program, bool inKeyOrder)
{
    QString sql = QStringLiteral("SELECT Art FROM RegistrerteArter");
    if (inKeyOrder)
        sql += QStringLiteral(" ORDER BY Art");
    Statement rows = program.mainConnection().query(sql);
    QList<KeyedEntry> entries;
    while (rows.next()) {
        const QString key = rows.text(QStringLiteral("Art"));
        entries.append({SpeciesDisplayText(program, key), key});
    }
    return entries;
}

QList<KeyedEntry> SortedAlphabetically(QList<KeyedEntry> entries)
{
    sortByNorwegianName(entries, &KeyedEntry::text);
    return entries;
}

bool HasTaxaOfClass(Program &program, const QString &taxonClass)
{
    return program.mainConnection()
        .scalar(QStringLiteral("SELECT 1 FROM Animalia WHERE Klasse = ? LIMIT 1"), {taxonClass})
        .isValid();
}

} // namespace lirvenda
