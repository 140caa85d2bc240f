#pragma once

#include "gui/group/GroupDialog.h"

class QGroupBox;
class QListWidget;
class QPushButton;

namespace lirvenda {

class Program;

// "Tilleggsarter": adds species of the species table to the species list of a group registration.
class frm_VelgArter : public GroupDialog {
    Q_OBJECT
public:
    frm_VelgArter(Program &program, QListWidget *speciesList, QWidget *parent = nullptr);

    void Command2_Click();

    QGroupBox *Frame1;     // "Velg arter"
    QListWidget *List1;    // every species of the species table
    QPushButton *Command2; // "&Gå videre"
    QPushButton *Command1; // "&Avbryt"

private:
    QListWidget *m_speciesList;
};

} // namespace lirvenda
