#include "gui/registration/frm_Fauna.h"

#include "core/positions/GpsSettings.h"
#include "core/positions/Nmea.h"
#include "core/positions/Waypoints.h"
#include "core/shared/Prompter.h"
#include "core/store/Program.h"
#include "gui/positions/GpsReceiver.h"
#include "gui/positions/frm_GPS.h"
#include "gui/registration/CommandPanel.h"
#include "gui/registration/PlacePanel.h"
#include "gui/windows/frm_Melding.h"

#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace lirvenda {

frm_Fauna::~frm_Fauna() = default;

// The read-out of the last fix, the receiver, the waypoint sources in the order they are asked,
// and the handlers of the position buttons.
void frm_Fauna::BuildPositionLink()
{
    for (int i = 0; i < int(Text9.size()); ++i) {
        Text9[i] = new QLineEdit(this);
        Text9[i]->setObjectName(QStringLiteral("Text9_%1").arg(i));
        Text9[i]->hide();
    }
    m_gps = std::make_unique<GpsReceiver>();
    m_waypointSources.push_back(std::make_unique<WaypointFileSource>(m_program.folder()));
    m_waypointSources.push_back(std::make_unique<ClipboardSource>([] { return QGuiApplication::clipboard()->text(); }));
    m_commands->onClick(CommandPanel::Command::Gps, this, [this] { Command28_Click(); });
    connect(m_place, &PlacePanel::receiverClicked, this, &frm_Fauna::Command17_Click);
    connect(m_place, &PlacePanel::mapClicked, this, &frm_Fauna::Command36_Click);
    connect(Timer1, &QTimer::timeout, this, &frm_Fauna::Timer1_Timer);
}

// "&Kontakt GPS"
void frm_Fauna::Command28_Click()
{
    m_commands->enableGpsContact(false); // the wait for data keeps the window alive: no second attempt meanwhile
    ConnectGps();
    m_commands->enableGpsContact(!m_state.isEntering());
}

void frm_Fauna::ConnectGps()
{
    for (;;) {
        const GpsReceiver::Attempt attempt = m_gps->connectTo(m_program.gpsPort, m_program.gpsSpeed);
        switch (attempt.contact) {
        case GpsReceiver::Contact::Made:
            ShowGpsActive(true);
            prompter().message(QStringLiteral("GPS contact established."), Prompter::Icon::None);
            return;
        case GpsReceiver::Contact::NoData:
            ShowGpsActive(false); // an earlier link is closed: the button no longer claims one
            prompter().message(QStringLiteral("No GPS signals found in com port ") + m_program.gpsPort,
                               Prompter::Icon::None);
            OpenGpsSettings();
            return;
        case GpsReceiver::Contact::Failed:
            prompter().message(attempt.error, Prompter::Icon::None);
            OpenGpsSettings();
            if (!prompter().askYesNo(QStringLiteral("Try to connect once more?")))
                return;
        }
    }
}

void frm_Fauna::ShowGpsActive(bool active)
{
    m_gpsActive = active;
    m_commands->showGpsActive(active);
}

void frm_Fauna::OpenGpsSettings()
{
    frm_GPS settings(m_program, this);
    settings.exec();
}

// Every 2000 ms: the map button, then the newest fix when a receiver has answered. A receiver
// that is lost is shown as no receiver at all: "&Kontakt GPS" on the neutral colour, to be
// contacted again; the read-out keeps its last fix.
void frm_Fauna::Timer1_Timer()
{
    EnableMapButton();
    if (!m_gpsActive)
        return;
    const std::optional<GpsFix> fix = m_gps->read(m_program.gpsSpeed);
    if (!m_gps->isLinked())
        ShowGpsActive(false);
    if (!fix)
        return;
    Text9[0]->setText(readoutText(fix->latitude));
    Text9[1]->setText(readoutText(fix->longitude));
    Text9[2]->setText(fix->course);
    m_place->enableReceiverButton(m_state.isEntering());
    if (m_positionSource == PositionSource::Receiver)
        CopyReadout();
}

void frm_Fauna::EnableMapButton()
{
    const auto holds = [](const std::unique_ptr<WaypointSource> &source) { return source->holdsWaypoint(); };
    m_place->enableMapButton(m_state.isEntering() &&
                             std::any_of(m_waypointSources.begin(), m_waypointSources.end(), holds));
}

void frm_Fauna::CopyReadout() { m_place->setPosition(Text9[0]->text(), Text9[1]->text()); }

// "GPS": the position follows the receiver from now on.
void frm_Fauna::Command17_Click()
{
    UsePositionSource(PositionSource::Receiver);
    CopyReadout();
}

// "Kart": the first waypoint the sources hold, each source asked in turn; a source that was read
// is cleared, so the next press finds only a new waypoint.
void frm_Fauna::Command36_Click()
{
    std::optional<Waypoint> waypoint;
    for (const std::unique_ptr<WaypointSource> &source : m_waypointSources) {
        if (!source->holdsWaypoint())
            continue;
        waypoint = source->takeFirst();
        source->clear();
        if (waypoint)
            break;
    }
    if (waypoint) {
        m_place->setPosition(latitudeText(waypoint->latitude), longitudeText(waypoint->longitude));
        ShowTimedMessage(QStringLiteral("Veipunkt fra kartet satt inn som posisjon"));
    } else {
        prompter().information(QStringLiteral("Finner ingen ny posisjon"));
    }
    UsePositionSource(PositionSource::Map);
    EnableMapButton();
}

// The button of the position's source is yellow, the other neutral.
void frm_Fauna::UsePositionSource(PositionSource source)
{
    m_positionSource = source;
    m_place->markPositionSource(source == PositionSource::Receiver, source == PositionSource::Map);
}

} // namespace lirvenda
