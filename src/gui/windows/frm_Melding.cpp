#include "gui/windows/frm_Melding.h"

#include "core/shared/Prompter.h"
#include "gui/ui/NamedControl.h"

#include <QApplication>
#include <QGroupBox>
#include <QHideEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

namespace lirvenda {

frm_Melding::frm_Melding(QWidget *parent)
    : QDialog(parent), Frame1(named(new QGroupBox(tr("User message"), this), QStringLiteral("Frame1"))),
      Label1(named(new QLabel(tr("This is the first record"), Frame1), QStringLiteral("Label1"))),
      Command1(named(new QPushButton(tr("Close"), this), QStringLiteral("Command1"))),
      Timer1(named(new QTimer(this), QStringLiteral("Timer1"))),
      Timer2(named(new QTimer(this), QStringLiteral("Timer2")))
{
    setObjectName(QStringLiteral("frm_Melding"));

    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setMinimumWidth(280);
    auto *frameLayout = new QVBoxLayout(Frame1);
    frameLayout->addWidget(Label1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addWidget(Command1, 0, Qt::AlignRight);
    Command1->setDefault(true);

    Timer1->setSingleShot(true);
    Timer1->setInterval(CloseMilliseconds);
    Timer2->setInterval(CountdownMilliseconds);
    connect(Command1, &QPushButton::clicked, this, &frm_Melding::Command1_Click);
    connect(Timer1, &QTimer::timeout, this, &frm_Melding::Timer1_Timer);
    connect(Timer2, &QTimer::timeout, this, &frm_Melding::Timer2_Timer);
    Form_Load();
}

void frm_Melding::setMessage(const QString &text) { Label1->setText(text); }

void frm_Melding::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous()) { // a window restored from the task bar is not shown anew
        Form_Load();
        Timer1->start();
        Timer2->start();
    }
}

// A hidden window must not close or recount itself later, when it may be showing again.
void frm_Melding::hideEvent(QHideEvent *event)
{
    if (!event->spontaneous()) {
        Timer1->stop();
        Timer2->stop();
    }
    QDialog::hideEvent(event);
}

void frm_Melding::Form_Load()
{
    m_countdown = 1;
    setWindowTitle(tr("Closes in 1 second"));
}

void frm_Melding::Command1_Click() { accept(); }

void frm_Melding::Timer1_Timer() { accept(); }

void frm_Melding::Timer2_Timer()
{
    --m_countdown;
    setWindowTitle(tr("Closes in %1 seconds").arg(m_countdown));
}

void showTimedMessage(const QString &text)
{
    frm_Melding window(QApplication::activeWindow());
    window.setMessage(text);
    prompter().beep();
    window.exec();
}

} // namespace lirvenda
