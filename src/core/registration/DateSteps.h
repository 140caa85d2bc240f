#pragma once

#include <QDate>
#include <QString>

namespace lirvenda {

struct SteppedDate {
    QString text;         // a date box
    bool refused = false; // the step would have passed today: the date stays, the user hears a beep
};

// A date box moved by a number of days, never past today. A box without a valid date starts from today.
SteppedDate stepDate(const QString &text, int days, const QDate &today = QDate::currentDate());

} // namespace lirvenda
