#include "gui/registration/SpeciesPanel.h"

#include "core/registration/DateSteps.h"
#include "core/registration/Observation.h"
#include "core/registration/RegistrationState.h"
#include "core/registration/Validation.h"
#include "core/shared/DateTexts.h"
#include "core/shared/Prompter.h"
#include "core/species/Species.h"
#include "core/store/Program.h"
#include "gui/registration/ControlGroups.h"
#include "gui/registration/PanelControls.h"
#include "gui/registration/frm_Art1.h"
#include "gui/ui/EventHook.h"
#include "gui/ui/NamedControl.h"
#include "gui/windows/frm_Kalender.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTime>

namespace lirvenda {

namespace {

void showStoredDateTime(const QString &stored, QLineEdit *date, QLineEdit *time)
{
    date->setText(shownDate(stored));
    time->setText(shownTime(stored));
}

// A double click puts the date or time of now into the box.
void fillOnDoubleClick(QLineEdit *box, const std::function<QString()> &now)
{
    onEvent(box, QEvent::MouseButtonDblClick, [box, now](QEvent *) {
        box->setText(now());
        return false;
    });
}

QString today() { return dateBoxText(QDate::currentDate()); }
QString timeNow() { return timeBoxText(QTime::currentTime()); }

} // namespace

SpeciesPanel::SpeciesPanel(Program &program, const RegistrationState &state, QWidget *parent)
    : QWidget(parent), m_program(program), m_state(state)
{
    createControls();
    createDateRows();
    layOut();
    connectHandlers();
    connectDateHandlers();
}

void SpeciesPanel::createControls()
{
    Label7 = label(this, QStringLiteral("Label7"), tr("Art"));
    Command2 = button(this, QStringLiteral("Command2"), tr("&Species"));
    Label1 = label(this, QStringLiteral("Label1"), tr("Antall"));
    Combo1 = comboBox(this, QStringLiteral("Combo1"));
    Text1 = textBox(this, QStringLiteral("Text1"));
    // The keypad and the browsing arrows share one place: each state shows one of them.
    for (int i = 0; i < int(Command16.size()); ++i)
        Command16[i] = compactButton(this, elementName("Command16", i));
    Command11 = button(this, QStringLiteral("Command11"), QStringLiteral("<---"));
    Command12 = button(this, QStringLiteral("Command12"), QStringLiteral("--->"));
}

void SpeciesPanel::createDateRows()
{
    Label2 = label(this, QStringLiteral("Label2"), tr("Start"));
    Command3 = compactButton(this, QStringLiteral("Command3"), QStringLiteral("-"));
    Text2 = textBox(this, QStringLiteral("Text2"));
    Command4 = compactButton(this, QStringLiteral("Command4"), QStringLiteral("+"));
    Label3 = label(this, QStringLiteral("Label3"), tr("Tid"));
    Text3 = textBox(this, QStringLiteral("Text3"));
    Command25 = compactButton(this, QStringLiteral("Command25"), tr("Kalender"));
    Label5 = label(this, QStringLiteral("Label5"), tr("Stop"));
    Command6 = compactButton(this, QStringLiteral("Command6"), QStringLiteral("-"));
    Text5 = textBox(this, QStringLiteral("Text5"));
    Command21 = compactButton(this, QStringLiteral("Command21"), QStringLiteral("+"));
    Label4 = label(this, QStringLiteral("Label4"), tr("Tid"));
    Text6 = textBox(this, QStringLiteral("Text6"));
    Command26 = compactButton(this, QStringLiteral("Command26"), tr("Kalender"));
}

void SpeciesPanel::layOut()
{
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(PanelSpacing);
    grid->addWidget(Label7, 0, 0);
    grid->addWidget(Command2, 0, 1);
    grid->addWidget(Label1, 1, 0);
    grid->addLayout(row({Combo1, Text1, nullptr}), 1, 1);
    QHBoxLayout *keypad = row({});
    for (QPushButton *key : Command16)
        keypad->addWidget(key);
    keypad->addWidget(Command11, 1);
    keypad->addWidget(Command12, 1);
    grid->addLayout(keypad, 2, 1);
    grid->addWidget(Label2, 3, 0);
    grid->addLayout(row({Command3, Text2, Command4, Label3, Text3, Command25}), 3, 1);
    grid->addWidget(Label5, 4, 0);
    grid->addLayout(row({Command6, Text5, Command21, Label4, Text6, Command26}), 4, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnMinimumWidth(0, captionColumnWidth(this));
}

void SpeciesPanel::connectHandlers()
{
    connect(Command2, &QPushButton::clicked, this, &SpeciesPanel::chooseSpecies);
    for (QPushButton *key : Command16)
        connect(key, &QPushButton::clicked, this, [this, key] { Text1->setText(Text1->text() + key->text()); });
    connect(Command11, &QPushButton::clicked, this, &SpeciesPanel::previousClicked);
    connect(Command12, &QPushButton::clicked, this, &SpeciesPanel::nextClicked);
}

void SpeciesPanel::connectDateHandlers()
{
    connect(Command3, &QPushButton::clicked, this, [this] { stepDateBox(Text2, -1); });
    connect(Command4, &QPushButton::clicked, this, [this] { stepDateBox(Text2, 1); });
    connect(Command6, &QPushButton::clicked, this, [this] { stepDateBox(Text5, -1); });
    connect(Command21, &QPushButton::clicked, this, [this] { stepDateBox(Text5, 1); });
    connect(Command25, &QPushButton::clicked, this, [this] { pickDate(Text2, Text5, true); });
    connect(Command26, &QPushButton::clicked, this, [this] { pickDate(Text5, Text2, false); });
    fillOnDoubleClick(Text2, today);
    fillOnDoubleClick(Text3, timeNow);
    fillOnDoubleClick(Text6, timeNow);
}

void SpeciesPanel::fillChoices()
{
    Combo1->addItems({QStringLiteral("="), QStringLiteral(">"), QStringLiteral("<"), QStringLiteral("~")});
    Combo1->setCurrentIndex(0);
    for (int i = 0; i < int(Command16.size()); ++i)
        Command16[i]->setText(QString::number((i + 1) % 10));
}

void SpeciesPanel::showTodayAndNow()
{
    for (QLineEdit *date : {Text2, Text5})
        date->setText(today());
    for (QLineEdit *time : {Text3, Text6})
        time->setText(timeNow());
}

void SpeciesPanel::show(const Observation &observation)
{
    Command2->setText(speciesDisplayText(m_program, observation.speciesKey));
    showComboText(Combo1, observation.countOperator);
    Text1->setText(observation.count ? QString::number(*observation.count) : QString());
    showStoredDateTime(observation.start, Text2, Text3);
    showStoredDateTime(observation.stop, Text5, Text6);
}

void SpeciesPanel::read(Observation &observation) const
{
    observation.start = storedDateTime(Text2->text(), Text3->text());
    observation.stop = storedDateTime(Text5->text(), Text6->text());
    observation.speciesKey = speciesKey();
    observation.countOperator = Combo1->currentText();
    observation.count = countOfBox(Text1->text());
}

void SpeciesPanel::read(RegistrationFields &fields) const
{
    fields.speciesCaption = Command2->text();
    fields.count = Text1->text();
    fields.startDate = Text2->text();
    fields.startTime = Text3->text();
    fields.stopDate = Text5->text();
    fields.stopTime = Text6->text();
}

QString SpeciesPanel::speciesKey() const { return bracketCode(Command2->text()); }

void SpeciesPanel::startNew(const QString &species)
{
    showTodayAndNow();
    Text1->setText(QStringLiteral("1"));
    Command2->setText(species.isEmpty() ? noSpecies() : species);
}

void SpeciesPanel::clearSpeciesAndCount()
{
    Text1->clear();
    Command2->setText(noSpecies());
}

void SpeciesPanel::takeSpecies(const QString &caption)
{
    if (Command2->isEnabled())
        Command2->setText(caption);
}

void SpeciesPanel::setEntering(bool entering)
{
    drawInputBoxes({Combo1, Text1, Text2, Text3, Text5, Text6}, entering);
    drawChoiceFields({Command2}, entering);
    enableAll({Command3, Command4, Command6, Command21, Command25, Command26}, entering);
    showAll(Command16, entering);
    colourAll(Command16, Colour::Yellow);
    showAll({Command11, Command12}, !entering);
}

QString SpeciesPanel::noSpecies() { return tr("&Art"); }

void SpeciesPanel::chooseSpecies()
{
    const QString key = lirvenda::chooseSpecies(m_program, m_state.speciesClass(), this);
    if (key.isEmpty())
        return;
    Command2->setText(speciesDisplayText(m_program, key));
    emit speciesChosen(key);
}

void SpeciesPanel::stepDateBox(QLineEdit *box, int days)
{
    const SteppedDate stepped = stepDate(box->text(), days);
    box->setText(stepped.text);
    if (stepped.refused)
        prompter().beep();
}

void SpeciesPanel::pickDate(QLineEdit *picked, QLineEdit *other, bool pickingStart)
{
    const QString current = picked->text();
    frm_Kalender calendar(isValidDate(current) ? readDateBox(current) : QDate(), this);
    if (calendar.exec() != QDialog::Accepted)
        return;
    const QString date = dateBoxText(calendar.pickedDate());
    if (!isValidDate(date)) {
        prompter().information(tr("Ugyldig dato."));
        return;
    }
    picked->setText(date);
    const QDate start = readDateBox(pickingStart ? date : other->text());
    const QDate stop = readDateBox(pickingStart ? other->text() : date);
    if (stop < start)
        other->setText(date);
}

} // namespace lirvenda
