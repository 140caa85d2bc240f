#include "ui/MousePress.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

namespace lirvenda {

namespace {

class MousePressFilter : public QObject {
public:
    MousePressFilter(QWidget *widget, std::function<bool(Qt::MouseButton)> handler)
        : QObject(widget), m_handler(std::move(handler))
    {
        widget->installEventFilter(this);
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        return event->type() == QEvent::MouseButtonPress &&
               m_handler(static_cast<QMouseEvent *>(event)->button());
    }

private:
    std::function<bool(Qt::MouseButton)> m_handler;
};

} // namespace

void onMousePress(QWidget *widget, std::function<bool(Qt::MouseButton)> handler)
{
    new MousePressFilter(widget, std::move(handler));
}

} // namespace lirvenda
