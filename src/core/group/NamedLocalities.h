#pragma once

// The localities a group registration is made at: the named localities (table Lokalitet) and the
// places used in the observations. Group registrations and the atlas import store a named
// locality's ID, so a used place that is chosen becomes a named locality first. Two names are the
// same locality when they differ only in case and surrounding blanks.

#include "core/shared/DisplayTexts.h"

#include <QList>
#include <QString>

namespace lirvenda {

class Program;

struct LocalityChoice {
    QString name;
    qint64 id = 0; // Lokalitet.ID; 0 for a used place that is no named locality yet

    friend bool operator==(const LocalityChoice &, const LocalityChoice &) = default;
};

// The named localities by ID, then, in Norwegian order, the places used in the observations that
// are none of them.
QList<LocalityChoice> namedAndUsedLocalities(Program &program);
// The same, all by name in Norwegian order, as the group registration lists them.
QList<LocalityChoice> groupLocalityChoices(Program &program);
// A named locality as "Name", 10 blanks, "[ID]"; a used place by its name alone, without a key.
KeyedEntry localityEntry(const LocalityChoice &choice);

// The ID of the chosen locality; a used place is found among the named localities by its name or
// added to them. Runs in the caller's transaction; throws DatabaseError on a failure.
qint64 namedLocalityId(Program &program, const LocalityChoice &choice);

// A new named locality, or why it was refused (an empty name, or a name already there).
struct NewLocality {
    LocalityChoice locality;
    QString refusal;
};
NewLocality addNamedLocality(Program &program, const QString &name);

} // namespace lirvenda
