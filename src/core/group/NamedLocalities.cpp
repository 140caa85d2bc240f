#include "core/group/NamedLocalities.h"

#include "core/registration/Places.h"
#include "core/store/Program.h"

#include <QCollator>
#include <QLocale>
#include <QSet>

#include <QCoreApplication>
#include <algorithm>
#include <optional>

namespace lirvenda {

namespace {

QString sameNameKey(const QString &name) { return name.trimmed().toLower(); }

// ulower() in the store is the same Unicode lower case as QString::toLower.
std::optional<qint64> namedLocalityWithName(Program &program, const QString &name)
{
    const QVariant id = program.mainConnection().scalar(
        QStringLiteral("SELECT ID FROM Lokalitet WHERE ulower(trim(Lokalitet)) = ? ORDER BY ID LIMIT 1"),
        {sameNameKey(name)});
    return id.isValid() ? std::optional(id.toLongLong()) : std::nullopt;
}

LocalityChoice insertNamedLocality(Program &program, const QString &name)
{
    Database &db = program.mainConnection();
    db.execute(QStringLiteral("INSERT INTO Lokalitet(Lokalitet) VALUES (?)"), {name.trimmed()});
    return {name.trimmed(), db.lastInsertId()};
}

} // namespace

QList<LocalityChoice> namedAndUsedLocalities(Program &program)
{
    QList<LocalityChoice> choices;
    QSet<QString> named;
    Statement rows = program.mainConnection().query(QStringLiteral("SELECT ID, Lokalitet FROM Lokalitet ORDER BY ID"));
    while (rows.next()) {
        choices.append({rows.text(QStringLiteral("Lokalitet")), rows.integer(QStringLiteral("ID"))});
        named.insert(sameNameKey(choices.last().name));
    }
    for (const QString &used : usedLocalities(program))
        if (!named.contains(sameNameKey(used)))
            choices.append({used, 0});
    return choices;
}

QList<LocalityChoice> groupLocalityChoices(Program &program)
{
    QList<LocalityChoice> choices = namedAndUsedLocalities(program);
    const QCollator norwegian(QLocale(QLocale::NorwegianBokmal, QLocale::Norway)); // Æ, Ø, Å after Z
    std::stable_sort(choices.begin(), choices.end(), [&norwegian](const LocalityChoice &a, const LocalityChoice &b) {
        return norwegian.compare(a.name, b.name) < 0;
    });
    return choices;
}

KeyedEntry localityEntry(const LocalityChoice &choice)
{
    return choice.id ? keyedEntry(choice.name, 10, QString::number(choice.id)) : KeyedEntry{choice.name, {}};
}

qint64 namedLocalityId(Program &program, const LocalityChoice &choice)
{
    if (choice.id)
        return choice.id;
    if (const std::optional<qint64> named = namedLocalityWithName(program, choice.name))
        return *named;
    return insertNamedLocality(program, choice.name).id;
}

NewLocality addNamedLocality(Program &program, const QString &name)
{
    if (name.trimmed().isEmpty())
        return {{}, QCoreApplication::translate("NamedLocalities", "Skriv inn et navn på lokaliteten.")};
    if (namedLocalityWithName(program, name))
        return {{}, QCoreApplication::translate("NamedLocalities", "Lokaliteten finnes allerede.")};
    return {insertNamedLocality(program, name), {}};
}

} // namespace lirvenda
