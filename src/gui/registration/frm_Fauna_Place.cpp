#include "gui/registration/frm_Fauna.h"

#include "core/reference/References.h"
#include "core/registration/Places.h"
#include "core/store/Program.h"
#include "gui/reference/frm_Naturtyper.h"
#include "gui/reference/frm_Referanse_Modify.h"
#include "gui/registration/frm_Fylke_Kommune.h"
#include "gui/registration/frm_Lokalitet.h"
#include "gui/ui/Colours.h"
#include "gui/ui/ListProcedures.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>

namespace lirvenda {

// The municipality list always belongs to the chosen county.
void frm_Fauna::Combo3_Click() { FillMunicipalityList(CountyNumberOf(Combo3->currentData().toString())); }

// "Fylke/kom."
void frm_Fauna::Label19_Click()
{
    const QString code = SuggestMunicipality(m_program, Text7->text(), Text8->text(), this);
    if (!code.isEmpty())
        SelectPlace(code);
}

// "Lokalitet"
void frm_Fauna::Label6_Click()
{
    frm_Lokalitet picker(m_program, this);
    if (picker.exec() == QDialog::Accepted)
        TakeOverPlace(*picker.pickedPlace());
}

// Chosen by code, never by name: a name may be part of another name ("Nes", "Nesodden").
// A place code the lists lack chooses "-".
void frm_Fauna::SelectPlace(const QString &placeCode)
{
    Combo3->setCurrentIndex(std::max(0, rowOfKey(Combo3, CountyCodeOf(placeCode))));
    Combo14->setCurrentIndex(IsMunicipalityCode(placeCode) ? std::max(0, rowOfKey(Combo14, placeCode)) : 0);
}

void frm_Fauna::TakeOverPlace(const UsedPlace &place)
{
    Combo13->setEditText(place.locality);
    SelectPlace(place.placeCode);
    Text7->setText(place.latitude);
    Text8->setText(place.longitude);
    ShowNatureType(place.natureType);
}

void frm_Fauna::Command37_Click()
{
    frm_Naturtyper picker(m_program, this);
    connect(&picker, &frm_Naturtyper::natureTypeChosen, this, &frm_Fauna::ShowNatureTypeChoice);
    picker.Preselect(Command37->property("tag").toString());
    picker.exec();
}

// A reference chosen by the user or by the program; while a registration is entered it turns yellow.
void frm_Fauna::Combo4_Click()
{
    m_state.reference = Combo4->currentData().toString();
    DrawChoices();
}

// "Ny": the new reference becomes the registration's.
void frm_Fauna::Command27_Click()
{
    frm_Referanse_Modify dialog(m_program, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    FillReferenceList();
    m_state.reference = QString::number(dialog.savedReferenceId());
    DrawChoices();
}

// "Nullstill referanse"
void frm_Fauna::Command29_Click()
{
    m_state.reference.clear();
    DrawChoices();
}

void frm_Fauna::FillReferenceList()
{
    {
        const QSignalBlocker refilledNotChosen(Combo4);
        Combo4->clear();
        addKeyedEntries(Combo4, ReferenceItems(m_program));
    }
    DrawChoices();
}

} // namespace lirvenda
