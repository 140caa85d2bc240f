#pragma once

#include "support/TestProgram.h"

#include "core/group/GroupEntries.h"
#include "core/group/GroupSave.h"
#include "core/registration/ObservationColumns.h"
#include "core/shared/UniqueIds.h"

#include <QDate>

#include <optional>

namespace lirvenda::test {

// Saves an observation as the main window does, through the record set; a count of none is an
// empty count.
inline qint64 saveSighting(TestProgram &t, const QString &species, std::optional<qint64> count, const QString &start,
                           const QString &locality, const QString &placeCode)
{
    Observation observation;
    observation.start = observation.stop = start;
    observation.speciesKey = species;
    observation.count = count;
    observation.locality = locality;
    observation.placeCode = placeCode;
    observation.latitude = QStringLiteral("59.91");
    observation.longitude = QStringLiteral("10.75");
    observation.uniqueId = newUniqueId(t.program());
    return t.program().observations().append(savedObservationColumns(observation, QDate(2024, 1, 2)));
}

// A group registration of one species at a used place, which the save makes a named locality:
// the row stores the locality's number.
inline void saveGroupSighting(TestProgram &t, const QString &species, const QString &count, const QString &date,
                              const QString &locality)
{
    const QString observer = t.addObserver(QStringLiteral("Ola"), QStringLiteral("Nordmann"), QStringLiteral("ON"));
    const QString observerId =
        t.program()
            .observerConnection()
            .scalar(QStringLiteral("SELECT ObserverID FROM Observers WHERE ObserverUniqueID = ?"), {observer})
            .toString();
    GroupEntries entries(QStringList{species});
    entries[0].count = count;
    const GroupHeader header{date, QStringLiteral("06:00"), date, QStringLiteral("07:00"), {locality, 0}, observerId,
                             {}};
    saveGroupRegistration(t.program(), header, entries.values(), QDate(2024, 1, 2));
}

// A small diary with known lists. Seen: Knoppsvane (01520) first at 23:59 on 31 December 2019,
// Svarttrost (11870) first at 00:00 on 1 January 2020, Smålom (00020) with an empty count, the
// key 99999 without taxon, Storlom (00030) from a group registration at Storvatnet, and Piggsvin
// (900001), a mammal. Kjøttmeis (14640) has counts of 0 and -2 only: not seen.
struct ListsDiary {
    qint64 swanFirst, swanLater, thrushFirst, thrushLast, loon, unknownKey;
};

inline ListsDiary fillListsDiary(TestProgram &t)
{
    ListsDiary d{};
    d.swanFirst = saveSighting(t, "01520", 1, "2019-12-31 23:59:00", "Storvatnet", "0301");
    d.swanLater = saveSighting(t, "01520", 4, "2020-06-01 12:00:00", "Bø", "1101");
    d.thrushFirst = saveSighting(t, "11870", 2, "2020-01-01 00:00:00", "Tjønna", "0301");
    d.thrushLast = saveSighting(t, "11870", 3, "2020-12-31 23:59:00", "Bø", "1101");
    saveSighting(t, "14640", 0, "2020-03-01 00:00:00", "Tjønna", "0301");
    saveSighting(t, "14640", -2, "2020-03-02 00:00:00", "Tjønna", "0301");
    d.loon = saveSighting(t, "00020", std::nullopt, "2020-05-05 07:00:00", "Tjønna", "0301");
    d.unknownKey = saveSighting(t, "99999", 5, "2020-07-07 00:00:00", "Tjønna", "0301");
    saveSighting(t, "900001", 1, "2020-08-08 00:00:00", "Tjønna", "0301");
    saveGroupSighting(t, "00030", "2", "15.04.2020", "Storvatnet");
    return d;
}

} // namespace lirvenda::test
