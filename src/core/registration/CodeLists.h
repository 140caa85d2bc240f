#pragma once

// The code tables a registration chooses from, as list entries: the text, blanks, "[key]".

#include "core/shared/DisplayTexts.h"

#include <QList>

namespace lirvenda {

class Program;

enum class CodeList { Activities, NestSites, TreeSpecies, YoungAges };

// Every code of the table in key order.
QList<KeyedEntry> codeListEntries(Program &program, CodeList list);
// The text of an activity code; empty when there is none.
QString activityText(Program &program, int activityId);

} // namespace lirvenda
