#include "gui/ui/Colours.h"

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

// The text that goes with a background role.
QPalette::ColorRole textRoleOf(QPalette::ColorRole background)
{
    return background == QPalette::Button ? QPalette::ButtonText : QPalette::Text;
}

// A coloured control shows a value even while it is disabled (a stored observation being
// browsed), so its text stays dark enough to read on the colour; an uncoloured one greys out.
const QColor DisabledTextOnColour{0x50, 0x50, 0x50};

} // namespace

QColor Colour::neutral() { return QApplication::palette().color(QPalette::Button); }

void setColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    const QPalette::ColorRole role = roleOf(widget);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, role, colour);
    const QPalette::ColorRole textRole = textRoleOf(role);
    palette.setColor(QPalette::Disabled, textRole,
                     colour == Colour::neutral() ? QApplication::palette().color(QPalette::Disabled, textRole)
                                                 : DisabledTextOnColour);
    widget->setPalette(palette);
}

QColor colourOf(const QWidget *widget) { return widget->palette().color(QPalette::Active, roleOf(widget)); }

bool hasColour(const QWidget *widget, const QColor &colour) { return colourOf(widget) == colour; }

} // namespace lirvenda
