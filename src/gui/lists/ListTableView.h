#pragma once

#include "core/lists/ListTable.h"

#include <QTreeWidget>

namespace lirvenda {

// A table of the lists window: its columns and rows, each row standing for an observation that a
// double click chooses.
class ListTableView : public QTreeWidget {
    Q_OBJECT
public:
    ListTableView(QWidget *parent, const QString &name);

    // The table's rows, each with the observation it stands for (the same count).
    void showTable(const ListTable &table, const QList<qint64> &observations);
    const ListTable &table() const { return m_table; }

signals:
    void observationChosen(qint64 obsId);

private:
    ListTable m_table;
};

} // namespace lirvenda
