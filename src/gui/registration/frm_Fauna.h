#pragma once

#include "core/registration/RegistrationState.h"

#include <QWidget>

namespace lirvenda {

class CommandPanel;
class DetailsPanel;
class DocumentationPanel;
class ObserversPanel;
class PlacePanel;
class PositionLink;
class Program;
class RecentPanel;
class ReferencePanel;
class RegisteredSpeciesPanel;
class SpeciesGroupButtons;
class SpeciesPanel;
class WorkflowButtons;
struct RegistrationFields;
struct Observation;

// The main window: registration of one observation, browsing, and the hub of every other window.
// Its panels show an observation and read what the user entered; the window keeps the state, the
// registration workflow and the row it shows.
class frm_Fauna : public QWidget {
    Q_OBJECT
public:
    enum class Splash { Show, Skip };

    explicit frm_Fauna(Program &program, QWidget *parent = nullptr);

    // The start-up sequence. Throws DatabaseError when a database file cannot be opened.
    void Form_Load(Splash splash = Splash::Show);

    // The state of the window and its choices; the window draws it.
    const RegistrationState &state() const { return m_state; }
    void SetBrowseState() { SetMode(RegistrationState::Mode::Browse); }
    // Opens the fields for a new registration, a change, or while a deletion is asked about.
    void SetEditState(RegistrationState::Mode mode) { SetMode(mode); }
    void RefreshLocalityList(const QString &locality);
    void RefreshSpeciesLists();
    // Fills the window from the current row of the observation record set, which becomes the row
    // the window shows.
    void ShowRegistration();

    // The species group the species search looks in, and the search itself.
    QString SelectedSpeciesGroup() const;
    void Command32_Click(int index);
    void Command2_Click();
    // Documentation files: added while a registration is entered or changed, shown by Image1.
    void AddDocumentation(const QStringList &files);
    void Image1_Click();

    // "&Ny registrering" / "&Lagre registrering"
    void Command7_Click();
    enum class SaveMode { Ny, Edit };
    // Stores the window into a new row or into the current row, then readies the next registration.
    // False when nothing was stored: the window keeps everything typed.
    bool SaveRegistration(SaveMode mode);

private:
    void CreatePanels();
    void ConnectPanels();
    void FillListsFromDatabase();

    // The workflow.
    void Command8_Click();
    void Command9_Click();
    void StepThroughObservations(bool forward);
    void OpenSavedRegistration(qint64 obsId);
    void StartNewRegistration();
    bool ValidateRegistration();
    void ReadyNextRegistration(SaveMode mode);
    void SaveEdit();
    void DeleteShownRegistration();
    // Other windows move the record set (the group save stands it on its last new row): these put
    // it back on the row the window shows before anything acts on it. False when no row is shown.
    bool StandOnShownRegistration();
    void ReturnToShownRegistration();
    void ShowNoRegistration();
    void ShowRecentObservations(const QString &speciesKey);
    void ChooseRegisteredSpecies(const QString &caption, const QString &speciesKey);
    RegistrationFields registrationFields() const;
    Observation shownObservation() const;
    QString savedRegistrationLine(const Observation &saved) const;
    void SetMode(RegistrationState::Mode mode);

    // Windows opened from the main window.
    void Command1_Click();
    void Command24_Click();
    void Command40_Click();
    // After the atlas import: the record set and the lists anew, the last row shown.
    void ReopenObservations();

    Program &m_program;
    RegistrationState m_state;
    qint64 m_shownObsId = 0; // the row the window shows, 0 for none; changing and deleting act on it
    SpeciesGroupButtons *m_groups;
    PlacePanel *m_place;
    SpeciesPanel *m_species;
    WorkflowButtons *m_workflow;
    DetailsPanel *m_details;
    DocumentationPanel *m_documentation;
    RegisteredSpeciesPanel *m_registered;
    ObserversPanel *m_observers;
    RecentPanel *m_recent;
    CommandPanel *m_commands;
    ReferencePanel *m_reference;
    PositionLink *m_positionLink;
};

} // namespace lirvenda
