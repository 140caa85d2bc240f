#pragma once

// Shared procedures that work on list and choice boxes. An entry that stands for a key shows its
// text and keeps the key as its item data (Qt::UserRole); look-ups go by that key, never by the
// text, in which a name may hold a "[" or one key may begin another.

#include "core/shared/DisplayTexts.h"

#include <QList>
#include <QString>
#include <QStringList>

class QComboBox;
class QListWidget;
class QListWidgetItem;

namespace lirvenda {

void addKeyedEntry(QComboBox *combo, const KeyedEntry &entry);
QListWidgetItem *addKeyedEntry(QListWidget *list, const KeyedEntry &entry);
template <typename Box>
void addKeyedEntries(Box *box, const QList<KeyedEntry> &entries)
{
    for (const KeyedEntry &entry : entries)
        addKeyedEntry(box, entry);
}

// The row of the first entry with the key; -1 when none has it, or the key is empty.
int rowOfKey(const QComboBox *combo, const QString &key);
int rowOfKey(const QListWidget *list, const QString &key);

// The key of an entry; empty for an entry without one.
QString keyOf(const QListWidgetItem *entry);
// The texts of the list's entries, in order.
QStringList entryTexts(const QListWidget *list);

} // namespace lirvenda
