#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace lirvenda {

class Program;

// "Valg av art": searches the taxa of one class from the third typed character on.
class frm_Art1 : public QDialog {
    Q_OBJECT
public:
    frm_Art1(Program &program, const QString &taxonClass, QWidget *parent = nullptr);

    QString pickedKey() const; // the key of the entry picked; empty when none is

private:
    void Text1_Change(const QString &text);
    void Text1_KeyPress();
    void List1_Click(QListWidgetItem *entry);

    Program &m_program;
    QLabel *Label1;        // the class searched
    QGroupBox *Frame1;     // "Artsnavn (norsk eller vitenskapelig)"
    QLineEdit *Text1;      // search text
    QGroupBox *Frame2;     // "Mulige arter"
    QListWidget *List1;    // matching taxa
    QPushButton *Command1; // "&Avbryt"
};

// The key of the species picked in the search window for the class; empty when cancelled.
QString ChooseSpecies(Program &program, const QString &taxonClass, QWidget *parent = nullptr);

} // namespace lirvenda
