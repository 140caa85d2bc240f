#pragma once

// The one-line text files of the program folder.

#include <QString>

namespace lirvenda {

bool FileExists(const QString &path);
QString ReadFirstLine(const QString &path);
// Replaces the file with one UTF-8 line ended by a line break; throws DatabaseError on failure.
void WriteLine(const QString &path, const QString &line);

} // namespace lirvenda
