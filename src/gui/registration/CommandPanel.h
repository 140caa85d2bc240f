#pragma once

#include <QGroupBox>

#include <functional>
#include <map>

class QComboBox;
class QPushButton;

namespace lirvenda {

class Program;
class RegistrationState;

// The buttons that open the other windows, and "&Avslutt"; closed while a registration is entered.
class CommandPanel : public QGroupBox {
    Q_OBJECT
public:
    enum class Command { Observers, Archive, Statistics, Gps, PortalExport, About, GroupRegistration, AtlasImport };

    explicit CommandPanel(QWidget *parent);

    void onClick(Command command, QObject *context, const std::function<void()> &action);
    void setEntering(bool entering);
    // "Import" is offered while the table Atlas holds rows.
    void showAtlasImport(bool shown);
    // A receiver that answers turns "&Kontakt GPS" into a green "Active GPS".
    void showGpsActive(bool active);
    void enableGpsContact(bool enabled);

private:
    void layOut();

    std::map<Command, QPushButton *> m_buttons;
    QPushButton *Command5;  // "&Avslutt"
    QPushButton *Command15; // "&Lokaliteter" (never shown)
};

// "Reference": the literature the observation is reported from; while a registration is entered,
// a new reference can be added or the choice withdrawn.
class ReferencePanel : public QGroupBox {
    Q_OBJECT
public:
    ReferencePanel(Program &program, RegistrationState &state, QWidget *parent);

    void fill();
    // A stored key the list lacks chooses nothing.
    void show(const QString &referenceKey);
    void setEntering(bool entering);
    void draw();

private:
    void addReference();

    Program &m_program;
    RegistrationState &m_state;
    QComboBox *Combo4;      // literature references
    QPushButton *Command27; // "Ny", tooltip "Legg inn ny referanse"
    QPushButton *Command29; // "N", tooltip "Nullstill referanse"
};

} // namespace lirvenda
