#pragma once

// Completion of the program's commands, options and arguments in bash and zsh, made from the
// commands' own descriptions so that it never lags behind them.

#include <QString>

namespace lirvenda {

enum class Shell { Bash, Zsh };

// The completion script for the shell, to be sourced or installed where the shell looks.
QString completionScript(Shell shell);

} // namespace lirvenda
