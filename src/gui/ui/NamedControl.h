#pragma once

#include <QString>

namespace lirvenda {

// A new control with its name as objectName, so tests and other windows can find it.
template <typename Control>
Control *named(Control *control, const QString &name)
{
    control->setObjectName(name);
    return control;
}

} // namespace lirvenda
