#pragma once

#include <Qt>

#include <functional>

class QWidget;

namespace lirvenda {

// Runs the handler on every mouse press on the widget, before the widget sees it: a MouseDown
// handler. A press the handler answers true for has been dealt with and goes no further.
void onMousePress(QWidget *widget, std::function<bool(Qt::MouseButton)> handler);

} // namespace lirvenda
