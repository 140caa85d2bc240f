#include "gui/registration/frm_Fauna.h"

#include "core/registration/Species.h"

#include <QCheckBox>
#include <QListWidget>

namespace lirvenda {

// Both lists hold the same species: "Registrerte arter" shows them by name, "Systematisk liste"
// in key order.
void frm_Fauna::RefreshSpeciesLists()
{
    const bool systematic = Check1->isChecked();
    const QStringList texts = RegisteredSpeciesTexts(m_program, systematic);
    List3->clear();
    List6->clear();
    List3->addItems(SortedAlphabetically(texts));
    List6->addItems(texts);
    List3->setVisible(!systematic);
    List6->setVisible(systematic);
}

void frm_Fauna::Check1_Click() { RefreshSpeciesLists(); }

} // namespace lirvenda
