#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

class QWidget;

namespace lirvenda::test {

// Answers the next modal window: once it is up, the action runs on it (a failed check inside the
// action only leaves the action, so record what you see and check after exec() returns). A window
// still open when the watchdog runs out is rejected, so a failing test ends instead of hanging.
// Make it before the exec() it answers.
class ModalAnswer : public QObject {
public:
    explicit ModalAnswer(std::function<void(QWidget *)> action = {}, int watchdogMilliseconds = 10000);

    bool answered() const { return m_answered; }
    bool watchdogFired() const { return m_watchdogFired; }

private:
    void poll();
    void closeLeftover();

    std::function<void(QWidget *)> m_action;
    QTimer m_poll;
    QTimer m_watchdog;
    int m_loopLevel; // the event loops running when the answer was made; the window's own is one more
    bool m_answered = false;
    bool m_watchdogFired = false;
};

// Runs the action on the modal window that open() brings up; false when none came up or the
// watchdog had to close it.
bool answerModal(const std::function<void()> &open, const std::function<void(QWidget *)> &action = {});

} // namespace lirvenda::test
