#pragma once

#include <QDialog>

class QGroupBox;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace lirvenda {

class Program;

// Picks which observers take part in a registration; filled and read by EditObserverList.
class frm_ObserverEdit : public QDialog {
    Q_OBJECT
public:
    explicit frm_ObserverEdit(Program &program, QWidget *parent = nullptr);

    QListWidget *observerList() const { return List1; }
    // Adds the observers of the register not listed yet; answers their entries.
    QList<QListWidgetItem *> ListUnlistedObservers();

private:
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
bool EditObserverList(Program &program, QListWidget *list);

} // namespace lirvenda
