#pragma once

#include <QString>

namespace lirvenda {

// A file the program keeps beside its executable: its window program and its export module. In
// $LIRVENDA_MODULE_DIR when that is set; else beside the executable, as in the build folder; else
// in lib/lirvenda/ of an installed program. Needs the application object.
QString programModulePath(const QString &name);

} // namespace lirvenda
