#include "gui/group/frm_BatchRegistrering.h"

#include "core/group/GroupSpecies.h"
#include "core/shared/Prompter.h"
#include "gui/group/frm_Detaljer.h"
#include "gui/group/frm_VelgArter.h"
#include "gui/ui/DialogLayout.h"
#include "gui/ui/ListProcedures.h"
#include "gui/ui/NamedControl.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace lirvenda {

frm_BatchRegistrering::frm_BatchRegistrering(Program &program, const QList<KeyedEntry> &registeredSpecies,
                                             QWidget *parent)
    : GroupDialog(parent), Frame1(named(new QGroupBox(QStringLiteral("Velg observerte arter"), this), "Frame1")),
      List1(named(new ChoiceList(Frame1), "List1")),
      Check1(named(new QCheckBox(QStringLiteral("Systematisk rekkefølge"), Frame1), "Check1")),
      Command4(named(new QPushButton(QStringLiteral("Merk alle"), this), "Command4")),
      Command3(named(new QPushButton(QStringLiteral("&Sett inn flere arter"), this), "Command3")),
      Command2(named(new QPushButton(QStringLiteral("&Gå videre"), this), "Command2")),
      Command1(named(new QPushButton(QStringLiteral("&Avbryt"), this), "Command1")), m_program(program)
{
    setObjectName(QStringLiteral("frm_BatchRegistrering"));
    setWindowTitle(QStringLiteral("Artsutvalg"));
    List1->setMinimumSize(420, 420);
    auto *frameLayout = new QVBoxLayout(Frame1);
    frameLayout->addWidget(List1);
    frameLayout->addWidget(Check1);
    layOutFramesAndButtons(this, {Frame1}, {Command4, Command3}, {Command2, Command1});
    addKeyedEntries(List1, registeredSpecies);

    for (QPushButton *button : {Command4, Command3, Command2, Command1})
        button->setAutoDefault(false);
    connect(Check1, &QCheckBox::clicked, this, &frm_BatchRegistrering::Check1_Click);
    connect(Command4, &QPushButton::clicked, this, &frm_BatchRegistrering::Command4_Click);
    connect(Command3, &QPushButton::clicked, this, &frm_BatchRegistrering::Command3_Click);
    connect(Command2, &QPushButton::clicked, this, &frm_BatchRegistrering::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &frm_BatchRegistrering::reject);
}

QStringList frm_BatchRegistrering::chosenSpeciesKeys() const
{
    QStringList keys;
    for (int i = 0; i < List1->count(); ++i)
        if (List1->item(i)->isSelected())
            keys << keyOf(List1->item(i));
    return keys;
}

// The list is read again in the other order; the chosen species stay chosen, found by their keys.
void frm_BatchRegistrering::Check1_Click()
{
    if (!prompter().askYesNo(QStringLiteral("Hvis du bytter sortering vil du eventuelt miste artene som du har lagt "
                                            "til lista. Vil du fortsette?")))
        return;
    const QStringList chosen = chosenSpeciesKeys();
    QList<KeyedEntry> observed;
    if (!succeeds([&] { observed = ObservedGroupSpecies(m_program, Check1->isChecked()); }) || observed.isEmpty())
        return;
    List1->clear();
    addKeyedEntries(List1, observed);
    for (const QString &key : chosen)
        if (const int row = rowOfKey(List1, key); row >= 0)
            List1->item(row)->setSelected(true);
}

// "Merk alle"
void frm_BatchRegistrering::Command4_Click() { List1->selectAll(); }

// "&Sett inn flere arter"
void frm_BatchRegistrering::Command3_Click()
{
    frm_VelgArter picker(m_program, List1, this);
    picker.exec();
}

// "&Gå videre": the grid closes this window too once the registration has ended there.
void frm_BatchRegistrering::Command2_Click()
{
    const QStringList chosen = chosenSpeciesKeys();
    if (chosen.isEmpty()) {
        prompter().information(QStringLiteral("Ingen arter valgt."));
        return;
    }
    frm_Detaljer grid(m_program, chosen, this);
    grid.exec();
    if (grid.endedGroupRegistration())
        accept();
}

} // namespace lirvenda
