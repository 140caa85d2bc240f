#include "core/group/GroupSpecies.h"

#include "core/species/Species.h"
#include "core/store/Program.h"

namespace lirvenda {

namespace {

QList<KeyedEntry> speciesEntries(Program &program, const QString &sql, const QVariantList &values = {})
{
    QList<KeyedEntry> entries;
    Statement rows = program.mainConnection().query(sql, values);
    while (rows.next())
        entries.append({speciesDisplayText(program, rows.value(0).toString()), rows.value(0).toString()});
    return entries;
}

// A LIKE pattern that matches the text literally at the start.
QString beginningPattern(const QString &text)
{
    QString escaped = text;
    escaped.replace('\\', QStringLiteral("\\\\"))
        .replace('%', QStringLiteral("\\%"))
        .replace('_', QStringLiteral("\\_"));
    return escaped + '%';
}

} // namespace

// The species that occur are kept in RegistrerteArter, one row each, so the list never reads the
// observations; each is looked up in the species table by its key, blanks around it left out.
QList<KeyedEntry> observedGroupSpecies(Program &program, bool inKeyOrder)
{
    const QString order = inKeyOrder ? QStringLiteral("s.EUNr") : QStringLiteral("s.SpcNor COLLATE NORSK, s.EUNr");
    return speciesEntries(program, QStringLiteral("SELECT DISTINCT s.EUNr FROM RegistrerteArter r "
                                                  "JOIN Species s ON s.EUNr = trim(r.Art) ORDER BY %1")
                                       .arg(order));
}

QList<KeyedEntry> allGroupSpecies(Program &program)
{
    return speciesEntries(program, QStringLiteral("SELECT EUNr FROM Species WHERE EUNr IS NOT NULL ORDER BY rowid"));
}

QList<KeyedEntry> speciesNamedFrom(Program &program, const QString &beginning)
{
    QList<KeyedEntry> entries;
    Statement rows = program.mainConnection().query(
        QStringLiteral("SELECT EUNr, SpcNor FROM Species WHERE ulower(SpcNor) LIKE ulower(?) ESCAPE '\\' "
                       "ORDER BY SpcNor COLLATE NORSK"),
        {beginningPattern(beginning)});
    while (rows.next())
        entries.append(keyedEntry(rows.text(QStringLiteral("SpcNor")) + ' ', 1, rows.text(QStringLiteral("EUNr"))));
    return entries;
}

} // namespace lirvenda
