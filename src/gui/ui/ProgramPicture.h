#pragma once

#include <QPixmap>

namespace lirvenda {

// The program's picture (a small bird on a green ground): the same drawing the desktop's menu
// shows, rendered at the size asked for.
QPixmap programPicture(int size);

} // namespace lirvenda
