#include "gui/reference/ObserverLists.h"

#include "core/reference/ObserverRegister.h"
#include "core/shared/TextFiles.h"
#include "core/store/Program.h"
#include "gui/ui/KeyedListModel.h"

namespace lirvenda {

void addObserverEntry(KeyedListModel &list, const KeyedEntry &observer, bool ticked)
{
    list.append(observer);
    list.setChecked(list.rowCount() - 1, ticked);
}

namespace {

QString mainObserverOf(const KeyedListModel &list)
{
    for (int row = 0; row < list.rowCount(); ++row)
        if (list.isChecked(row))
            return list.keyAt(row);
    return {};
}

} // namespace

int tickedObservers(const KeyedListModel &list)
{
    int ticked = 0;
    for (int row = 0; row < list.rowCount(); ++row)
        ticked += list.isChecked(row);
    return ticked;
}

QString observerIdList(const KeyedListModel &list)
{
    if (list.rowCount() == 1)
        return list.keyAt(0);
    QStringList ids = {mainObserverOf(list)};
    for (int row = 0; row < list.rowCount(); ++row)
        if (!list.isChecked(row))
            ids << list.keyAt(row);
    return list.rowCount() == 0 ? QString() : ids.join(',');
}

void rememberMainObserver(Program &program, const KeyedListModel &list)
{
    if (list.rowCount() > 1)
        writeLine(program.filePath(MainObserverFileName), mainObserverOf(list));
}

void fillDefaultObservers(Program &program, KeyedListModel &list)
{
    list.setEntries(defaultRegistrationObservers(program));
    const QString mainFile = program.filePath(MainObserverFileName);
    if (fileExists(mainFile))
        list.setChecked(list.rowOf(readFirstLine(mainFile)), true);
    if (list.rowCount() == 1)
        list.setChecked(0, true);
}

} // namespace lirvenda
