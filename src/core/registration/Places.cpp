#include "core/registration/Places.h"

#include "core/shared/SharedProcedures.h"
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
        items << PlaceItem(rows.text(QStringLiteral("Place")), rows.text(QStringLiteral("CodePlace")));
    return items;
}

} // namespace

bool IsMunicipalityCode(const QString &code)
{
    return code.size() >= 2 && code.at(0).isDigit() && code.at(1).isDigit();
}

QString CountyCodeOf(const QString &code)
{
    return IsMunicipalityCode(code) ? QStringLiteral("NO") + code.left(2) : code;
}

QString CountyNumberOf(const QString &code) { return CountyCodeOf(code).right(2); }

QString CountyName(Program &program, const QString &code)
{
    return placeName(program, CountyCodeOf(code)).value_or(QStringLiteral("-"));
}

QString MunicipalityName(Program &program, const QString &code)
{
    return IsMunicipalityCode(code) ? placeName(program, code).value_or(QString()) : QStringLiteral("-");
}

QString LocalityNameById(Program &program, qint64 id)
{
    const QVariant name =
        program.mainConnection().scalar(QStringLiteral("SELECT Lokalitet FROM Lokalitet WHERE ID = ?"), {id});
    return name.isNull() ? NoLocalityName : name.toString();
}

QString StoredLocalityText(Program &program, const QString &locality)
{
    const QString digits = locality.trimmed();
    bool whole = false;
    const qint64 id = digits.toLongLong(&whole);
    if (!whole || !std::all_of(digits.begin(), digits.end(), [](QChar c) { return c.isDigit(); }))
        return locality;
    const QString name = LocalityNameById(program, id);
    return name == NoLocalityName ? locality : name;
}

QString ChangedLocality(Program &program, const QString &stored, const QString &shown)
{
    return stored != shown && StoredLocalityText(program, stored) == shown ? stored : shown;
}

KeyedEntry PlaceItem(const QString &name, const QString &code) { return keyedEntry(name, 40, code); }

QList<KeyedEntry> CountyItems(Program &program)
{
    return placeItems(program.mainConnection().query(
        QStringLiteral("SELECT CodePlace, Place FROM Adminplasser WHERE substr(CodePlace, 1, 2) = 'NO' "
                       "ORDER BY CodePlace")));
}

QList<KeyedEntry> MunicipalityItems(Program &program, const QString &countyNumber)
{
    return placeItems(program.mainConnection().query(
        QStringLiteral("SELECT CodePlace, Place FROM Adminplasser WHERE substr(CodePlace, 1, 2) = ? "
                       "ORDER BY Place COLLATE NORSK"),
        {countyNumber}));
}

// A named locality's number, as group registrations store it, is listed as its name.
QStringList UsedLocalities(Program &program)
{
    return program.mainConnection().columnTexts(
        QStringLiteral("SELECT DISTINCT ifnull(l.Lokalitet, b.Lokalitet) AS Name FROM BrukteLokaliteter b "
                       "LEFT JOIN Lokalitet l ON trim(b.Lokalitet) NOT GLOB '*[^0-9]*' "
                       "AND l.ID = CAST(trim(b.Lokalitet) AS INTEGER) "
                       "WHERE b.Lokalitet <> '' ORDER BY Name COLLATE NORSK"));
}

// A missing value is the empty text, so a place stored once with NULL and once with '' is one place.
QList<UsedPlace> UsedPlaces(Program &program)
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

QString UsedPlaceLine(Program &program, const UsedPlace &place)
{
    const QString area = CountyName(program, place.placeCode) + '/' + MunicipalityName(program, place.placeCode);
    return QStringList{place.locality, area, place.latitude, place.longitude, place.natureType}.join('\t');
}

} // namespace lirvenda
