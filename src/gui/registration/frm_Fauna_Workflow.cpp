#include "gui/registration/frm_Fauna.h"

#include "core/registration/ObservationColumns.h"
#include "core/registration/Places.h"
#include "core/registration/RecentObservations.h"
#include "core/registration/Validation.h"
#include "core/shared/Prompter.h"
#include "core/shared/UniqueIds.h"
#include "core/species/Species.h"
#include "core/store/Program.h"
#include "gui/registration/CommandPanel.h"
#include "gui/registration/DetailsPanel.h"
#include "gui/registration/DocumentationPanel.h"
#include "gui/registration/ListPanels.h"
#include "gui/registration/PlacePanel.h"
#include "gui/registration/SpeciesPanel.h"
#include "gui/windows/frm_Melding.h"

namespace lirvenda {

namespace {

using Mode = RegistrationState::Mode;

QString noneChosen() { return frm_Fauna::tr("Ingen observasjon er valgt."); }

} // namespace

void frm_Fauna::ShowRegistration()
{
    ObservationRecordSet &observations = m_program.observations();
    if (observations.hasCurrent()) {
        m_shownObsId = observations.currentObsId();
        const Observation shown = observationFromRecord(observations.current());
        m_place->show(shown);
        m_species->show(shown);
        m_reference->show(shown.referenceKey);
        m_observers->show(shown.observers);
        m_details->show(shown);
        m_documentation->open(shown.uniqueId);
        m_reference->draw();
    }
    ShowRecentObservations(m_species->speciesKey());
}

// "&Ny registrering" / "&Lagre registrering"
void frm_Fauna::Command7_Click()
{
    if (m_state.mode() != Mode::New)
        StartNewRegistration();
    else if (ValidateRegistration())
        SaveRegistration(SaveMode::Ny);
}

// "&Endre registrering" / "&Lagre endring"
void frm_Fauna::Command8_Click()
{
    if (!StandOnShownRegistration())
        prompter().information(noneChosen());
    else if (m_state.mode() != Mode::Edit)
        SetEditState(Mode::Edit);
    else if (ValidateRegistration())
        SaveEdit();
}

// "&Stryk registrering" / "A&vbryt"
void frm_Fauna::Command9_Click()
{
    if (m_state.isEntering()) { // cancel: everything typed and every file added is dropped
        m_documentation->discardAdded();
        SetBrowseState();
        ReturnToShownRegistration();
    } else if (!StandOnShownRegistration()) {
        prompter().information(noneChosen());
    } else {
        DeleteShownRegistration();
    }
}

// Locality, place, position, nature type, reference, ring and the kind of record carry over; a
// species selected in "Registrerte arter" is the new registration's.
void frm_Fauna::StartNewRegistration()
{
    m_species->startNew(m_registered->selectedSpecies());
    m_place->clearPosition();
    m_details->clearIndividualChoices();
    m_observers->fillDefaults();
    m_documentation->open({});
    m_details->clearNestFields();
    SetEditState(Mode::New);
}

void frm_Fauna::SaveEdit()
{
    RefreshSpeciesLists();
    if (!SaveRegistration(SaveMode::Edit))
        return;
    ShowRegistration();
    SetBrowseState();
    succeeds([this] {
        RefreshSpeciesLists();
        const Observation saved = observationFromRecord(m_program.observations().current());
        m_recent->rewriteSaved({savedRegistrationLine(saved), QString::number(saved.obsId)});
    });
}

// A deletion that fails leaves the row shown in the browse state, with the reason in a message.
void frm_Fauna::DeleteShownRegistration()
{
    SetEditState(Mode::ConfirmDelete); // the fields turn yellow while the question is open
    ObservationRecordSet &observations = m_program.observations();
    const QString obsUniqueId = observationFromRecord(observations.current()).uniqueId;
    if (prompter().askYesNo(tr("Vil du stryke denne registreringen?")) &&
        succeeds([&] { observations.removeCurrent(); })) {
        m_documentation->keepFilesOfDeleted(obsUniqueId);
        prompter().information(tr("Observasjonen er strøket."));
        if (observations.hasCurrent())
            ShowRegistration();
        else
            ShowNoRegistration();
    }
    SetBrowseState();
}

bool frm_Fauna::StandOnShownRegistration() { return m_program.observations().findObsId(m_shownObsId); }

void frm_Fauna::ReturnToShownRegistration()
{
    if (StandOnShownRegistration())
        ShowRegistration();
}

// After the last observation is deleted nothing of it stays on the window.
void frm_Fauna::ShowNoRegistration()
{
    m_shownObsId = 0;
    m_place->clear();
    m_species->clearSpeciesAndCount();
    m_observers->clear();
    m_documentation->open({});
    m_details->clear();
    m_state.reference.clear();
    m_reference->draw();
}

// "<---" and "--->" step from the row shown, wherever other windows left the record set, and stay
// on the first and the last row; with no row shown they start at the last and the first row.
void frm_Fauna::StepThroughObservations(bool forward)
{
    ObservationRecordSet &observations = m_program.observations();
    if (!StandOnShownRegistration())
        forward ? observations.moveFirst() : observations.moveLast();
    else if (forward)
        observations.moveNext();
    else
        observations.movePrevious();
    if (observations.atEnd())
        observations.moveLast();
    else if (observations.atBegin())
        observations.moveFirst();
    ShowRegistration();
}

// Opens a registration of this run for editing; one deleted since says "Ingen observasjon er valgt.".
void frm_Fauna::OpenSavedRegistration(qint64 obsId)
{
    if (!m_program.observations().findObsId(obsId)) {
        prompter().information(noneChosen());
        return;
    }
    ShowRegistration();
    Command8_Click();
}

RegistrationFields frm_Fauna::registrationFields() const
{
    RegistrationFields fields;
    m_place->read(fields);
    m_species->read(fields);
    m_observers->read(fields);
    return fields;
}

bool frm_Fauna::ValidateRegistration()
{
    const QList<ValidationMessage> problems = registrationProblems(m_program, registrationFields());
    for (const ValidationMessage &problem : problems)
        prompter().message(problem.text,
                           problem.exclamation ? Prompter::Icon::Exclamation : Prompter::Icon::Information);
    return problems.isEmpty();
}

Observation frm_Fauna::shownObservation() const
{
    Observation observation;
    m_place->read(observation);
    m_species->read(observation);
    m_details->read(observation);
    m_observers->read(observation);
    observation.referenceKey = m_state.reference;
    return observation;
}

bool frm_Fauna::SaveRegistration(SaveMode mode)
{
    ObservationRecordSet &observations = m_program.observations();
    const bool stored = succeeds([&] {
        Observation observation = shownObservation();
        // A changed row keeps its own unique ID, or takes the one its first file was filed under.
        const QString filedUnder = m_documentation->id();
        observation.uniqueId = filedUnder.isEmpty() && mode == SaveMode::Ny ? newUniqueId(m_program) : filedUnder;
        if (mode == SaveMode::Ny) {
            m_shownObsId =
                observations.append(savedObservationColumns(observation)); // "A&vbryt" of the next one shows it
        } else {
            observation.locality = changedLocality(m_program, observationFromRecord(observations.current()).locality,
                                                   observation.locality);
            observations.update(savedObservationColumns(observation));
        }
    });
    if (!stored)
        return false;
    m_documentation->keep();
    if (mode == SaveMode::Ny) // the next registration starts without files
        m_documentation->open({});
    ReadyNextRegistration(mode);
    prompter().beep();
    showTimedMessage(tr("Registreringen lagret"));
    return true;
}

// Once the row is stored the window moves on, also when a later step fails (shown as a message).
void frm_Fauna::ReadyNextRegistration(SaveMode mode)
{
    const QString speciesKey = m_species->speciesKey();
    m_species->clearSpeciesAndCount();
    m_details->clearComment();
    m_details->clearIndividualChoices();
    m_details->drawChoices();
    succeeds([&] {
        m_observers->rememberMainObserver();
        const Observation saved = observationFromRecord(m_program.observations().current());
        RefreshLocalityList(saved.locality);
        RefreshSpeciesLists();
        if (mode == SaveMode::Ny) // a changed row keeps its one line, rewritten after the edit
            m_recent->addSaved({savedRegistrationLine(saved), QString::number(saved.obsId)});
        ShowRecentObservations(speciesKey);
        m_registered->selectSpecies(speciesKey);
    });
}

// "Svarttrost Antall = 2", the row number out of sight behind the blanks.
QString frm_Fauna::savedRegistrationLine(const Observation &saved) const
{
    const QString count = saved.count ? QString::number(*saved.count) : QString();
    return tr("%1 Antall %2 %3")
               .arg(speciesDisplayName(m_program, saved.speciesKey, false), saved.countOperator, count) +
           QString(100, ' ') + QStringLiteral(" [") + QString::number(saved.obsId) + ']';
}

void frm_Fauna::ShowRecentObservations(const QString &speciesKey)
{
    if (!speciesKey.isEmpty())
        m_recent->showRecent(recentObservations(m_program, speciesKey));
}

// While a registration is entered the clicked species becomes its species; in every state the
// recent-observation panel shows it.
void frm_Fauna::ChooseRegisteredSpecies(const QString &caption, const QString &speciesKey)
{
    m_species->takeSpecies(caption);
    ShowRecentObservations(speciesKey);
}

} // namespace lirvenda
