#include "gui/registration/CommandPanel.h"

#include "core/reference/References.h"
#include "core/registration/RegistrationState.h"
#include "core/store/Program.h"
#include "gui/positions/PositionLink.h"
#include "gui/reference/frm_Observers.h"
#include "gui/reference/frm_Referanse_Modify.h"
#include "gui/registration/ControlGroups.h"
#include "gui/registration/ExchangeCommands.h"
#include "gui/registration/PanelControls.h"
#include "gui/statistics/frm_Statistikk.h"
#include "gui/ui/KeyedListModel.h"
#include "gui/windows/frmAbout.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QSignalBlocker>

namespace lirvenda {

CommandPanel::CommandPanel(Program &program, QWidget *parent) : QGroupBox(parent), m_program(program)
{
    setObjectName(QStringLiteral("Frame5"));
    createButtons();
    layOut();
    openOwnWindows();
}

void CommandPanel::createButtons()
{
    const std::pair<Command, QString> created[] = {
        {Command::Observers, QStringLiteral("Command10")},    {Command::Archive, QStringLiteral("Command1")},
        {Command::Statistics, QStringLiteral("Command14")},   {Command::Gps, QStringLiteral("Command28")},
        {Command::PortalExport, QStringLiteral("Command23")}, {Command::About, QStringLiteral("Command13")}};
    const QString captions[] = {
        tr("&Observatører"), tr("&Arkiv"), tr("&Statistikk"), tr("&Kontakt GPS"), tr("Lag Excelark for rapportering"),
        tr("&Om Lirvenda")};
    for (int i = 0; i < 6; ++i)
        m_buttons[created[i].first] = button(this, created[i].second, captions[i]);
    Command5 = button(this, QStringLiteral("Command5"), tr("&Avslutt"));
    m_buttons[Command::GroupRegistration] = button(this, QStringLiteral("Command24"), tr("&Grupperegistrering"));
    m_buttons[Command::AtlasImport] = button(this, QStringLiteral("Command30"), tr("Import"));
    m_buttons[Command::Lists] = button(this, QStringLiteral("Command40"), tr("&Lister"));
    m_buttons[Command::EbirdImport] = button(this, QStringLiteral("Command41"), tr("Importer fra eBird"));
    Command15 = button(this, QStringLiteral("Command15"), tr("&Lokaliteter"));
    Command15->hide(); // the user does not reach it
}

void CommandPanel::openOwnWindows()
{
    onClick(Command::Observers, this, [this] {
        frm_Observers observers(m_program, this);
        observers.exec();
    });
    onClick(Command::Statistics, this, [this] {
        frm_Statistikk statistics(m_program, this);
        statistics.exec();
    });
    onClick(Command::About, this, [this] {
        frmAbout about(m_program, ViewerLauncher::system(), this);
        about.exec();
    });
    onClick(Command::PortalExport, this, [this] { RunPortalExport(m_program, window()); });
    connect(Command5, &QPushButton::clicked, this, [] { QApplication::exit(0); });
}

void CommandPanel::follow(PositionLink &link, const RegistrationState &state)
{
    QPushButton *gps = m_buttons.at(Command::Gps);
    connect(gps, &QPushButton::clicked, this, [gps, &link, &state] {
        gps->setEnabled(false); // the wait for data keeps the window alive: no second attempt meanwhile
        link.connectReceiver();
        gps->setEnabled(!state.isEntering());
    });
    connect(&link, &PositionLink::receiverLinked, this, &CommandPanel::showGpsActive);
}

// Two columns; the export has a row of its own.
void CommandPanel::layOut()
{
    auto *grid = new QGridLayout;
    grid->addWidget(m_buttons[Command::Observers], 0, 0);
    grid->addWidget(m_buttons[Command::Archive], 0, 1);
    grid->addWidget(m_buttons[Command::Statistics], 1, 0);
    grid->addWidget(m_buttons[Command::Gps], 1, 1);
    grid->addWidget(m_buttons[Command::PortalExport], 2, 0, 1, 2);
    grid->addWidget(m_buttons[Command::About], 3, 0);
    grid->addWidget(Command5, 3, 1);
    grid->addWidget(m_buttons[Command::GroupRegistration], 4, 0);
    grid->addWidget(m_buttons[Command::AtlasImport], 4, 1);
    grid->addWidget(Command15, 4, 1);
    grid->addWidget(m_buttons[Command::Lists], 5, 0);
    grid->addWidget(m_buttons[Command::EbirdImport], 5, 1);
    framed(this, grid);
}

void CommandPanel::onClick(Command command, QObject *context, const std::function<void()> &action)
{
    connect(m_buttons.at(command), &QPushButton::clicked, context, action);
}

void CommandPanel::setEntering(bool entering)
{
    for (const auto &[command, button] : m_buttons)
        button->setEnabled(!entering);
    enableAll({Command5, Command15}, !entering);
}

void CommandPanel::showAtlasImport(bool shown) { m_buttons.at(Command::AtlasImport)->setVisible(shown); }

void CommandPanel::showGpsActive(bool active)
{
    QPushButton *gps = m_buttons.at(Command::Gps);
    setColour(gps, active ? Colour::Green : Colour::neutral());
    gps->setText(active ? tr("Active GPS") : tr("&Kontakt GPS"));
}

ReferencePanel::ReferencePanel(Program &program, RegistrationState &state, QWidget *parent)
    : QGroupBox(tr("Reference"), parent), m_program(program), m_state(state)
{
    setObjectName(QStringLiteral("Frame13"));
    Combo4 = keyedComboBox(this, QStringLiteral("Combo4"), Keys::Shown); // "[id]" follows one blank
    Command27 = compactButton(this, QStringLiteral("Command27"), tr("Ny"));
    Command27->setToolTip(tr("Legg inn ny referanse"));
    Command29 = compactButton(this, QStringLiteral("Command29"), tr("N"));
    Command29->setToolTip(tr("Nullstill referanse"));
    QHBoxLayout *contents = row({Combo4, Command27, Command29});
    contents->setStretch(0, 1);
    framed(this, contents);
    // A reference chosen by the program counts as chosen too, as a click would.
    connect(Combo4, &QComboBox::currentIndexChanged, this, [this] {
        m_state.reference = Combo4->currentData().toString();
        draw();
    });
    connect(Command27, &QPushButton::clicked, this, &ReferencePanel::addReference);
    connect(Command29, &QPushButton::clicked, this, [this] {
        m_state.reference.clear();
        draw();
    });
}

void ReferencePanel::fill()
{
    {
        const QSignalBlocker refilledNotChosen(Combo4);
        entriesOf(Combo4).setEntries(referenceItems(m_program));
    }
    draw();
}

void ReferencePanel::show(const QString &referenceKey) { m_state.reference = keyInList(Combo4, referenceKey); }

void ReferencePanel::setEntering(bool entering)
{
    enableAll({Combo4, Command27, Command29}, entering);
    draw();
}

// While a registration is entered the chosen reference is yellow, else green.
void ReferencePanel::draw()
{
    const QSignalBlocker drawnNotChosen(Combo4);
    chooseKey(Combo4, m_state.reference);
    const QColor chosen = m_state.isEntering() ? Colour::Yellow : Colour::Green;
    setColour(Combo4, Combo4->currentIndex() >= 0 ? chosen : Colour::neutral());
}

// "Ny": the new reference becomes the registration's.
void ReferencePanel::addReference()
{
    frm_Referanse_Modify dialog(m_program, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    fill();
    m_state.reference = QString::number(dialog.savedReferenceId());
    draw();
}

} // namespace lirvenda
