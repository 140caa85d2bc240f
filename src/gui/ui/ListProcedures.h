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
// The index of the first entry whose bracketed key is the code; -1 when none is, or the code is empty.
int ComboIndexOfCode(const QComboBox *combo, const QString &code);
// Selects the first entry whose bracketed key, read as a number, equals the number; no change when none does.
void SelectListItemByCode(int code, QListWidget *list);

} // namespace lirvenda
