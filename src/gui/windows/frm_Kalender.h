#pragma once

#include <QDate>
#include <QDialog>

class QCalendarWidget;
class QPushButton;

namespace lirvenda {

// "Kalender": picks a date on a month calendar, never stepping past the current month.
class frm_Kalender : public QDialog {
    Q_OBJECT
public:
    explicit frm_Kalender(const QDate &initial, QWidget *parent = nullptr);

    QDate pickedDate() const;

private:
    void Command4_Click();
    void Command3_Click();
    void Command5_Click();
    void showMonth(int year, int month);

    QCalendarWidget *Calendar1;
    QPushButton *Command4; // "<----"
    QPushButton *Command3; // "---->"
    QPushButton *Command5; // "&Dagens dato"
    QPushButton *Command2; // "&OK"
    QPushButton *Command1; // "&Avbryt"
};

} // namespace lirvenda
