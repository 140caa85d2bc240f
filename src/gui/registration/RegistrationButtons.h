#pragma once

#include <QWidget>

#include <array>

class QPushButton;

namespace lirvenda {

class Program;
class RegistrationState;

// "Fugler", "Pattedyr", "Insekter", "Botanikk": the species group the species search looks in;
// the chosen one is green.
class SpeciesGroupButtons : public QWidget {
    Q_OBJECT
public:
    SpeciesGroupButtons(RegistrationState &state, QWidget *parent);

    // A group whose class has no taxa stays disabled: a search there could find nothing.
    void enableGroupsWithTaxa(Program &program);
    void choose(int index);
    void draw();

private:
    RegistrationState &m_state;
    std::array<QPushButton *, 4> Command32;
};

// "&Stryk registrering", "&Endre registrering", "&Ny registrering", and their captions while a
// registration is entered or changed.
class WorkflowButtons : public QWidget {
    Q_OBJECT
public:
    explicit WorkflowButtons(QWidget *parent);

    void draw(const RegistrationState &state);

signals:
    void deleteClicked();
    void editClicked();
    void newClicked();

private:
    QPushButton *Command9; // "&Delete registration"
    QPushButton *Command8; // "&Edit registration"
    QPushButton *Command7; // "&New registration"
};

} // namespace lirvenda
