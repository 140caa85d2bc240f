#pragma once

#include <QString>

#include <functional>

namespace lirvenda {

// Videos, sounds and other documentation files are handed to the desktop, which opens them in the
// user's own player. Tests put in their own opener, so nothing real is started.
using DesktopOpener = std::function<bool(const QString &path)>;

// False when the desktop has nothing that opens the file.
bool openOnDesktop(const QString &path);
// Installs another opener and answers the one it replaces.
DesktopOpener setDesktopOpener(DesktopOpener opener);

} // namespace lirvenda
