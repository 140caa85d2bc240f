#pragma once

// Species as the main window shows them: the popular name, the scientific name and the key.

#include "core/shared/SharedProcedures.h"

#include <QList>
#include <QString>

namespace lirvenda {

class Program;

// "Popular name (Genus species) [key]"; the name part is empty for a key without a taxon.
QString SpeciesDisplayText(Program &program, const QString &speciesKey);
// Every species observed, shown by its display text; in key order when asked, else as the
// database delivers them.
QList<KeyedEntry> RegisteredSpeciesEntries(Program &program, bool inKeyOrder);
// True when the taxon table holds a species of the class ("Aves", "Pattedyr", ...).
bool HasTaxaOfClass(Program &program, const QString &taxonClass);
// The entries in Norwegian alphabetical order of their texts (Æ, Ø, Å after Z).
QList<KeyedEntry> SortedAlphabetically(QList<KeyedEntry> entries);

} // namespace lirvenda
