#pragma once

#include <QGroupBox>

#include <functional>
#include <map>

class QComboBox;
class QPushButton;

namespace lirvenda {

class PositionLink;
class Program;
class RegistrationState;

// The buttons that open the other windows, and "&Avslutt"; closed while a registration is entered.
// The windows that leave the shown registration alone open from here; the others the main window
// opens through onClick.
class CommandPanel : public QGroupBox {
    Q_OBJECT
public:
    enum class Command {
        Observers,
        Archive,
        Statistics,
        Gps,
        PortalExport,
        About,
        GroupRegistration,
        AtlasImport,
        Lists,
        EbirdImport
    };

    CommandPanel(Program &program, QWidget *parent);

    void onClick(Command command, QObject *context, const std::function<void()> &action);
    // "&Kontakt GPS" contacts the link's receiver, and turns green as "Active GPS" while it answers.
    void follow(PositionLink &link, const RegistrationState &state);
    void setEntering(bool entering);
    // "Import" is offered while the table Atlas holds rows.
    void showAtlasImport(bool shown);

private:
    void createButtons();
    void layOut();
    void openOwnWindows();
    void showGpsActive(bool active);

    Program &m_program;
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
