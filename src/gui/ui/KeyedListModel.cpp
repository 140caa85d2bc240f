#include "gui/ui/KeyedListModel.h"

namespace lirvenda {

KeyedListModel::KeyedListModel(QObject *parent) : QAbstractListModel(parent) {}

void KeyedListModel::setCheckable(bool checkable) { m_checkable = checkable; }

void KeyedListModel::setEntries(const QList<KeyedEntry> &entries)
{
    beginResetModel();
    m_entries = entries;
    m_checked = QList<bool>(entries.size(), false);
    indexKeys();
    endResetModel();
}

void KeyedListModel::append(const KeyedEntry &entry) { insert(int(m_entries.size()), entry); }

void KeyedListModel::insert(int row, const KeyedEntry &entry)
{
    beginInsertRows({}, row, row);
    m_entries.insert(row, entry);
    m_checked.insert(row, false);
    if (row == m_entries.size() - 1)
        indexKey(row);
    else
        indexKeys();
    endInsertRows();
}

void KeyedListModel::removeAt(int row)
{
    beginRemoveRows({}, row, row);
    m_entries.removeAt(row);
    m_checked.removeAt(row);
    indexKeys();
    endRemoveRows();
}

void KeyedListModel::clear() { setEntries({}); }

int KeyedListModel::rowOf(const QString &key) const { return key.isEmpty() ? -1 : m_firstRowOfKey.value(key, -1); }

QString KeyedListModel::keyAt(int row) const { return m_entries.value(row).key; }

QString KeyedListModel::textAt(int row) const { return m_entries.value(row).text; }

KeyedEntry KeyedListModel::entryAt(int row) const { return m_entries.value(row); }

QStringList KeyedListModel::texts() const
{
    QStringList texts;
    texts.reserve(m_entries.size());
    for (const KeyedEntry &entry : m_entries)
        texts << entry.text;
    return texts;
}

bool KeyedListModel::isChecked(int row) const { return m_checked.value(row, false); }

void KeyedListModel::setChecked(int row, bool checked)
{
    if (row < 0 || row >= m_checked.size() || m_checked[row] == checked)
        return;
    m_checked[row] = checked;
    const QModelIndex at = index(row);
    emit dataChanged(at, at, {Qt::CheckStateRole});
}

int KeyedListModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(m_entries.size()); }

QVariant KeyedListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_entries.size())
        return {};
    const KeyedEntry &entry = m_entries[index.row()];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return entry.text;
    case KeyRole: return entry.key;
    case Qt::CheckStateRole:
        if (m_checkable)
            return m_checked[index.row()] ? Qt::Checked : Qt::Unchecked;
        return {};
    default: return {};
    }
}

bool KeyedListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::CheckStateRole || !m_checkable)
        return false;
    setChecked(index.row(), value.toInt() == Qt::Checked);
    return true;
}

Qt::ItemFlags KeyedListModel::flags(const QModelIndex &index) const
{
    const Qt::ItemFlags flags = QAbstractListModel::flags(index);
    return m_checkable ? flags | Qt::ItemIsUserCheckable : flags;
}

// Rebuilt after a change in the middle of the list: rows behind it have moved.
void KeyedListModel::indexKeys()
{
    m_firstRowOfKey.clear();
    for (int row = 0; row < m_entries.size(); ++row)
        indexKey(row);
}

void KeyedListModel::indexKey(int row)
{
    const QString &key = m_entries[row].key;
    if (!key.isEmpty() && !m_firstRowOfKey.contains(key))
        m_firstRowOfKey.insert(key, row);
}

} // namespace lirvenda
