#include "gui/ui/ListProcedures.h"

#include "core/shared/SharedProcedures.h"

#include <QComboBox>
#include <QListWidget>

namespace lirvenda {

bool ListContainsText(const QString &text, const QListWidget *list)
{
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text().contains(text))
            return true;
    return false;
}

int ComboIndexOfKey(const QComboBox *combo, int key)
{
    for (int i = 0; i < combo->count(); ++i) {
        bool isNumber = false;
        if (BracketCode(combo->itemText(i)).toInt(&isNumber) == key && isNumber)
            return i;
    }
    return 0;
}

int ComboIndexOfCode(const QComboBox *combo, const QString &code)
{
    for (int i = 0; i < combo->count() && !code.isEmpty(); ++i)
        if (BracketCode(combo->itemText(i)) == code)
            return i;
    return -1;
}

void SelectListItemByCode(int code, QListWidget *list)
{
    for (int i = 0; i < list->count(); ++i) {
        bool isNumber = false;
        if (BracketCode(list->item(i)->text()).toInt(&isNumber) == code && isNumber) {
            list->setCurrentRow(i);
            list->scrollToItem(list->item(i));
            return;
        }
    }
}

} // namespace lirvenda
