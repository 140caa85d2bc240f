#pragma once

// The import of older atlas records: the table Atlas replaces every observation and observer link.

#include "core/group/NamedLocalities.h"

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QVariantMap>

#include <optional>

namespace lirvenda {

class Program;
class Record;

// The observer every imported observation is linked to as its main observer (ObserverID).
inline constexpr qint64 AtlasMainObserverId = 2;

// The look-ups of the import, read once before it.
struct AtlasLookups {
    QHash<QString, QString> speciesByEuoNumber;        // EUONr -> EUNr ("99999" for a species without one)
    QHash<QString, QString> referenceByAuthorsAndYear; // authors + '\n' + year -> Referanse_ID
    // First four characters of the name -> the first named locality by ID, else the first place
    // used in the observations, as the group registration offers them.
    QHash<QString, LocalityChoice> localityByPrefix;
};
AtlasLookups readAtlasLookups(Program &program);

// The species key of an old European species number: the EUNr of the species whose EUONr is the
// number written with at least four digits; "99999" when that species has no EUNr; the empty text
// when there is no such species or the text is not a number.
QString euNumberToSpeciesKey(const AtlasLookups &lookups, const QString &number);

// One atlas record as an observation, whether its species was found, and the locality its route
// stands for; the import sets Lokalitet to that locality's ID.
struct AtlasObservation {
    QVariantMap columns;
    bool speciesFound = false;
    std::optional<LocalityChoice> locality;
};
AtlasObservation atlasObservation(const Record &atlas, const AtlasLookups &lookups);

// What the import would do: how many observations it replaces and how many records it imports.
struct AtlasImportPlan {
    qint64 observations = 0;
    qint64 atlasRecords = 0;
};
AtlasImportPlan atlasImportPlan(Program &program);
// Why the import cannot run; empty when it can.
QString atlasImportRefusal(Program &program, const AtlasImportPlan &plan);
bool hasAtlasRecords(Program &program);

// Copies Observasjoner.mdb to a dated file in the program folder that opens with the same key;
// answers its path. Throws DatabaseError when the copy fails.
QString backUpObservations(Program &program, const QDateTime &now = QDateTime::currentDateTime());

struct AtlasImportResult {
    int imported = 0;
    int unmatched = 0; // records whose locality or species was not found
};
// Replaces every observation and observer link by the atlas records, in one transaction: on a
// failure (DatabaseError) the store is as it was. A used place a route stands for becomes a named
// locality.
AtlasImportResult importAtlas(Program &program);

} // namespace lirvenda
