#pragma once

#include <QList>

class QHBoxLayout;
class QWidget;

namespace lirvenda {

// A row of buttons: some to the left, the rest pushed to the right.
QHBoxLayout *buttonRow(const QList<QWidget *> &leftButtons, const QList<QWidget *> &rightButtons);

// The usual small window: its frames one above the other, and a row of buttons below them.
void layOutFramesAndButtons(QWidget *window, const QList<QWidget *> &frames, const QList<QWidget *> &leftButtons,
                            const QList<QWidget *> &rightButtons);

} // namespace lirvenda
