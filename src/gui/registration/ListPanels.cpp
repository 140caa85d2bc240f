#include "gui/registration/ListPanels.h"

#include "core/reference/ObserverRegister.h"
#include "core/registration/Observation.h"
#include "core/registration/RecentObservations.h"
#include "core/registration/Validation.h"
#include "core/store/NorwegianOrder.h"
#include "gui/reference/ObserverLists.h"
#include "gui/reference/frm_ObserverEdit.h"
#include "gui/registration/PanelControls.h"
#include "gui/ui/Colours.h"
#include "gui/ui/EventHook.h"
#include "gui/ui/KeyedListModel.h"
#include "gui/ui/NamedControl.h"

#include <QCheckBox>
#include <QListView>
#include <QListWidget>
#include <QMouseEvent>
#include <QSortFilterProxyModel>
#include <QVBoxLayout>

namespace lirvenda {

namespace {

// The entries by their texts in Norwegian order.
class NorwegianOrder : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override
    {
        return compareNorwegian(left.data().toString(), right.data().toString()) < 0;
    }
};

QListView *listView(QWidget *parent, const QString &name, QAbstractItemModel *model)
{
    auto *view = named(new QListView(parent), name);
    view->setModel(model);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return view;
}

} // namespace

RegisteredSpeciesPanel::RegisteredSpeciesPanel(QWidget *parent)
    : QGroupBox(tr("Registrerte arter"), parent), m_species(new KeyedListModel(this)),
      m_byName(new NorwegianOrder(this))
{
    setObjectName(QStringLiteral("Frame7"));
    m_byName->setSourceModel(m_species);
    m_byName->sort(0);
    List6 = listView(this, QStringLiteral("List6"), m_species);
    List3 = listView(this, QStringLiteral("List3"), m_byName);
    Check1 = checkBox(this, QStringLiteral("Check1"), tr("Systematisk liste"));
    auto *lists = new QVBoxLayout;
    lists->addWidget(List6, 1);
    lists->addWidget(List3, 1);
    lists->addWidget(Check1);
    framed(this, lists);
    connect(Check1, &QCheckBox::clicked, this, &RegisteredSpeciesPanel::showOrder);
    for (QListView *list : {List3, List6})
        connect(list, &QListView::clicked, this, &RegisteredSpeciesPanel::clicked);
    showOrder();
}

void RegisteredSpeciesPanel::setSpecies(const QList<KeyedEntry> &inKeyOrder) { m_species->setEntries(inKeyOrder); }

QList<KeyedEntry> RegisteredSpeciesPanel::species() const
{
    QList<KeyedEntry> byName;
    for (int row = 0; row < m_byName->rowCount(); ++row)
        byName << m_species->entryAt(m_byName->mapToSource(m_byName->index(row, 0)).row());
    return byName;
}

QString RegisteredSpeciesPanel::selectedSpecies() const
{
    const QModelIndex species = List3->currentIndex();
    return species.isValid() && List3->selectionModel()->isSelected(species) ? species.data().toString() : QString();
}

void RegisteredSpeciesPanel::selectSpecies(const QString &speciesKey)
{
    if (const int row = m_species->rowOf(speciesKey); row >= 0)
        List3->setCurrentIndex(m_byName->mapFromSource(m_species->index(row)));
}

void RegisteredSpeciesPanel::showOrder()
{
    List3->setVisible(!Check1->isChecked());
    List6->setVisible(Check1->isChecked());
}

void RegisteredSpeciesPanel::clicked(const QModelIndex &entry)
{
    emit speciesClicked(entry.data().toString(), entry.data(KeyedListModel::KeyRole).toString());
}

ObserversPanel::ObserversPanel(Program &program, QWidget *parent)
    : QGroupBox(tr("Observatører"), parent), m_program(program)
{
    setObjectName(QStringLiteral("Frame3"));
    List1 = named(new QListView(this), QStringLiteral("List1"));
    m_observers = new KeyedListModel(List1);
    m_observers->setCheckable(true);
    List1->setModel(m_observers);
    framed(this, row({List1}));
    onEvent(List1->viewport(), QEvent::MouseButtonPress,
            [this](QEvent *press) { return editOnRightPress(static_cast<QMouseEvent *>(press)->button()); });
}

void ObserversPanel::show(const QStringList &observerIds)
{
    m_observers->clear();
    for (const QString &id : observerIds)
        addObserverEntry(*m_observers, observerEntry(m_program, id));
    m_observers->setChecked(0, true);
}

void ObserversPanel::fillDefaults() { fillDefaultObservers(m_program, *m_observers); }

void ObserversPanel::clear() { m_observers->clear(); }

bool ObserversPanel::isEmpty() const { return m_observers->rowCount() == 0; }

void ObserversPanel::read(Observation &observation) const
{
    observation.observers = observerIdList(*m_observers).split(',', Qt::SkipEmptyParts);
}

void ObserversPanel::read(RegistrationFields &fields) const { fields.tickedObservers = tickedObservers(*m_observers); }

void ObserversPanel::rememberMainObserver() { lirvenda::rememberMainObserver(m_program, *m_observers); }

// Enabled even when empty while entering: a right-button press on it is the way to add observers.
void ObserversPanel::setEntering(bool entering)
{
    List1->setEnabled(entering);
    if (!entering || m_observers->rowCount() > 0)
        setColour(List1, entering ? Colour::Yellow : Colour::White);
}

bool ObserversPanel::editOnRightPress(Qt::MouseButton button)
{
    if (button != Qt::RightButton || !List1->isEnabled())
        return false;
    editObserverList(m_program, *m_observers, this);
    return true;
}

RecentPanel::RecentPanel(QWidget *parent) : QWidget(parent), m_saved(new KeyedListModel(this))
{
    Frame4 = frame(this, QStringLiteral("Frame4"), tr("Siste observasjoner"));
    List2 = listView(Frame4, QStringLiteral("List2"), m_saved);
    framed(Frame4, row({List2}));
    Frame9 = frame(this, QStringLiteral("Frame9"), {});
    List4 = listBox(Frame9, QStringLiteral("List4"));
    framed(Frame9, row({List4}));
    column(this, {Frame4, Frame9});
    connect(List2, &QListView::doubleClicked, this,
            [this](const QModelIndex &entry) { emit savedChosen(entry.data(KeyedListModel::KeyRole).toLongLong()); });
}

void RecentPanel::addSaved(const KeyedEntry &line)
{
    m_saved->append(line);
    List2->setCurrentIndex(m_saved->index(m_saved->rowCount() - 1));
}

void RecentPanel::rewriteSaved(const KeyedEntry &line)
{
    if (const int row = m_saved->rowOf(line.key); row >= 0) {
        m_saved->removeAt(row);
        m_saved->insert(row, line);
    }
}

void RecentPanel::clearSaved() { m_saved->clear(); }

void RecentPanel::showRecent(const RecentObservations &recent)
{
    List4->clear();
    List4->addItems(recent.lines);
    Frame9->setTitle(recent.caption);
}

void RecentPanel::setEntering(bool entering) { List2->setEnabled(!entering); }

} // namespace lirvenda
