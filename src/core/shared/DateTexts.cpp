#include "core/shared/DateTexts.h"

#include <QRegularExpression>

namespace lirvenda {

namespace {

const QString DateBoxFormat = QStringLiteral("dd.MM.yyyy");
const QString TimeBoxFormat = QStringLiteral("HH:mm");
const QString StoredDayFormat = QStringLiteral("yyyy-MM-dd");
const QString StoredTimeFormat = QStringLiteral("HH:mm:ss");

QString stored(const QDate &day, const QTime &time)
{
    return day.toString(StoredDayFormat) + ' ' + time.toString(StoredTimeFormat);
}

// The time of day of a stored text, with or without its seconds; invalid when it has none.
QTime storedTime(const QString &stored)
{
    const QString clock = stored.mid(11);
    const QTime time = QTime::fromString(clock, StoredTimeFormat);
    return time.isValid() ? time : QTime::fromString(clock, TimeBoxFormat);
}

} // namespace

QString dateBoxText(const QDate &date) { return date.toString(DateBoxFormat); }

QString timeBoxText(const QTime &time) { return time.toString(TimeBoxFormat); }

QDate readDateBox(const QString &text)
{
    static const QRegularExpression box(QStringLiteral("^([0-9]{2})[^0-9]([0-9]{2})[^0-9]([0-9]{4})$"));
    const QRegularExpressionMatch parts = box.match(text);
    if (!parts.hasMatch())
        return {};
    return QDate(parts.captured(3).toInt(), parts.captured(2).toInt(), parts.captured(1).toInt());
}

bool isValidDate(const QString &text, const QDate &today)
{
    const QDate date = readDateBox(text);
    return date.isValid() && date <= today;
}

TimeReading readTimeBox(const QString &text)
{
    static const QRegularExpression clock(QStringLiteral("^(-?[0-9]{1,2}):([0-9]{2})$"));
    static const QRegularExpression digits(QStringLiteral("^[0-9]{0,4}$"));
    const QString trimmed = text.trimmed();
    QString hour, minute;
    if (const QRegularExpressionMatch parts = clock.match(trimmed); parts.hasMatch()) {
        hour = parts.captured(1);
        minute = parts.captured(2);
    } else if (digits.match(trimmed).hasMatch()) {
        // Three or four digits end in the minutes; one or two are the hour alone.
        const qsizetype hourDigits = trimmed.size() > 2 ? trimmed.size() - 2 : trimmed.size();
        hour = trimmed.left(hourDigits);
        minute = trimmed.mid(hourDigits);
    } else {
        return {};
    }
    const QTime time(hour.toInt(), minute.toInt());
    return {time.isValid() ? TimeCheck::Valid : TimeCheck::OutOfRange, time};
}

QDateTime boxInstant(const QString &dateBox, const QString &timeBox)
{
    return QDateTime(readDateBox(dateBox), readTimeBox(timeBox).time, Qt::UTC);
}

QString storedDateTime(const QString &dateBox, const QString &timeBox)
{
    return stored(readDateBox(dateBox), readTimeBox(timeBox).time);
}

QString storedDay(const QDate &day) { return stored(day, QTime(0, 0)); }

QString shownDate(const QString &stored) { return dateBoxText(QDate::fromString(stored.left(10), StoredDayFormat)); }

QString shownTime(const QString &stored)
{
    const QTime time = storedTime(stored);
    return time == QTime(0, 0) ? QString() : timeBoxText(time);
}

QString shownDateTime(const QString &stored)
{
    const QString date = shownDate(stored);
    const QTime time = storedTime(stored);
    if (date.isEmpty() || !time.isValid() || time == QTime(0, 0))
        return date;
    return date + ' ' + time.toString(StoredTimeFormat);
}

QString compactDate(const QDate &date) { return date.toString(QStringLiteral("yyyyMMdd")); }

QString compactInstant(const QDateTime &instant) { return instant.toString(QStringLiteral("yyyyMMddHHmmss")); }

} // namespace lirvenda
