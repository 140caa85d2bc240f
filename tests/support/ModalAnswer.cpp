#include "support/ModalAnswer.h"

#include <QApplication>
#include <QDialog>
#include <QThread>

namespace lirvenda::test {

ModalAnswer::ModalAnswer(std::function<void(QWidget *)> action, int watchdogMilliseconds)
    : m_action(std::move(action)), m_loopLevel(QThread::currentThread()->loopLevel())
{
    m_poll.setInterval(10);
    connect(&m_poll, &QTimer::timeout, this, &ModalAnswer::poll);
    m_poll.start();
    m_watchdog.setSingleShot(true);
    connect(&m_watchdog, &QTimer::timeout, this, &ModalAnswer::closeLeftover);
    m_watchdog.start(watchdogMilliseconds);
}

void ModalAnswer::poll()
{
    // A window becomes modal while it is being shown, and showing may run timers before its own
    // event loop exists: closed then, exec() would wait forever. Answer only from inside its loop.
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || m_answered || QThread::currentThread()->loopLevel() <= m_loopLevel)
        return;
    m_answered = true;
    m_poll.stop();
    if (m_action)
        m_action(modal);
}

void ModalAnswer::closeLeftover()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    m_watchdogFired = true;
    if (auto *dialog = qobject_cast<QDialog *>(modal))
        dialog->reject();
    else
        modal->close();
}

bool answerModal(const std::function<void()> &open, const std::function<void(QWidget *)> &action)
{
    ModalAnswer answer(action);
    open();
    return answer.answered() && !answer.watchdogFired();
}

} // namespace lirvenda::test
