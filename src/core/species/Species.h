#pragma once

// Species as the main window shows them: the popular name, the scientific name and the key.

#include "core/shared/DisplayTexts.h"

#include <QList>
#include <QString>

namespace lirvenda {

class Program;

// Each look-up answers the empty text for a key without a taxon.
// The Norwegian (Bokmål) name of the species, its first letter capitalised.
QString speciesDisplayName(Program &program, const QString &speciesKey, bool withScientificName);
// The first three letters of the genus and of the species epithet, in capitals (PARMAJ).
QString latinShortCode(Program &program, const QString &speciesKey);
// "Popular name (Genus species) [key]"; the name part is empty for a key without a taxon.
QString speciesDisplayText(Program &program, const QString &speciesKey);
// Every species observed, shown by its display text; in key order when asked, else as the
// database delivers them.
QList<KeyedEntry> registeredSpeciesEntries(Program &program, bool inKeyOrder);
// True when the taxon table holds a species of the class ("Aves", "Pattedyr", ...).
bool hasTaxaOfClass(Program &program, const QString &taxonClass);
// The entries in Norwegian alphabetical order of their texts (Æ, Ø, Å after Z).
QList<KeyedEntry> sortedAlphabetically(QList<KeyedEntry> entries);

} // namespace lirvenda
