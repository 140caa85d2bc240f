#include "gui/registration/DetailsPanel.h"

#include "core/registration/CodeLists.h"
#include "core/registration/Observation.h"
#include "core/registration/RegistrationState.h"
#include "core/shared/Prompter.h"
#include "gui/registration/ControlGroups.h"
#include "gui/registration/PanelControls.h"
#include "gui/ui/EventHook.h"
#include "gui/ui/KeyedListModel.h"
#include "gui/ui/NamedControl.h"
#include "gui/windows/frm_NonBreeding.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include <functional>

namespace lirvenda {

namespace {

// A row of choice buttons named "name_0" on, one for each value, captioned in the shown language.
template <std::size_t Count>
void createChoiceButtons(std::array<QPushButton *, Count> &buttons, QWidget *parent, const char *name,
                         const QStringList &values)
{
    for (int i = 0; i < int(Count); ++i)
        buttons[i] = compactButton(parent, elementName(name, i), RegistrationState::shownChoice(values.at(i)));
}

// "-1" means not given; the counts follow from 0.
void fillNumbers(QComboBox *combo, int last)
{
    for (int n = -1; n <= last; ++n)
        combo->addItem(QString::number(n));
    combo->setCurrentIndex(0);
}

// A code table in key order; the first code is chosen, or none when it must be chosen by the user.
void fillCodeList(QComboBox *combo, Program &program, CodeList list, int chosen = 0)
{
    entriesOf(combo).setEntries(codeListEntries(program, list));
    combo->setCurrentIndex(chosen);
}

// A right-button press on a button of the group, or a click on its frame, withdraws the choice.
template <typename Buttons>
void clearOnRightPressOrFrameClick(const Buttons &group, QGroupBox *frame, const std::function<void()> &clear)
{
    for (QPushButton *button : group) {
        button->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(button, &QWidget::customContextMenuRequested, button, clear);
    }
    onEvent(frame, QEvent::MouseButtonPress, [clear](QEvent *) {
        clear();
        return false;
    });
}

// Each button of the row calls the action with its index.
template <typename Buttons>
void connectEach(QObject *context, const Buttons &buttons, const std::function<void(int)> &action)
{
    for (int i = 0; i < int(buttons.size()); ++i)
        QObject::connect(buttons[i], &QPushButton::clicked, context, [action, i] { action(i); });
}

} // namespace

DetailsPanel::DetailsPanel(RegistrationState &state, QWidget *parent) : QGroupBox(parent), m_state(state)
{
    setObjectName(QStringLiteral("Frame12"));
    createTabs();
    createNestControls();
    createIndividualFrames();
    createLowerRows();
    layOut();
    connectHandlers();
    connectChoiceButtons();
}

void DetailsPanel::createTabs()
{
    Command33 = button(this, QStringLiteral("Command33"), tr("Individ"));
    Command34 = button(this, QStringLiteral("Command34"), tr("Reir"));
    Command18 = button(this, QStringLiteral("Command18"), tr("&Flokk"));
}

void DetailsPanel::createNestControls()
{
    Label11 = label(this, QStringLiteral("Label11"), tr("Reirplassering"));
    Combo6 = keyedComboBox(this, QStringLiteral("Combo6"));
    Label12 = label(this, QStringLiteral("Label12"), tr("Tresort"));
    Combo7 = keyedComboBox(this, QStringLiteral("Combo7"));
    Label18 = label(this, QStringLiteral("Label18"), tr("Ungealder"));
    Combo12 = keyedComboBox(this, QStringLiteral("Combo12"));
    Label13 = label(this, QStringLiteral("Label13"), tr("Høyde over marka (m)"));
    Combo8 = comboBox(this, QStringLiteral("Combo8"));
    Label14 = label(this, QStringLiteral("Label14"), tr("Egg"));
    Combo9 = comboBox(this, QStringLiteral("Combo9"));
    Label15 = label(this, QStringLiteral("Label15"), tr("Unger"));
    Combo10 = comboBox(this, QStringLiteral("Combo10"));
    Label17 = label(this, QStringLiteral("Label17"), tr("Voksne"));
    Combo11 = comboBox(this, QStringLiteral("Combo11"));
    Label16 = label(this, QStringLiteral("Label16"), tr("Eksponering"));
    createChoiceButtons(Command35, this, "Command35", RegistrationState::Directions);
}

// The frames of an individual record share the nest controls' place.
void DetailsPanel::createIndividualFrames()
{
    Frame11 = frame(this, QStringLiteral("Frame11"), tr("Alder"));
    createChoiceButtons(Command20, Frame11, "Command20", RegistrationState::Ages);
    Frame10 = frame(this, QStringLiteral("Frame10"), tr("Sex"));
    createChoiceButtons(Command19, Frame10, "Command19", RegistrationState::Sexes);
    Frame8 = frame(this, QStringLiteral("Frame8"), tr("Activity"));
    Combo2 = keyedComboBox(Frame8, QStringLiteral("Combo2"));
    Command22 = compactButton(Frame8, QStringLiteral("Command22"), tr("N", "clears the activity"));
    Command22->setToolTip(tr("Nullstill aktivitet"));
}

void DetailsPanel::createLowerRows()
{
    Command31 = button(this, QStringLiteral("Command31"));
    drawRing();
    Check2 = checkBox(this, QStringLiteral("Check2"), tr("Foto"));
    Check3 = checkBox(this, QStringLiteral("Check3"), tr("Video"));
    Check4 = checkBox(this, QStringLiteral("Check4"), tr("Lyd"));
    Frame2 = frame(this, QStringLiteral("Frame2"), tr("Kommentarer"));
    Text4 = textBox(Frame2, QStringLiteral("Text4"));
}

// Two columns of captioned lists, the exposure buttons under them.
QLayout *DetailsPanel::nestGrid()
{
    auto *grid = new QGridLayout;
    grid->setSpacing(PanelSpacing);
    const std::pair<QLabel *, QComboBox *> left[] = {
        {Label11, Combo6}, {Label12, Combo7}, {Label18, Combo12}, {Label13, Combo8}};
    const std::pair<QLabel *, QComboBox *> right[] = {{Label14, Combo9}, {Label15, Combo10}, {Label17, Combo11}};
    for (int i = 0; i < 4; ++i) {
        grid->addWidget(left[i].first, i, 0);
        grid->addWidget(left[i].second, i, 1);
    }
    for (int i = 0; i < 3; ++i) {
        grid->addWidget(right[i].first, i, 2);
        grid->addWidget(right[i].second, i, 3);
    }
    grid->addWidget(Label16, 4, 0);
    grid->addLayout(row({Command35[0], Command35[1], Command35[2], Command35[3], nullptr}), 4, 1);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(3, 1);
    return grid;
}

// Ages in two rows of twelve; sex and activity side by side under them.
QLayout *DetailsPanel::individualRows()
{
    auto *ages = new QGridLayout;
    for (int i = 0; i < int(Command20.size()); ++i)
        ages->addWidget(Command20[i], i / 12, i % 12);
    framed(Frame11, ages);
    QHBoxLayout *sexes = row({});
    for (QPushButton *sex : Command19)
        sexes->addWidget(sex);
    framed(Frame10, sexes);
    framed(Frame8, row({Combo2, Command22}));
    // Hidden at first, each with the size it asks for: shown before the window is, it lays out
    // its buttons in that.
    for (QGroupBox *individualFrame : {Frame11, Frame10, Frame8}) {
        individualFrame->resize(individualFrame->sizeHint());
        individualFrame->hide();
    }
    auto *rows = new QVBoxLayout;
    rows->setSpacing(PanelSpacing);
    rows->addWidget(Frame11);
    rows->addLayout(row({Frame10, Frame8}));
    return rows;
}

void DetailsPanel::layOut()
{
    auto *panel = new QVBoxLayout;
    panel->addLayout(row({Command33, Command34, nullptr, Command18}));
    panel->addLayout(nestGrid());
    panel->addLayout(individualRows());
    panel->addLayout(row({Command31, Check2, Check3, Check4, nullptr}));
    framed(Frame2, row({Text4}));
    panel->addWidget(Frame2);
    panel->addStretch();
    framed(this, panel);
}

void DetailsPanel::connectHandlers()
{
    connect(Command33, &QPushButton::clicked, this, [this] { showRecordKind(false); });
    connect(Command34, &QPushButton::clicked, this, [this] { showRecordKind(true); });
    connect(Command18, &QPushButton::clicked, this, &DetailsPanel::openFlockSheet);
    connect(Command31, &QPushButton::clicked, this, &DetailsPanel::askRing);
    connect(Combo2, &QComboBox::activated, this, [this] {
        m_state.activity = Combo2->currentData().toString();
        drawChoices();
    });
    // "Nullstill aktivitet"
    connect(Command22, &QPushButton::clicked, this, [this] {
        m_state.activity.clear();
        drawChoices();
    });
}

void DetailsPanel::connectChoiceButtons()
{
    connectEach(this, Command19, [this](int i) {
        m_state.sex().toggle(i);
        drawChoices();
    });
    connectEach(this, Command20, [this](int i) {
        m_state.age().toggle(i);
        drawChoices();
    });
    connectEach(this, Command35, [this](int i) { chooseDirection(i); });
    clearOnRightPressOrFrameClick(Command19, Frame10, [this] {
        m_state.sex().clear();
        drawChoices();
    });
    clearOnRightPressOrFrameClick(Command20, Frame11, [this] {
        m_state.age().clear();
        drawChoices();
    });
}

void DetailsPanel::fillChoices(Program &program)
{
    fillCodeList(Combo2, program, CodeList::Activities, -1); // a chosen activity is coloured
    fillCodeList(Combo6, program, CodeList::NestSites);
    fillCodeList(Combo7, program, CodeList::TreeSpecies);
    fillNumbers(Combo8, 30);
    for (QComboBox *count : {Combo9, Combo10, Combo11})
        fillNumbers(count, 15);
    fillCodeList(Combo12, program, CodeList::YoungAges);
}

// Directions not stored are cleared, so a direction never carries over from the row shown before.
void DetailsPanel::show(const Observation &observation)
{
    Text4->setText(observation.comment);
    clearIndividualChoices();
    m_ring = observation.ring;
    drawRing();
    if (observation.isNest)
        showNestDetails(observation);
    else
        showIndividualDetails(observation);
    Check2->setChecked(observation.photo);
    Check3->setChecked(observation.video);
    Check4->setChecked(observation.sound);
    m_state.setExposure(observation.exposure);
    drawChoices();
}

void DetailsPanel::showNestDetails(const Observation &observation)
{
    showRecordKind(true);
    showNumberedEntry(Combo6, observation.nestSiteKey);
    showNumberedEntry(Combo7, observation.treeKey);
    showComboText(Combo8, observation.height);
    showComboText(Combo9, observation.eggs);
    showComboText(Combo11, observation.adults);
    showComboText(Combo10, observation.young);
    showNumberedEntry(Combo12, observation.youngAgeKey);
}

void DetailsPanel::showIndividualDetails(const Observation &observation)
{
    showRecordKind(false);
    m_state.sex().chooseCaption(observation.sex);
    m_state.age().chooseCaption(observation.age);
    m_state.activity = keyInList(Combo2, observation.activityKey);
}

void DetailsPanel::read(Observation &observation) const
{
    observation.comment = Text4->text();
    observation.ring = m_ring;
    observation.isNest = m_state.isNest();
    observation.nestSiteKey = Combo6->currentData().toString();
    observation.treeKey = Combo7->currentData().toString();
    observation.height = Combo8->currentText();
    observation.exposure = m_state.exposure();
    observation.adults = Combo11->currentText();
    observation.eggs = Combo9->currentText();
    observation.young = Combo10->currentText();
    observation.youngAgeKey = Combo12->currentData().toString();
    observation.sex = m_state.sex().caption();
    observation.age = m_state.age().caption();
    observation.activityKey = m_state.activity;
    observation.photo = Check2->isChecked();
    observation.video = Check3->isChecked();
    observation.sound = Check4->isChecked();
}

void DetailsPanel::clearIndividualChoices()
{
    m_state.sex().clear();
    m_state.age().clear();
    m_state.activity.clear();
}

void DetailsPanel::clearNestFields()
{
    Combo6->setCurrentIndex(0);
    Combo7->setCurrentIndex(9);
    for (QComboBox *field : {Combo8, Combo9, Combo10, Combo11, Combo12})
        field->setCurrentIndex(0);
    m_state.clearDirections();
    drawChoices();
    for (QCheckBox *documentation : {Check2, Check3, Check4})
        documentation->setChecked(false);
    Text4->clear();
}

void DetailsPanel::clear()
{
    Text4->clear();
    m_ring.clear();
    drawRing();
    clearIndividualChoices();
    clearNestFields();
}

void DetailsPanel::clearComment() { Text4->clear(); }

void DetailsPanel::tickDocumentation(const QString &marks)
{
    for (const auto &[box, mark] : {std::pair{Check2, 'F'}, {Check3, 'V'}, {Check4, 'L'}})
        if (marks.contains(QLatin1Char(mark)))
            box->setChecked(true);
}

void DetailsPanel::setEntering(bool entering)
{
    drawInputBoxes({Combo6, Combo7, Combo8, Combo9, Combo10, Combo11, Combo12, Text4}, entering);
    drawChoiceFields({Check2, Check3, Check4}, entering);
    enableAll({Frame8, Frame10, Frame11, Command31, Command22, Combo2}, entering);
    enableAll({Command33, Command34}, m_state.canChangeKind());
    Command18->setVisible(entering);
    drawChoices();
}

// A choice is green while browsing and yellow while entering; the others are neutral.
void DetailsPanel::drawChoices()
{
    const QColor chosen = m_state.isEntering() ? Colour::Yellow : Colour::Green;
    const auto draw = [&](QWidget *control, bool isChosen) {
        setColour(control, isChosen ? chosen : Colour::neutral());
    };
    for (int i = 0; i < int(Command19.size()); ++i)
        draw(Command19[i], m_state.sex().isChosen(i));
    for (int i = 0; i < int(Command20.size()); ++i)
        draw(Command20[i], m_state.age().isChosen(i));
    for (int i = 0; i < int(Command35.size()); ++i)
        draw(Command35[i], m_state.isDirectionChosen(i));
    enableAll(Command19, m_state.isEntering());
    enableAll(Command20, m_state.isEntering());
    enableAll(Command35, m_state.isEntering());
    const QSignalBlocker drawnNotChosen(Combo2);
    chooseKey(Combo2, m_state.activity);
    draw(Combo2, Combo2->currentIndex() >= 0);
}

std::vector<QWidget *> DetailsPanel::nestControls() const
{
    std::vector<QWidget *> controls = {Combo6,  Combo7,  Combo8,  Combo9,  Combo10, Combo11, Combo12, Label11,
                                       Label12, Label13, Label14, Label15, Label16, Label17, Label18};
    controls.insert(controls.end(), Command35.begin(), Command35.end());
    return controls;
}

void DetailsPanel::showRecordKind(bool nest)
{
    m_state.setKind(nest ? RegistrationState::Kind::Nest : RegistrationState::Kind::Individual);
    showAll(nestControls(), nest);
    showAll({Frame11, Frame10, Frame8}, !nest);
    setColour(Command34, nest ? Colour::Green : Colour::neutral());
    setColour(Command33, nest ? Colour::neutral() : Colour::Green);
}

// The ring is taken as typed; nothing typed means no ring.
void DetailsPanel::askRing()
{
    m_ring = prompter()
                 .input(tr("Oppgi metall- og fargering"),
                        tr("Oppgi nummeret på formen 'NOS CA12345' og eller fargering"), m_ring)
                 .value_or(QString());
    drawRing();
}

// The ring, or the button's word when there is none.
void DetailsPanel::drawRing() { Command31->setText(m_ring.trimmed().isEmpty() ? tr("Ringmerking") : m_ring); }

void DetailsPanel::chooseDirection(int index)
{
    if (!m_state.toggleDirection(index))
        prompter().information(tr("Kun to retninger kan velges"));
    drawChoices();
}

// "&Flokk": a counting sheet that keeps nothing.
void DetailsPanel::openFlockSheet()
{
    frm_NonBreeding sheet(this);
    sheet.exec();
}

} // namespace lirvenda
