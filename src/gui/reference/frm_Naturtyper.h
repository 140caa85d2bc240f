#pragma once

#include <QDialog>

class QGroupBox;
class QListWidget;
class QPushButton;

namespace lirvenda {

class Program;

// The nature-type picker: a group, a main type within it and a base type within that.
class frm_Naturtyper : public QDialog {
    Q_OBJECT
public:
    explicit frm_Naturtyper(Program &program, QWidget *parent = nullptr);

    // Selects the levels of a path "group|main type|base type", each filling the list below it.
    void Preselect(const QString &path);

signals:
    // "&OK" says what the nature-type button is to show and hold: with no group chosen, nothing.
    void natureTypeChosen(const QString &caption, const QString &path);

private:
    void Form_Load();
    void List1_Click();
    void List2_Click();
    void Command2_Click();

    Program &m_program;
    QGroupBox *Frame1;     // "Hovedgruppe"
    QListWidget *List1;    // groups
    QPushButton *Command5; // "Reset"
    QGroupBox *Frame2;     // "Gruppe"
    QListWidget *List2;    // main types of the chosen group
    QPushButton *Command4; // "Reset"
    QGroupBox *Frame3;     // "Undergruppe"
    QListWidget *List3;    // base types of the chosen main type
    QPushButton *Command3; // "Reset"
    QPushButton *Command2; // "&OK"
    QPushButton *Command1; // "&Avbryt"
};

} // namespace lirvenda
