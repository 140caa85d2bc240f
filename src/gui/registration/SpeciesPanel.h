#pragma once

#include <QWidget>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace lirvenda {

class Program;
class RegistrationState;
struct RegistrationFields;
struct Observation;

// What was seen and when: the species, the count with its keypad, the start and stop dates and
// times; while browsing the keypad's place holds the arrows that step through the observations.
class SpeciesPanel : public QWidget {
    Q_OBJECT
public:
    SpeciesPanel(Program &program, const RegistrationState &state, QWidget *parent);

    void fillChoices();
    void showTodayAndNow();
    void show(const Observation &observation);
    void read(Observation &observation) const;
    void read(RegistrationFields &fields) const;
    // The species key of the caption ("[11870]"); empty when no species is chosen.
    QString speciesKey() const;
    // A new registration counts one of the species given, or of none yet.
    void startNew(const QString &species);
    // What a saved registration leaves for the next: no species, no count.
    void clearSpeciesAndCount();
    // A species chosen in a list becomes the registration's while it is entered.
    void takeSpecies(const QString &caption);
    void setEntering(bool entering);
    // "&Art": the species search in the chosen group.
    void chooseSpecies();

signals:
    void speciesChosen(const QString &speciesKey);
    void previousClicked();
    void nextClicked();

private:
    // The species button's caption while no species is chosen.
    static QString noSpecies();
    void createControls();
    void createDateRows();
    void layOut();
    void connectHandlers();
    void connectDateHandlers();
    void stepDateBox(QLineEdit *box, int days);
    // The other date follows when the two would otherwise be in the wrong order.
    void pickDate(QLineEdit *picked, QLineEdit *other, bool pickingStart);

    Program &m_program;
    const RegistrationState &m_state;
    QLabel *Label7;                          // "Art"
    QPushButton *Command2;                   // "&Species"; the chosen species
    QLabel *Label1;                          // "Antall"
    QComboBox *Combo1;                       // "=", ">", "<", "~"
    QLineEdit *Text1;                        // count
    std::array<QPushButton *, 10> Command16; // "1" … "9", "0"
    QPushButton *Command11;                  // "<---"
    QPushButton *Command12;                  // "--->"
    QLabel *Label2;                          // "Start"
    QPushButton *Command3;                   // "-"
    QLineEdit *Text2;                        // start date
    QPushButton *Command4;                   // "+"
    QLabel *Label3;                          // "Tid"
    QLineEdit *Text3;                        // start time
    QPushButton *Command25;                  // "Kalender"
    QLabel *Label5;                          // "Stop"
    QPushButton *Command6;                   // "-"
    QLineEdit *Text5;                        // stop date
    QPushButton *Command21;                  // "+"
    QLabel *Label4;                          // "Tid"
    QLineEdit *Text6;                        // stop time
    QPushButton *Command26;                  // "Kalender"
};

} // namespace lirvenda
