#include "gui/reference/ObserverLists.h"

#include "core/reference/ObserverRegister.h"
#include "core/store/Program.h"
#include "gui/ui/KeyedListModel.h"

namespace lirvenda {

void AddObserverEntry(KeyedListModel &list, const KeyedEntry &observer, bool ticked)
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

int TickedObservers(const KeyedListModel &list)
{
    int ticked = 0;
    for (int row = 0; row < list.rowCount(); ++row)
        ticked += list.isChecked(row);
    return ticked;
}

QString ObserverIdList(const KeyedListModel &list)
{
    if (list.rowCount() == 1)
        return list.keyAt(0);
    QStringList ids = {mainObserverOf(list)};
    for (int row = 0; row < list.rowCount(); ++row)
        if (!list.isChecked(row))
            ids << list.keyAt(row);
    return list.rowCount() == 0 ? QString() : ids.join(',');
}

void RememberMainObserver(Program &program, const KeyedListModel &list)
{
    if (list.rowCount() > 1)
        WriteLine(program.filePath(MainObserverFileName), mainObserverOf(list));
}

void FillDefaultObservers(Program &program, KeyedListModel &list)
{
    list.setEntries(DefaultRegistrationObservers(program));
    const QString mainFile = program.filePath(MainObserverFileName);
    if (FileExists(mainFile))
        list.setChecked(list.rowOf(ReadFirstLine(mainFile)), true);
    if (list.rowCount() == 1)
        list.setChecked(0, true);
}

} // namespace lirvenda
