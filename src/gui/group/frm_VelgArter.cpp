#include "gui/group/frm_VelgArter.h"

#include "core/group/GroupSpecies.h"
#include "core/shared/Prompter.h"
#include "gui/ui/DialogLayout.h"
#include "gui/ui/ListProcedures.h"
#include "gui/ui/NamedControl.h"

#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace lirvenda {

frm_VelgArter::frm_VelgArter(Program &program, QListWidget *speciesList, QWidget *parent)
    : GroupDialog(parent), Frame1(named(new QGroupBox(QStringLiteral("Velg arter"), this), "Frame1")),
      List1(named(new ChoiceList(Frame1), "List1")),
      Command2(named(new QPushButton(QStringLiteral("&Gå videre"), this), "Command2")),
      Command1(named(new QPushButton(QStringLiteral("&Avbryt"), this), "Command1")), m_speciesList(speciesList)
{
    setObjectName(QStringLiteral("frm_VelgArter"));
    setWindowTitle(QStringLiteral("Tilleggsarter"));
    List1->setMinimumSize(420, 420);
    (new QVBoxLayout(Frame1))->addWidget(List1);
    layOutFramesAndButtons(this, {Frame1}, {}, {Command2, Command1});
    succeeds([&] { addKeyedEntries(List1, AllGroupSpecies(program)); });

    for (QPushButton *button : {Command2, Command1})
        button->setAutoDefault(false);
    connect(Command2, &QPushButton::clicked, this, &frm_VelgArter::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &frm_VelgArter::reject);
}

// A species already on the list is chosen there; any other is added at its end and chosen.
void frm_VelgArter::Command2_Click()
{
    for (int i = 0; i < List1->count(); ++i) {
        const QListWidgetItem *picked = List1->item(i);
        if (!picked->isSelected())
            continue;
        const int row = rowOfKey(m_speciesList, keyOf(picked));
        QListWidgetItem *entry = row >= 0 ? m_speciesList->item(row) : addKeyedEntry(m_speciesList, entryOf(picked));
        entry->setSelected(true);
    }
    accept();
}

} // namespace lirvenda
