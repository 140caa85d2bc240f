#pragma once

#include <QColor>

class QWidget;

namespace lirvenda {

// The colours that carry meaning on the windows. A button's colour is its QPalette::Button,
// an input box's its QPalette::Base; set and read them only through these functions.
namespace Colour {
inline const QColor Yellow{0xFF, 0xFF, 0x00}; // editable, or chosen while entering
inline const QColor Green{0x00, 0xFF, 0x00};  // chosen while browsing; the button in force
inline const QColor White{0xFF, 0xFF, 0xFF};  // an input box while browsing
QColor neutral();                             // the style's button face: not chosen
} // namespace Colour

void setColour(QWidget *widget, const QColor &colour);
QColor colourOf(const QWidget *widget);
bool hasColour(const QWidget *widget, const QColor &colour);

} // namespace lirvenda
