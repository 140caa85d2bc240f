#include "gui/reference/ObserverLists.h"

#include "core/reference/ObserverRegister.h"
#include "core/shared/TextFiles.h"
#include "core/store/Program.h"
#include "gui/ui/ListProcedures.h"

#include <QListWidget>

namespace lirvenda {

namespace {

bool isTicked(const QListWidgetItem *item) { return item->checkState() == Qt::Checked; }

} // namespace

void addObserverEntry(QListWidget *list, const KeyedEntry &observer, bool ticked)
{
    QListWidgetItem *item = addKeyedEntry(list, observer);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

namespace {

QString mainObserverOf(const QListWidget *list)
{
    for (int i = 0; i < list->count(); ++i)
        if (isTicked(list->item(i)))
            return keyOf(list->item(i));
    return {};
}

} // namespace

QString observerIdList(const QListWidget *list)
{
    if (list->count() == 1)
        return keyOf(list->item(0));
    QStringList ids = {mainObserverOf(list)};
    for (int i = 0; i < list->count(); ++i)
        if (!isTicked(list->item(i)))
            ids << keyOf(list->item(i));
    return list->count() == 0 ? QString() : ids.join(',');
}

void rememberMainObserver(Program &program, const QListWidget *list)
{
    if (list->count() > 1)
        writeLine(program.filePath(MainObserverFileName), mainObserverOf(list));
}

void fillDefaultObservers(Program &program, QListWidget *list)
{
    list->clear();
    for (const KeyedEntry &observer : defaultRegistrationObservers(program))
        addObserverEntry(list, observer);

    const QString mainFile = program.filePath(MainObserverFileName);
    if (fileExists(mainFile)) {
        if (const int main = rowOfKey(list, readFirstLine(mainFile)); main >= 0)
            list->item(main)->setCheckState(Qt::Checked);
    }
    if (list->count() == 1)
        list->item(0)->setCheckState(Qt::Checked);
}

} // namespace lirvenda
