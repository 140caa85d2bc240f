#pragma once

// Changes shared by a group of controls: a list, an array member or a vector of them.

#include "gui/ui/Colours.h"

#include <QWidget>

#include <initializer_list>

namespace lirvenda {

template <typename Controls = std::initializer_list<QWidget *>>
void enableAll(const Controls &controls, bool enabled)
{
    for (QWidget *control : controls)
        control->setEnabled(enabled);
}

template <typename Controls = std::initializer_list<QWidget *>>
void showAll(const Controls &controls, bool shown)
{
    for (QWidget *control : controls)
        control->setVisible(shown);
}

template <typename Controls = std::initializer_list<QWidget *>>
void colourAll(const Controls &controls, const QColor &colour)
{
    for (QWidget *control : controls)
        setColour(control, colour);
}

// Boxes the user types into or chooses in: yellow and open while entering, white and closed else.
template <typename Controls = std::initializer_list<QWidget *>>
void drawInputBoxes(const Controls &controls, bool entering)
{
    enableAll(controls, entering);
    colourAll(controls, entering ? Colour::Yellow : Colour::White);
}

// Buttons and boxes that hold a choice: yellow and open while entering, neutral and closed else.
template <typename Controls = std::initializer_list<QWidget *>>
void drawChoiceFields(const Controls &controls, bool entering)
{
    enableAll(controls, entering);
    colourAll(controls, entering ? Colour::Yellow : Colour::neutral());
}

} // namespace lirvenda
