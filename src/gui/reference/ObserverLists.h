#pragma once

// The list of observers taking part in a registration: one checkable entry per observer, its
// display text ending in "[ObserverUniqueID]"; the ticked entry is the main observer.

#include "core/shared/DisplayTexts.h"

#include <QString>

namespace lirvenda {

class KeyedListModel;
class Program;

// The main observer of the last registration saved with more than one observer.
inline const QString MainObserverFileName = QStringLiteral("MainObserver.txt");

void addObserverEntry(KeyedListModel &list, const KeyedEntry &observer, bool ticked = false);

// How many observers are ticked as the main observer; a registration needs one.
int tickedObservers(const KeyedListModel &list);
// The registration's observers as stored: the main observer's key first, then the others in list
// order, separated by ",".
QString observerIdList(const KeyedListModel &list);
// With more than one entry the ticked main observer is remembered in the file; call it once the
// registration is stored, so a save that fails leaves the file as it was.
void rememberMainObserver(Program &program, const KeyedListModel &list);
// The default observers, the remembered main observer ticked (or the only one).
void fillDefaultObservers(Program &program, KeyedListModel &list);

} // namespace lirvenda
