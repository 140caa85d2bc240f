#include "core/reference/References.h"

#include "core/store/Program.h"

#include <QCoreApplication>
#include <QStringList>

#include <utility>

namespace lirvenda {

QList<KeyedEntry> referenceItems(Program &program)
{
    Statement rows = program.mainConnection().query(
        QStringLiteral("SELECT Referanse_ID, Forfattere, År, Tittel, Journal FROM Referanser "
                       "ORDER BY Forfattere COLLATE NORSK, År COLLATE NORSK, Referanse_ID"));
    QList<KeyedEntry> items;
    while (rows.next()) {
        const QStringList parts = {rows.text(QStringLiteral("Forfattere")), rows.text(QStringLiteral("År")),
                                   rows.text(QStringLiteral("Tittel")), rows.text(QStringLiteral("Journal"))};
        items << keyedEntry(parts.join(' '), 1, rows.text(QStringLiteral("Referanse_ID")));
    }
    return items;
}

// A field of blanks only is as good as empty.
QString referenceProblem(const ReferenceFields &fields)
{
    const std::pair<const QString &, const char *> required[] = {
        {fields.authors, QT_TRANSLATE_NOOP("References", "Ingen forfattere angitt.")},
        {fields.year, QT_TRANSLATE_NOOP("References", "År ikke angitt.")},
        {fields.title, QT_TRANSLATE_NOOP("References", "Ingen tittel angitt.")},
        {fields.journal, QT_TRANSLATE_NOOP("References", "Ingen journal/rapport angitt.")}};
    for (const auto &[value, message] : required)
        if (value.trimmed().isEmpty())
            return QCoreApplication::translate("References", message);
    return {};
}

qint64 addReference(Program &program, const ReferenceFields &fields)
{
    Database &db = program.mainConnection();
    db.execute(QStringLiteral("INSERT INTO Referanser(Forfattere, År, Tittel, Journal, Sider, Utgiver) "
                              "VALUES (?, ?, ?, ?, ?, ?)"),
               {fields.authors, fields.year, fields.title, fields.journal, fields.pages, fields.publisher});
    return db.lastInsertId();
}

} // namespace lirvenda
