#pragma once

#include "core/store/Database.h"

#include <QVariantMap>

namespace lirvenda {

// The observations in browsing order (species key, then start, then row number), followed by the
// rows added since the set was opened, in the order they were added. The set never reads the
// whole table: it steps from row to row by key over an index and loads a row when asked for it,
// so a lifetime of records opens as fast as an empty table.
class ObservationRecordSet {
public:
    explicit ObservationRecordSet(Database &db);

    void reopen(); // back to the first row; rows added until now join the ordered part

    bool isEmpty() const;
    bool atBegin() const { return m_position == Position::BeforeFirst; } // BOF
    bool atEnd() const { return m_position == Position::AfterLast; }     // EOF
    bool hasCurrent() const { return m_position == Position::OnRow; }

    void moveFirst();
    void moveLast();
    void moveNext();              // past the last row: at the end
    void movePrevious();          // before the first row: at the beginning; from the end: the last row
    bool findObsId(qint64 obsId); // false, and at the end, when no row has that number

    qint64 currentObsId() const { return m_current; }
    Record current() const; // every column of the current row; empty when there is none

    // Adds a row with the given columns and makes it current; answers its ObsID.
    qint64 append(const QVariantMap &columns);
    // Changes the given columns of the current row.
    void update(const QVariantMap &columns);
    // Deletes the current row and opens the set again at its first row. The observer links of the
    // row, if any, stay.
    void removeCurrent();

    Database &database() const { return m_db; }

private:
    enum class Position { BeforeFirst, OnRow, AfterLast };
    struct Key {
        QString species;
        QString start;
        qint64 obsId = 0;
    };

    bool currentKey(Key &key) const;
    bool moveTo(const QVariant &obsId);
    bool isAppended(qint64 obsId) const { return obsId > m_lastOrderedId; }

    Database &m_db;
    qint64 m_lastOrderedId = 0; // rows up to this number are in browsing order
    Position m_position = Position::BeforeFirst;
    qint64 m_current = 0;
};

} // namespace lirvenda
