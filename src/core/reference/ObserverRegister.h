#pragma once

// The observer register behind the observer windows: searching, adding and changing one observer,
// and choosing the default observers. Every read and write goes through the observer connection,
// so the register lives in Nest.mdb whenever that file is present.

#include "core/shared/DisplayTexts.h"

#include <QList>
#include <QString>

#include <optional>

namespace lirvenda {

class Program;

// What the entry window edits: the columns the user types, as typed.
struct ObserverFields {
    QString firstName;
    QString lastName;
    QString address;
    QString postalCode;
    QString country;
    QString telephone;
    QString birthYear;
    QString initials;
    QString ringingLicense;
};

// The key the entry window holds for an observer not yet stored.
inline constexpr qint64 NewObserver = 0;

// The list window's entries, "Last, First (INITIALS). Address PostalCode [ObserverID]", of every
// observer whose last name, first name or initials contain the text (trimmed, literal, in any
// case), ordered by last name, then first name. An empty text lists everyone.
QList<KeyedEntry> searchObservers(Program &program, const QString &searchText);

// The observer's stored fields, a missing value as the empty text; nullopt when there is none.
std::optional<ObserverFields> readObserver(Program &program, qint64 observerId);

// Adds the observer (observerId NewObserver) or changes it, checks and write in one transaction:
// initials stored in capitals, the last name without surrounding blanks, a new observer with its
// own ObserverUniqueID. Answers the message that refuses the fields; empty when they were stored.
QString saveObserver(Program &program, qint64 observerId, const ObserverFields &fields);

struct DefaultObserverEntry : KeyedEntry { // "Last, First Middle (INITIALS) [ObserverID]"
    bool isDefault;
};
// Every observer, ordered by last name, then first name.
QList<DefaultObserverEntry> defaultObserverEntries(Program &program);
// The entries a registration's observer list shows ("Last, F. (INITIALS)", blanks,
// "[ObserverUniqueID]"): the default observers by first name, or every observer by last name.
QList<KeyedEntry> defaultRegistrationObservers(Program &program);
QList<KeyedEntry> registrationObserverChoices(Program &program);
// These observers, and no others, become default observers, all at once or not at all.
void setDefaultObservers(Program &program, const QList<qint64> &observerIds);

// Look-ups of one observer; each answers the empty text when there is none.
// "Last, F. (INITIALS)", 40 blanks, "[ObserverUniqueID]" for an observer; the empty entry when
// there is none.
KeyedEntry observerEntry(Program &program, const QString &observerUniqueId);
// "first name last name" of an observer, by ObserverID or by ObserverUniqueID.
QString observerNameById(Program &program, qint64 observerId);
QString observerNameByUniqueId(Program &program, const QString &observerUniqueId);

} // namespace lirvenda
