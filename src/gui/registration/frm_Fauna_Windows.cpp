#include "gui/registration/frm_Fauna.h"

#include "core/group/GroupSave.h"
#include "core/shared/Prompter.h"
#include "core/store/Program.h"
#include "gui/archive/frm_Arkiv.h"
#include "gui/group/frm_BatchRegistrering.h"
#include "gui/registration/ListPanels.h"
#include "gui/registration/PlacePanel.h"

namespace lirvenda {

// "&Arkiv": the archive leaves the record set at the observation the user clicked, if any; else
// on the row shown.
void frm_Fauna::Command1_Click()
{
    StandOnShownRegistration();
    frm_Arkiv archive(m_program, this);
    archive.exec();
    if (m_program.observations().hasCurrent())
        ShowRegistration();
    else
        ReturnToShownRegistration();
}

// "&Grupperegistrering": many species at once, for one time, place and set of observers.
void frm_Fauna::Command24_Click()
{
    bool hasObserver = !m_observers->isEmpty();
    if (!hasObserver && !succeeds([&] { hasObserver = HasRegisteredObservers(m_program); }))
        return;
    if (!hasObserver) {
        prompter().information(
            QStringLiteral("Du må definere minst en observatør før du kan legge inn gruppeobservasjoner."));
        return;
    }
    frm_BatchRegistrering speciesList(m_program, m_registered->species(), this);
    speciesList.exec();
    succeeds([this] {
        ReturnToShownRegistration();
        RefreshSpeciesLists();
    });
}

// The stored observations are others now: the saved-in-this-run list names rows that are gone.
void frm_Fauna::ReopenObservations()
{
    succeeds([this] {
        ObservationRecordSet &observations = m_program.observations();
        m_recent->clearSaved();
        RefreshSpeciesLists();
        RefreshLocalityList({});
        if (observations.isEmpty()) {
            ShowNoRegistration();
            return;
        }
        observations.moveLast();
        ShowRegistration();
    });
}

} // namespace lirvenda
