#pragma once

// A list of entries that stand for keys, for a QListView or a QComboBox. Each entry shows its
// text and keeps its key under KeyRole, so that no "[" in a name can change it; look-ups by key go
// through a hash of the keys, not along the rows. Entries may carry a check box (the observer
// lists tick the main observer).

#include "core/shared/SharedProcedures.h"

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QStringList>

namespace lirvenda {

class KeyedListModel : public QAbstractListModel {
    Q_OBJECT
public:
    static constexpr int KeyRole = Qt::UserRole;

    explicit KeyedListModel(QObject *parent = nullptr);

    // Entries with a check box, unticked when added; the user may tick them.
    void setCheckable(bool checkable);

    void setEntries(const QList<KeyedEntry> &entries);
    void append(const KeyedEntry &entry);
    void insert(int row, const KeyedEntry &entry);
    void removeAt(int row);
    void clear();

    // The row of the first entry with the key; -1 when none has it, or the key is empty.
    int rowOf(const QString &key) const;
    QString keyAt(int row) const;
    QString textAt(int row) const;
    KeyedEntry entryAt(int row) const;
    QList<KeyedEntry> entries() const { return m_entries; }
    QStringList texts() const;

    bool isChecked(int row) const;
    void setChecked(int row, bool checked);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    void indexKeys();
    void indexKey(int row);

    QList<KeyedEntry> m_entries;
    QList<bool> m_checked;
    QHash<QString, int> m_firstRowOfKey;
    bool m_checkable = false;
};

} // namespace lirvenda
