#include "core/shared/DateTexts.h"
#include "support/DaylightSavingZone.h"

#include <QtTest>

using namespace lirvenda;

Q_DECLARE_METATYPE(TimeCheck)

namespace {

const QDate Today(2013, 6, 10);
const QString Day = QStringLiteral("31.12.1999");

} // namespace

class DateTextsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::useZoneWithDaylightSaving(); }

    void dateBoxes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date"); // invalid: no date
        QTest::addColumn<bool>("valid");
        QTest::newRow("leap day") << "29.02.2012" << QDate(2012, 2, 29) << true;
        QTest::newRow("no leap day") << "29.02.2013" << QDate() << false;
        QTest::newRow("31 April") << "31.04.2013" << QDate() << false;
        QTest::newRow("short form") << "5.5.2013" << QDate() << false;
        QTest::newRow("other separator") << "05-06-2012" << QDate(2012, 6, 5) << true;
        QTest::newRow("digit as separator") << "0510612012" << QDate() << false;
        QTest::newRow("letters") << "0a.06.2012" << QDate() << false;
        QTest::newRow("time behind") << "05.06.2012 10:00" << QDate() << false;
        QTest::newRow("today") << "10.06.2013" << Today << true;
        QTest::newRow("tomorrow") << "11.06.2013" << Today.addDays(1) << false;
    }
    void dateBoxes()
    {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        QFETCH(bool, valid);
        QCOMPARE(readDateBox(text), date);
        QCOMPARE(isValidDate(text, Today), valid);
    }

    // What the check says of a time box, and for an accepted one, what is stored and shown again.
    void timeBoxes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<TimeCheck>("check");
        QTest::addColumn<QString>("stored"); // on Day
        QTest::addColumn<QString>("shown");  // the time box after the stored row is shown
        const auto row = [](const char *name, const QString &text, TimeCheck check, const QString &stored = {},
                            const QString &shown = {}) { QTest::newRow(name) << text << check << stored << shown; };
        row("hours and minutes", "07:05", TimeCheck::Valid, "1999-12-31 07:05:00", "07:05");
        row("blanks around", "  23:59 ", TimeCheck::Valid, "1999-12-31 23:59:00", "23:59");
        row("one-digit hour", "7:05", TimeCheck::Valid, "1999-12-31 07:05:00", "07:05");
        row("no colon", "1230", TimeCheck::Valid, "1999-12-31 12:30:00", "12:30");
        row("no colon, one-digit hour", "930", TimeCheck::Valid, "1999-12-31 09:30:00", "09:30");
        row("one digit is the hour", "9", TimeCheck::Valid, "1999-12-31 09:00:00", "09:00");
        row("midnight shows empty", "00:00", TimeCheck::Valid, "1999-12-31 00:00:00", "");
        row("empty is midnight", "", TimeCheck::Valid, "1999-12-31 00:00:00", "");
        row("hour 24", "24:00", TimeCheck::OutOfRange);
        row("hour 25 alone", "25", TimeCheck::OutOfRange);
        row("negative hour", "-1:00", TimeCheck::OutOfRange);
        row("minute 60 without colon", "1060", TimeCheck::OutOfRange);
        row("point", "12.30", TimeCheck::Malformed);
        row("one-digit minute", "7:5", TimeCheck::Malformed);
        row("seconds", "12:30:00", TimeCheck::Malformed);
        row("five digits", "12300", TimeCheck::Malformed);
        row("letters", "kl 9", TimeCheck::Malformed);
    }
    void timeBoxes()
    {
        QFETCH(QString, text);
        QFETCH(TimeCheck, check);
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QCOMPARE(readTimeBox(text).check, check);
        if (check != TimeCheck::Valid)
            return;
        QCOMPARE(storedDateTime(Day, text), stored);
        QCOMPARE(shownDate(stored), Day);
        QCOMPARE(shownTime(stored), shown);
    }

    // Stored texts as they show: the date box, the time box, and both in one line. Rows written by
    // other programs may have a day without its time, or no date-time at all. A time in the hour
    // daylight saving skips or repeats is a time like any other.
    void storedTexts_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("line");
        const auto row = [](const char *name, const QString &stored, const QString &date, const QString &time,
                            const QString &line) { QTest::newRow(name) << stored << date << time << line; };
        row("seconds", "2021-06-01 08:30:05", "01.06.2021", "08:30", "01.06.2021 08:30:05");
        row("midnight", "2013-03-31 00:00:00", "31.03.2013", "", "31.03.2013");
        row("hour daylight saving skips", "2013-03-31 02:30:00", "31.03.2013", "02:30", "31.03.2013 02:30:00");
        row("hour daylight saving repeats", "2013-10-27 02:30:00", "27.10.2013", "02:30", "27.10.2013 02:30:00");
        row("day alone", "2024-06-05", "05.06.2024", "", "05.06.2024");
        row("no seconds", "2024-06-05 07:05", "05.06.2024", "07:05", "05.06.2024 07:05:00");
        row("no date-time", "i fjor", "", "", "");
    }
    void storedTexts()
    {
        QFETCH(QString, stored);
        QFETCH(QString, date);
        QFETCH(QString, time);
        QFETCH(QString, line);
        QCOMPARE(shownDate(stored), date);
        QCOMPARE(shownTime(stored), time);
        QCOMPARE(shownDateTime(stored), line);
    }
};

QTEST_GUILESS_MAIN(DateTextsTest)
#include "tst_datetexts.moc"
