#include "gui/positions/PositionLink.h"

#include "core/positions/Nmea.h"
#include "core/positions/Waypoints.h"
#include "core/shared/Prompter.h"
#include "core/store/Program.h"
#include "gui/positions/GpsReceiver.h"
#include "gui/positions/frm_GPS.h"
#include "gui/windows/frm_Melding.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTimer>

#include <algorithm>

namespace lirvenda {

PositionLink::PositionLink(Program &program, QWidget *window)
    : QObject(window), m_program(program), m_window(window), m_receiver(std::make_unique<GpsReceiver>()),
      m_ticks(new QTimer(this))
{
    m_waypointSources.push_back(std::make_unique<WaypointFileSource>(m_program.folder()));
    m_waypointSources.push_back(std::make_unique<ClipboardSource>([] { return QGuiApplication::clipboard()->text(); }));
    m_ticks->setObjectName(QStringLiteral("Timer1"));
    m_ticks->setInterval(TickMilliseconds);
    connect(m_ticks, &QTimer::timeout, this, &PositionLink::tick);
}

PositionLink::~PositionLink() = default;

void PositionLink::start() { m_ticks->start(); }

// A receiver that is lost is reported once, as no receiver at all; the read-out keeps its last fix.
void PositionLink::tick()
{
    offerMap();
    if (!m_receiver->isLinked())
        return;
    const std::optional<GpsFix> fix = m_receiver->read(m_program.gpsSpeed);
    if (!m_receiver->isLinked())
        emit receiverLinked(false);
    if (!fix)
        return;
    m_readLatitude = readoutText(fix->latitude);
    m_readLongitude = readoutText(fix->longitude);
    emit fixRead(m_readLatitude, m_readLongitude, fix->course);
    emit receiverAvailable(m_entering);
    if (m_source == Source::Receiver)
        takeReadout();
}

void PositionLink::connectReceiver()
{
    for (;;) {
        const GpsReceiver::Attempt attempt = m_receiver->connectTo(m_program.gpsPort, m_program.gpsSpeed);
        switch (attempt.contact) {
        case GpsReceiver::Contact::Made:
            emit receiverLinked(true);
            prompter().message(tr("GPS contact established."), Prompter::Icon::None);
            return;
        case GpsReceiver::Contact::NoData:
            emit receiverLinked(false); // an earlier link is closed: the button no longer claims one
            prompter().message(tr("No GPS signals found in com port ") + m_program.gpsPort, Prompter::Icon::None);
            openSettings();
            return;
        case GpsReceiver::Contact::Failed: // an earlier link is kept
            prompter().message(attempt.error, Prompter::Icon::None);
            openSettings();
            if (!prompter().askYesNo(tr("Try to connect once more?")))
                return;
        }
    }
}

void PositionLink::openSettings()
{
    frm_GPS settings(m_program, m_window);
    settings.exec();
}

void PositionLink::useReceiver()
{
    chooseSource(Source::Receiver);
    takeReadout();
}

// A source that was read is cleared, so the next press finds only a new waypoint.
void PositionLink::useMap()
{
    if (const std::optional<Waypoint> waypoint = takeWaypoint()) {
        emit positionTaken(latitudeText(waypoint->latitude), longitudeText(waypoint->longitude));
        showTimedMessage(tr("Veipunkt fra kartet satt inn som posisjon"));
    } else {
        prompter().information(tr("Finner ingen ny posisjon"));
    }
    chooseSource(Source::Map);
    offerMap();
}

std::optional<Waypoint> PositionLink::takeWaypoint()
{
    for (const std::unique_ptr<WaypointSource> &source : m_waypointSources) {
        if (!source->holdsWaypoint())
            continue;
        const std::optional<Waypoint> waypoint = source->takeFirst();
        source->clear();
        if (waypoint)
            return waypoint;
    }
    return std::nullopt;
}

void PositionLink::setEntering(bool entering)
{
    m_entering = entering;
    if (!entering) {
        emit receiverAvailable(false);
        chooseSource(Source::Typed);
    }
    offerMap();
}

void PositionLink::offerMap()
{
    const auto holds = [](const std::unique_ptr<WaypointSource> &source) { return source->holdsWaypoint(); };
    emit mapAvailable(m_entering && std::any_of(m_waypointSources.begin(), m_waypointSources.end(), holds));
}

void PositionLink::chooseSource(Source source)
{
    m_source = source;
    emit sourceChosen(source);
}

void PositionLink::takeReadout() { emit positionTaken(m_readLatitude, m_readLongitude); }

} // namespace lirvenda
