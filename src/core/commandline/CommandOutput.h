#pragma once

// Where the commands write: results on standard output, messages and progress on standard error.

#include <QTextStream>

namespace lirvenda {

// Exit statuses of a command.
inline constexpr int CommandSucceeded = 0;
inline constexpr int CommandFailed = 1;  // the work failed, or the check found a problem
inline constexpr int CommandRefused = 2; // wrong use, or no store that can be opened

QTextStream &commandOutput();
QTextStream &commandErrors();
// The message on standard error; answers CommandRefused.
int refuseCommand(const QString &message);
// The message on standard error; answers CommandFailed.
int failCommand(const QString &message);

} // namespace lirvenda
