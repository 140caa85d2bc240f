#pragma once

// Literature references (Referanser) an observation may cite.

#include "core/shared/DisplayTexts.h"

#include <QList>
#include <QString>

namespace lirvenda {

class Program;

struct ReferenceFields {
    QString authors, year, title, journal, pages, publisher;
};

// "Authors Year Title Journal [Referanse_ID]" for every reference, by authors, then year as text.
QList<KeyedEntry> referenceItems(Program &program);
// The first required field left empty, as the message that says so; empty when all are given.
QString referenceProblem(const ReferenceFields &fields);
// Stores a new reference as typed; answers its Referanse_ID.
qint64 addReference(Program &program, const ReferenceFields &fields);

} // namespace lirvenda
