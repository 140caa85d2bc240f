#pragma once

#include "core/registration/RegistrationState.h"

#include <QWidget>

#include <array>
#include <memory>
#include <vector>

class QDate;
class QLineEdit;
class QTimer;

namespace lirvenda {

class CommandPanel;
class DetailsPanel;
class DocumentationPanel;
class GpsReceiver;
class ObserversPanel;
class PlacePanel;
class Program;
class RecentPanel;
class Record;
class ReferencePanel;
class RegisteredSpeciesPanel;
class SpeciesGroupButtons;
class SpeciesPanel;
class WaypointSource;
class WorkflowButtons;
struct RegistrationFields;
struct RegistrationValues;

// The main window: registration of one observation, browsing, and the hub of every other window.
// Its panels show an observation and read what the user entered; the window keeps the state, the
// registration workflow and the row it shows.
class frm_Fauna : public QWidget {
    Q_OBJECT
public:
    enum class Splash { Show, Skip };

    explicit frm_Fauna(Program &program, QWidget *parent = nullptr);
    ~frm_Fauna() override;

    // The start-up sequence. Throws DatabaseError when a database file cannot be opened.
    void Form_Load(Splash splash = Splash::Show);

    // The state of the window and its choices; the window draws it.
    const RegistrationState &state() const { return m_state; }
    void SetBrowseState();
    // Opens the fields for a new registration, a change, or while a deletion is asked about.
    void SetEditState(RegistrationState::Mode mode);
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

    // The position from a GPS receiver or a map waypoint.
    void Timer1_Timer();
    void Command36_Click();
    QTimer *Timer1; // GPS and map polling

private:
    void CreatePanels();
    void LayOutColumns();
    void ConnectPanels();
    void ConnectCommands();
    void FillListsFromDatabase();

    // The workflow.
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Command11_Click();
    void Command12_Click();
    void OpenSavedRegistration(qint64 obsId);
    void StartNewRegistration();
    bool ValidateRegistration();
    enum class SaveMode { Ny, Edit };
    // Stores the window into a new row or into the current row, then readies the next registration.
    // False when nothing was stored: the window keeps everything typed.
    bool SaveRegistration(SaveMode mode);
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
    RegistrationValues registrationValues() const;
    QString savedRegistrationLine(const Record &row) const;
    void SetMode(RegistrationState::Mode mode);

    // Windows opened from the main window.
    void Command1_Click();
    void Command24_Click();
    void Command30_Click();
    // After the atlas import: the record set and the lists anew, the last row shown.
    void ReopenObservations();
    void Command23_Click();
    void ExportToPortal(const QString &templatePath, const QDate &today);

    // Where the position comes from while a registration is entered; its button is yellow.
    enum class PositionSource { Typed, Receiver, Map };
    void BuildPositionLink();
    void Command28_Click();
    void Command17_Click();
    void ConnectGps();
    void ShowGpsActive(bool active);
    void OpenGpsSettings();
    void EnableMapButton();
    void CopyReadout();
    void UsePositionSource(PositionSource source);

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

    std::array<QLineEdit *, 3> Text9; // read-out of the last fix: latitude, longitude, course (hidden)
    std::unique_ptr<GpsReceiver> m_gps;
    bool m_gpsActive = false;
    std::vector<std::unique_ptr<WaypointSource>> m_waypointSources;
    PositionSource m_positionSource = PositionSource::Typed;
};

} // namespace lirvenda
