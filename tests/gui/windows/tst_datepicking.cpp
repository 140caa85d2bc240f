#include "support/FaunaWindow.h"

#include "gui/windows/frm_Kalender.h"
#include "gui/windows/frm_NonBreeding.h"

#include <QCalendarWidget>

using namespace lirvenda;
using namespace lirvenda::test;

namespace {

// Opens the calendar from a date button of the main window and picks the date there.
bool pickWithCalendar(FaunaWindow &w, const char *dateButton, const QDate &date, const char *leaveWith = "Command2")
{
    return answerModal([&] { w.click(dateButton); },
                       [&](QWidget *calendar) {
                           child<QCalendarWidget>(calendar, "Calendar1")->setSelectedDate(date);
                           click(calendar, leaveWith);
                       });
}

} // namespace

class DatePickingTest : public QObject {
    Q_OBJECT
private slots:
    void theOtherDateFollows()
    {
        FaunaWindow w;
        w.click("Command7");
        auto *start = w.control<QLineEdit>("Text2");
        auto *stop = w.control<QLineEdit>("Text5");
        start->setText("01.05.2024");
        stop->setText("03.05.2024");
        const auto dates = [&] { return start->text() + "-" + stop->text(); };

        QVERIFY(pickWithCalendar(w, "Command25", QDate(2024, 5, 10))); // start after stop: stop follows
        QCOMPARE(dates(), QString("10.05.2024-10.05.2024"));
        QVERIFY(pickWithCalendar(w, "Command26", QDate(2024, 5, 2))); // stop before start: start follows
        QCOMPARE(dates(), QString("02.05.2024-02.05.2024"));
        QVERIFY(pickWithCalendar(w, "Command25", QDate(2024, 4, 1), "Command1")); // "&Avbryt"
        QCOMPARE(dates(), QString("02.05.2024-02.05.2024"));

        start->setText("ugyldig");
        QVERIFY(pickWithCalendar(w, "Command25", QDate::currentDate().addDays(1))); // tomorrow is refused
        QCOMPARE(w.t.prompter().lastText(), QString("Ugyldig dato."));
        QCOMPARE(dates(), QString("ugyldig-02.05.2024"));
    }

    void monthSteps()
    {
        frm_Kalender calendar(QDate(2023, 1, 31));
        auto *shown = child<QCalendarWidget>(&calendar, "Calendar1");
        click(&calendar, "Command4"); // January -> December of the year before
        QCOMPARE(shown->selectedDate(), QDate(2022, 12, 31));
        click(&calendar, "Command3");
        click(&calendar, "Command3");
        QCOMPARE(shown->selectedDate(), QDate(2023, 2, 28));
        click(&calendar, "Command5");
        QCOMPARE(shown->selectedDate(), QDate::currentDate());
        click(&calendar, "Command3"); // never past the current month
        QCOMPARE(shown->selectedDate(), QDate::currentDate());
    }

    void countingSheetDigits_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("digit");
        QTest::addColumn<QString>("result");
        QTest::newRow("text is replaced") << "mange" << 0 << "0";
        QTest::newRow("zero is replaced") << "0" << 5 << "5";
        QTest::newRow("negative is replaced") << "-3" << 7 << "7";
        QTest::newRow("grows") << "5" << 2 << "52";
    }
    void countingSheetDigits()
    {
        QFETCH(QString, box);
        QFETCH(int, digit);
        QFETCH(QString, result);
        QCOMPARE(withDigitTapped(box, digit), result);
    }

    void countingSheetRowsKeepToTheirBoxes()
    {
        frm_NonBreeding sheet;
        for (const char *digit : {"Command6_4", "Command6_2", "Command17_9"})
            click(&sheet, digit);
        QCOMPARE(child<QLineEdit>(&sheet, "Text13")->text(), QString("42"));
        QCOMPARE(child<QLineEdit>(&sheet, "Text12")->text(), QString("9"));
        QCOMPARE(child<QLineEdit>(&sheet, "Text15")->text(), QString());
    }
};

QTEST_MAIN(DatePickingTest)
#include "tst_datepicking.moc"
