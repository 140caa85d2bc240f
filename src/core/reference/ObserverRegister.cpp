#include "core/reference/ObserverRegister.h"

#include "core/shared/DateTexts.h"
#include "core/shared/UniqueIds.h"
#include "core/store/Program.h"

#include <QStringList>

#include <QCoreApplication>
#include <array>

namespace lirvenda {

namespace {

// The ? is one value used three times; instr() matches it literally, so "%" and "_" are characters.
const QString SearchSql = QStringLiteral(
    "SELECT ObserverID, ObserverLastName, ObserverFirstName, ObserverInitials, ObserverAddress, "
    "ObserverPostalCode FROM Observers "
    "WHERE ?1 = '' OR instr(ulower(ObserverLastName), ulower(?1)) > 0 "
    "OR instr(ulower(ObserverFirstName), ulower(?1)) > 0 OR instr(ulower(ObserverInitials), ulower(?1)) > 0 "
    "ORDER BY ObserverLastName COLLATE NORSK, ObserverFirstName COLLATE NORSK, ObserverID");

const QString ByNameSql =
    QStringLiteral("SELECT ObserverID, ObserverLastName, ObserverFirstName, ObserverMiddleName, ObserverInitials, "
                   "ObserverDefault FROM Observers "
                   "ORDER BY ObserverLastName COLLATE NORSK, ObserverFirstName COLLATE NORSK, ObserverID");

// Initials are compared in any case: "øh" and "ØH" are the same initials.
bool initialsTakenByAnother(Database &db, const QString &initials, qint64 observerId)
{
    return db.scalar(QStringLiteral("SELECT count(*) FROM Observers "
                                    "WHERE ulower(ObserverInitials) = ulower(?) AND ObserverID <> ?"),
                     {initials, observerId})
               .toInt() > 0;
}

// The columns the user types and the fields that hold them.
struct TypedColumn {
    QString name;
    QString ObserverFields::*field;
};

const std::array<TypedColumn, 9> TypedColumns{{
    {QStringLiteral("ObserverFirstName"), &ObserverFields::firstName},
    {QStringLiteral("ObserverLastName"), &ObserverFields::lastName},
    {QStringLiteral("ObserverAddress"), &ObserverFields::address},
    {QStringLiteral("ObserverPostalCode"), &ObserverFields::postalCode},
    {QStringLiteral("ObserverCountry"), &ObserverFields::country},
    {QStringLiteral("ObserverTelephone"), &ObserverFields::telephone},
    {QStringLiteral("ObserverBirthYear"), &ObserverFields::birthYear},
    {QStringLiteral("ObserverInitials"), &ObserverFields::initials},
    {QStringLiteral("ObserverRingingLicense"), &ObserverFields::ringingLicense},
}};

QStringList typedColumnNames()
{
    QStringList names;
    for (const TypedColumn &column : TypedColumns)
        names << column.name;
    return names;
}

// As typed, but the last name without surrounding blanks and the initials in capitals.
QVariantList storedValues(const ObserverFields &typed)
{
    ObserverFields stored = typed;
    stored.lastName = typed.lastName.trimmed();
    stored.initials = typed.initials.toUpper();
    QVariantList values;
    for (const TypedColumn &column : TypedColumns)
        values << stored.*column.field;
    return values;
}

QString today() { return storedDay(QDate::currentDate()); }

void addObserver(Program &program, Database &db, const ObserverFields &fields)
{
    const QString placeholders = QStringLiteral("?,").repeated(TypedColumns.size() + 2).chopped(1);
    db.execute(QStringLiteral("INSERT INTO Observers (ObserverUniqueID, ObserverLastupdate, %1) VALUES (%2)")
                   .arg(typedColumnNames().join(','), placeholders),
               QVariantList{newUniqueId(program), today()} + storedValues(fields));
}

void changeObserver(Database &db, qint64 observerId, const ObserverFields &fields)
{
    db.execute(QStringLiteral("UPDATE Observers SET ObserverLastupdate = ?, %1 = ? WHERE ObserverID = ?")
                   .arg(typedColumnNames().join(QStringLiteral(" = ?, "))),
               QVariantList{today()} + storedValues(fields) + QVariantList{observerId});
}

} // namespace

QList<KeyedEntry> searchObservers(Program &program, const QString &searchText)
{
    QList<KeyedEntry> entries;
    Statement row = program.observerConnection().query(SearchSql, {searchText.trimmed()});
    while (row.next())
        entries << keyedEntry(
            QStringLiteral("%1, %2 (%3). %4 %5")
                .arg(row.text(QStringLiteral("ObserverLastName")), row.text(QStringLiteral("ObserverFirstName")),
                     row.text(QStringLiteral("ObserverInitials")), row.text(QStringLiteral("ObserverAddress")),
                     row.text(QStringLiteral("ObserverPostalCode"))),
            1, row.text(QStringLiteral("ObserverID")));
    return entries;
}

std::optional<ObserverFields> readObserver(Program &program, qint64 observerId)
{
    Statement row = program.observerConnection().query(QStringLiteral("SELECT * FROM Observers WHERE ObserverID = ?"),
                                                       {observerId});
    if (!row.next())
        return std::nullopt;
    ObserverFields fields;
    for (const TypedColumn &column : TypedColumns)
        fields.*column.field = row.text(column.name);
    return fields;
}

QString saveObserver(Program &program, qint64 observerId, const ObserverFields &fields)
{
    // A name of blanks alone would be stored as no name at all.
    if (fields.firstName.trimmed().isEmpty() || fields.lastName.trimmed().isEmpty() ||
        fields.initials.trimmed().isEmpty())
        return QCoreApplication::translate("ObserverRegister", "Name and initials must be given!");

    Database &db = program.observerConnection();
    Transaction transaction(db);
    if (initialsTakenByAnother(db, fields.initials, observerId))
        return observerId == NewObserver
                   ? QCoreApplication::translate("ObserverRegister", "Initials already used.")
                   : QCoreApplication::translate("ObserverRegister", "Initials are already used by another observer!");
    if (observerId == NewObserver)
        addObserver(program, db, fields);
    else
        changeObserver(db, observerId, fields);
    transaction.commit();
    return {};
}

QList<DefaultObserverEntry> defaultObserverEntries(Program &program)
{
    QList<DefaultObserverEntry> entries;
    Statement row = program.observerConnection().query(ByNameSql);
    while (row.next())
        entries.append(
            {keyedEntry(
                 QStringLiteral("%1, %2 %3 (%4)")
                     .arg(row.text(QStringLiteral("ObserverLastName")), row.text(QStringLiteral("ObserverFirstName")),
                          row.text(QStringLiteral("ObserverMiddleName")), row.text(QStringLiteral("ObserverInitials"))),
                 1, row.text(QStringLiteral("ObserverID"))),
             row.integer(QStringLiteral("ObserverDefault")) != 0});
    return entries;
}

void setDefaultObservers(Program &program, const QList<qint64> &observerIds)
{
    Database &db = program.observerConnection();
    Transaction transaction(db);
    db.execute(QStringLiteral("UPDATE Observers SET ObserverDefault = 0"));
    for (qint64 id : observerIds)
        db.execute(QStringLiteral("UPDATE Observers SET ObserverDefault = 1 WHERE ObserverID = ?"), {id});
    transaction.commit();
}

namespace {

QList<KeyedEntry> observerEntries(Program &program, const QString &condition, const QString &order)
{
    Statement rows = program.observerConnection().query(
        QStringLiteral("SELECT ObserverUniqueID FROM Observers %1 ORDER BY %2").arg(condition, order));
    QList<KeyedEntry> entries;
    while (rows.next())
        entries.append(observerEntry(program, rows.text(QStringLiteral("ObserverUniqueID"))));
    return entries;
}

} // namespace

QList<KeyedEntry> defaultRegistrationObservers(Program &program)
{
    return observerEntries(program, QStringLiteral("WHERE ObserverDefault = 1"),
                           QStringLiteral("ObserverFirstName COLLATE NORSK, ObserverLastName COLLATE NORSK"));
}

QList<KeyedEntry> registrationObserverChoices(Program &program)
{
    return observerEntries(program, {},
                           QStringLiteral("ObserverLastName COLLATE NORSK, ObserverFirstName COLLATE NORSK"));
}

namespace {

Record observer(Program &program, const QString &column, const QVariant &value)
{
    Statement row =
        program.observerConnection().query(QStringLiteral("SELECT * FROM Observers WHERE %1 = ?").arg(column), {value});
    return row.next() ? row.record() : Record();
}

QString fullName(const Record &observer)
{
    if (observer.isEmpty())
        return {};
    return observer.text(QStringLiteral("ObserverFirstName")) + ' ' + observer.text(QStringLiteral("ObserverLastName"));
}

} // namespace

KeyedEntry observerEntry(Program &program, const QString &observerUniqueId)
{
    const QString id = observerUniqueId.trimmed();
    if (id.isEmpty())
        return {};
    const Record row = observer(program, QStringLiteral("ObserverUniqueID"), id);
    if (row.isEmpty())
        return {};
    return keyedEntry(QStringLiteral("%1, %2. (%3)")
                          .arg(row.text(QStringLiteral("ObserverLastName")),
                               row.text(QStringLiteral("ObserverFirstName")).left(1),
                               row.text(QStringLiteral("ObserverInitials"))),
                      40, row.text(QStringLiteral("ObserverUniqueID")));
}

QString observerNameById(Program &program, qint64 observerId)
{
    return fullName(observer(program, QStringLiteral("ObserverID"), observerId));
}

QString observerNameByUniqueId(Program &program, const QString &observerUniqueId)
{
    return fullName(observer(program, QStringLiteral("ObserverUniqueID"), observerUniqueId.trimmed()));
}

} // namespace lirvenda
