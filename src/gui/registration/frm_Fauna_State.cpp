#include "gui/registration/frm_Fauna.h"

#include "gui/positions/PositionLink.h"
#include "gui/registration/ControlGroups.h"
#include "gui/ui/ListProcedures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace lirvenda {

namespace {

using Mode = RegistrationState::Mode;

void drawWorkflowButton(QPushButton *button, const QString &caption, bool saveForm, bool enabled = true)
{
    button->setText(caption);
    setColour(button, saveForm ? Colour::Yellow : Colour::Green);
    button->setEnabled(enabled);
}

} // namespace

std::vector<QWidget *> frm_Fauna::inputBoxes() const
{
    return {Combo1, Text1,  Text2,  Text3,   Text4,   Text5,   Text6, Combo3, Combo14, Combo6,
            Combo7, Combo8, Combo9, Combo10, Combo11, Combo12, Text7, Text8,  Combo13};
}

std::vector<QWidget *> frm_Fauna::choiceFields() const { return {Command37, Command2, Check2, Check3, Check4}; }

std::vector<QWidget *> frm_Fauna::editOnlyControls() const
{
    return {Label6,   Label19,   Frame8,    Frame10,   Frame11,   Command31, Command22, Command3, Command4,
            Command6, Command21, Command25, Command26, Command27, Command29, Combo2,    Combo4};
}

std::vector<QWidget *> frm_Fauna::windowOpeners() const
{
    return {Command1, Command5, Command10, Command14, Command15, Command23, Command24, Command28, Command30};
}

void frm_Fauna::SetBrowseState() { SetMode(Mode::Browse); }

void frm_Fauna::SetEditState(RegistrationState::Mode mode) { SetMode(mode); }

void frm_Fauna::SetMode(RegistrationState::Mode mode)
{
    m_state.setMode(mode);
    const bool entering = m_state.isEntering();
    enableAll(editOnlyControls(), entering);
    enableAll(inputBoxes(), entering);
    colourAll(inputBoxes(), entering ? Colour::Yellow : Colour::White);
    enableAll(choiceFields(), entering);
    colourAll(choiceFields(), entering ? Colour::Yellow : Colour::neutral());
    enableAll({Command33, Command34}, m_state.canChangeKind());
    showAll(Command16, entering);
    colourAll(Command16, Colour::Yellow);
    showAll({Command11, Command12}, !entering);
    Command18->setVisible(entering);
    enableAll(windowOpeners(), !entering);
    List2->setEnabled(!entering);
    // Enabled even when empty while entering: a right-button press on it is the way to add observers.
    List1->setEnabled(entering);
    if (!entering || List1->count() > 0)
        setColour(List1, entering ? Colour::Yellow : Colour::White);
    m_positionLink->setEntering(entering);
    DrawWorkflowButtons();
    DrawChoices();
    DrawDocumentation();
}

void frm_Fauna::DrawWorkflowButtons()
{
    const Mode mode = m_state.mode();
    drawWorkflowButton(Command9,
                       m_state.isEntering() ? QStringLiteral("A&vbryt") : QStringLiteral("&Stryk registrering"),
                       m_state.isEntering());
    if (mode == Mode::New)
        drawWorkflowButton(Command7, QStringLiteral("&Lagre registrering"), true);
    else
        drawWorkflowButton(Command7, QStringLiteral("&Ny registrering"), false, mode != Mode::Edit);
    if (mode == Mode::Edit)
        drawWorkflowButton(Command8, QStringLiteral("&Lagre endring"), true);
    else
        drawWorkflowButton(Command8, QStringLiteral("&Endre registrering"), false, mode != Mode::New);
}

// A choice is green while browsing and yellow while entering; the others are neutral.
void frm_Fauna::DrawChoices()
{
    const QColor chosen = m_state.isEntering() ? Colour::Yellow : Colour::Green;
    const auto draw = [&](QWidget *control, bool isChosen) {
        setColour(control, isChosen ? chosen : Colour::neutral());
    };
    for (int i = 0; i < int(Command19.size()); ++i)
        draw(Command19[i], m_state.sex().isChosen(i));
    for (int i = 0; i < int(Command20.size()); ++i)
        draw(Command20[i], m_state.age().isChosen(i));
    for (int i = 0; i < int(Command35.size()); ++i)
        draw(Command35[i], m_state.isDirectionChosen(i));
    enableAll(Command19, m_state.isEntering());
    enableAll(Command20, m_state.isEntering());
    enableAll(Command35, m_state.isEntering());
    for (const auto &[combo, key] : {std::pair{Combo2, m_state.activity}, {Combo4, m_state.reference}}) {
        const QSignalBlocker drawnNotChosen(combo);
        combo->setCurrentIndex(rowOfKey(combo, key));
        draw(combo, combo->currentIndex() >= 0);
    }
    for (int i = 0; i < int(Command32.size()); ++i)
        setColour(Command32[i], m_state.speciesGroup() == i ? Colour::Green : Colour::neutral());
}

} // namespace lirvenda
