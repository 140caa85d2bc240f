#pragma once

#include <QSize>
#include <QString>

#include <functional>

class QDialog;
class QModelIndex;

namespace lirvenda {

class KeyedListModel;

// The body of a window that offers keyed entries to pick one: a frame "Frame1" with its caption
// around the list "List1", and "&Avbryt" ("Command1") below, which rejects the window. A click or
// Enter on an entry calls picked with it. The list is at least the given number of average
// characters wide and of lines high.
void layOutPickList(QDialog *window, const QString &frameCaption, KeyedListModel *entries, QSize leastInCharacters,
                    const std::function<void(const QModelIndex &)> &picked);

} // namespace lirvenda
