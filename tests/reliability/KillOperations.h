#pragma once

// What the kill worker and the test that kills it agree on.

#include <QList>
#include <QString>

namespace lirvenda::test {

inline constexpr int ExportBatch = 300; // observations added and exported in each round
inline constexpr int DefaultsObservers = 6;
inline constexpr int GroupSpecies = 30;       // observations of one group save
inline constexpr int AtlasRecords = 500;      // what each atlas import puts in place of the observations
inline constexpr int GroupLocality = 7;       // the named locality of the group saves
inline constexpr int StartObservations = 123; // before the first atlas import
// The passphrase each change of key sets or removes in turn.
inline const QString RekeyPassphrase = QStringLiteral("kjøttmeis i hagen");

// The default observers the n-th round sets: observers 1 and 2, then 3 and 4, then 5 and 6, and
// again; any other set would be a half-written rewrite, and the round tells which two sets a
// kill may leave.
inline QList<qint64> defaultsOfRound(qint64 n)
{
    const qint64 first = 1 + 2 * (n % 3);
    return {first, first + 1};
}

} // namespace lirvenda::test
