#include "gui/registration/RegistrationButtons.h"

#include "core/registration/RegistrationState.h"
#include "core/species/Species.h"
#include "gui/registration/PanelControls.h"
#include "gui/ui/Colours.h"
#include "gui/ui/NamedControl.h"

#include <QHBoxLayout>

namespace lirvenda {

namespace {

void drawWorkflowButton(QPushButton *button, const QString &caption, bool saveForm, bool enabled = true)
{
    button->setText(caption);
    setColour(button, saveForm ? Colour::Yellow : Colour::Green);
    button->setEnabled(enabled);
}

} // namespace

SpeciesGroupButtons::SpeciesGroupButtons(RegistrationState &state, QWidget *parent) : QWidget(parent), m_state(state)
{
    for (int i = 0; i < int(Command32.size()); ++i) {
        Command32[i] = button(this, elementName("Command32", i),
                              RegistrationState::shownChoice(RegistrationState::SpeciesGroups.at(i)));
        connect(Command32[i], &QPushButton::clicked, this, [this, i] { choose(i); });
    }
    // Left to right the groups read "Fugler", "Pattedyr", "Insekter", "Botanikk".
    QHBoxLayout *groupRow = row({Command32[0], Command32[1], Command32[3], Command32[2]});
    groupRow->setContentsMargins(0, 0, 0, 0);
    setLayout(groupRow);
    // The diary is for birds: the other groups are offered only when their class has taxa.
    for (int i = 1; i < int(Command32.size()); ++i)
        Command32[i]->setEnabled(false);
}

void SpeciesGroupButtons::enableGroupsWithTaxa(Program &program)
{
    for (int i = 1; i < int(Command32.size()); ++i)
        Command32[i]->setEnabled(hasTaxaOfClass(program, RegistrationState::SpeciesGroups[i]));
}

void SpeciesGroupButtons::choose(int index)
{
    m_state.setSpeciesGroup(index);
    draw();
}

void SpeciesGroupButtons::draw()
{
    for (int i = 0; i < int(Command32.size()); ++i)
        setColour(Command32[i], m_state.speciesGroup() == i ? Colour::Green : Colour::neutral());
}

WorkflowButtons::WorkflowButtons(QWidget *parent) : QWidget(parent)
{
    Command9 = button(this, QStringLiteral("Command9"), tr("&Delete registration"));
    Command8 = button(this, QStringLiteral("Command8"), tr("&Edit registration"));
    Command7 = button(this, QStringLiteral("Command7"), tr("&New registration"));
    QHBoxLayout *buttons = row({Command9, Command8, Command7});
    buttons->setContentsMargins(0, 0, 0, 0);
    setLayout(buttons);
    connect(Command9, &QPushButton::clicked, this, &WorkflowButtons::deleteClicked);
    connect(Command8, &QPushButton::clicked, this, &WorkflowButtons::editClicked);
    connect(Command7, &QPushButton::clicked, this, &WorkflowButtons::newClicked);
}

void WorkflowButtons::draw(const RegistrationState &state)
{
    using Mode = RegistrationState::Mode;
    const Mode mode = state.mode();
    drawWorkflowButton(Command9, state.isEntering() ? tr("A&vbryt") : tr("&Stryk registrering"), state.isEntering());
    if (mode == Mode::New)
        drawWorkflowButton(Command7, tr("&Lagre registrering"), true);
    else
        drawWorkflowButton(Command7, tr("&Ny registrering"), false, mode != Mode::Edit);
    if (mode == Mode::Edit)
        drawWorkflowButton(Command8, tr("&Lagre endring"), true);
    else
        drawWorkflowButton(Command8, tr("&Endre registrering"), false, mode != Mode::New);
}

} // namespace lirvenda
