#pragma once

#include <QString>

#include <optional>

namespace lirvenda {

// Asks for a passphrase on standard error and reads a line from standard input, without echo when
// standard input is a terminal; nullopt at the end of the input.
std::optional<QString> askOnTerminal(const QString &question);

} // namespace lirvenda
