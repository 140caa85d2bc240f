#pragma once

// Counties and municipalities of Adminplasser. A county's code is "NO" and its two-digit number,
// a municipality's four digits that begin with its county's number.

#include "core/shared/DisplayTexts.h"

#include <QList>
#include <QString>

namespace lirvenda {

class Program;

// The name of the county a code belongs to, "-" when there is no such county.
QString countyName(Program &program, const QString &code);
// The name of a municipality; "-" for a code that is not a municipality's, the empty text when
// no municipality has the code.
QString municipalityName(Program &program, const QString &code);
bool isMunicipalityCode(const QString &code); // begins with two digits
// The county's code for a municipality's code; any other code as it is.
QString countyCodeOf(const QString &code);
// The two digits of the county a code belongs to; empty for an empty code.
QString countyNumberOf(const QString &code);

// What localityNameById answers for an ID that names no locality.
inline const QString NoLocalityName = QStringLiteral("&Lokalitet");
// The name of a named locality (table Lokalitet); NoLocalityName when there is none.
QString localityNameById(Program &program, qint64 id);
// A stored locality as the user reads it: group registrations and the atlas import store the
// number of a named locality, which shows as its name; the main window stores the name as typed.
QString storedLocalityText(Program &program, const QString &locality);
// What a changed row stores for the locality the window shows: the named locality it referred to
// while its name is still shown, so that a change of other fields leaves the reference alone;
// else the text as shown.
QString changedLocality(Program &program, const QString &stored, const QString &shown);

// A place as the county and municipality lists show it: the name, 40 blanks, "[code]".
KeyedEntry placeItem(const QString &name, const QString &code);
// The counties in code order.
QList<KeyedEntry> countyItems(Program &program);
// The municipalities of a county, by name in Norwegian order.
QList<KeyedEntry> municipalityItems(Program &program, const QString &countyNumber);

// The localities of the stored observations, each once, in Norwegian order; no empty one.
QStringList usedLocalities(Program &program);

// A place stored with an earlier observation, offered for the next one.
struct UsedPlace {
    QString locality;
    QString placeCode;  // Fylke_Kommune
    QString natureType; // the nature-type path
    QString latitude, longitude;
};
// Every distinct place of the stored observations, by locality name in Norwegian order.
QList<UsedPlace> usedPlaces(Program &program);
// "Locality<TAB>County/Municipality<TAB>latitude<TAB>longitude<TAB>nature-type path"
QString usedPlaceLine(Program &program, const UsedPlace &place);

} // namespace lirvenda
