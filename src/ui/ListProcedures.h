#pragma once

// Shared procedures that work on list and choice boxes.

#include <QString>

class QComboBox;
class QListWidget;

namespace lirvenda {

// True when the text occurs anywhere in at least one entry of the list.
bool ListContainsText(const QString &text, const QListWidget *list);
// The index of the first entry whose bracketed key, read as a number, equals the number; 0 when none.
int ComboIndexOfKey(const QComboBox *combo, int key);
// Selects the first entry that contains the text; no change when none does.
void SelectComboItemContaining(const QString &text, QComboBox *combo);
// Trims the time text in place; an hour or minute out of range says "Ulovlig tid!".
bool IsValidTime(QString &text);

} // namespace lirvenda
