#pragma once

// The date and time texts of the program, read and written in one place, so that a text the
// checks accept is stored as it was read. Three forms:
// - the boxes: a date "dd.MM.yyyy", a time "HH:mm";
// - stored: "yyyy-MM-dd HH:mm:ss"; a date without a time of day is midnight, and midnight shows
//   as an empty time box;
// - compact: "yyyyMMdd" and "yyyyMMddHHmmss", which sort as the days and instants they name.

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

namespace lirvenda {

QString dateBoxText(const QDate &date); // "dd.MM.yyyy"
QString timeBoxText(const QTime &time); // "HH:mm"

// A date box: two-digit day, two-digit month and four-digit year, parted by one character that
// is not a digit ("05.06.2024", "05-06-2024"). Any other text is no date.
QDate readDateBox(const QString &text);
// A date box that may be stored: a date, not after today.
bool isValidDate(const QString &text, const QDate &today = QDate::currentDate());

enum class TimeCheck { Valid, Malformed, OutOfRange };
struct TimeReading {
    TimeCheck check = TimeCheck::Malformed;
    QTime time; // valid when the check is
};
// A time box, blanks around it left out: "HH:MM" or "H:MM"; digits only, "HHMM" or "HMM", or one
// or two digits for a whole hour ("9" is 09:00); an empty box is midnight. OutOfRange for an hour
// or minute beyond the clock ("24:00", "10:60", "-1:00"), Malformed for any other text.
TimeReading readTimeBox(const QString &text);

// A date box and a time box that pass the checks, read as the checks read them: the instant they
// name on a clock without daylight saving, so that every typed time exists and compares as typed.
QDateTime boxInstant(const QString &dateBox, const QString &timeBox);
// The two boxes, read so, as stored.
QString storedDateTime(const QString &dateBox, const QString &timeBox);
// A day as stored, at midnight.
QString storedDay(const QDate &day);
// The stored date-time as the date box shows it, and the time box: empty at midnight. A text that
// is not a stored date-time shows nothing. Stored date-times are wall-clock texts, shown as stored:
// read as a day and a time of day, never as an instant of a time zone, so that a time in the
// hour a spring's daylight saving skips shows like any other.
QString shownDate(const QString &stored);
QString shownTime(const QString &stored);
// The two in one line: "dd.MM.yyyy", and " HH:mm:ss" unless it is midnight.
QString shownDateTime(const QString &stored);

QString compactDate(const QDate &date);           // "yyyyMMdd"
QString compactInstant(const QDateTime &instant); // "yyyyMMddHHmmss"

} // namespace lirvenda
