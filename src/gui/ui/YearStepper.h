#pragma once

#include <QGroupBox>

class QPushButton;

namespace lirvenda {

// "Angi år": "-", the year, "+". "-" goes a year back without limit, "+" a year on but never
// beyond the current year (a beep there), the year itself back to the current year.
class YearStepper : public QGroupBox {
    Q_OBJECT
public:
    YearStepper(QWidget *parent, const QString &name);

    int year() const; // as the year button shows it
    // Shows the year and tells it.
    void setYear(int year);

signals:
    void yearChanged(int year);

private:
    void Command5_Click();

    QPushButton *Command4; // "-"
    QPushButton *Command6; // the year
    QPushButton *Command5; // "+"
};

} // namespace lirvenda
