#pragma once

#include "core/shared/DisplayTexts.h"

#include <QDialog>

class QGroupBox;
class QListView;
class QPushButton;

namespace lirvenda {

class KeyedListModel;
class Program;

// Picks which observers take part in a registration; filled and read by editObserverList.
class frm_ObserverEdit : public QDialog {
    Q_OBJECT
public:
    explicit frm_ObserverEdit(Program &program, QWidget *parent = nullptr);

    // Offers the observers given, chosen, then the rest of the register.
    void offer(const QList<KeyedEntry> &chosen);
    // The chosen observers, in list order.
    QList<KeyedEntry> chosen() const;

private:
    void Command3_Click();
    QList<int> ListUnlistedObservers();
    void choose(int row);

    Program &m_program;
    QGroupBox *Frame1; // "Observers"
    QListView *List1;  // the observers; the chosen ones are selected
    KeyedListModel *m_observers;
    QPushButton *Command2; // "&OK"
    QPushButton *Command1; // "&Quit"
    QPushButton *Command3; // "&Ny obs."
};

// Lets the user choose the observers of a registration in the picker window; the entries kept are
// ticked as before. False when the user quit, which leaves the list as it was.
bool editObserverList(Program &program, KeyedListModel &list, QWidget *parent);

} // namespace lirvenda
