#pragma once

// Species as the main window shows them: the popular name, the scientific name and the key.

#include <QString>
#include <QStringList>

namespace lirvenda {

class Program;

// "Popular name (Genus species) [key]"; the name part is empty for a key without a taxon.
QString SpeciesDisplayText(Program &program, const QString &speciesKey);
// The display texts of every species observed; in key order when asked, else as the database
// delivers them.
QStringList RegisteredSpeciesTexts(Program &program, bool inKeyOrder);
// True when the taxon table holds a species of the class ("Aves", "Pattedyr", ...).
bool HasTaxaOfClass(Program &program, const QString &taxonClass);
// The texts in Norwegian alphabetical order (Æ, Ø, Å after Z).
QStringList SortedAlphabetically(QStringList texts);

} // namespace lirvenda
