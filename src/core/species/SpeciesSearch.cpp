#include "core/species/SpeciesSearch.h"

#include "core/store/Program.h"

namespace lirvenda {

QList<KeyedEntry> speciesSearchEntries(Program &program, const QString &taxonClass, const QString &text)
{
    Statement rows = program.mainConnection().query(
        QStringLiteral("SELECT PK_LatinskNavnID, PopulærNavnBokmål, Slekt, Art FROM Animalia "
                       "WHERE Klasse = ?1 AND ifnull(PopulærNavnBokmål, '') <> '' AND ("
                       " instr(ulower(PopulærNavnBokmål), ?2) > 0 OR instr(ulower(Slekt), ?2) > 0"
                       " OR instr(ulower(Art), ?2) > 0"
                       " OR ulower(substr(Slekt, 1, 3) || substr(Art, 1, 3)) = ?2) "
                       "ORDER BY PopulærNavnBokmål COLLATE NORSK"),
        {taxonClass, text.trimmed().toLower()});
    QList<KeyedEntry> entries;
    while (rows.next())
        entries << keyedEntry(QStringLiteral("%1 (%2 %3)")
                                  .arg(capitalizeFirst(rows.text(QStringLiteral("PopulærNavnBokmål"))),
                                       rows.text(QStringLiteral("Slekt")), rows.text(QStringLiteral("Art"))),
                              2, rows.text(QStringLiteral("PK_LatinskNavnID")));
    return entries;
}

} // namespace lirvenda
