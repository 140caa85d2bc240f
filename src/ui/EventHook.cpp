#include "ui/EventHook.h"

#include <QWidget>

namespace lirvenda {

namespace {

class EventHook : public QObject {
public:
    EventHook(QWidget *widget, QEvent::Type type, std::function<void(QEvent *)> action)
        : QObject(widget), m_type(type), m_action(std::move(action))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == m_type)
            m_action(event);
        return false;
    }

private:
    QEvent::Type m_type;
    std::function<void(QEvent *)> m_action;
};

} // namespace

void onEvent(QWidget *widget, QEvent::Type type, std::function<void(QEvent *)> action)
{
    new EventHook(widget, type, std::move(action));
}

} // namespace lirvenda
