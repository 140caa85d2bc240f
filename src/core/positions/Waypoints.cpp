#include "core/positions/Waypoints.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <cmath>

namespace lirvenda {

namespace {

constexpr int ListHeaderLines = 4;

std::optional<double> decimalNumber(const QString &text)
{
    bool read = false;
    const double value = text.trimmed().toDouble(&read); // QString reads "." whatever the locale
    return read && std::isfinite(value) ? std::optional(value) : std::nullopt;
}

QString padded(double value, int integerDigits, const QLocale &locale)
{
    QString digits = QString::number(std::abs(value), 'f', 6);
    const qsizetype point = digits.indexOf('.');
    digits = QString(std::max<qsizetype>(integerDigits - point, 0), '0') + digits;
    digits.replace('.', positionDecimalMark(locale));
    const bool belowZero = std::round(value * 1e6) < 0; // no "-" before a position that shows as zero
    return belowZero ? QLatin1Char('-') + digits : digits;
}

std::optional<Waypoint> firstWaypointOfFile(const QString &path, const QByteArray &contents)
{
    return path.endsWith(QStringLiteral(".gpx")) ? firstWaypointOfGpx(contents) : firstWaypointOfList(contents);
}

} // namespace

std::optional<Waypoint> waypointOf(const QString &latitude, const QString &longitude)
{
    const auto lat = decimalNumber(latitude);
    const auto lon = decimalNumber(longitude);
    if (!lat || !lon || std::abs(*lat) > 90 || std::abs(*lon) > 180)
        return std::nullopt;
    return Waypoint{*lat, *lon};
}

std::optional<Waypoint> firstWaypointOfList(const QByteArray &contents)
{
    const QList<QByteArray> lines = contents.split('\n');
    if (lines.size() <= ListHeaderLines)
        return std::nullopt;
    const QStringList fields = QString::fromUtf8(lines[ListHeaderLines]).split(',');
    if (fields.size() < 4)
        return std::nullopt;
    return waypointOf(fields[2], fields[3]);
}

std::optional<Waypoint> firstWaypointOfGpx(const QByteArray &contents)
{
    QXmlStreamReader xml(contents);
    while (!xml.atEnd()) { // a malformed file ends the reading
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("wpt"))
            return waypointOf(xml.attributes().value(QLatin1String("lat")).toString(),
                              xml.attributes().value(QLatin1String("lon")).toString());
    }
    return std::nullopt;
}

// A bare pair needs a decimal point in each number: "59,9" or "12 30" copied from a text is a
// number or two, not a position. A geo link says what it is and may carry whole degrees.
std::optional<Waypoint> waypointOfText(const QString &text)
{
    static const QString decimal = QStringLiteral(R"(([-+]?\d+\.\d+))");
    static const QString number = QStringLiteral(R"(([-+]?\d+(?:\.\d+)?))");
    static const QRegularExpression pair(QStringLiteral(R"(^\s*%1\s*(?:,\s*|\s+)%1\s*$)").arg(decimal));
    static const QRegularExpression geo(
        QStringLiteral(R"(^\s*geo:%1,%1(?:,[-+]?\d+(?:\.\d+)?)?(?:[;?].*)?\s*$)").arg(number),
        QRegularExpression::CaseInsensitiveOption);
    for (const QRegularExpression *form : {&pair, &geo})
        if (const QRegularExpressionMatch match = form->match(text); match.hasMatch())
            return waypointOf(match.captured(1), match.captured(2));
    return std::nullopt;
}

QChar positionDecimalMark(const QLocale &locale)
{
    return locale.decimalPoint() == QLatin1String(",") ? QLatin1Char(',') : QLatin1Char('.');
}

QString latitudeText(double latitude, const QLocale &locale) { return padded(latitude, 2, locale); }
QString longitudeText(double longitude, const QLocale &locale) { return padded(longitude, 3, locale); }

QString WaypointFileSource::fileToRead() const
{
    for (const QString &name : {ListFileName, GpxFileName})
        if (QFile::exists(QDir(m_folder).filePath(name)))
            return QDir(m_folder).filePath(name);
    return {};
}

bool WaypointFileSource::holdsWaypoint() const { return !fileToRead().isEmpty(); }

std::optional<Waypoint> WaypointFileSource::takeFirst()
{
    m_read = fileToRead();
    QFile file(m_read);
    if (m_read.isEmpty() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray contents = file.readAll();
    if (contents == m_taken)
        return std::nullopt;
    m_taken = contents;
    return firstWaypointOfFile(m_read, contents);
}

// A used file is kept beside the new ones under another name; an older used one gives way.
void WaypointFileSource::clear()
{
    if (m_read.isEmpty())
        return;
    QFile::remove(m_read + UsedSuffix);
    if (QFile::rename(m_read, m_read + UsedSuffix))
        m_taken.clear();
    m_read.clear();
}

std::optional<Waypoint> ClipboardSource::newWaypoint() const
{
    const auto waypoint = waypointOfText(m_text());
    return waypoint != m_taken ? waypoint : std::nullopt;
}

bool ClipboardSource::holdsWaypoint() const { return newWaypoint().has_value(); }

std::optional<Waypoint> ClipboardSource::takeFirst() { return newWaypoint(); }

void ClipboardSource::clear()
{
    if (const auto waypoint = waypointOfText(m_text()))
        m_taken = waypoint;
}

} // namespace lirvenda
