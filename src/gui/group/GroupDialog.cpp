#include "gui/group/GroupDialog.h"

#include "gui/ui/ListProcedures.h"

namespace lirvenda {

ChoiceList::ChoiceList(QWidget *parent) : QListWidget(parent) { setSelectionMode(MultiSelection); }

void ChoiceList::setEntries(const QList<KeyedEntry> &entries)
{
    clear();
    addKeyedEntries(this, entries);
}

void ChoiceList::add(const KeyedEntry &entry)
{
    if (rowOfKey(this, entry.key) < 0)
        addKeyedEntry(this, entry);
}

void ChoiceList::choose(const QString &key)
{
    if (const int row = rowOfKey(this, key); row >= 0)
        item(row)->setSelected(true);
}

QList<KeyedEntry> ChoiceList::chosenEntries() const
{
    QList<KeyedEntry> chosen;
    for (int i = 0; i < count(); ++i)
        if (item(i)->isSelected())
            chosen << entryOf(item(i));
    return chosen;
}

QStringList ChoiceList::chosenKeys() const
{
    QStringList keys;
    for (const KeyedEntry &entry : chosenEntries())
        keys << entry.key;
    return keys;
}

QItemSelectionModel::SelectionFlags ChoiceList::selectionCommand(const QModelIndex &index, const QEvent *event) const
{
    return event ? QListWidget::selectionCommand(index, event) : QItemSelectionModel::NoUpdate;
}

} // namespace lirvenda
