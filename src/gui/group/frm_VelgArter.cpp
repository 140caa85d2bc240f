#include "gui/group/frm_VelgArter.h"

#include "core/group/GroupSpecies.h"
#include "core/shared/Prompter.h"
#include "gui/ui/DialogLayout.h"
#include "gui/ui/NamedControl.h"

#include <QGroupBox>
#include <QVBoxLayout>

namespace lirvenda {

frm_VelgArter::frm_VelgArter(Program &program, QWidget *parent) : GroupDialog(parent)
{
    setObjectName(QStringLiteral("frm_VelgArter"));
    setWindowTitle(tr("Tilleggsarter"));
    auto *frame = named(new QGroupBox(tr("Velg arter"), this), QStringLiteral("Frame1"));
    m_species = named(new ChoiceList(frame), QStringLiteral("List1"));
    auto *next = dialogButton(this, QStringLiteral("Command2"), tr("&Gå videre"));
    auto *cancel = dialogButton(this, QStringLiteral("Command1"), tr("&Avbryt"));
    m_species->setMinimumHeight(420);
    (new QVBoxLayout(frame))->addWidget(m_species);
    layOutFramesAndButtons(this, {frame}, {}, {next, cancel});
    succeeds([&] { m_species->setEntries(allGroupSpecies(program)); });
    connect(next, &QPushButton::clicked, this, &frm_VelgArter::accept);
    connect(cancel, &QPushButton::clicked, this, &frm_VelgArter::reject);
}

QList<KeyedEntry> frm_VelgArter::pickedSpecies() const { return m_species->chosenEntries(); }

} // namespace lirvenda
