#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace lirvenda {

// One registration of the Observasjoner table as typed values, each holding what its column
// stores. A key is that of an entry in its list, empty when none is chosen.
struct Observation {
    qint64 obsId = 0;            // ObsID; 0 until the row is stored
    QString uniqueId;            // ObsUniqueID, the name its documentation files are filed under
    QString speciesKey;          // Art
    QString countOperator;       // Operator, as the operator list shows it
    std::optional<qint64> count; // Antall in whole individuals; none when the row holds none
    QString sex, age;            // Kjønn, Alder: the captions of the choices
    QString activityKey;         // AtlasKode
    QString locality;            // Lokalitet: the name, or a named locality's number
    QString placeCode;           // Fylke_Kommune: the municipality's number, else the county's code
    QString natureTypePath;      // Naturtype
    QString latitude, longitude; // Breddegrad, Lengdegrad, as typed
    QString start, stop;         // StartDato, StoppDato: "yyyy-MM-dd HH:mm:ss"
    QString comment;             // Kommentar
    QString ring;                // Ring
    bool photo = false, video = false, sound = false; // Dokumentasjon: "F", "V", "L" for each present
    QString referenceKey;                             // Referanse
    QStringList observers;                            // Observatører: the main observer's key first, then the others
    bool reported = false;                            // Rapportert: sent to the portal since it was last changed
    QString lastUpdated;                              // ObsLastUpdated: the day of the last save, at midnight
    bool isNest = false;                              // a nest record: its nest site is chosen
    // Nest records only
    QString nestSiteKey, treeKey; // Reirplassering, Tresort
    QString height, exposure;     // HOM, Eksponering
    QString adults, eggs, young;  // AntallVoksne, AntallEgg, AntallUnger, as the lists show them
    QString youngAgeKey;          // UngeAlder
};

// What the main window's boxes turn into.
// The count box in whole individuals (a decimal is rounded); 0 when it holds no number.
qint64 countOfBox(const QString &countBox);
// The place column: the municipality when one is chosen, else the county.
QString placeCodeOf(const QString &countyCode, const QString &municipalityCode);
// The ring button's caption without its word "Ringmerking", which it shows when no ring is given.
QString ringOfCaption(const QString &ringCaption);
// The ring button's caption for a stored ring.
QString ringCaption(const QString &ring);

} // namespace lirvenda
