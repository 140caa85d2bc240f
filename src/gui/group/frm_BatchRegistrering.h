#pragma once

#include "core/shared/SharedProcedures.h"
#include "gui/group/GroupDialog.h"

#include <QList>
#include <QStringList>

class QCheckBox;
class QGroupBox;
class QListWidget;
class QPushButton;

namespace lirvenda {

class Program;

// "Artsutvalg": the first window of a group registration, where the species are chosen.
class frm_BatchRegistrering : public GroupDialog {
    Q_OBJECT
public:
    // Starts with the species as the main window lists them, none chosen.
    frm_BatchRegistrering(Program &program, const QList<KeyedEntry> &registeredSpecies, QWidget *parent = nullptr);

    // The keys of the chosen species, in list order.
    QStringList chosenSpeciesKeys() const;

    void Check1_Click();
    void Command4_Click();
    void Command3_Click();
    void Command2_Click();

    QGroupBox *Frame1;     // "Velg observerte arter"
    QListWidget *List1;    // species; the selection is the choice
    QCheckBox *Check1;     // "Systematisk rekkefølge"
    QPushButton *Command4; // "Merk alle"
    QPushButton *Command3; // "&Sett inn flere arter"
    QPushButton *Command2; // "&Gå videre"
    QPushButton *Command1; // "&Avbryt"

private:
    Program &m_program;
};

} // namespace lirvenda
