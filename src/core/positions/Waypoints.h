#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>

#include <functional>
#include <optional>

namespace lirvenda {

struct Waypoint {
    double latitude = 0;
    double longitude = 0;
    bool operator==(const Waypoint &) const = default;
};

// A position from two decimal numbers with "." as decimal mark, blanks around them ignored;
// nothing when either is not a number or lies outside ±90 / ±180.
std::optional<Waypoint> waypointOf(const QString &latitude, const QString &longitude);

// The first waypoint of a waypoint list in the text layout: four header lines, then one line per
// waypoint, "number,name,latitude,longitude,...".
std::optional<Waypoint> firstWaypointOfList(const QByteArray &contents);
// The first <wpt> of a GPX file.
std::optional<Waypoint> firstWaypointOfGpx(const QByteArray &contents);
// A position as map web sites and programs copy it: two numbers with a decimal point each
// ("59.9127, 10.7461", "59.9127 10.7461") or a geo link ("geo:59.9127,10.7461").
std::optional<Waypoint> waypointOfText(const QString &text);

// The decimal mark of position texts: the locale's when it is a comma, else a point. The position
// boxes read either, and no other mark a locale may have.
QChar positionDecimalMark(const QLocale &locale);

// The position boxes' forms, in the system's decimal notation: "59,912700" and "010,746100"
// where the comma is the decimal mark, the sign before the padded digits ("-05,500000").
QString latitudeText(double latitude, const QLocale &locale = QLocale());
QString longitudeText(double longitude, const QLocale &locale = QLocale());

// A place a waypoint can be taken from. Each waypoint is taken once: after taking, the source is
// cleared.
class WaypointSource {
public:
    virtual ~WaypointSource() = default;
    virtual bool holdsWaypoint() const = 0; // asked every tick: cheap
    virtual std::optional<Waypoint> takeFirst() = 0;
    virtual void clear() = 0;
};

// A waypoint file a map program wrote into the program folder, "Posisjoner.txt" (the list layout)
// or "Veipunkter.gpx". Clearing renames the file read with the suffix ".brukt".
class WaypointFileSource : public WaypointSource {
public:
    static inline const QString ListFileName = QStringLiteral("Posisjoner.txt");
    static inline const QString GpxFileName = QStringLiteral("Veipunkter.gpx");
    static inline const QString UsedSuffix = QStringLiteral(".brukt");

    explicit WaypointFileSource(QString folder) : m_folder(std::move(folder)) {}

    bool holdsWaypoint() const override;
    std::optional<Waypoint> takeFirst() override;
    void clear() override;

private:
    QString fileToRead() const;

    QString m_folder;
    QString m_read;     // the file takeFirst read
    QByteArray m_taken; // its contents: kept when it cannot be renamed, so it is not taken again
};

// The clipboard's text, when it holds a position. The position taken is remembered and not taken
// again; the clipboard itself is left alone.
class ClipboardSource : public WaypointSource {
public:
    explicit ClipboardSource(std::function<QString()> clipboardText) : m_text(std::move(clipboardText)) {}

    bool holdsWaypoint() const override;
    std::optional<Waypoint> takeFirst() override;
    void clear() override;

private:
    std::optional<Waypoint> newWaypoint() const;

    std::function<QString()> m_text;
    std::optional<Waypoint> m_taken;
};

} // namespace lirvenda
