#pragma once

// The species a group registration chooses from. Its keys are those of the species table (EUNr);
// an entry shows "Name (Genus species) [key]".

#include "core/shared/DisplayTexts.h"

#include <QList>
#include <QString>

namespace lirvenda {

class Program;

// The species that occur in the observations and have a row in the species table, each once: in
// key order, or by Norwegian name.
QList<KeyedEntry> observedGroupSpecies(Program &program, bool inKeyOrder);
// Every species of the species table, in the table's order.
QList<KeyedEntry> allGroupSpecies(Program &program);
// The species whose Norwegian name begins with the text (in any case), "Name  [key]", by name.
QList<KeyedEntry> speciesNamedFrom(Program &program, const QString &beginning);

} // namespace lirvenda
