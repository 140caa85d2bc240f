#include "gui/ui/EventHook.h"

#include <QWidget>

namespace lirvenda {

namespace {

class EventHook : public QObject {
public:
    EventHook(QWidget *widget, QEvent::Type type, std::function<bool(QEvent *)> action)
        : QObject(widget), m_type(type), m_action(std::move(action))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override { return event->type() == m_type && m_action(event); }

private:
    QEvent::Type m_type;
    std::function<bool(QEvent *)> m_action;
};

} // namespace

void onEvent(QWidget *widget, QEvent::Type type, std::function<bool(QEvent *)> action)
{
    new EventHook(widget, type, std::move(action));
}

} // namespace lirvenda
