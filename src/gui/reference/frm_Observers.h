#pragma once

#include <QDialog>

class QGroupBox;
class QLineEdit;
class QListView;
class QPushButton;

namespace lirvenda {

class KeyedListModel;
class Program;

// The observer register: search, add, change, and the way to the default observers.
class frm_Observers : public QDialog {
    Q_OBJECT
public:
    explicit frm_Observers(Program &program, QWidget *parent = nullptr);

private:
    void Form_Load();
    void Text1_Change();
    void Text1_KeyPress();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();

    void ChangeSelectedObserver();
    void ShowMatching(const QString &searchText);

    Program &m_program;
    QGroupBox *Frame1;     // "Navn"
    QLineEdit *Text1;      // the search text
    QPushButton *Command4; // "Reset"
    QGroupBox *Frame2;     // "Observatører"
    QListView *List1;      // the matching observers
    KeyedListModel *m_matching;
    QPushButton *Command2; // "&Ny obs."
    QPushButton *Command3; // "&Endre obs."
    QPushButton *Command5; // "&Set Default"
    QPushButton *Command1; // "&Exit"
};

} // namespace lirvenda
