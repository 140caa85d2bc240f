#pragma once

#include "core/shared/DisplayTexts.h"

#include <QList>
#include <QString>

namespace lirvenda {

class Program;

// A typed latitude or longitude as whole degrees and minutes, DDMM read as a number
// (59.9127 -> 5955, 10.75 -> 1045), the form the municipality boxes are written in.
int coordinateKey(const QString &typed);

struct MunicipalityCandidate {
    QString code;       // CodePlace, four digits
    QString countyName; // "-" when the county row is missing
    QString municipalityName;
    KeyedEntry pickerEntry() const; // "County, Municipality [code]"
};

// Every municipality whose box holds the position, edges included, in the table's order.
// Codes ending in "00" are never candidates.
QList<MunicipalityCandidate> municipalitiesAt(Program &program, const QString &latitude, const QString &longitude);

// "True" when the position lies in at least one municipality's box, else "False". The user picks
// among them with suggestMunicipality (frm_Fylke_Kommune.h).
QString checkCoordinatesAgainstArea(Program &program, const QString &latitude, const QString &longitude);

} // namespace lirvenda
