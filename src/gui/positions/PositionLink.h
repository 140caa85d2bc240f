#pragma once

#include <QObject>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class QTimer;
class QWidget;

namespace lirvenda {

class GpsReceiver;
class Program;
class WaypointSource;
struct Waypoint;

// Where a registration's position comes from: the GPS receiver, whose newest fix a tick reads
// every two seconds, or a waypoint a map program left in the program folder or on the clipboard.
// The main window tells it what the user did and shows what its signals report.
class PositionLink : public QObject {
    Q_OBJECT
public:
    static constexpr int TickMilliseconds = 2000;
    // The source the position follows while a registration is entered: typed by hand, each fix
    // of the receiver, or the waypoint taken last.
    enum class Source { Typed, Receiver, Map };

    // The settings dialog and the messages open over the window.
    explicit PositionLink(Program &program, QWidget *window = nullptr);
    ~PositionLink() override;

    // The ticks begin.
    void start();
    // Whether a waypoint waits, then the newest fix while the receiver is linked.
    void tick();

    // "&Kontakt GPS": contact at the port and speed of the settings. Without data the settings
    // are offered; after a failure too, and then the user may try again.
    void connectReceiver();
    // "GPS": the last fix is the position, and each fix after it.
    void useReceiver();
    // "Kart": the first new waypoint any source holds is the position.
    void useMap();
    // A registration is entered or changed, or no longer: only then a source may be chosen.
    void setEntering(bool entering);

signals:
    // Contact made, or given up: no data at a new attempt, or the receiver lost.
    void receiverLinked(bool linked);
    // Each fix read, as the read-out shows it.
    void fixRead(const QString &latitude, const QString &longitude, const QString &course);
    // "GPS" may be pressed: a fix came while a registration is entered.
    void receiverAvailable(bool available);
    // "Kart" may be pressed: a registration is entered and a waypoint waits.
    void mapAvailable(bool available);
    void sourceChosen(PositionLink::Source source);
    // The position boxes' new texts.
    void positionTaken(const QString &latitude, const QString &longitude);

private:
    void openSettings();
    void offerMap();
    std::optional<Waypoint> takeWaypoint();
    void chooseSource(Source source);
    void takeReadout();

    Program &m_program;
    QWidget *m_window;
    std::unique_ptr<GpsReceiver> m_receiver;
    std::vector<std::unique_ptr<WaypointSource>> m_waypointSources; // in the order they are asked
    QTimer *m_ticks;
    bool m_entering = false;
    Source m_source = Source::Typed;
    QString m_readLatitude, m_readLongitude; // the last fix
};

} // namespace lirvenda
