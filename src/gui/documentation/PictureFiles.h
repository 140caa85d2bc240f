#pragma once

// Reading documentation pictures: the photo's own orientation (EXIF) is applied, and a picture is
// decoded no larger than it is shown, so a large photo costs the memory of its shown size only.

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace lirvenda {

// The picture's size as it is to be seen, turned as its orientation says; invalid when the file
// is missing or is not a picture that can be read.
QSize orientedPictureSize(const QString &path);
// The picture turned as it is to be seen and decoded to fit within the bound (never larger than
// the file holds); a null image when it cannot be read.
QImage readPicture(const QString &path, QSize bound);
// A picture within the bound for the main window. Thumbnails are kept for the files they were
// made from; a file changed since is read again.
QPixmap documentThumbnail(const QString &path, QSize bound);

} // namespace lirvenda
