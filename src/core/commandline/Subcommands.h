#pragma once

// The program's commands for scripts: the export, a year's statistics, a check and a backup of
// the store, run without windows on the same core as the windows.

#include <QString>
#include <QStringList>

namespace lirvenda {

// Exit statuses of a command.
inline constexpr int CommandSucceeded = 0;
inline constexpr int CommandFailed = 1;  // the work failed, or the check found a problem
inline constexpr int CommandRefused = 2; // wrong use, or no store that can be opened

// One line for each command, for the program's --help.
QString subcommandSummary();
// Runs the command the arguments name (the program's arguments, the program itself first): the
// first argument that is no option, with the options before or after it. An unknown command is
// refused and nothing is opened. Results go to standard output, messages and progress to
// standard error.
int runSubcommand(const QStringList &arguments);
// Wrong use of the command line: the message and where the right use is told, on standard
// error; answers CommandRefused. program is the program's path as it was started.
int refuseUse(const QString &program, const QString &message);

} // namespace lirvenda
