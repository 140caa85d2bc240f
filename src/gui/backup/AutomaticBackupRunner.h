#pragma once

#include <QDate>

class QObject;

namespace lirvenda {

class Program;

// Starts the day's automatic backup of the program's diary in a thread of its own, at idle
// priority, so the window is not held up; a failure is told once in a message and the program
// goes on. The program waits for a running backup before it ends. Does nothing when the day's
// backup exists.
void startAutomaticBackup(Program &program, QObject *owner, const QDate &today = QDate::currentDate());

} // namespace lirvenda
