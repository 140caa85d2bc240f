#pragma once

#include <QEvent>
#include <QObject>

#include <functional>

class QWidget;

namespace lirvenda {

// Runs an action when a widget receives an event of one type, for the gestures Qt has no signal
// for (a double click on a text box, a click on a frame outside its buttons). The hook lives as
// long as the widget; the event still reaches the widget.
void onEvent(QWidget *widget, QEvent::Type type, std::function<void(QEvent *)> action);

} // namespace lirvenda
