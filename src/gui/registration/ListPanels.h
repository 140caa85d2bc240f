#pragma once

#include "core/shared/DisplayTexts.h"

#include <QGroupBox>

class QCheckBox;
class QListView;
class QListWidget;
class QModelIndex;
class QSortFilterProxyModel;

namespace lirvenda {

class KeyedListModel;
class Program;
struct RecentObservations;
struct RegistrationFields;
struct Observation;

// "Registrerte arter": the species observed so far, by name or, with "Systematisk liste", in key
// order: one list of them, and a view of it sorted by name. A click on one shows its recent
// observations, and while entering makes it the species.
class RegisteredSpeciesPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit RegisteredSpeciesPanel(QWidget *parent);

    // The species in key order.
    void setSpecies(const QList<KeyedEntry> &inKeyOrder);
    // The species by name, as the list shows them.
    QList<KeyedEntry> species() const;
    // The species the user selected in the list by name; empty for none.
    QString selectedSpecies() const;
    void selectSpecies(const QString &speciesKey);

signals:
    void speciesClicked(const QString &caption, const QString &speciesKey);

private:
    void showOrder();
    void clicked(const QModelIndex &entry);

    KeyedListModel *m_species;       // in key order
    QSortFilterProxyModel *m_byName; // the same by name
    QListView *List6;                // in key order
    QListView *List3;                // by name
    QCheckBox *Check1;               // "Systematisk liste"
};

// "Observatører": who takes part in the registration; the ticked one is the main observer.
class ObserversPanel : public QGroupBox {
    Q_OBJECT
public:
    ObserversPanel(Program &program, QWidget *parent);

    // The observers as stored, the first one the main observer.
    void show(const QStringList &observerIds);
    void fillDefaults();
    void clear();
    bool isEmpty() const;
    void read(Observation &observation) const;
    void read(RegistrationFields &fields) const;
    void rememberMainObserver();
    void setEntering(bool entering);

private:
    // The right button chooses who takes part; the left one ticks. True when the press was taken.
    bool editOnRightPress(Qt::MouseButton button);

    Program &m_program;
    QListView *List1;
    KeyedListModel *m_observers; // checkable: the ticked one is the main observer
};

// "Siste observasjoner": the registrations saved in this run, and the recent days of the species
// shown.
class RecentPanel : public QWidget {
    Q_OBJECT
public:
    explicit RecentPanel(QWidget *parent);

    // The saved registration's line, keyed by its ObsID, becomes the current one.
    void addSaved(const KeyedEntry &line);
    void rewriteSaved(const KeyedEntry &line);
    void clearSaved();
    void showRecent(const RecentObservations &recent);
    void setEntering(bool entering);

signals:
    void savedChosen(qint64 obsId);

private:
    KeyedListModel *m_saved;
    QGroupBox *Frame4;  // "Siste observasjoner"
    QListView *List2;   // registrations saved in this run
    QGroupBox *Frame9;  // caption set at run time
    QListWidget *List4; // recent observations of the shown species
};

} // namespace lirvenda
