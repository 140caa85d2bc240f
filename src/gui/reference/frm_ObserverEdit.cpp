#include "gui/reference/frm_ObserverEdit.h"

#include "core/reference/ObserverRegister.h"
#include "core/shared/SharedProcedures.h"
#include "core/store/Program.h"
#include "gui/reference/ObserverLists.h"
#include "gui/reference/frm_Observers_Modify.h"
#include "gui/ui/DialogLayout.h"
#include "gui/ui/ListProcedures.h"

#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace lirvenda {

frm_ObserverEdit::frm_ObserverEdit(Program &program, QWidget *parent)
    : QDialog(parent), m_program(program), Frame1(new QGroupBox(QStringLiteral("Observers"), this)),
      List1(new QListWidget(Frame1)), Command2(new QPushButton(QStringLiteral("&OK"), this)),
      Command1(new QPushButton(QStringLiteral("&Quit"), this)),
      Command3(new QPushButton(QStringLiteral("&Ny obs."), this))
{
    setObjectName(QStringLiteral("frm_ObserverEdit"));
    setWindowTitle(QStringLiteral("Edit observer list"));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    List1->setObjectName(QStringLiteral("List1"));
    Command2->setObjectName(QStringLiteral("Command2"));
    Command1->setObjectName(QStringLiteral("Command1"));
    Command3->setObjectName(QStringLiteral("Command3"));

    List1->setSelectionMode(QAbstractItemView::MultiSelection);
    List1->setMinimumSize(420, 300);
    auto *frameLayout = new QVBoxLayout(Frame1);
    frameLayout->addWidget(List1);
    layOutFramesAndButtons(this, {Frame1}, {Command3}, {Command2, Command1});

    connect(Command2, &QPushButton::clicked, this, &frm_ObserverEdit::accept);
    connect(Command1, &QPushButton::clicked, this, &frm_ObserverEdit::reject);
    connect(Command3, &QPushButton::clicked, this, &frm_ObserverEdit::Command3_Click);
}

// "&Ny obs.": the observer added to the register is chosen at once. On an empty register this is
// how a registration gets its first observer without being given up.
void frm_ObserverEdit::Command3_Click()
{
    if (!AddNewObserver(m_program, this))
        return;
    for (QListWidgetItem *added : ListUnlistedObservers())
        added->setSelected(true);
}

QList<QListWidgetItem *> frm_ObserverEdit::ListUnlistedObservers()
{
    QList<QListWidgetItem *> added;
    for (const KeyedEntry &observer : RegistrationObserverChoices(m_program))
        if (rowOfKey(List1, observer.key) < 0)
            added << addKeyedEntry(List1, observer);
    return added;
}

bool EditObserverList(Program &program, QListWidget *list)
{
    frm_ObserverEdit picker(program, list->window());
    QListWidget *choices = picker.observerList();
    QStringList ticked; // the main observer stays ticked when kept, so it need not be chosen again
    for (int i = 0; i < list->count(); ++i) {
        const QListWidgetItem *entry = list->item(i);
        addKeyedEntry(choices, entryOf(entry))->setSelected(true);
        if (entry->checkState() == Qt::Checked)
            ticked << keyOf(entry);
    }
    picker.ListUnlistedObservers();
    if (picker.exec() != QDialog::Accepted)
        return false;
    list->clear();
    for (int i = 0; i < choices->count(); ++i) {
        const QListWidgetItem *choice = choices->item(i);
        if (choice->isSelected())
            AddObserverEntry(list, entryOf(choice), ticked.contains(keyOf(choice)));
    }
    return true;
}

} // namespace lirvenda
