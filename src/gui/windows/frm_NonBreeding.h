#pragma once

#include <QDialog>

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTextEdit;

namespace lirvenda {

// A tapped digit on a count box: a box holding nothing, zero or less starts over with the digit;
// a positive number grows by it.
QString withDigitTapped(const QString &box, int digit);

// "Non-breeding distribution": a counting sheet for a flock. It keeps nothing when closed.
class frm_NonBreeding : public QDialog {
    Q_OBJECT
public:
    using DigitRow = std::array<QPushButton *, 10>;

    explicit frm_NonBreeding(QWidget *parent = nullptr);

    // Frame "Antall"
    QLineEdit *Text13;
    DigitRow Command6; // "Total"
    QLineEdit *Text15;
    DigitRow Command7; // "Minimum"
    QLineEdit *Text14;
    DigitRow Command8; // "Maximum"
    // Frame "Kjønn"
    QLineEdit *Text2;
    DigitRow Command11; // "Hunner"
    QLineEdit *Text3;
    DigitRow Command12; // "Hanner"
    QLineEdit *Text4;
    DigitRow Command13; // "Ukjent"
    // Frame "Drakt"
    QLineEdit *Text1;
    DigitRow Command18; // "Sommer"
    QLineEdit *Text5;
    DigitRow Command19; // "Vinter"
    QLineEdit *Text6;
    DigitRow Command20; // "Eklipse"
    // Frame "Alder"
    QLineEdit *Text7;
    DigitRow Command9; // "Voksne"
    QLineEdit *Text8;
    DigitRow Command10; // "Subadulte"
    QLineEdit *Text9;
    DigitRow Command2; // "1K"
    QLineEdit *Text10;
    DigitRow Command15; // "2K"
    QLineEdit *Text11;
    DigitRow Command16; // "3K"
    QLineEdit *Text12;
    DigitRow Command17; // "4K+"

    QGroupBox *Frame3;  // "Kommentar"
    QTextEdit *Text16;  // free comment
    QGroupBox *Frame16; // "Documentation"
    QListWidget *List3;
    QLabel *Image1;
    QPushButton *Command14; // "&Ny"
    QPushButton *Command3;  // "&Edit"
    QPushButton *Command4;  // "&Delete"
    QPushButton *Command1;  // "&Archive"
    QPushButton *Command5;  // "&Avslutt"
};

} // namespace lirvenda
