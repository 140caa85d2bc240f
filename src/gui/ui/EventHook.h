#pragma once

#include <QEvent>
#include <QObject>

#include <functional>

class QWidget;

namespace lirvenda {

// Runs an action when a widget receives an event of one type, before the widget sees it, for the
// gestures Qt has no signal for (a double click on a text box, a click on a frame outside its
// buttons, a right-button press on a list). An action that answers true has dealt with the event,
// which then goes no further. The hook lives as long as the widget.
void onEvent(QWidget *widget, QEvent::Type type, std::function<bool(QEvent *)> action);

} // namespace lirvenda
