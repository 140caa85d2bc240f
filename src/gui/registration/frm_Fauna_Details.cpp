#include "gui/registration/frm_Fauna.h"

#include "gui/registration/ControlGroups.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace lirvenda {

std::vector<QWidget *> frm_Fauna::nestControls() const
{
    std::vector<QWidget *> controls = {Combo6,  Combo7,  Combo8,  Combo9,  Combo10, Combo11, Combo12, Label11,
                                       Label12, Label13, Label14, Label15, Label16, Label17, Label18};
    controls.insert(controls.end(), Command35.begin(), Command35.end());
    return controls;
}

// The tab in force is green; a nest record shows the nest controls, an individual record the
// sex, age and activity frames in their place.
void frm_Fauna::ShowRecordKind(RegistrationState::Kind kind)
{
    m_state.setKind(kind);
    const bool nest = m_state.isNest();
    showAll(nestControls(), nest);
    showAll({Frame11, Frame10, Frame8}, !nest);
    setColour(Command34, nest ? Colour::Green : Colour::neutral());
    setColour(Command33, nest ? Colour::neutral() : Colour::Green);
}

void frm_Fauna::Command33_Click() { ShowRecordKind(RegistrationState::Kind::Individual); }

void frm_Fauna::Command34_Click() { ShowRecordKind(RegistrationState::Kind::Nest); }

} // namespace lirvenda
