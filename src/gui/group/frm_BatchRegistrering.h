#pragma once

#include "core/shared/SharedProcedures.h"
#include "gui/group/GroupDialog.h"

#include <QList>
#include <QStringList>

class QCheckBox;

namespace lirvenda {

class Program;

// "Artsutvalg": the first window of a group registration, where the species are chosen. exec()
// answers Accepted once the registration has ended in the entry grid.
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

private:
    Program &m_program;
    ChoiceList *m_species; // List1: the selection is the choice
    QCheckBox *m_keyOrder; // Check1: "Systematisk rekkefølge"
};

} // namespace lirvenda
