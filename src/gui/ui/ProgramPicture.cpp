#include "gui/ui/ProgramPicture.h"

#include <QPainter>
#include <QPainterPath>

namespace lirvenda {

QPixmap programPicture(int size)
{
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 100.0, size / 100.0);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x3a, 0x7d, 0x44));
    painter.drawEllipse(QRectF(2, 2, 96, 96));

    QPainterPath bird; // body, head and tail of a thrush-like bird facing right
    bird.addEllipse(QRectF(24, 42, 44, 28));
    bird.addEllipse(QRectF(58, 30, 20, 20));
    bird.moveTo(28, 52);
    bird.lineTo(10, 70);
    bird.lineTo(30, 64);
    bird.closeSubpath();
    painter.setBrush(QColor(0x2b, 0x2b, 0x2b));
    painter.drawPath(bird.simplified());

    painter.setBrush(QColor(0xf2, 0xa9, 0x00)); // beak
    painter.drawPolygon(QPolygonF({QPointF(76, 37), QPointF(90, 41), QPointF(76, 45)}));
    painter.setBrush(Qt::white); // eye
    painter.drawEllipse(QRectF(67, 35, 5, 5));

    painter.setPen(QPen(QColor(0xf2, 0xa9, 0x00), 3)); // legs
    painter.drawLine(QPointF(44, 69), QPointF(42, 82));
    painter.drawLine(QPointF(52, 69), QPointF(54, 82));
    return picture;
}

} // namespace lirvenda
