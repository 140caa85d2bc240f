#pragma once

// The one-line text files of the program folder.

#include <QString>

namespace lirvenda {

bool fileExists(const QString &path);
QString readFirstLine(const QString &path);
// Replaces the file with one UTF-8 line ended by a line break; throws DatabaseError on failure.
void writeLine(const QString &path, const QString &line);

} // namespace lirvenda
