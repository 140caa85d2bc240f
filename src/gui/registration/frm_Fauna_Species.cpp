#include "gui/registration/frm_Fauna.h"

#include "core/registration/Species.h"
#include "gui/ui/ListProcedures.h"

#include <QCheckBox>
#include <QListWidget>

namespace lirvenda {

// Both lists hold the same species: "Registrerte arter" shows them by name, "Systematisk liste"
// in key order.
void frm_Fauna::RefreshSpeciesLists()
{
    const bool systematic = Check1->isChecked();
    const QList<KeyedEntry> entries = RegisteredSpeciesEntries(m_program, systematic);
    List3->clear();
    List6->clear();
    addKeyedEntries(List3, SortedAlphabetically(entries));
    addKeyedEntries(List6, entries);
    List3->setVisible(!systematic);
    List6->setVisible(systematic);
}

void frm_Fauna::Check1_Click() { RefreshSpeciesLists(); }

} // namespace lirvenda
