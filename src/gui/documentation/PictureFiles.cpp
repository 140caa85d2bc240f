#include "gui/documentation/PictureFiles.h"

#include <QCache>
#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>

namespace lirvenda {

namespace {

// The reader decodes in the file's stored orientation; turning happens after scaling.
bool isTurned(const QImageReader &reader) { return reader.transformation() & QImageIOHandler::TransformationRotate90; }

} // namespace

QSize orientedPictureSize(const QString &path)
{
    QImageReader reader(path);
    if (!QFileInfo(path).isFile() || !reader.canRead())
        return {};
    const QSize stored = reader.size();
    return isTurned(reader) ? stored.transposed() : stored;
}

QImage readPicture(const QString &path, QSize bound)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    if (!QFileInfo(path).isFile() || !stored.isValid())
        return {};
    const bool turned = isTurned(reader);
    const QSize oriented = turned ? stored.transposed() : stored;
    if (oriented.width() > bound.width() || oriented.height() > bound.height()) {
        const QSize shown = oriented.scaled(bound, Qt::KeepAspectRatio).expandedTo({1, 1});
        reader.setScaledSize(turned ? shown.transposed() : shown);
    }
    return reader.read();
}

QPixmap documentThumbnail(const QString &path, QSize bound)
{
    static QCache<QString, QImage> thumbnails(16 * 1024); // in kilobytes
    const QFileInfo file(path);
    const QString key = QStringLiteral("%1|%2|%3|%4x%5")
                            .arg(file.absoluteFilePath())
                            .arg(file.lastModified().toMSecsSinceEpoch())
                            .arg(file.size())
                            .arg(bound.width())
                            .arg(bound.height());
    if (const QImage *kept = thumbnails.object(key))
        return QPixmap::fromImage(*kept);
    const QImage picture = readPicture(path, bound);
    if (picture.isNull())
        return {};
    thumbnails.insert(key, new QImage(picture), std::max<qsizetype>(1, picture.sizeInBytes() / 1024));
    return QPixmap::fromImage(picture);
}

} // namespace lirvenda
