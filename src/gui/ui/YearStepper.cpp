#include "gui/ui/YearStepper.h"

#include "core/shared/Prompter.h"
#include "gui/ui/NamedControl.h"

#include <QDate>
#include <QHBoxLayout>

namespace lirvenda {

YearStepper::YearStepper(QWidget *parent, const QString &name) : QGroupBox(tr("Angi år"), parent)
{
    named(this, name);
    Command4 = dialogButton(this, QStringLiteral("Command4"), QStringLiteral("-"));
    Command6 = dialogButton(this, QStringLiteral("Command6"), QString());
    Command5 = dialogButton(this, QStringLiteral("Command5"), QStringLiteral("+"));
    auto *row = new QHBoxLayout(this);
    for (QPushButton *button : {Command4, Command6, Command5})
        row->addWidget(button);
    connect(Command4, &QPushButton::clicked, this, [this] { setYear(year() - 1); });
    connect(Command5, &QPushButton::clicked, this, &YearStepper::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, [this] { setYear(QDate::currentDate().year()); });
}

int YearStepper::year() const { return Command6->text().toInt(); }

void YearStepper::setYear(int year)
{
    Command6->setText(QString::number(year));
    emit yearChanged(year);
}

void YearStepper::Command5_Click()
{
    if (year() >= QDate::currentDate().year())
        prompter().beep();
    else
        setYear(year() + 1);
}

} // namespace lirvenda
