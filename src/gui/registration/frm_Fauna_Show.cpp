#include "gui/registration/frm_Fauna.h"

#include "core/reference/NatureTypes.h"
#include "core/registration/Observation.h"
#include "core/registration/Places.h"
#include "core/registration/Species.h"
#include "core/shared/DateTexts.h"
#include "core/shared/SharedProcedures.h"
#include "core/store/Program.h"
#include "gui/reference/ObserverLists.h"
#include "gui/registration/ControlGroups.h"
#include "gui/ui/ListProcedures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

namespace lirvenda {

namespace {

// Chooses the entry with the text. A stored value the list lacks is added, so that it shows and
// is written back unchanged; an empty value chooses nothing.
void showComboText(QComboBox *combo, const QString &text)
{
    if (text.isEmpty()) {
        combo->setCurrentIndex(-1);
        return;
    }
    if (combo->findText(text) < 0)
        combo->addItem(text);
    combo->setCurrentIndex(combo->findText(text));
}

// A stored key the list lacks chooses nothing.
QString keyInList(const QComboBox *combo, const QString &key) { return rowOfKey(combo, key) >= 0 ? key : QString(); }

// Chooses the entry with the key. A stored key the list lacks is added with its entry, so that it
// shows and is written back unchanged.
void showKeyedEntry(QComboBox *combo, const KeyedEntry &entry)
{
    if (rowOfKey(combo, entry.key) < 0)
        addKeyedEntry(combo, entry);
    combo->setCurrentIndex(rowOfKey(combo, entry.key));
}

// The entry whose key is the stored number; the first entry when none is.
void showNumberedEntry(QComboBox *combo, const QString &stored)
{
    combo->setCurrentIndex(std::max(0, rowOfKey(combo, QString::number(stored.toInt()))));
}

void showStoredDateTime(const QString &stored, QLineEdit *date, QLineEdit *time)
{
    date->setText(shownDate(stored));
    time->setText(shownTime(stored));
}

} // namespace

void frm_Fauna::ShowRegistration()
{
    ObservationRecordSet &observations = m_program.observations();
    if (observations.hasCurrent()) {
        m_shownObsId = observations.currentObsId();
        const Record row = observations.current();
        ShowFieldsOfBothKinds(row);
        if (row.text(QStringLiteral("Reirplassering")).isEmpty())
            ShowIndividualDetails(row);
        else
            ShowNestDetails(row);
        ShowDocumentationAndExposure(row);
        DrawChoices();
    }
    ShowRecentObservations(BracketCode(Command2->text()));
}

void frm_Fauna::ShowFieldsOfBothKinds(const Record &row)
{
    Combo13->setEditText(StoredLocalityText(m_program, row.text(QStringLiteral("Lokalitet"))));
    ShowPlace(row.text(QStringLiteral("Fylke_Kommune")));
    Command2->setText(SpeciesDisplayText(m_program, row.text(QStringLiteral("Art"))));
    showComboText(Combo1, row.text(QStringLiteral("Operator")));
    Text1->setText(row.text(QStringLiteral("Antall")));
    showStoredDateTime(row.text(QStringLiteral("StartDato")), Text2, Text3);
    showStoredDateTime(row.text(QStringLiteral("StoppDato")), Text5, Text6);
    Text4->setText(row.text(QStringLiteral("Kommentar")));
    Text7->setText(row.text(QStringLiteral("Breddegrad")));
    Text8->setText(row.text(QStringLiteral("Lengdegrad")));
    m_state.sex().clear();
    m_state.age().clear();
    m_state.activity.clear();
    m_state.reference = keyInList(Combo4, row.text(QStringLiteral("Referanse")));
    Command31->setText(ringCaption(row.text(QStringLiteral("Ring"))));
    ShowObservers(row.text(QStringLiteral("Observatører")));
    ShowNatureType(row.text(QStringLiteral("Naturtype")));
}

// The municipality list is that of the shown county, so the place can be changed from there.
void frm_Fauna::ShowPlace(const QString &placeCode)
{
    FillMunicipalityList(CountyNumberOf(placeCode));
    if (placeCode.isEmpty()) {
        showComboText(Combo3, QStringLiteral("-"));
        return;
    }
    showKeyedEntry(Combo3, PlaceItem(CountyName(m_program, placeCode), CountyCodeOf(placeCode)));
    if (IsMunicipalityCode(placeCode))
        showKeyedEntry(Combo14, PlaceItem(MunicipalityName(m_program, placeCode), placeCode));
    else
        showComboText(Combo14, QStringLiteral("-"));
}

void frm_Fauna::FillMunicipalityList(const QString &countyNumber)
{
    Combo14->clear();
    Combo14->addItem(QStringLiteral("-"));
    addKeyedEntries(Combo14, MunicipalityItems(m_program, countyNumber));
    Combo14->setCurrentIndex(0);
}

void frm_Fauna::ShowNatureType(const QString &path) { ShowNatureTypeChoice(NatureTypeText(m_program, path), path); }

void frm_Fauna::ShowNatureTypeChoice(const QString &caption, const QString &path)
{
    Command37->setText(caption);
    Command37->setToolTip(caption);
    Command37->setProperty("tag", path);
}

// The first observer is the main observer.
void frm_Fauna::ShowObservers(const QString &observerIds)
{
    List1->clear();
    for (const QString &id : observerIds.split(',', Qt::SkipEmptyParts))
        AddObserverEntry(List1, ObserverEntry(m_program, id));
    if (List1->count() > 0)
        List1->item(0)->setCheckState(Qt::Checked);
}

void frm_Fauna::ShowNestDetails(const Record &row)
{
    ShowRecordKind(RegistrationState::Kind::Nest);
    showNumberedEntry(Combo6, row.text(QStringLiteral("Reirplassering")));
    showNumberedEntry(Combo7, row.text(QStringLiteral("Tresort")));
    showComboText(Combo8, row.text(QStringLiteral("HOM")));
    showComboText(Combo9, row.text(QStringLiteral("AntallEgg")));
    showComboText(Combo11, row.text(QStringLiteral("AntallVoksne")));
    showComboText(Combo10, row.text(QStringLiteral("AntallUnger")));
    showNumberedEntry(Combo12, row.text(QStringLiteral("UngeAlder")));
}

void frm_Fauna::ShowIndividualDetails(const Record &row)
{
    ShowRecordKind(RegistrationState::Kind::Individual);
    m_state.sex().chooseCaption(row.text(QStringLiteral("Kjønn")));
    m_state.age().chooseCaption(row.text(QStringLiteral("Alder")));
    m_state.activity = keyInList(Combo2, row.text(QStringLiteral("AtlasKode")));
}

// Directions not stored are cleared, so a direction never carries over from the row shown before.
void frm_Fauna::ShowDocumentationAndExposure(const Record &row)
{
    const QString documentation = row.text(QStringLiteral("Dokumentasjon"));
    Check2->setChecked(documentation.contains('F'));
    Check3->setChecked(documentation.contains('V'));
    Check4->setChecked(documentation.contains('L'));
    m_state.setExposure(row.text(QStringLiteral("Eksponering")));
    m_documents.open(row.text(QStringLiteral("ObsUniqueID")));
    DrawDocumentation();
}

} // namespace lirvenda
