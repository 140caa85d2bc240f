#pragma once

#include "core/shared/DisplayTexts.h"

#include <QList>

namespace lirvenda {

class Program;

// The taxa of a class whose popular name, genus or species epithet contains the text, whatever
// its case, or whose six-letter code (PARMAJ) it is; those without a popular name are left out.
// Entries "Popular name (Genus species)  [key]" in Norwegian order of the popular name.
QList<KeyedEntry> speciesSearchEntries(Program &program, const QString &taxonClass, const QString &text);

} // namespace lirvenda
