#include "gui/registration/frm_Fauna.h"

#include "gui/registration/ControlGroups.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace lirvenda {

namespace {

// A choice keeps its mark and changes only its colour with the state.
void recolourChosen(const std::vector<QPushButton *> &buttons, const QColor &from, const QColor &to)
{
    for (QPushButton *button : buttons)
        if (hasColour(button, from))
            setColour(button, to);
}

void setWorkflowButton(QPushButton *button, const QString &caption, const QColor &colour)
{
    button->setText(caption);
    setColour(button, colour);
    button->setEnabled(true);
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
    return {Label6,    Label19,  Frame8,   Frame10,  Frame11,   Command33, Command34, Command31, Command36,
            Command22, Command3, Command4, Command6, Command21, Command25, Command26, Command27, Command29};
}

std::vector<QWidget *> frm_Fauna::windowOpeners() const
{
    return {Command1, Command5, Command10, Command14, Command15, Command23, Command24, Command28};
}

std::vector<QPushButton *> frm_Fauna::markedChoiceButtons() const
{
    std::vector<QPushButton *> buttons(Command19.begin(), Command19.end());
    buttons.insert(buttons.end(), Command20.begin(), Command20.end());
    buttons.insert(buttons.end(), Command35.begin(), Command35.end());
    return buttons;
}

void frm_Fauna::SetBrowseState()
{
    enableAll(editOnlyControls(), false);
    enableAll({Command17, Combo2, Combo4, List1}, false);
    colourAll({Command36, Command17}, Colour::neutral());
    enableAll(inputBoxes(), false);
    colourAll(inputBoxes(), Colour::White);
    enableAll(choiceFields(), false);
    colourAll(choiceFields(), Colour::neutral());
    for (QComboBox *chosen : {Combo2, Combo4})
        setColour(chosen, chosen->currentIndex() >= 0 ? Colour::Green : Colour::neutral());
    showAll(Command16, false);
    showAll({Command11, Command12}, true);
    Command18->hide();
    enableAll(windowOpeners(), true);
    setWorkflowButton(Command9, QStringLiteral("&Stryk registrering"), Colour::Green);
    setWorkflowButton(Command7, QStringLiteral("&Ny registrering"), Colour::Green);
    setWorkflowButton(Command8, QStringLiteral("&Endre registrering"), Colour::Green);
    List2->setEnabled(true);
    setColour(List1, Colour::White);
    enableAll(markedChoiceButtons(), false);
    recolourChosen(markedChoiceButtons(), Colour::Yellow, Colour::Green);
}

// The handler that starts the state sets the captions of "Ny" and "Endre".
void frm_Fauna::SetEditState()
{
    enableAll(editOnlyControls(), true);
    enableAll(inputBoxes(), true);
    colourAll(inputBoxes(), Colour::Yellow);
    enableAll(choiceFields(), true);
    colourAll(choiceFields(), Colour::Yellow);
    for (QComboBox *chosen : {Combo2, Combo4}) {
        chosen->setEnabled(true);
        if (chosen->currentIndex() >= 0)
            setColour(chosen, Colour::Yellow);
    }
    showAll(Command16, true);
    colourAll(Command16, Colour::Yellow);
    showAll({Command11, Command12}, false);
    Command18->show();
    enableAll(windowOpeners(), false);
    Command9->setText(QStringLiteral("A&vbryt"));
    setColour(Command9, Colour::Yellow);
    List2->setEnabled(false);
    // Enabled even when empty: a right-button press on it is the way to add observers here.
    List1->setEnabled(true);
    if (List1->count() > 0)
        setColour(List1, Colour::Yellow);
    enableAll(markedChoiceButtons(), true);
    recolourChosen(markedChoiceButtons(), Colour::Green, Colour::Yellow);
}

} // namespace lirvenda
