#pragma once

#include "core/store/Database.h"

#include <QVariantMap>

namespace lirvenda {

// The observations in browsing order: species key, then start, then row number. A row added or
// changed while the set is open takes its place in that order at once, so stepping between two
// observations goes the same way before and after a restart. The set never reads the whole
// table: it steps from row to row by key over an index and loads a row when asked for it, so a
// lifetime of records opens as fast as an empty table.
class ObservationRecordSet {
public:
    explicit ObservationRecordSet(Database &db); // opened at its first row

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
    // Deletes the current row and moves to the first row. The observer links of the
    // row, if any, stay.
    void removeCurrent();

    Database &database() const { return m_db; }

private:
    enum class Position { BeforeFirst, OnRow, AfterLast };
    // The current row's species, start and ObsID, bound as the steps compare them.
    bool currentKey(QVariantList &key) const;
    bool moveTo(const QVariant &obsId);

    Database &m_db;
    Position m_position = Position::BeforeFirst;
    qint64 m_current = 0;
};

} // namespace lirvenda
