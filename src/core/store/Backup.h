#pragma once

#include <QString>

namespace lirvenda {

class Database;

// A consistent copy of an open database in a new file with the same key, made with the engine's
// online backup, so it can be taken while another connection (the window) has the file open.
// Throws DatabaseError when the target exists (it is never replaced) or the copy fails; a failed
// copy leaves no file behind.
void backupDatabase(Database &source, const QString &target);

} // namespace lirvenda
