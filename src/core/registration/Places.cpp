#include "core/registration/Places.h"

#include "core/store/Program.h"

#include <QStringList>

#include <algorithm>
#include <optional>

namespace lirvenda {

namespace {

std::optional<QString> placeName(Program &program, const QString &code)
{
    Statement row =
        program.mainConnection().query(QStringLiteral("SELECT Place FROM Adminplasser WHERE CodePlace = ?"), {code});
    if (!row.next())
        return std::nullopt;
    return row.text(QStringLiteral("Place"));
}

QList<KeyedEntry> placeItems(Statement rows)
{
    QList<KeyedEntry> items;
    while (rows.next())
        items << placeItem(rows.text(QStringLiteral("Place")), rows.text(QStringLiteral("CodePlace")));
    return items;
}

} // namespace

bool isMunicipalityCode(const QString &code)
{
    return code.size() >= 2 && code.at(0).isDigit() && code.at(1).isDigit();
}

QString countyCodeOf(const QString &code)
{
    return isMunicipalityCode(code) ? QStringLiteral("NO") + code.left(2) : code;
}

QString countyNumberOf(const QString &code) { return countyCodeOf(code).right(2); }

QString countyName(Program &program, const QString &code)
{
    return placeName(program, countyCodeOf(code)).value_or(QStringLiteral("-"));
}

QString municipalityName(Program &program, const QString &code)
{
    return isMunicipalityCode(code) ? placeName(program, code).value_or(QString()) : QStringLiteral("-");
}

QString localityNameById(Program &program, qint64 id)
{
    const QVariant name =
        program.mainConnection().scalar(QStringLiteral("SELECT Lokalitet FROM Lokalitet WHERE ID = ?"), {id});
    return name.isNull() ? NoLocalityName : name.toString();
}

QString storedLocalityText(Program &program, const QString &locality)
{
    const QString digits = locality.trimmed();
    bool whole = false;
    const qint64 id = digits.toLongLong(&whole);
    if (!whole || !std::all_of(digits.begin(), digits.end(), [](QChar c) { return c.isDigit(); }))
        return locality;
    const QString name = localityNameById(program, id);
    return name == NoLocalityName ? locality : name;
}

QString changedLocality(Program &program, const QString &stored, const QString &shown)
{
    return stored != shown && storedLocalityText(program, stored) == shown ? stored : shown;
}

KeyedEntry placeItem(const QString &name, const QString &code) { return keyedEntry(name, 40, code); }

QList<KeyedEntry> countyItems(Program &program)
{
    return placeItems(program.mainConnection().query(
        QStringLiteral("SELECT CodePlace, Place FROM Adminplasser WHERE substr(CodePlace, 1, 2) = 'NO' "
                       "ORDER BY CodePlace")));
}

QList<KeyedEntry> municipalityItems(Program &program, const QString &countyNumber)
{
    return placeItems(program.mainConnection().query(
        QStringLiteral("SELECT CodePlace, Place FROM Adminplasser WHERE substr(CodePlace, 1, 2) = ? "
                       "ORDER BY Place COLLATE NORSK"),
        {countyNumber}));
}

// A named locality's number, as group registrations store it, is listed as its name.
QStringList usedLocalities(Program &program)
{
    return program.mainConnection().columnTexts(
        QStringLiteral("SELECT DISTINCT ifnull(l.Lokalitet, b.Lokalitet) AS Name FROM BrukteLokaliteter b "
                       "LEFT JOIN Lokalitet l ON trim(b.Lokalitet) NOT GLOB '*[^0-9]*' "
                       "AND l.ID = CAST(trim(b.Lokalitet) AS INTEGER) "
                       "WHERE b.Lokalitet <> '' ORDER BY Name COLLATE NORSK"));
}

// A missing value is the empty text, so a place stored once with NULL and once with '' is one place.
QList<UsedPlace> usedPlaces(Program &program)
{
    Statement rows = program.mainConnection().query(QStringLiteral(
        "SELECT DISTINCT ifnull(Lokalitet, '') AS Lokalitet, ifnull(Fylke_Kommune, '') AS Fylke_Kommune, "
        "ifnull(Naturtype, '') AS Naturtype, ifnull(Breddegrad, '') AS Breddegrad, "
        "ifnull(Lengdegrad, '') AS Lengdegrad FROM Observasjoner "
        "ORDER BY 1 COLLATE NORSK, 2, 3, 4, 5"));
    QList<UsedPlace> places;
    while (rows.next())
        places.append({rows.text(QStringLiteral("Lokalitet")), rows.text(QStringLiteral("Fylke_Kommune")),
                       rows.text(QStringLiteral("Naturtype")), rows.text(QStringLiteral("Breddegrad")),
                       rows.text(QStringLiteral("Lengdegrad"))});
    return places;
}

QString usedPlaceLine(Program &program, const UsedPlace &place)
{
    const QString area = countyName(program, place.placeCode) + '/' + municipalityName(program, place.placeCode);
    return QStringList{place.locality, area, place.latitude, place.longitude, place.natureType}.join('\t');
}

} // namespace lirvenda
