#include "core/store/ObservationRecordSet.h"

#include <QCoreApplication>
#include <QStringList>

namespace lirvenda {

namespace {

// Every step below is one seek in the index Observasjoner_Order, which holds the browsing order.
const QString OrderedRows = QStringLiteral("SELECT ObsID FROM Observasjoner INDEXED BY Observasjoner_Order");
const QString After = QStringLiteral(" WHERE (Art, StartDato, ObsID) > (?, ?, ?)");
const QString Before = QStringLiteral(" WHERE (Art, StartDato, ObsID) < (?, ?, ?)");
const QString OrderBy = QStringLiteral(" ORDER BY Art, StartDato, ObsID LIMIT 1");
const QString OrderByDesc = QStringLiteral(" ORDER BY Art DESC, StartDato DESC, ObsID DESC LIMIT 1");

QString quoted(const QString &column) { return QLatin1Char('"') + column + QLatin1Char('"'); }

} // namespace

ObservationRecordSet::ObservationRecordSet(Database &db) : m_db(db) { moveFirst(); }

bool ObservationRecordSet::isEmpty() const
{
    return !m_db.scalar(QStringLiteral("SELECT 1 FROM Observasjoner LIMIT 1")).isValid();
}

bool ObservationRecordSet::moveTo(const QVariant &obsId)
{
    if (!obsId.isValid())
        return false;
    m_current = obsId.toLongLong();
    m_position = Position::OnRow;
    return true;
}

bool ObservationRecordSet::currentKey(QVariantList &key) const
{
    Statement row =
        m_db.query(QStringLiteral("SELECT Art, StartDato, ObsID FROM Observasjoner WHERE ObsID = ?"), {m_current});
    if (!row.next())
        return false;
    key = {row.value(0).toString(), row.value(1).toString(), row.value(2)};
    return true;
}

void ObservationRecordSet::moveFirst()
{
    if (!moveTo(m_db.scalar(OrderedRows + OrderBy)))
        m_position = Position::AfterLast; // empty: at the beginning and the end at once
}

void ObservationRecordSet::moveLast()
{
    if (!moveTo(m_db.scalar(OrderedRows + OrderByDesc)))
        m_position = Position::AfterLast;
}

void ObservationRecordSet::moveNext()
{
    if (m_position == Position::AfterLast)
        return;
    if (m_position == Position::BeforeFirst) {
        moveFirst();
        return;
    }
    QVariantList key;
    if (!currentKey(key) || !moveTo(m_db.scalar(OrderedRows + After + OrderBy, key)))
        m_position = Position::AfterLast;
}

void ObservationRecordSet::movePrevious()
{
    if (m_position == Position::BeforeFirst)
        return;
    if (m_position == Position::AfterLast) {
        moveLast();
        if (m_position == Position::AfterLast)
            m_position = Position::BeforeFirst;
        return;
    }
    QVariantList key;
    if (!currentKey(key) || !moveTo(m_db.scalar(OrderedRows + Before + OrderByDesc, key)))
        m_position = Position::BeforeFirst;
}

bool ObservationRecordSet::findObsId(qint64 obsId)
{
    if (moveTo(m_db.scalar(QStringLiteral("SELECT ObsID FROM Observasjoner WHERE ObsID = ?"), {obsId})))
        return true;
    m_position = Position::AfterLast;
    return false;
}

Record ObservationRecordSet::current() const
{
    if (!hasCurrent())
        return {};
    Statement row = m_db.query(QStringLiteral("SELECT * FROM Observasjoner WHERE ObsID = ?"), {m_current});
    return row.next() ? row.record() : Record();
}

qint64 ObservationRecordSet::append(const QVariantMap &columns)
{
    QStringList names;
    QStringList marks;
    for (auto it = columns.begin(); it != columns.end(); ++it) {
        names << quoted(it.key());
        marks << QStringLiteral("?");
    }
    const QString sql =
        names.isEmpty()
            ? QStringLiteral("INSERT INTO Observasjoner DEFAULT VALUES")
            : QStringLiteral("INSERT INTO Observasjoner(%1) VALUES (%2)").arg(names.join(", "), marks.join(", "));
    m_db.execute(sql, columns.values());
    moveTo(m_db.lastInsertId());
    return m_current;
}

void ObservationRecordSet::update(const QVariantMap &columns)
{
    if (!hasCurrent())
        throw DatabaseError(QCoreApplication::translate("ObservationRecordSet", "Ingen observasjon er valgt."));
    if (columns.isEmpty())
        return;
    QStringList assignments;
    for (auto it = columns.begin(); it != columns.end(); ++it)
        assignments << quoted(it.key()) + QStringLiteral(" = ?");
    QVariantList values = columns.values();
    values << m_current;
    m_db.execute(QStringLiteral("UPDATE Observasjoner SET %1 WHERE ObsID = ?").arg(assignments.join(", ")), values);
}

void ObservationRecordSet::removeCurrent()
{
    if (!hasCurrent())
        throw DatabaseError(QCoreApplication::translate("ObservationRecordSet", "Ingen observasjon er valgt."));
    m_db.execute(QStringLiteral("DELETE FROM Observasjoner WHERE ObsID = ?"), {m_current});
    moveFirst();
}

} // namespace lirvenda
