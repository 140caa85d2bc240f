#include "gui/ui/ClickableLabel.h"

#include <QMouseEvent>

namespace lirvenda {

ClickableLabel::ClickableLabel(const QString &caption, QWidget *parent) : QLabel(caption, parent)
{
    setCursor(Qt::PointingHandCursor);
}

// A press dragged off the label before release is no click.
void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace lirvenda
