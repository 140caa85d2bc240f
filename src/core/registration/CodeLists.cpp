#include "core/registration/CodeLists.h"

#include "core/store/Program.h"

namespace lirvenda {

namespace {

struct CodeTable {
    const char *table;
    const char *keyColumn;
    const char *textColumn;
    int blanks; // between the text and its key, so the key stays out of sight in the list
};

CodeTable codeTable(CodeList list)
{
    switch (list) {
    case CodeList::Activities: return {"Aktivitet", "AktivitetID", "Aktivitet", 100};
    case CodeList::NestSites: return {"Reirplassering", "ID", "ReirplasseringTekst", 40};
    case CodeList::TreeSpecies: return {"Tresorter", "ID", "TresortTekst", 40};
    case CodeList::YoungAges: return {"Ungealder", "ID", "UngealderTekst", 30};
    }
    return {};
}

} // namespace

QList<KeyedEntry> codeListEntries(Program &program, CodeList list)
{
    const CodeTable code = codeTable(list);
    const QString key = QLatin1String(code.keyColumn);
    const QString text = QLatin1String(code.textColumn);
    Statement rows = program.mainConnection().query(
        QStringLiteral("SELECT %1, %2 FROM %3 ORDER BY %1").arg(key, text, QLatin1String(code.table)));
    QList<KeyedEntry> entries;
    while (rows.next())
        entries.append(keyedEntry(rows.text(text), code.blanks, rows.text(key)));
    return entries;
}

QString activityText(Program &program, int activityId)
{
    return program.mainConnection()
        .scalar(QStringLiteral("SELECT Aktivitet FROM Aktivitet WHERE AktivitetID = ?"), {activityId})
        .toString();
}

} // namespace lirvenda
