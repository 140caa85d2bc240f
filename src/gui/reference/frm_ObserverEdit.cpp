#include "gui/reference/frm_ObserverEdit.h"

#include "core/reference/ObserverRegister.h"
#include "gui/reference/ObserverLists.h"
#include "gui/reference/frm_Observers_Modify.h"
#include "gui/ui/DialogLayout.h"
#include "gui/ui/KeyedListModel.h"
#include "gui/ui/NamedControl.h"

#include <QGroupBox>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

namespace lirvenda {

frm_ObserverEdit::frm_ObserverEdit(Program &program, QWidget *parent)
    : QDialog(parent), m_program(program),
      Frame1(named(new QGroupBox(tr("Observers"), this), QStringLiteral("Frame1"))),
      List1(named(new QListView(Frame1), QStringLiteral("List1"))), m_observers(new KeyedListModel(List1)),
      Command2(named(new QPushButton(tr("&OK"), this), QStringLiteral("Command2"))),
      Command1(named(new QPushButton(tr("&Quit"), this), QStringLiteral("Command1"))),
      Command3(named(new QPushButton(tr("&Ny obs."), this), QStringLiteral("Command3")))
{
    setObjectName(QStringLiteral("frm_ObserverEdit"));
    setWindowTitle(tr("Edit observer list"));
    List1->setModel(m_observers);
    List1->setSelectionMode(QAbstractItemView::MultiSelection);
    List1->setMinimumSize(420, 300);
    (new QVBoxLayout(Frame1))->addWidget(List1);
    layOutFramesAndButtons(this, {Frame1}, {Command3}, {Command2, Command1});

    connect(Command2, &QPushButton::clicked, this, &frm_ObserverEdit::accept);
    connect(Command1, &QPushButton::clicked, this, &frm_ObserverEdit::reject);
    connect(Command3, &QPushButton::clicked, this, &frm_ObserverEdit::Command3_Click);
}

void frm_ObserverEdit::offer(const QList<KeyedEntry> &chosen)
{
    m_observers->setEntries(chosen);
    for (int row = 0; row < chosen.size(); ++row)
        choose(row);
    ListUnlistedObservers();
}

QList<KeyedEntry> frm_ObserverEdit::chosen() const
{
    QList<KeyedEntry> chosen;
    for (int row = 0; row < m_observers->rowCount(); ++row)
        if (List1->selectionModel()->isRowSelected(row))
            chosen << m_observers->entryAt(row);
    return chosen;
}

void frm_ObserverEdit::choose(int row)
{
    List1->selectionModel()->select(m_observers->index(row), QItemSelectionModel::Select);
}

// "&Ny obs.": the observer added to the register is chosen at once. On an empty register this is
// how a registration gets its first observer without being given up.
void frm_ObserverEdit::Command3_Click()
{
    if (!addNewObserver(m_program, this))
        return;
    for (int added : ListUnlistedObservers())
        choose(added);
}

// Adds the observers of the register not listed yet; answers their rows.
QList<int> frm_ObserverEdit::ListUnlistedObservers()
{
    QList<int> added;
    for (const KeyedEntry &observer : registrationObserverChoices(m_program))
        if (m_observers->rowOf(observer.key) < 0) {
            added << m_observers->rowCount();
            m_observers->append(observer);
        }
    return added;
}

bool editObserverList(Program &program, KeyedListModel &list, QWidget *parent)
{
    frm_ObserverEdit picker(program, parent);
    picker.offer(list.entries());
    if (picker.exec() != QDialog::Accepted)
        return false;
    QStringList ticked; // the main observer stays ticked when kept, so it need not be chosen again
    for (int row = 0; row < list.rowCount(); ++row)
        if (list.isChecked(row))
            ticked << list.keyAt(row);
    list.clear();
    for (const KeyedEntry &choice : picker.chosen())
        addObserverEntry(list, choice, ticked.contains(choice.key));
    return true;
}

} // namespace lirvenda
