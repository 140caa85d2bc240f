#pragma once

// A look through a store for damage: the engine's own integrity check of each file, and the
// rules our own tables keep that the engine does not enforce.

#include <QStringList>

namespace lirvenda {

class Program;

struct StoreCheckResult {
    QStringList summary;  // what was looked at, line by line
    QStringList problems; // one line for each problem found; empty when the store is sound
};

// Reads only, a store of any schema version as it is; the databases must be open.
StoreCheckResult checkStore(Program &program);

} // namespace lirvenda
