#include "gui/ui/ProgramPicture.h"

#include <QPainter>
#include <QSvgRenderer>

// The picture is compiled into the widgets' library, whose resources load only when asked for.
static void initDesktopResources() { Q_INIT_RESOURCE(desktop); }

namespace lirvenda {

QPixmap programPicture(int size)
{
    initDesktopResources();
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    QSvgRenderer(QStringLiteral(":/desktop/lirvenda.svg")).render(&painter);
    return picture;
}

} // namespace lirvenda
