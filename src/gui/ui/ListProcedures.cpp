#include "gui/ui/ListProcedures.h"

#include <QComboBox>
#include <QListWidget>

namespace lirvenda {

void addKeyedEntry(QComboBox *combo, const KeyedEntry &entry) { combo->addItem(entry.text, entry.key); }

QListWidgetItem *addKeyedEntry(QListWidget *list, const KeyedEntry &entry)
{
    auto *item = new QListWidgetItem(entry.text, list);
    item->setData(Qt::UserRole, entry.key);
    return item;
}

int rowOfKey(const QComboBox *combo, const QString &key) { return key.isEmpty() ? -1 : combo->findData(key); }

int rowOfKey(const QListWidget *list, const QString &key)
{
    for (int i = 0; i < list->count() && !key.isEmpty(); ++i)
        if (keyOf(list->item(i)) == key)
            return i;
    return -1;
}

QString keyOf(const QListWidgetItem *entry) { return entry->data(Qt::UserRole).toString(); }

QStringList entryTexts(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

} // namespace lirvenda
