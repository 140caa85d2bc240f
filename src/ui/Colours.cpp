#include "ui/Colours.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QPalette>
#include <QWidget>

namespace lirvenda {

namespace {

// Buttons show their colour as the button face; boxes as the base behind their text. An
// editable combo box shows its text on the base, a plain one on the button face.
QPalette::ColorRole roleOf(const QWidget *widget)
{
    if (qobject_cast<const QAbstractButton *>(widget))
        return QPalette::Button;
    if (auto *combo = qobject_cast<const QComboBox *>(widget); combo && !combo->isEditable())
        return QPalette::Button;
    return QPalette::Base;
}

} // namespace

QColor Colour::neutral() { return QApplication::palette().color(QPalette::Button); }

void setColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    const QPalette::ColorRole role = roleOf(widget);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, role, colour);
    widget->setPalette(palette);
}

QColor colourOf(const QWidget *widget) { return widget->palette().color(QPalette::Active, roleOf(widget)); }

bool hasColour(const QWidget *widget, const QColor &colour) { return colourOf(widget) == colour; }

} // namespace lirvenda
