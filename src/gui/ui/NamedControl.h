#pragma once

#include <QPushButton>
#include <QRect>
#include <QString>

namespace lirvenda {

// A new control with its name as objectName, so tests and other windows can find it.
template <typename Control>
Control *named(Control *control, const QString &name)
{
    control->setObjectName(name);
    return control;
}

// A new control with its name, at its place on the parent.
template <typename Control>
Control *placed(Control *control, const QString &name, const QRect &at)
{
    control->setGeometry(at);
    return named(control, name);
}

// The name of an element of a control array: the array's name, "_", the index ("Command20_3").
inline QString elementName(const char *array, int index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(index);
}

// A button of a dialog that Enter does not press unless it has the focus.
inline QPushButton *dialogButton(QWidget *parent, const QString &name, const QString &caption)
{
    auto *button = named(new QPushButton(caption, parent), name);
    button->setAutoDefault(false);
    return button;
}

// The same, at its place on the parent.
inline QPushButton *dialogButton(QWidget *parent, const QString &name, const QString &caption, const QRect &at)
{
    QPushButton *button = dialogButton(parent, name, caption);
    button->setGeometry(at);
    return button;
}

} // namespace lirvenda
