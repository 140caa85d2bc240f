#include "core/reference/NatureTypes.h"

#include "core/store/Program.h"

#include <QStringList>

#include <optional>

namespace lirvenda {

namespace {

std::optional<QString> firstName(Program &program, const QString &sql, const QVariantList &values)
{
    const QVariant name = program.mainConnection().scalar(sql, values);
    if (!name.isValid())
        return std::nullopt;
    return name.toString();
}

enum class Capitals { AsStored, FirstLetter }; // base-type names may be stored in lower case

QList<KeyedEntry> pickerItems(Statement rows, const QString &nameColumn, const QString &codeColumn,
                              Capitals capitals = Capitals::AsStored)
{
    QList<KeyedEntry> items;
    while (rows.next()) {
        const QString name = rows.text(nameColumn);
        items << keyedEntry(capitals == Capitals::FirstLetter ? capitalizeFirst(name) : name, 2, rows.text(codeColumn));
    }
    return items;
}

// The name before the entry's "[key]", which is the last "[" of its text.
QString namePart(const KeyedEntry &entry) { return entry.text.left(entry.text.lastIndexOf('[')).trimmed(); }

} // namespace

QString natureTypeText(Program &program, const QString &path)
{
    if (path.trimmed().isEmpty())
        return {};
    const QStringList ids = path.split('|');
    QString text = firstName(program,
                             QStringLiteral("SELECT ifnull(HovedtypeGruppenavn, '') FROM Original "
                                            "WHERE ParentID1 = ? LIMIT 1"),
                             {ids.at(0).trimmed()})
                       .value_or(QString());
    if (ids.size() > 1) {
        if (const auto mainType = firstName(program,
                                            QStringLiteral("SELECT ifnull(Hovedtypenavn, '') FROM Original "
                                                           "WHERE OffspringID1 = ? LIMIT 1"),
                                            {ids.at(1).trimmed()}))
            text += '/' + *mainType;
    }
    if (ids.size() > 2) {
        if (const auto baseType = firstName(program,
                                            QStringLiteral("SELECT ifnull(Grunntypenavn, '') FROM Original "
                                                           "WHERE Field11 = ? AND GrunnTypeKode = ? LIMIT 1"),
                                            {ids.at(1).trimmed(), ids.at(2).trimmed()}))
            text += '/' + capitalizeFirst(*baseType);
    }
    return text;
}

QList<KeyedEntry> natureTypeGroupItems(Program &program)
{
    return pickerItems(program.mainConnection().query(QStringLiteral(
                           "SELECT DISTINCT ParentID1, HovedtypeGruppenavn FROM Original "
                           "WHERE length(HovedtypeGruppenavn) > 0 ORDER BY HovedtypeGruppenavn COLLATE NORSK")),
                       QStringLiteral("HovedtypeGruppenavn"), QStringLiteral("ParentID1"));
}

QList<KeyedEntry> mainTypeItems(Program &program, const QString &groupId)
{
    return pickerItems(
        program.mainConnection().query(QStringLiteral("SELECT DISTINCT OffspringID1, Hovedtypenavn FROM Original "
                                                      "WHERE length(Hovedtypenavn) > 0 AND ParentId2 = ? "
                                                      "ORDER BY Hovedtypenavn COLLATE NORSK"),
                                       {groupId}),
        QStringLiteral("Hovedtypenavn"), QStringLiteral("OffspringID1"));
}

QList<KeyedEntry> baseTypeItems(Program &program, const QString &mainTypeId)
{
    return pickerItems(
        program.mainConnection().query(QStringLiteral("SELECT DISTINCT Grunntypenavn, GrunnTypeKode FROM Original "
                                                      "WHERE length(Grunntypenavn) > 0 AND Field11 = ? "
                                                      "ORDER BY Grunntypenavn COLLATE NORSK"),
                                       {mainTypeId}),
        QStringLiteral("Grunntypenavn"), QStringLiteral("GrunnTypeKode"), Capitals::FirstLetter);
}

NatureTypeChoice chosenNatureType(const KeyedEntry &group, const KeyedEntry &mainType, const KeyedEntry &baseTypeEntry)
{
    const KeyedEntry baseType = mainType.text.isEmpty() ? KeyedEntry() : baseTypeEntry;
    NatureTypeChoice choice;
    choice.caption = namePart(group) + '/' + namePart(mainType) + '/' + namePart(baseType);
    choice.path = group.key;
    if (!mainType.text.isEmpty())
        choice.path += '|' + mainType.key;
    if (!baseType.text.isEmpty())
        choice.path += '|' + baseType.key;
    return choice;
}

} // namespace lirvenda
