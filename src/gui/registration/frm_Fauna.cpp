#include "gui/registration/frm_Fauna.h"

#include "core/exchange/AtlasImport.h"
#include "core/group/GroupSave.h"
#include "core/positions/GpsSettings.h"
#include "core/registration/RecentObservations.h"
#include "core/shared/DateTexts.h"
#include "core/shared/Prompter.h"
#include "core/species/Species.h"
#include "core/store/Program.h"
#include "gui/archive/frm_Arkiv.h"
#include "gui/group/frm_BatchRegistrering.h"
#include "gui/lists/frm_Lister.h"
#include "gui/positions/PositionLink.h"
#include "gui/registration/CommandPanel.h"
#include "gui/registration/DetailsPanel.h"
#include "gui/registration/DocumentationPanel.h"
#include "gui/registration/ExchangeCommands.h"
#include "gui/registration/ListPanels.h"
#include "gui/registration/PanelControls.h"
#include "gui/registration/PlacePanel.h"
#include "gui/registration/RegistrationButtons.h"
#include "gui/registration/SpeciesPanel.h"
#include "gui/ui/NamedControl.h"
#include "gui/windows/frm_Frontside.h"

#include <QDate>
#include <QGroupBox>
#include <QHBoxLayout>

namespace lirvenda {

frm_Fauna::frm_Fauna(Program &program, QWidget *parent) : QWidget(parent), m_program(program)
{
    setObjectName(QStringLiteral("frm_Fauna"));
    CreatePanels();
    m_positionLink = new PositionLink(m_program, this);
    m_place->follow(*m_positionLink);
    m_commands->follow(*m_positionLink, m_state);
    ConnectPanels();
    resize(minimumSizeHint().expandedTo(QSize(1100, 640))); // the window's usual size, when the font leaves room
}

// Three columns: the registration; documentation, registered species and observers; the recent
// observations, the other windows' buttons and the reference. Made in the order the tab key takes.
void frm_Fauna::CreatePanels()
{
    auto *registration = named(new QGroupBox(this), QStringLiteral("Frame1"));
    m_groups = new SpeciesGroupButtons(m_state, registration);
    m_place = new PlacePanel(m_program, registration);
    m_species = new SpeciesPanel(m_program, m_state, registration);
    m_workflow = new WorkflowButtons(registration);
    m_details = new DetailsPanel(m_state, registration);
    framed(registration, column(nullptr, {m_groups, m_place, m_species, m_workflow, m_details}));
    m_documentation = new DocumentationPanel(m_program, m_state, this);
    m_registered = new RegisteredSpeciesPanel(this);
    m_observers = new ObserversPanel(m_program, this);
    m_recent = new RecentPanel(this);
    m_commands = new CommandPanel(m_program, this);
    m_reference = new ReferencePanel(m_program, m_state, this);
    auto *columns = new QHBoxLayout(this);
    columns->setContentsMargins(4, 4, 4, 4);
    columns->addWidget(registration);
    QVBoxLayout *middle = column(nullptr, {m_documentation, m_registered, m_observers});
    middle->setStretch(1, 1);
    middle->setStretch(2, 1);
    columns->addLayout(middle, 1);
    QVBoxLayout *right = column(nullptr, {m_recent, m_commands, m_reference});
    right->setStretch(0, 1);
    columns->addLayout(right, 1);
}

void frm_Fauna::ConnectPanels()
{
    connect(m_species, &SpeciesPanel::speciesChosen, this, &frm_Fauna::ShowRecentObservations);
    connect(m_species, &SpeciesPanel::previousClicked, this, [this] { StepThroughObservations(false); });
    connect(m_species, &SpeciesPanel::nextClicked, this, [this] { StepThroughObservations(true); });
    connect(m_workflow, &WorkflowButtons::newClicked, this, &frm_Fauna::Command7_Click);
    connect(m_workflow, &WorkflowButtons::editClicked, this, &frm_Fauna::Command8_Click);
    connect(m_workflow, &WorkflowButtons::deleteClicked, this, &frm_Fauna::Command9_Click);
    connect(m_registered, &RegisteredSpeciesPanel::speciesClicked, this, &frm_Fauna::ChooseRegisteredSpecies);
    connect(m_recent, &RecentPanel::savedChosen, this, &frm_Fauna::OpenSavedRegistration);
    connect(m_documentation, &DocumentationPanel::kindsAdded, m_details, &DetailsPanel::tickDocumentation);
    using Command = CommandPanel::Command;
    m_commands->onClick(Command::Archive, this, [this] { Command1_Click(); });
    m_commands->onClick(Command::GroupRegistration, this, [this] { Command24_Click(); });
    m_commands->onClick(Command::Lists, this, [this] { Command40_Click(); });
    m_commands->onClick(Command::AtlasImport, this,
                        [this] { RunAtlasImport(m_program, [this] { ReopenObservations(); }); });
    m_commands->onClick(Command::EbirdImport, this, [this] {
        RunEbirdImport(
            m_program, [this] { ReopenObservations(); }, this);
    });
}

void frm_Fauna::Form_Load(Splash splash)
{
    m_program.openMainConnection();
    m_program.openObserverConnection();
    RefreshLocalityList({});
    setWindowTitle(tr("Lirvenda  %1 - Versjon: %2").arg(dateBoxText(QDate::currentDate()), m_program.versionText));
    m_species->fillChoices();
    m_species->showTodayAndNow();
    m_program.openObservations();
    RefreshSpeciesLists();
    loadGpsSettings(m_program);
    FillListsFromDatabase();
    SetBrowseState();
    ObservationRecordSet &observations = m_program.observations();
    if (!observations.isEmpty())
        observations.moveLast();
    ShowRegistration();
    if (splash == Splash::Show && !m_program.observerFileExists()) {
        frm_Frontside front(this);
        front.exec();
    }
    Command32_Click(0);
    m_positionLink->start();
}

void frm_Fauna::FillListsFromDatabase()
{
    m_details->fillChoices(m_program);
    m_reference->fill();
    m_place->fillCounties();
    m_commands->showAtlasImport(hasAtlasRecords(m_program));
    m_groups->enableGroupsWithTaxa(m_program);
}

void frm_Fauna::RefreshLocalityList(const QString &locality) { m_place->refreshLocalities(locality); }

void frm_Fauna::RefreshSpeciesLists() { m_registered->setSpecies(registeredSpeciesEntries(m_program, true)); }

QString frm_Fauna::SelectedSpeciesGroup() const { return m_state.speciesClass(); }

void frm_Fauna::Command32_Click(int index) { m_groups->choose(index); }

void frm_Fauna::Command2_Click() { m_species->chooseSpecies(); }

void frm_Fauna::AddDocumentation(const QStringList &files) { m_documentation->add(files); }

void frm_Fauna::Image1_Click() { m_documentation->openViewer(); }

void frm_Fauna::SetMode(RegistrationState::Mode mode)
{
    m_state.setMode(mode);
    const bool entering = m_state.isEntering();
    m_place->setEntering(entering);
    m_species->setEntering(entering);
    m_details->setEntering(entering);
    m_reference->setEntering(entering);
    m_observers->setEntering(entering);
    m_recent->setEntering(entering);
    m_commands->setEntering(entering);
    m_positionLink->setEntering(entering);
    m_workflow->draw(m_state);
    m_groups->draw();
    m_documentation->draw();
}

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

// "&Lister": a double click on a line leaves the record set at the observation it stands for.
void frm_Fauna::Command40_Click()
{
    StandOnShownRegistration();
    frm_Lister lists(m_program, this);
    if (lists.exec() == QDialog::Accepted)
        ShowRegistration();
    else
        ReturnToShownRegistration();
}

// "&Grupperegistrering": many species at once, for one time, place and set of observers.
void frm_Fauna::Command24_Click()
{
    bool hasObserver = !m_observers->isEmpty();
    if (!hasObserver && !succeeds([&] { hasObserver = hasRegisteredObservers(m_program); }))
        return;
    if (!hasObserver) {
        prompter().information(tr("Du må definere minst en observatør før du kan legge inn gruppeobservasjoner."));
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
