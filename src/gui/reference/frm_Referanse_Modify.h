#pragma once

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace lirvenda {

class Program;

// Enters a new literature reference.
class frm_Referanse_Modify : public QDialog {
    Q_OBJECT
public:
    explicit frm_Referanse_Modify(Program &program, QWidget *parent = nullptr);

    // The stored reference's Referanse_ID; 0 until "&Lagre" has stored one.
    qint64 savedReferenceId() const { return m_savedId; }

    // True when every required field is given; otherwise the first one missing has been shown.
    bool ValidateReference();

private:
    void Command2_Click();

    Program &m_program;
    qint64 m_savedId = 0;
    QGroupBox *Frame1;     // "Referanse"
    QLabel *Label1;        // "Forfatter"
    QLineEdit *Text1;      // Forfattere
    QLabel *Label2;        // "År"
    QLineEdit *Text2;      // År
    QLabel *Label3;        // "Tittel"
    QLineEdit *Text3;      // Tittel
    QLabel *Label4;        // "Jornal/rapport"
    QLineEdit *Text4;      // Journal
    QLabel *Label5;        // "Sider"
    QLineEdit *Text5;      // Sider
    QLabel *Label6;        // "Utgiver"
    QLineEdit *Text6;      // Utgiver
    QCheckBox *Check1;     // "Ny post": always ticked, the dialog only adds references
    QPushButton *Command2; // "&Lagre"
    QPushButton *Command1; // "&Avbryt"
};

} // namespace lirvenda
