#pragma once

#include <QList>

class QWidget;

namespace lirvenda {

// The usual small window: its frames one above the other, and a row of buttons below them,
// some to the left and the rest pushed to the right.
void layOutFramesAndButtons(QWidget *window, const QList<QWidget *> &frames, const QList<QWidget *> &leftButtons,
                            const QList<QWidget *> &rightButtons);

} // namespace lirvenda
