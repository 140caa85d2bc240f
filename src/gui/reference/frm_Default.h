#pragma once

#include <QDialog>

class QGroupBox;
class QListView;
class QPushButton;

namespace lirvenda {

class KeyedListModel;
class Program;

// Chooses the default observers: the selected entries are the observers every new registration
// starts with.
class frm_Default : public QDialog {
    Q_OBJECT
public:
    explicit frm_Default(Program &program, QWidget *parent = nullptr);

private:
    void Form_Load();
    void Command1_Click();
    void Command2_Click();

    Program &m_program;
    QGroupBox *Frame1; // "Observers"
    QListView *List1;  // every observer; the selected ones are default observers
    KeyedListModel *m_observers;
    QPushButton *Command2; // "&OK"
    QPushButton *Command1; // "&Quit"
};

} // namespace lirvenda
