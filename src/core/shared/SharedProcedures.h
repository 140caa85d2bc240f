#pragma once

// The small procedures every window shares that need no widget: keys in display texts,
// identifiers, look-ups and the program folder's text files. Dates and times: DateTexts.h.

#include <QString>

namespace lirvenda {

class Program;

// Display texts with a key: the visible text, often a run of blanks, then "[key]".
QString BracketCode(const QString &text);
QString CapitalizeFirst(const QString &text);
QString withKey(const QString &visible, int blanks, const QString &key); // text, blanks, "[key]"

// An entry of a list that stands for a key: the text it shows, usually made by withKey, and the
// key itself, which the list keeps beside the text, so that no "[" in a name can change it.
struct KeyedEntry {
    QString text;
    QString key;
};
KeyedEntry keyedEntry(const QString &visible, int blanks, const QString &key); // the text by withKey

bool FileExists(const QString &path);
QString ReadFirstLine(const QString &path);
// Replaces the file with one UTF-8 line ended by a line break; throws DatabaseError on failure.
void WriteLine(const QString &path, const QString &line);

// "YYYYMMDDHHNNSS-n", n the program's counter, which goes up by one.
QString NewUniqueId(Program &program);

// Look-ups; each answers the empty text when nothing matches.
// The Norwegian (Bokmål) name of the species, its first letter capitalised.
QString SpeciesDisplayName(Program &program, const QString &speciesKey, bool withScientificName);
QString LatinShortCode(Program &program, const QString &speciesKey);
QString ActivityText(Program &program, int activityId);
// "Last, F. (INITIALS)", 40 blanks, "[ObserverUniqueID]" for an observer; the empty entry when
// there is none.
KeyedEntry ObserverEntry(Program &program, const QString &observerUniqueId);
// "first name last name" of an observer, by ObserverID or by ObserverUniqueID.
QString ObserverNameById(Program &program, qint64 observerId);
QString ObserverNameByUniqueId(Program &program, const QString &observerUniqueId);

} // namespace lirvenda
