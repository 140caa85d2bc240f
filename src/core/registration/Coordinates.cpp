#include "core/registration/Coordinates.h"

#include "core/store/Program.h"

#include <QRegularExpression>

#include <cmath>

namespace lirvenda {

namespace {

int numberOrZero(const QString &digits)
{
    bool ok = false;
    const int value = digits.toInt(&ok);
    return ok ? value : 0;
}

// Whole degrees, 0 for what cannot be a latitude or longitude (as for letters): a typed number
// beyond 180 degrees makes no key, and would overflow one.
int degreesOf(const QString &digits)
{
    const int degrees = numberOrZero(digits);
    return std::abs(degrees) <= 180 ? degrees : 0;
}

int minutesOf(const QString &decimals) { return int(std::lround(numberOrZero(decimals) * 0.6)); }

} // namespace

// With a decimal mark the degrees are the whole part and the minutes come from the first two
// decimals (59.9 is 59.90, 5.32 is five degrees). Without one the first two digits are the
// degrees and the next two the decimals, so 599127 still reads as 59.9127.
int coordinateKey(const QString &typed)
{
    const QString text = typed.trimmed();
    const qsizetype mark = text.indexOf(QRegularExpression(QStringLiteral("[.,]")));
    if (mark < 0)
        return degreesOf(text.left(2)) * 100 + minutesOf(text.mid(2, 2));
    QString decimals = text.mid(mark + 1).remove('.').remove(',').left(2);
    while (decimals.size() < 2)
        decimals += '0';
    return degreesOf(text.left(mark)) * 100 + minutesOf(decimals);
}

KeyedEntry MunicipalityCandidate::pickerEntry() const
{
    return keyedEntry(countyName + QStringLiteral(", ") + municipalityName.trimmed(), 1, code);
}

QList<MunicipalityCandidate> municipalitiesAt(Program &program, const QString &latitude, const QString &longitude)
{
    const int lat = coordinateKey(latitude);
    const int lon = coordinateKey(longitude);
    // Box "SSSSWWWW-NNNNEEEE": south and west edges, then north and east, each DDMM.
    Statement rows = program.mainConnection().query(
        QStringLiteral(
            "SELECT m.CodePlace AS Code, m.Place AS Municipality, ifnull(c.Place, '-') AS County "
            "FROM Adminplasser m LEFT JOIN Adminplasser c ON c.CodePlace = 'NO' || substr(m.CodePlace, 1, 2) "
            "WHERE m.ExtendedPlace GLOB '[0-9][0-9]*' AND substr(m.CodePlace, -2) <> '00' "
            "AND ? >= CAST(substr(m.ExtendedPlace, 1, 4) AS INTEGER) "
            "AND ? >= CAST(substr(m.ExtendedPlace, 5, 4) AS INTEGER) "
            "AND ? <= CAST(substr(m.ExtendedPlace, 10, 4) AS INTEGER) "
            "AND ? <= CAST(substr(m.ExtendedPlace, 14, 4) AS INTEGER) "
            "ORDER BY m.rowid"),
        {lat, lon, lat, lon});
    QList<MunicipalityCandidate> candidates;
    while (rows.next())
        candidates.append({rows.text(QStringLiteral("Code")), rows.text(QStringLiteral("County")),
                           rows.text(QStringLiteral("Municipality"))});
    return candidates;
}

QString checkCoordinatesAgainstArea(Program &program, const QString &latitude, const QString &longitude)
{
    return municipalitiesAt(program, latitude, longitude).isEmpty() ? QStringLiteral("False") : QStringLiteral("True");
}

} // namespace lirvenda
