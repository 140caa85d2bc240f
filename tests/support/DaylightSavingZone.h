#pragma once

#include <QDateTime>
#include <QTest>

#include <time.h>

namespace lirvenda::test {

// Local time with daylight saving, whatever the machine's zone, so that a stored date-time in the
// hour the spring skips (31.03.2013 02:30) is tried where that hour does not exist. Call it before
// the first date-time is read, from initTestCase.
inline void useZoneWithDaylightSaving()
{
    qputenv("TZ", "Europe/Oslo");
    tzset();
    // Summer time in effect: the zone was found.
    QCOMPARE(QDateTime(QDate(2013, 7, 1), QTime(12, 0)).offsetFromUtc(), 2 * 3600);
}

} // namespace lirvenda::test
