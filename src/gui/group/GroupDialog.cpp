#include "gui/group/GroupDialog.h"

#include <QScrollBar>

#include <algorithm>

namespace lirvenda {

ChoiceList::ChoiceList(QWidget *parent, KeyedListModel *entries)
    : QListView(parent), m_entries(entries ? entries : new KeyedListModel(this))
{
    setModel(m_entries);
    setSelectionMode(MultiSelection);
    connect(m_entries, &QAbstractItemModel::modelReset, this, &ChoiceList::measureEntries);
    connect(m_entries, &QAbstractItemModel::rowsInserted, this, &ChoiceList::measureEntries);
}

void ChoiceList::setEntries(const QList<KeyedEntry> &entries) { m_entries->setEntries(entries); }

void ChoiceList::add(const KeyedEntry &entry)
{
    if (m_entries->rowOf(entry.key) < 0)
        m_entries->append(entry);
}

void ChoiceList::choose(const QString &key)
{
    if (const int row = m_entries->rowOf(key); row >= 0)
        selectionModel()->select(m_entries->index(row), QItemSelectionModel::Select);
}

QList<KeyedEntry> ChoiceList::chosenEntries() const
{
    QList<int> rows;
    for (const QModelIndex &chosen : selectionModel()->selectedRows())
        rows << chosen.row();
    std::sort(rows.begin(), rows.end());
    QList<KeyedEntry> entries;
    for (const int row : rows)
        entries << m_entries->entryAt(row);
    return entries;
}

QStringList ChoiceList::chosenKeys() const
{
    QStringList keys;
    for (const KeyedEntry &entry : chosenEntries())
        keys << entry.key;
    return keys;
}

QSize ChoiceList::minimumSizeHint() const
{
    const QSize usual = QListView::minimumSizeHint();
    const int needed = m_entryWidth + 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    return {std::max(usual.width(), needed), usual.height()};
}

void ChoiceList::measureEntries()
{
    m_entryWidth = sizeHintForColumn(0);
    updateGeometry();
}

QItemSelectionModel::SelectionFlags ChoiceList::selectionCommand(const QModelIndex &index, const QEvent *event) const
{
    return event ? QListView::selectionCommand(index, event) : QItemSelectionModel::NoUpdate;
}

} // namespace lirvenda
