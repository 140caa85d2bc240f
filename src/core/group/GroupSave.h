#pragma once

// The header of a group registration (time, locality, observers), its check, and the save of every
// species that is not left out, all in one transaction.

#include "core/group/GroupEntries.h"
#include "core/group/NamedLocalities.h"
#include "core/registration/Validation.h"
#include "core/shared/DisplayTexts.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace lirvenda {

class Program;

// The observers as the group windows list them: "Last, F. (INITIALS)", 40 blanks, "[ObserverID]",
// by last name, then first name. ObserverID is the number the link rows and the export use.
QList<KeyedEntry> groupObserverEntries(Program &program);
bool hasRegisteredObservers(Program &program);
// The ObserverID of the observer remembered in MainObserver.txt; empty when there is none.
QString rememberedMainObserverId(Program &program);

// What the header panel holds, as typed or chosen; keys are empty when nothing is chosen.
struct GroupHeader {
    QString startDate, startTime, stopDate, stopTime;
    LocalityChoice locality;      // a named locality, or a used place that becomes one at the save
    QString mainObserverId;       // ObserverID
    QStringList otherObserverIds; // ObserverID of each chosen co-observer, in list order
};

// The messages the first failing check gives; empty when the header may be saved.
QList<ValidationMessage> groupHeaderProblems(Program &program, const GroupHeader &header,
                                             const QDate &today = QDate::currentDate());

// Writes one observation, with its observer links, for each species not left out, in order, and
// makes a chosen used place a named locality; all or nothing. Answers how many observations were
// written. Throws DatabaseError on a failure, after which nothing of the save is stored.
int saveGroupRegistration(Program &program, const GroupHeader &header, const QList<GroupSpeciesValues> &species,
                          const QDate &today = QDate::currentDate());

} // namespace lirvenda
