#pragma once

#include <QList>

class QHBoxLayout;
class QWidget;

namespace lirvenda {

// The usual small window: its frames one above the other, and a row of buttons below them,
// some to the left and the rest pushed to the right.
// A row of buttons: some to the left, the rest pushed to the right.
QHBoxLayout *buttonRow(const QList<QWidget *> &leftButtons, const QList<QWidget *> &rightButtons);

void layOutFramesAndButtons(QWidget *window, const QList<QWidget *> &frames, const QList<QWidget *> &leftButtons,
                            const QList<QWidget *> &rightButtons);

} // namespace lirvenda
