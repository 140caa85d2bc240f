#pragma once

// Display texts: a visible text with a key behind it, and capitalisation.

#include <QString>

namespace lirvenda {

// Display texts with a key: the visible text, often a run of blanks, then "[key]".
QString bracketCode(const QString &text);
QString withKey(const QString &visible, int blanks, const QString &key); // text, blanks, "[key]"
QString capitalizeFirst(const QString &text);

// An entry of a list that stands for a key: the text it shows, usually made by withKey, and the
// key itself, which the list keeps beside the text, so that no "[" in a name can change it.
struct KeyedEntry {
    QString text;
    QString key;
};
KeyedEntry keyedEntry(const QString &visible, int blanks, const QString &key); // the text by withKey

} // namespace lirvenda
