#include "gui/registration/PlacePanel.h"

#include "core/reference/NatureTypes.h"
#include "core/registration/Observation.h"
#include "core/registration/Places.h"
#include "core/registration/Validation.h"
#include "gui/positions/PositionLink.h"
#include "gui/reference/frm_Naturtyper.h"
#include "gui/registration/ControlGroups.h"
#include "gui/registration/PanelControls.h"
#include "gui/registration/frm_Fylke_Kommune.h"
#include "gui/registration/frm_Lokalitet.h"
#include "gui/ui/ClickableLabel.h"
#include "gui/ui/KeyedListModel.h"
#include "gui/ui/NamedControl.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace lirvenda {

namespace {

// "-", the first entry of the county and municipality lists: none chosen.
const QList<KeyedEntry> NoPlace = {{QStringLiteral("-"), {}}};

} // namespace

PlacePanel::PlacePanel(Program &program, QWidget *parent) : QWidget(parent), m_program(program)
{
    Label6 = named(new ClickableLabel(tr("Lokalitet"), this), QStringLiteral("Label6"));
    Combo13 = comboBox(this, QStringLiteral("Combo13"), true);
    Label19 = named(new ClickableLabel(tr("Fylke/kom."), this), QStringLiteral("Label19"));
    Combo3 = keyedComboBox(this, QStringLiteral("Combo3"));
    Combo14 = keyedComboBox(this, QStringLiteral("Combo14"));
    Label8 = label(this, QStringLiteral("Label8"), tr("Kommune/Naturtype"));
    Label20 = label(this, QStringLiteral("Label20"), tr("Naturtype"));
    Command37 = button(this, QStringLiteral("Command37"));
    Command17 = compactButton(this, QStringLiteral("Command17"), QStringLiteral("GPS"));
    Command36 = compactButton(this, QStringLiteral("Command36"), tr("Kart"));
    Label9 = label(this, QStringLiteral("Label9"), tr("Lat."));
    Text7 = textBox(this, QStringLiteral("Text7"));
    Label10 = label(this, QStringLiteral("Label10"), tr("Lon."));
    Text8 = textBox(this, QStringLiteral("Text8"));
    List5 = listBox(this, QStringLiteral("List5"));
    List5->hide();
    Label20->hide();
    for (int i = 0; i < int(Text9.size()); ++i) {
        Text9[i] = textBox(this, elementName("Text9", i));
        Text9[i]->hide();
    }
    layOut();
    connectHandlers();
}

// Captions on the left; the county and municipality share a row, as do the latitude and longitude.
void PlacePanel::layOut()
{
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(PanelSpacing);
    grid->addWidget(Label6, 0, 0);
    grid->addWidget(Combo13, 0, 1, 1, 2);
    grid->addWidget(Label19, 1, 0);
    grid->addWidget(Combo3, 1, 1);
    grid->addWidget(Combo14, 1, 2);
    grid->addWidget(Label8, 2, 0);
    grid->addWidget(Label20, 2, 0);
    grid->addWidget(Command37, 2, 1, 1, 2);
    grid->addLayout(row({Command17, Command36, nullptr}), 3, 0);
    grid->addLayout(row({Label9, Text7, Label10, Text8}), 3, 1, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    grid->setColumnMinimumWidth(0, captionColumnWidth(this));
}

void PlacePanel::connectHandlers()
{
    // The municipality list always belongs to the chosen county, also one the program chose.
    connect(Combo3, &QComboBox::currentIndexChanged, this,
            [this] { fillMunicipalities(countyNumberOf(Combo3->currentData().toString())); });
    connect(Label19, &ClickableLabel::clicked, this, &PlacePanel::suggestMunicipality);
    connect(Label6, &ClickableLabel::clicked, this, &PlacePanel::pickLocality);
    connect(Command37, &QPushButton::clicked, this, &PlacePanel::pickNatureType);
}

void PlacePanel::fillCounties() { entriesOf(Combo3).setEntries(NoPlace + countyItems(m_program)); }

void PlacePanel::refreshLocalities(const QString &locality)
{
    Combo13->clear();
    Combo13->addItems(usedLocalities(m_program));
    Combo13->setCurrentIndex(-1);
    if (!locality.isEmpty())
        Combo13->setEditText(locality);
}

void PlacePanel::show(const Observation &observation)
{
    Combo13->setEditText(storedLocalityText(m_program, observation.locality));
    showPlace(observation.placeCode);
    setPosition(observation.latitude, observation.longitude);
    showNatureType(observation.natureTypePath);
}

void PlacePanel::read(Observation &observation) const
{
    observation.locality = Combo13->currentText();
    observation.natureTypePath = Command37->property("tag").toString();
    observation.placeCode = placeCodeOf(Combo3->currentData().toString(), Combo14->currentData().toString());
    observation.latitude = Text7->text();
    observation.longitude = Text8->text();
}

void PlacePanel::read(RegistrationFields &fields) const
{
    fields.latitude = Text7->text();
    fields.longitude = Text8->text();
    fields.locality = Combo13->currentText();
}

void PlacePanel::clearPosition() { setPosition({}, {}); }

void PlacePanel::clear()
{
    Combo13->setEditText({});
    showPlace({});
    clearPosition();
    showNatureType({});
}

void PlacePanel::setEntering(bool entering)
{
    drawInputBoxes({Combo13, Combo3, Combo14, Text7, Text8}, entering);
    drawChoiceFields({Command37}, entering);
    enableAll({Label6, Label19}, entering);
}

void PlacePanel::setPosition(const QString &latitude, const QString &longitude)
{
    Text7->setText(latitude);
    Text8->setText(longitude);
}

void PlacePanel::follow(PositionLink &link)
{
    connect(Command17, &QPushButton::clicked, &link, &PositionLink::useReceiver);
    connect(Command36, &QPushButton::clicked, &link, &PositionLink::useMap);
    connect(&link, &PositionLink::fixRead, this, &PlacePanel::showReadout);
    connect(&link, &PositionLink::receiverAvailable, Command17, &QWidget::setEnabled);
    connect(&link, &PositionLink::mapAvailable, Command36, &QWidget::setEnabled);
    connect(&link, &PositionLink::sourceChosen, this, [this](PositionLink::Source source) {
        setColour(Command17, source == PositionLink::Source::Receiver ? Colour::Yellow : Colour::neutral());
        setColour(Command36, source == PositionLink::Source::Map ? Colour::Yellow : Colour::neutral());
    });
    connect(&link, &PositionLink::positionTaken, this, &PlacePanel::setPosition);
}

void PlacePanel::showReadout(const QString &latitude, const QString &longitude, const QString &course)
{
    Text9[0]->setText(latitude);
    Text9[1]->setText(longitude);
    Text9[2]->setText(course);
}

// The municipality list is that of the shown county, so the place can be changed from there.
void PlacePanel::showPlace(const QString &placeCode)
{
    fillMunicipalities(countyNumberOf(placeCode));
    if (placeCode.isEmpty()) {
        Combo3->setCurrentIndex(0);
        return;
    }
    showKeyedEntry(Combo3, placeItem(countyName(m_program, placeCode), countyCodeOf(placeCode)));
    if (isMunicipalityCode(placeCode))
        showKeyedEntry(Combo14, placeItem(municipalityName(m_program, placeCode), placeCode));
    else
        Combo14->setCurrentIndex(0);
}

void PlacePanel::fillMunicipalities(const QString &countyNumber)
{
    entriesOf(Combo14).setEntries(NoPlace + municipalityItems(m_program, countyNumber));
    Combo14->setCurrentIndex(0);
}

void PlacePanel::showNatureType(const QString &path) { showNatureTypeChoice(natureTypeText(m_program, path), path); }

void PlacePanel::showNatureTypeChoice(const QString &caption, const QString &path)
{
    Command37->setText(caption);
    Command37->setToolTip(caption);
    Command37->setProperty("tag", path);
}

// A place code the lists lack chooses "-".
void PlacePanel::selectPlace(const QString &placeCode)
{
    Combo3->setCurrentIndex(std::max(0, entriesOf(Combo3).rowOf(countyCodeOf(placeCode))));
    Combo14->setCurrentIndex(isMunicipalityCode(placeCode) ? std::max(0, entriesOf(Combo14).rowOf(placeCode)) : 0);
}

void PlacePanel::takeOverPlace(const UsedPlace &place)
{
    Combo13->setEditText(place.locality);
    selectPlace(place.placeCode);
    setPosition(place.latitude, place.longitude);
    showNatureType(place.natureType);
}

// "Lokalitet"
void PlacePanel::pickLocality()
{
    frm_Lokalitet picker(m_program, this);
    if (picker.exec() == QDialog::Accepted)
        takeOverPlace(*picker.pickedPlace());
}

// "Fylke/kom."
void PlacePanel::suggestMunicipality()
{
    const QString code = lirvenda::suggestMunicipality(m_program, Text7->text(), Text8->text(), this);
    if (!code.isEmpty())
        selectPlace(code);
}

void PlacePanel::pickNatureType()
{
    frm_Naturtyper picker(m_program, this);
    connect(&picker, &frm_Naturtyper::natureTypeChosen, this, &PlacePanel::showNatureTypeChoice);
    picker.Preselect(Command37->property("tag").toString());
    picker.exec();
}

} // namespace lirvenda
