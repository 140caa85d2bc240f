#include "gui/registration/frm_Fauna.h"

#include "core/registration/ObservationColumns.h"
#include "core/registration/Places.h"
#include "core/registration/RecentObservations.h"
#include "core/registration/Validation.h"
#include "core/shared/DateTexts.h"
#include "core/shared/Prompter.h"
#include "core/shared/SharedProcedures.h"
#include "core/store/Program.h"
#include "gui/reference/ObserverLists.h"
#include "gui/registration/ControlGroups.h"
#include "gui/ui/ListProcedures.h"
#include "gui/windows/frm_Melding.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace lirvenda {

namespace {

const QString NoneChosen = QStringLiteral("Ingen observasjon er valgt.");

using Mode = RegistrationState::Mode;

int tickedCount(const QListWidget *list)
{
    int ticked = 0;
    for (int i = 0; i < list->count(); ++i)
        ticked += list->item(i)->checkState() == Qt::Checked;
    return ticked;
}

} // namespace

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
        prompter().information(NoneChosen);
    else if (m_state.mode() != Mode::Edit)
        SetEditState(Mode::Edit);
    else if (ValidateRegistration())
        SaveEdit();
}

// "&Stryk registrering" / "A&vbryt"
void frm_Fauna::Command9_Click()
{
    if (m_state.isEntering()) { // cancel: everything typed and every file added is dropped
        m_documents.discardAdded();
        SetBrowseState();
        ReturnToShownRegistration();
    } else if (!StandOnShownRegistration()) {
        prompter().information(NoneChosen);
    } else {
        DeleteShownRegistration();
    }
}

// Locality, place, position, nature type, reference, ring and the kind of record carry over.
void frm_Fauna::StartNewRegistration()
{
    ShowTodayAndNow();
    Text1->setText(QStringLiteral("1"));
    for (QLineEdit *box : {Text4, Text7, Text8})
        box->clear();
    Command2->setText(QStringLiteral("&Art"));
    m_state.sex().clear();
    m_state.age().clear();
    m_state.activity.clear();
    FillDefaultObservers(m_program, List1);
    m_documents.open({});
    if (const QListWidgetItem *species = List3->currentItem(); species && species->isSelected())
        Command2->setText(species->text());
    ClearNestFields();
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
        const Record row = m_program.observations().current();
        if (const int entry = rowOfKey(List2, row.text(QStringLiteral("ObsID"))); entry >= 0)
            List2->item(entry)->setText(savedRegistrationLine(row));
    });
}

// A deletion that fails leaves the row shown in the browse state, with the reason in a message.
void frm_Fauna::DeleteShownRegistration()
{
    SetEditState(Mode::ConfirmDelete); // the fields turn yellow while the question is open
    ObservationRecordSet &observations = m_program.observations();
    const QString obsUniqueId = observations.current().text(QStringLiteral("ObsUniqueID"));
    if (prompter().askYesNo(QStringLiteral("Vil du stryke denne registreringen?")) &&
        succeeds([&] { observations.removeCurrent(); })) {
        KeepDocumentationOfDeleted(obsUniqueId);
        prompter().information(QStringLiteral("Observasjonen er strøket."));
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
    Combo13->setEditText({});
    ShowPlace({});
    Command2->setText(QStringLiteral("&Art"));
    for (QLineEdit *box : {Text1, Text4, Text7, Text8})
        box->clear();
    Command31->setText(QStringLiteral("Ringmerking"));
    ShowNatureType({});
    List1->clear();
    m_documents.open({});
    DrawDocumentation();
    m_state.sex().clear();
    m_state.age().clear();
    m_state.activity.clear();
    m_state.reference.clear();
    ClearNestFields();
}

void frm_Fauna::ClearNestFields()
{
    Combo6->setCurrentIndex(0);
    Combo7->setCurrentIndex(9);
    for (QComboBox *field : {Combo8, Combo9, Combo10, Combo11, Combo12})
        field->setCurrentIndex(0);
    m_state.clearDirections();
    DrawChoices();
    for (QCheckBox *documentation : {Check2, Check3, Check4})
        documentation->setChecked(false);
    Text4->clear();
}

// "<---" and "--->" step from the row shown, wherever other windows left the record set; with no
// row shown they start at the last and the first row.
void frm_Fauna::Command11_Click()
{
    ObservationRecordSet &observations = m_program.observations();
    if (!StandOnShownRegistration()) {
        observations.moveLast(); // nothing shown: from the end
    } else {
        observations.movePrevious();
        if (observations.atBegin())
            observations.moveFirst();
    }
    ShowRegistration();
}

void frm_Fauna::Command12_Click()
{
    ObservationRecordSet &observations = m_program.observations();
    if (!StandOnShownRegistration()) {
        observations.moveFirst(); // nothing shown: from the beginning
    } else {
        observations.moveNext();
        if (observations.atEnd())
            observations.moveLast();
    }
    ShowRegistration();
}

// Opens a registration of this run for editing; one deleted since says "Ingen observasjon er valgt.".
void frm_Fauna::List2_DblClick(QListWidgetItem *entry)
{
    if (!m_program.observations().findObsId(keyOf(entry).toLongLong())) {
        prompter().information(NoneChosen);
        return;
    }
    ShowRegistration();
    Command8_Click();
}

RegistrationFields frm_Fauna::registrationFields() const
{
    RegistrationFields f;
    f.latitude = Text7->text();
    f.longitude = Text8->text();
    f.locality = Combo13->currentText();
    f.speciesCaption = Command2->text();
    f.count = Text1->text();
    f.startDate = Text2->text();
    f.startTime = Text3->text();
    f.stopDate = Text5->text();
    f.stopTime = Text6->text();
    f.tickedObservers = tickedCount(List1);
    return f;
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
    Observation o;
    o.start = storedDateTime(Text2->text(), Text3->text());
    o.stop = storedDateTime(Text5->text(), Text6->text());
    o.locality = Combo13->currentText();
    o.natureTypePath = Command37->property("tag").toString();
    o.placeCode = placeCodeOf(Combo3->currentData().toString(), Combo14->currentData().toString());
    o.latitude = Text7->text();
    o.longitude = Text8->text();
    o.speciesKey = BracketCode(Command2->text());
    o.countOperator = Combo1->currentText();
    o.count = countOfBox(Text1->text());
    o.comment = Text4->text();
    o.ring = ringOfCaption(Command31->text());
    o.isNest = m_state.isNest();
    o.nestSiteKey = Combo6->currentData().toString();
    o.treeKey = Combo7->currentData().toString();
    o.height = Combo8->currentText();
    o.exposure = m_state.exposure();
    o.adults = Combo11->currentText();
    o.eggs = Combo9->currentText();
    o.young = Combo10->currentText();
    o.youngAgeKey = Combo12->currentData().toString();
    o.sex = m_state.sex().caption();
    o.age = m_state.age().caption();
    o.activityKey = m_state.activity;
    o.photo = Check2->isChecked();
    o.video = Check3->isChecked();
    o.sound = Check4->isChecked();
    o.observers = ObserverIdList(List1).split(',', Qt::SkipEmptyParts);
    o.referenceKey = m_state.reference;
    return o;
}

bool frm_Fauna::SaveRegistration(SaveMode mode)
{
    ObservationRecordSet &observations = m_program.observations();
    const bool stored = succeeds([&] {
        Observation observation = shownObservation();
        // A changed row keeps its own unique ID, or takes the one its first file was filed under.
        observation.uniqueId =
            m_documents.id().isEmpty() && mode == SaveMode::Ny ? NewUniqueId(m_program) : m_documents.id();
        if (mode == SaveMode::Ny) {
            m_shownObsId =
                observations.append(savedObservationColumns(observation)); // "A&vbryt" of the next one shows it
        } else {
            observation.locality = ChangedLocality(m_program, observationFromRecord(observations.current()).locality,
                                                   observation.locality);
            observations.update(savedObservationColumns(observation));
        }
    });
    if (!stored)
        return false;
    m_documents.keep();
    if (mode == SaveMode::Ny) { // the next registration starts without files
        m_documents.open({});
        DrawDocumentation();
    }
    const QString speciesKey = BracketCode(Command2->text());
    Text1->clear();
    Text4->clear();
    Command2->setText(QStringLiteral("&Art"));
    m_state.sex().clear();
    m_state.age().clear();
    m_state.activity.clear();
    DrawChoices();
    succeeds([&] {
        RememberMainObserver(m_program, List1);
        const Record row = observations.current();
        RefreshLocalityList(row.text(QStringLiteral("Lokalitet")));
        RefreshSpeciesLists();
        if (mode == SaveMode::Ny) { // a changed row keeps its one line, rewritten after the edit
            addKeyedEntry(List2, {savedRegistrationLine(row), row.text(QStringLiteral("ObsID"))});
            List2->setCurrentRow(List2->count() - 1);
        }
        ShowRecentObservations(speciesKey);
        if (const int entry = rowOfKey(List3, speciesKey); entry >= 0)
            List3->setCurrentRow(entry);
        List6_Click();
    });
    prompter().beep();
    ShowTimedMessage(QStringLiteral("Registreringen lagret"));
    return true;
}

// "Svarttrost Antall = 2", the row number out of sight behind the blanks.
QString frm_Fauna::savedRegistrationLine(const Record &row) const
{
    return SpeciesDisplayName(m_program, row.text(QStringLiteral("Art")), false) + QStringLiteral(" Antall ") +
           row.text(QStringLiteral("Operator")) + ' ' + row.text(QStringLiteral("Antall")) + QString(100, ' ') +
           QStringLiteral(" [") + row.text(QStringLiteral("ObsID")) + ']';
}

void frm_Fauna::ShowRecentObservations(const QString &speciesKey)
{
    if (speciesKey.isEmpty())
        return;
    const RecentObservations recent = recentObservations(m_program, speciesKey);
    List4->clear();
    List4->addItems(recent.lines);
    Frame9->setTitle(recent.caption);
}

// "Nullstill aktivitet"
void frm_Fauna::Command22_Click()
{
    m_state.activity.clear();
    DrawChoices();
}

void frm_Fauna::List3_Click() { ChooseRegisteredSpecies(List3->currentItem()); }

void frm_Fauna::List6_Click() { ChooseRegisteredSpecies(List6->currentItem()); }

// While a registration is entered the clicked species becomes its species; in every state the
// recent-observation panel shows it.
void frm_Fauna::ChooseRegisteredSpecies(const QListWidgetItem *entry)
{
    if (!entry)
        return;
    if (Command2->isEnabled())
        Command2->setText(entry->text());
    ShowRecentObservations(keyOf(entry));
}

} // namespace lirvenda
