#include "ui/ObserverLists.h"

#include "data/Program.h"
#include "data/SharedProcedures.h"
#include "reference/frm_ObserverEdit.h"
#include "ui/ListProcedures.h"

#include <QListWidget>

namespace lirvenda {

namespace {

bool isTicked(const QListWidgetItem *item) { return item->checkState() == Qt::Checked; }

QString keyOf(const QListWidgetItem *item) { return BracketCode(item->text()); }

} // namespace

void AddObserverEntry(QListWidget *list, const QString &text, bool ticked)
{
    auto *item = new QListWidgetItem(text, list);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

QString ObserverIdList(Program &program, const QListWidget *list)
{
    if (list->count() == 0)
        return {};
    if (list->count() == 1)
        return keyOf(list->item(0));

    QString mainObserver;
    for (int i = 0; i < list->count(); ++i) {
        if (isTicked(list->item(i))) {
            mainObserver = keyOf(list->item(i));
            break;
        }
    }
    WriteLine(program.filePath(MainObserverFileName), mainObserver);
    QString ids = mainObserver;
    for (int i = 0; i < list->count(); ++i)
        if (!isTicked(list->item(i)))
            ids += ',' + keyOf(list->item(i));
    return ids;
}

void FillDefaultObservers(Program &program, QListWidget *list)
{
    list->clear();
    Statement row = program.observerConnection().query(
        QStringLiteral("SELECT ObserverUniqueID FROM Observers WHERE ObserverDefault = 1 "
                       "ORDER BY ObserverFirstName COLLATE NORSK, ObserverLastName COLLATE NORSK"));
    while (row.next())
        AddObserverEntry(list, ObserverDisplayText(program, row.text(QStringLiteral("ObserverUniqueID"))));

    const QString mainFile = program.filePath(MainObserverFileName);
    if (FileExists(mainFile)) {
        const QString mainObserver = ReadFirstLine(mainFile);
        for (int i = 0; i < list->count(); ++i)
            if (keyOf(list->item(i)) == mainObserver)
                list->item(i)->setCheckState(Qt::Checked);
    }
    if (list->count() == 1)
        list->item(0)->setCheckState(Qt::Checked);
}

void EditObserverList(Program &program, QListWidget *list)
{
    frm_ObserverEdit picker(program, list->window());
    QListWidget *choices = picker.observerList();
    QStringList ticked; // the main observer stays ticked when kept, so it need not be chosen again
    for (int i = 0; i < list->count(); ++i) {
        (new QListWidgetItem(list->item(i)->text(), choices))->setSelected(true);
        if (isTicked(list->item(i)))
            ticked << list->item(i)->text();
    }

    Statement row = program.observerConnection().query(
        QStringLiteral("SELECT ObserverUniqueID FROM Observers "
                       "ORDER BY ObserverLastName COLLATE NORSK, ObserverFirstName COLLATE NORSK"));
    while (row.next()) {
        const QString id = row.text(QStringLiteral("ObserverUniqueID"));
        if (!ListContainsText(id, choices))
            choices->addItem(ObserverDisplayText(program, id));
    }

    picker.exec();
    if (program.areaPickCancelled)
        return;
    list->clear();
    for (int i = 0; i < choices->count(); ++i)
        if (choices->item(i)->isSelected())
            AddObserverEntry(list, choices->item(i)->text(), ticked.contains(choices->item(i)->text()));
}

} // namespace lirvenda
