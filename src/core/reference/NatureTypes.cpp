#include "core/reference/NatureTypes.h"

#include "core/shared/SharedProcedures.h"
#include "core/store/Program.h"

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

QStringList pickerItems(Statement rows, const QString &nameColumn, const QString &codeColumn,
                        Capitals capitals = Capitals::AsStored)
{
    QStringList items;
    while (rows.next()) {
        const QString name = rows.text(nameColumn);
        items << (capitals == Capitals::FirstLetter ? CapitalizeFirst(name) : name) + QStringLiteral("  [") +
                     rows.text(codeColumn) + ']';
    }
    return items;
}

QString namePart(const QString &item) { return item.section('[', 0, 0).trimmed(); }

} // namespace

QString NatureTypeText(Program &program, const QString &path)
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
            text += '/' + CapitalizeFirst(*baseType);
    }
    return text;
}

QStringList NatureTypeGroupItems(Program &program)
{
    return pickerItems(program.mainConnection().query(QStringLiteral(
                           "SELECT DISTINCT ParentID1, HovedtypeGruppenavn FROM Original "
                           "WHERE length(HovedtypeGruppenavn) > 0 ORDER BY HovedtypeGruppenavn COLLATE NORSK")),
                       QStringLiteral("HovedtypeGruppenavn"), QStringLiteral("ParentID1"));
}

QStringList MainTypeItems(Program &program, const QString &groupId)
{
    return pickerItems(
        program.mainConnection().query(QStringLiteral("SELECT DISTINCT OffspringID1, Hovedtypenavn FROM Original "
                                                      "WHERE length(Hovedtypenavn) > 0 AND ParentId2 = ? "
                                                      "ORDER BY Hovedtypenavn COLLATE NORSK"),
                                       {groupId}),
        QStringLiteral("Hovedtypenavn"), QStringLiteral("OffspringID1"));
}

QStringList BaseTypeItems(Program &program, const QString &mainTypeId)
{
    return pickerItems(
        program.mainConnection().query(QStringLiteral("SELECT DISTINCT Grunntypenavn, GrunnTypeKode FROM Original "
                                                      "WHERE length(Grunntypenavn) > 0 AND Field11 = ? "
                                                      "ORDER BY Grunntypenavn COLLATE NORSK"),
                                       {mainTypeId}),
        QStringLiteral("Grunntypenavn"), QStringLiteral("GrunnTypeKode"), Capitals::FirstLetter);
}

NatureTypeChoice ChosenNatureType(const QString &groupItem, const QString &mainTypeItem, const QString &baseTypeItem)
{
    const QString baseType = mainTypeItem.isEmpty() ? QString() : baseTypeItem;
    NatureTypeChoice choice;
    choice.caption = namePart(groupItem) + '/' + namePart(mainTypeItem) + '/' + namePart(baseType);
    choice.path = BracketCode(groupItem);
    if (!mainTypeItem.isEmpty())
        choice.path += '|' + BracketCode(mainTypeItem);
    if (!baseType.isEmpty())
        choice.path += '|' + BracketCode(baseType);
    return choice;
}

} // namespace lirvenda
