#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace lirvenda {

class Program;

// What the registration check reads off the main window, as typed.
struct RegistrationFields {
    QString latitude;
    QString longitude;
    QString locality;
    QString speciesCaption;
    QString count;
    QString startDate;
    QString startTime;
    QString stopDate;
    QString stopTime;
    int tickedObservers = 0;
};

struct ValidationMessage {
    QString text;
    bool exclamation = false; // "Ulovlig tid!" of the time check; the others are information
};

// A number as the user types it: an optional sign, digits, and "," or "." as decimal mark.
bool isNumeric(const QString &text);
// The count box as whole individuals (a decimal comma or point is rounded); none when the text is
// not a number or the number is beyond what the count column holds.
std::optional<qint64> wholeCount(const QString &count);

// The messages the first failing check gives, in order (usually one; an hour or minute out of
// range gives "Ulovlig tid!" before "Ulovlig tid"); empty when the registration may be stored.
QList<ValidationMessage> registrationProblems(Program &program, const RegistrationFields &fields);

} // namespace lirvenda
