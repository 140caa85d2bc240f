#include "core/group/GroupSave.h"

#include "core/registration/CodeLists.h"
#include "core/shared/DateTexts.h"
#include "core/shared/TextFiles.h"
#include "core/shared/UniqueIds.h"
#include "core/store/Program.h"
#include <QCoreApplication>

namespace lirvenda {

namespace {

QList<ValidationMessage> information(const QString &text) { return {{text, false}}; }

// A bad date and a bad time get the same message; an hour or minute beyond the clock is also
// named as such first, as everywhere else in the program.
std::optional<QList<ValidationMessage>> momentProblem(const QString &date, const QString &time, const QDate &today)
{
    const QString badMoment = QCoreApplication::translate("GroupSave", "Ulovlig dato.");
    if (!isValidDate(date, today))
        return information(badMoment);
    switch (readTimeBox(time).check) {
    case TimeCheck::Valid: return std::nullopt;
    case TimeCheck::Malformed: return information(badMoment);
    case TimeCheck::OutOfRange: break;
    }
    return QList<ValidationMessage>{{QCoreApplication::translate("GroupSave", "Ulovlig tid!"), true},
                                    {badMoment, false}};
}

QString observerUniqueId(Program &program, const QString &observerId)
{
    return program.observerConnection()
        .scalar(QStringLiteral("SELECT ObserverUniqueID FROM Observers WHERE ObserverID = ?"), {observerId})
        .toString();
}

bool observerExists(Program &program, const QString &observerId)
{
    return !observerId.isEmpty() &&
           program.observerConnection()
               .scalar(QStringLiteral("SELECT 1 FROM Observers WHERE ObserverID = ?"), {observerId})
               .isValid();
}

// A used place needs only its name: the save makes it a named locality.
bool isLocality(Program &program, const LocalityChoice &locality)
{
    if (!locality.id)
        return !locality.name.trimmed().isEmpty();
    return program.mainConnection()
        .scalar(QStringLiteral("SELECT 1 FROM Lokalitet WHERE ID = ?"), {locality.id})
        .isValid();
}

// The main observer's key first, then the others', as the main window keeps them.
QString observersText(Program &program, const GroupHeader &header)
{
    QStringList keys{observerUniqueId(program, header.mainObserverId)};
    for (const QString &other : header.otherObserverIds)
        keys << observerUniqueId(program, other);
    return keys.join(',');
}

QString listEntry(const QStringList &list, int position)
{
    return position > 0 && position < list.size() ? list.at(position) : QString();
}

} // namespace

QList<KeyedEntry> groupObserverEntries(Program &program)
{
    Statement rows = program.observerConnection().query(
        QStringLiteral("SELECT ObserverID, ObserverLastName, ObserverFirstName, ObserverInitials FROM Observers "
                       "ORDER BY ObserverLastName COLLATE NORSK, ObserverFirstName COLLATE NORSK, ObserverID"));
    QList<KeyedEntry> entries;
    while (rows.next())
        entries.append(keyedEntry(QStringLiteral("%1, %2. (%3)")
                                      .arg(rows.text(QStringLiteral("ObserverLastName")),
                                           rows.text(QStringLiteral("ObserverFirstName")).left(1),
                                           rows.text(QStringLiteral("ObserverInitials"))),
                                  40, rows.text(QStringLiteral("ObserverID"))));
    return entries;
}

bool hasRegisteredObservers(Program &program)
{
    return program.observerConnection().scalar(QStringLiteral("SELECT 1 FROM Observers LIMIT 1")).isValid();
}

QString rememberedMainObserverId(Program &program)
{
    const QString uniqueId = readFirstLine(program.filePath(QStringLiteral("MainObserver.txt"))).trimmed();
    if (uniqueId.isEmpty())
        return {};
    return program.observerConnection()
        .scalar(QStringLiteral("SELECT ObserverID FROM Observers WHERE ObserverUniqueID = ?"), {uniqueId})
        .toString();
}

QList<ValidationMessage> groupHeaderProblems(Program &program, const GroupHeader &header, const QDate &today)
{
    if (auto problem = momentProblem(header.startDate, header.startTime, today))
        return *problem;
    if (auto problem = momentProblem(header.stopDate, header.stopTime, today))
        return *problem;
    if (boxInstant(header.stopDate, header.stopTime) < boxInstant(header.startDate, header.startTime))
        return information(QCoreApplication::translate("GroupSave", "Stopptid er før starttid."));
    if (header.otherObserverIds.contains(header.mainObserverId))
        return information(
            QCoreApplication::translate("GroupSave", "Hoved- og medobservatør kan ikke være samme person."));
    if (!isLocality(program, header.locality))
        return information(QCoreApplication::translate("GroupSave", "Du må velge en lokalitet fra lista."));
    if (!observerExists(program, header.mainObserverId))
        return information(QCoreApplication::translate("GroupSave", "Du må velge en hovedobservatør fra lista."));
    return {};
}

int saveGroupRegistration(Program &program, const GroupHeader &header, const QList<GroupSpeciesValues> &species,
                          const QDate &today)
{
    QStringList activityKeys{QString()};
    for (const KeyedEntry &activity : codeListEntries(program, CodeList::Activities))
        activityKeys << activity.key;
    const QStringList ages = groupAges();
    const QString observers = observersText(program, header);

    Database &db = program.mainConnection();
    ObservationRecordSet &observations = program.observations();
    Transaction transaction(db);
    const QString localityId = QString::number(namedLocalityId(program, header.locality));
    int written = 0;
    for (const GroupSpeciesValues &values : species) {
        if (values.leftOut)
            continue;
        const qint64 obsId = observations.append({
            {QStringLiteral("ObsUniqueID"), newUniqueId(program)},
            {QStringLiteral("StartDato"), storedDateTime(header.startDate, header.startTime)},
            {QStringLiteral("StoppDato"), storedDateTime(header.stopDate, header.stopTime)},
            {QStringLiteral("Lokalitet"), localityId},
            {QStringLiteral("Art"), values.speciesKey.trimmed()},
            {QStringLiteral("Operator"), GroupOperators.value(values.operatorPosition, GroupOperators.first())},
            {QStringLiteral("Antall"), wholeCount(values.count).value_or(0)},
            {QStringLiteral("Kjønn"), listEntry(GroupSexes, values.sexPosition)},
            {QStringLiteral("Alder"), listEntry(ages, values.agePosition)},
            {QStringLiteral("AtlasKode"), listEntry(activityKeys, values.activityPosition)},
            {QStringLiteral("Kommentar"), values.comment},
            {QStringLiteral("Rapportert"), 0},
            {QStringLiteral("SistEndret"), storedDay(today)},
            {QStringLiteral("Observatører"), observers},
        });
        db.execute(QStringLiteral("INSERT INTO ObservatørKobling (RecordID, ObservasjonsId, HovedObservatør) "
                                  "VALUES (?, ?, 1)"),
                   {obsId, header.mainObserverId.toLongLong()});
        for (const QString &other : header.otherObserverIds)
            db.execute(QStringLiteral("INSERT INTO ObservatørKobling (RecordID, ObservasjonsId) VALUES (?, ?)"),
                       {obsId, other.toLongLong()});
        ++written;
    }
    transaction.commit();
    return written;
}

} // namespace lirvenda
