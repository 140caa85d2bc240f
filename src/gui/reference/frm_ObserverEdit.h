#pragma once

#include "core/shared/DisplayTexts.h"

#include <QDialog>

class QGroupBox;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace lirvenda {

class Program;
struct KeyedEntry;

// Picks which observers take part in a registration: those listed come first and chosen, the rest
// of the register after them.
class frm_ObserverEdit : public QDialog {
    Q_OBJECT
public:
    frm_ObserverEdit(Program &program, const QList<KeyedEntry> &listed, QWidget *parent = nullptr);

    // The observers chosen when the user confirmed, in the picker's order.
    QList<KeyedEntry> chosenObservers() const;

private:
    // Adds the observers of the register not listed yet; answers their entries.
    QList<QListWidgetItem *> ListUnlistedObservers();
    void Command3_Click();

    Program &m_program;
    QGroupBox *Frame1;     // "Observers"
    QListWidget *List1;    // the observers; the chosen ones are selected
    QPushButton *Command2; // "&OK"
    QPushButton *Command1; // "&Quit"
    QPushButton *Command3; // "&Ny obs."
};

// Lets the user choose the observers of a registration in the picker window; the entries kept are
// ticked as before. False when the user quit, which leaves the list as it was.
bool editObserverList(Program &program, QListWidget *list);

} // namespace lirvenda
