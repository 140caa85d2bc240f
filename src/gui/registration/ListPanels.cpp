#include "gui/registration/ListPanels.h"

#include "core/registration/ObservationColumns.h"
#include "core/registration/RecentObservations.h"
#include "core/registration/Species.h"
#include "core/registration/Validation.h"
#include "gui/reference/ObserverLists.h"
#include "gui/reference/frm_ObserverEdit.h"
#include "gui/registration/PanelControls.h"
#include "gui/ui/Colours.h"
#include "gui/ui/EventHook.h"
#include "gui/ui/ListProcedures.h"

#include <QCheckBox>
#include <QListWidget>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace lirvenda {

RegisteredSpeciesPanel::RegisteredSpeciesPanel(QWidget *parent) : QGroupBox(QStringLiteral("Registrerte arter"), parent)
{
    setObjectName(QStringLiteral("Frame7"));
    List6 = listBox(this, QStringLiteral("List6"));
    List3 = listBox(this, QStringLiteral("List3"));
    Check1 = checkBox(this, QStringLiteral("Check1"), QStringLiteral("Systematisk liste"));
    auto *lists = new QVBoxLayout;
    for (QWidget *widget : {static_cast<QWidget *>(List6), static_cast<QWidget *>(List3)})
        lists->addWidget(widget, 1);
    lists->addWidget(Check1);
    framed(this, lists);
    connect(Check1, &QCheckBox::clicked, this, &RegisteredSpeciesPanel::showOrder);
    for (QListWidget *list : {List3, List6})
        connect(list, &QListWidget::itemClicked, this,
                [this](QListWidgetItem *entry) { emit speciesClicked(entry->text(), keyOf(entry)); });
    showOrder();
}

void RegisteredSpeciesPanel::setSpecies(const QList<KeyedEntry> &inKeyOrder)
{
    List3->clear();
    List6->clear();
    addKeyedEntries(List3, SortedAlphabetically(inKeyOrder));
    addKeyedEntries(List6, inKeyOrder);
}

QList<KeyedEntry> RegisteredSpeciesPanel::species() const
{
    QList<KeyedEntry> shown;
    for (int i = 0; i < List3->count(); ++i)
        shown << entryOf(List3->item(i));
    return shown;
}

QString RegisteredSpeciesPanel::selectedSpecies() const
{
    const QListWidgetItem *species = List3->currentItem();
    return species && species->isSelected() ? species->text() : QString();
}

void RegisteredSpeciesPanel::selectSpecies(const QString &speciesKey)
{
    if (const int entry = rowOfKey(List3, speciesKey); entry >= 0)
        List3->setCurrentRow(entry);
}

void RegisteredSpeciesPanel::showOrder()
{
    List3->setVisible(!Check1->isChecked());
    List6->setVisible(Check1->isChecked());
}

ObserversPanel::ObserversPanel(Program &program, QWidget *parent)
    : QGroupBox(QStringLiteral("Observatører"), parent), m_program(program)
{
    setObjectName(QStringLiteral("Frame3"));
    List1 = listBox(this, QStringLiteral("List1"));
    framed(this, row({List1}));
    onEvent(List1->viewport(), QEvent::MouseButtonPress,
            [this](QEvent *press) { return editOnRightPress(static_cast<QMouseEvent *>(press)->button()); });
}

void ObserversPanel::show(const QString &observerIds)
{
    List1->clear();
    for (const QString &id : observerIds.split(',', Qt::SkipEmptyParts))
        AddObserverEntry(List1, ObserverEntry(m_program, id));
    if (List1->count() > 0)
        List1->item(0)->setCheckState(Qt::Checked);
}

void ObserversPanel::fillDefaults() { FillDefaultObservers(m_program, List1); }

void ObserversPanel::clear() { List1->clear(); }

bool ObserversPanel::isEmpty() const { return List1->count() == 0; }

void ObserversPanel::read(RegistrationValues &values) const { values.observers = ObserverIdList(List1); }

void ObserversPanel::read(RegistrationFields &fields) const
{
    fields.tickedObservers = 0;
    for (int i = 0; i < List1->count(); ++i)
        fields.tickedObservers += List1->item(i)->checkState() == Qt::Checked;
}

void ObserversPanel::rememberMainObserver() { RememberMainObserver(m_program, List1); }

// Enabled even when empty while entering: a right-button press on it is the way to add observers.
void ObserversPanel::setEntering(bool entering)
{
    List1->setEnabled(entering);
    if (!entering || List1->count() > 0)
        setColour(List1, entering ? Colour::Yellow : Colour::White);
}

bool ObserversPanel::editOnRightPress(Qt::MouseButton button)
{
    if (button != Qt::RightButton || !List1->isEnabled())
        return false;
    EditObserverList(m_program, List1);
    return true;
}

RecentPanel::RecentPanel(QWidget *parent) : QWidget(parent)
{
    Frame4 = frame(this, QStringLiteral("Frame4"), QStringLiteral("Siste observasjoner"));
    List2 = listBox(Frame4, QStringLiteral("List2"));
    framed(Frame4, row({List2}));
    Frame9 = frame(this, QStringLiteral("Frame9"), {});
    List4 = listBox(Frame9, QStringLiteral("List4"));
    framed(Frame9, row({List4}));
    column(this, {Frame4, Frame9});
    connect(List2, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *entry) { emit savedChosen(keyOf(entry).toLongLong()); });
}

void RecentPanel::addSaved(const KeyedEntry &line)
{
    addKeyedEntry(List2, line);
    List2->setCurrentRow(List2->count() - 1);
}

void RecentPanel::rewriteSaved(const KeyedEntry &line)
{
    if (const int entry = rowOfKey(List2, line.key); entry >= 0)
        List2->item(entry)->setText(line.text);
}

void RecentPanel::clearSaved() { List2->clear(); }

void RecentPanel::showRecent(const RecentObservations &recent)
{
    List4->clear();
    List4->addItems(recent.lines);
    Frame9->setTitle(recent.caption);
}

void RecentPanel::setEntering(bool entering) { List2->setEnabled(!entering); }

} // namespace lirvenda
