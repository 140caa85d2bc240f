#pragma once

#include "core/shared/SharedProcedures.h"
#include "gui/group/GroupDialog.h"

namespace lirvenda {

class Program;

// "Tilleggsarter": species of the species table to add to the species list of a group
// registration. exec() answers Accepted after "&Gå videre"; pickedSpecies() then holds the choice.
class frm_VelgArter : public GroupDialog {
    Q_OBJECT
public:
    explicit frm_VelgArter(Program &program, QWidget *parent = nullptr);

    // The chosen species, in list order.
    QList<KeyedEntry> pickedSpecies() const;

private:
    ChoiceList *m_species; // List1: every species of the species table
};

} // namespace lirvenda
