// Renders the program's SVG picture as a PNG of the given size, for the icon sizes desktops look
// for. Usage: render_icon picture.svg SIZE out.png

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

int main(int argc, char **argv)
{
    if (argc != 4) {
        QTextStream(stderr) << "usage: render_icon picture.svg SIZE out.png\n";
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    const int size = QByteArray(argv[2]).toInt();
    if (!renderer.isValid() || size <= 0) {
        QTextStream(stderr) << "cannot render " << argv[1] << " at size " << argv[2] << '\n';
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return image.save(QString::fromLocal8Bit(argv[3]), "PNG") ? 0 : 1;
}
