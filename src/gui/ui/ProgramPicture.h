#pragma once

#include <QPixmap>

namespace lirvenda {

// The program's picture (a small bird on a green ground), drawn rather than shipped as a file.
QPixmap programPicture(int size);

} // namespace lirvenda
