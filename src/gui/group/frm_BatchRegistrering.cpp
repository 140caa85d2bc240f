#include "gui/group/frm_BatchRegistrering.h"

#include "core/group/GroupSpecies.h"
#include "core/shared/Prompter.h"
#include "gui/group/frm_Detaljer.h"
#include "gui/group/frm_VelgArter.h"
#include "gui/ui/DialogLayout.h"
#include "gui/ui/NamedControl.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QVBoxLayout>

namespace lirvenda {

frm_BatchRegistrering::frm_BatchRegistrering(Program &program, const QList<KeyedEntry> &registeredSpecies,
                                             QWidget *parent)
    : GroupDialog(parent), m_program(program)
{
    setObjectName(QStringLiteral("frm_BatchRegistrering"));
    setWindowTitle(tr("Artsutvalg"));
    auto *frame = named(new QGroupBox(tr("Velg observerte arter"), this), QStringLiteral("Frame1"));
    m_species = named(new ChoiceList(frame), QStringLiteral("List1"));
    m_keyOrder = named(new QCheckBox(tr("Systematisk rekkefølge"), frame), QStringLiteral("Check1"));
    auto *all = dialogButton(this, QStringLiteral("Command4"), tr("Merk alle"));
    auto *more = dialogButton(this, QStringLiteral("Command3"), tr("&Sett inn flere arter"));
    auto *next = dialogButton(this, QStringLiteral("Command2"), tr("&Gå videre"));
    auto *cancel = dialogButton(this, QStringLiteral("Command1"), tr("&Avbryt"));
    m_species->setMinimumHeight(420);
    auto *frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(m_species);
    frameLayout->addWidget(m_keyOrder);
    layOutFramesAndButtons(this, {frame}, {all, more}, {next, cancel});
    m_species->setEntries(registeredSpecies);

    connect(m_keyOrder, &QCheckBox::clicked, this, &frm_BatchRegistrering::Check1_Click);
    connect(all, &QPushButton::clicked, this, &frm_BatchRegistrering::Command4_Click);
    connect(more, &QPushButton::clicked, this, &frm_BatchRegistrering::Command3_Click);
    connect(next, &QPushButton::clicked, this, &frm_BatchRegistrering::Command2_Click);
    connect(cancel, &QPushButton::clicked, this, &frm_BatchRegistrering::reject);
}

QStringList frm_BatchRegistrering::chosenSpeciesKeys() const { return m_species->chosenKeys(); }

// The list is read again in the other order; the chosen species stay chosen, found by their keys.
void frm_BatchRegistrering::Check1_Click()
{
    if (!prompter().askYesNo(tr("Hvis du bytter sortering vil du eventuelt miste artene som du har lagt "
                                "til lista. Vil du fortsette?")))
        return;
    const QStringList chosen = chosenSpeciesKeys();
    QList<KeyedEntry> observed;
    if (!succeeds([&] { observed = observedGroupSpecies(m_program, m_keyOrder->isChecked()); }) || observed.isEmpty())
        return;
    m_species->setEntries(observed);
    for (const QString &key : chosen)
        m_species->choose(key);
}

// "Merk alle"
void frm_BatchRegistrering::Command4_Click() { m_species->selectAll(); }

// "&Sett inn flere arter": a species picked that is on the list already is chosen there; any
// other is added at its end and chosen.
void frm_BatchRegistrering::Command3_Click()
{
    frm_VelgArter picker(m_program, this);
    if (picker.exec() != Accepted)
        return;
    for (const KeyedEntry &species : picker.pickedSpecies()) {
        m_species->add(species);
        m_species->choose(species.key);
    }
}

// "&Gå videre": the grid closes this window too once the registration has ended there.
void frm_BatchRegistrering::Command2_Click()
{
    const QStringList chosen = chosenSpeciesKeys();
    if (chosen.isEmpty()) {
        prompter().information(tr("Ingen arter valgt."));
        return;
    }
    frm_Detaljer grid(m_program, chosen, this);
    if (grid.exec() != Rejected)
        accept();
}

} // namespace lirvenda
