#include "gui/windows/frm_Kalender.h"

#include "core/shared/Language.h"
#include "gui/ui/NamedControl.h"

#include <QCalendarWidget>
#include <QGridLayout>
#include <QPushButton>
#include <algorithm>

namespace lirvenda {

frm_Kalender::frm_Kalender(const QDate &initial, QWidget *parent)
    : QDialog(parent), Calendar1(named(new QCalendarWidget(this), QStringLiteral("Calendar1"))),
      Command4(named(new QPushButton(QStringLiteral("<----"), this), QStringLiteral("Command4"))),
      Command3(named(new QPushButton(QStringLiteral("---->"), this), QStringLiteral("Command3"))),
      Command5(named(new QPushButton(tr("&Dagens dato"), this), QStringLiteral("Command5"))),
      Command2(named(new QPushButton(tr("&OK"), this), QStringLiteral("Command2"))),
      Command1(named(new QPushButton(tr("&Avbryt"), this), QStringLiteral("Command1")))
{
    setObjectName(QStringLiteral("frm_Kalender"));
    setWindowTitle(tr("Kalender"));
    Calendar1->setLocale(shownLocale());
    Calendar1->setFirstDayOfWeek(Qt::Monday);
    Calendar1->setNavigationBarVisible(false); // the window's own buttons step the months
    Calendar1->setSelectedDate(initial.isValid() ? initial : QDate::currentDate());

    auto *layout = new QGridLayout(this);
    layout->addWidget(Command4, 0, 0);
    layout->addWidget(Command5, 0, 1);
    layout->addWidget(Command3, 0, 2);
    layout->addWidget(Calendar1, 1, 0, 1, 3);
    layout->addWidget(Command2, 2, 1);
    layout->addWidget(Command1, 2, 2);

    connect(Command4, &QPushButton::clicked, this, &frm_Kalender::Command4_Click);
    connect(Command3, &QPushButton::clicked, this, &frm_Kalender::Command3_Click);
    connect(Command5, &QPushButton::clicked, this, &frm_Kalender::Command5_Click);
    connect(Command2, &QPushButton::clicked, this, &frm_Kalender::accept);
    connect(Command1, &QPushButton::clicked, this, &frm_Kalender::reject);
    connect(Calendar1, &QCalendarWidget::activated, this, &frm_Kalender::accept);
}

QDate frm_Kalender::pickedDate() const { return Calendar1->selectedDate(); }

// The day of the month is kept where the other month has it.
void frm_Kalender::showMonth(int year, int month)
{
    const QDate first(year, month, 1);
    const QDate date(year, month, std::min(Calendar1->selectedDate().day(), first.daysInMonth()));
    Calendar1->setSelectedDate(date);
    Calendar1->setCurrentPage(year, month);
}

void frm_Kalender::Command4_Click()
{
    const QDate shown = Calendar1->selectedDate();
    if (shown.month() == 1)
        showMonth(shown.year() - 1, 12);
    else
        showMonth(shown.year(), shown.month() - 1);
}

void frm_Kalender::Command3_Click()
{
    const QDate shown = Calendar1->selectedDate();
    const QDate today = QDate::currentDate();
    if (shown.year() > today.year() || (shown.year() == today.year() && shown.month() >= today.month()))
        return;
    if (shown.month() == 12)
        showMonth(shown.year() + 1, 1);
    else
        showMonth(shown.year(), shown.month() + 1);
}

void frm_Kalender::Command5_Click() { Calendar1->setSelectedDate(QDate::currentDate()); }

} // namespace lirvenda
