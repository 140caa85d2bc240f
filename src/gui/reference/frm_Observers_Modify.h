#pragma once

#include "core/reference/ObserverRegister.h"

#include <QDialog>

#include <array>
#include <optional>

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace lirvenda {

class Program;

// Adds one observer (observerId NewObserver) or changes one, starting from the fields given;
// accepted when the observer was stored.
class frm_Observers_Modify : public QDialog {
    Q_OBJECT
public:
    frm_Observers_Modify(Program &program, qint64 observerId, const ObserverFields &fields, QWidget *parent = nullptr);

    QString savedLastName() const; // as stored, without surrounding blanks

private:
    void ShowFields(const ObserverFields &fields);
    ObserverFields typedFields() const;
    void Command1_Click();
    void Command2_Click();

    Program &m_program;
    QGroupBox *Frame1;     // "Observer data"
    QLineEdit *Text1;      // "First name"
    QLineEdit *Text2;      // "Last name"
    QLineEdit *Text3;      // "Address"
    QLineEdit *Text4;      // "Postal Code"
    QLineEdit *Text5;      // "Country"
    QLineEdit *Text6;      // "Telephone"
    QLineEdit *Text7;      // "Birth Year"
    QLineEdit *Text8;      // "Initials"
    QLineEdit *Text10;     // "Ringing license"
    QLineEdit *Text9;      // hidden: "0" when adding, else the ObserverID
    QPushButton *Command2; // "&Save"
    QPushButton *Command1; // "&Quit"
    QPushButton *Command3; // "&Field periods" (no action)

    // The nine fields the user types, with their captions and what each holds, in screen order.
    struct FieldBox {
        QLineEdit *box;
        QString caption;
        QString ObserverFields::*field;
    };
    std::array<FieldBox, 9> fieldBoxes() const;
};

// "&Ny obs.": the entry window for a new observer, who starts in Norway. Answers the saved last
// name; nothing when the window was left without saving.
std::optional<QString> AddNewObserver(Program &program, QWidget *parent);

} // namespace lirvenda
