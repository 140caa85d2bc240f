#include "../registration/FaunaWindow.h"

#include "support/ModalAnswer.h"
#include "windows/frm_Kalender.h"
#include "windows/frm_NonBreeding.h"

#include <QCalendarWidget>
#include <QPushButton>

using namespace lirvenda;
using test::FaunaWindow;

namespace {

const QString Format = "dd.MM.yyyy";

void click(QWidget *window, const char *button)
{
    QTest::mouseClick(window->findChild<QPushButton *>(button), Qt::LeftButton);
}

// Opens the calendar from a date button of the main window and picks the date there.
void pickWithCalendar(FaunaWindow &w, const char *dateButton, const QDate &date, const char *leaveWith = "Command2")
{
    test::ModalAnswer answer([&](QWidget *calendar) {
        calendar->findChild<QCalendarWidget *>("Calendar1")->setSelectedDate(date);
        click(calendar, leaveWith);
    });
    QTest::mouseClick(w.control<QPushButton>(dateButton), Qt::LeftButton);
    QVERIFY(answer.answered() && !answer.watchdogFired());
}

} // namespace

class DatePickingTest : public QObject {
    Q_OBJECT
private slots:
    void theOtherDateFollows()
    {
        FaunaWindow w;
        QTest::mouseClick(w.control<QPushButton>("Command7"), Qt::LeftButton);
        auto *start = w.control<QLineEdit>("Text2");
        auto *stop = w.control<QLineEdit>("Text5");
        start->setText("01.05.2024");
        stop->setText("03.05.2024");

        pickWithCalendar(w, "Command25", QDate(2024, 5, 10)); // start after stop: stop follows
        QCOMPARE(start->text(), QString("10.05.2024"));
        QCOMPARE(stop->text(), QString("10.05.2024"));

        pickWithCalendar(w, "Command26", QDate(2024, 5, 2)); // stop before start: start follows
        QCOMPARE(start->text(), QString("02.05.2024"));
        QCOMPARE(stop->text(), QString("02.05.2024"));

        pickWithCalendar(w, "Command25", QDate(2024, 4, 1), "Command1"); // "&Avbryt"
        QCOMPARE(start->text(), QString("02.05.2024"));

        start->setText("ugyldig");
        pickWithCalendar(w, "Command25", QDate::currentDate().addDays(1)); // tomorrow is refused
        QCOMPARE(w.t.prompter().lastText(), QString("Ugyldig dato."));
        QCOMPARE(start->text(), QString("ugyldig"));
        QCOMPARE(stop->text(), QString("02.05.2024"));
    }

    void monthSteps()
    {
        test::TestProgram t;
        frm_Kalender calendar(t.program(), QDate(2023, 1, 31));
        auto *shown = calendar.findChild<QCalendarWidget *>("Calendar1");
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
        QTest::newRow("empty") << "" << 0 << "0";
        QTest::newRow("zero is replaced") << "0" << 5 << "5";
        QTest::newRow("grows") << "5" << 2 << "52";
        QTest::newRow("negative is replaced") << "-3" << 7 << "7";
        QTest::newRow("text is replaced") << "mange" << 1 << "1";
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
        click(&sheet, "Command6_4");
        click(&sheet, "Command6_2");
        click(&sheet, "Command17_9");
        QCOMPARE(sheet.findChild<QLineEdit *>("Text13")->text(), QString("42"));
        QCOMPARE(sheet.findChild<QLineEdit *>("Text12")->text(), QString("9"));
        QCOMPARE(sheet.findChild<QLineEdit *>("Text15")->text(), QString());
        for (const char *inactive : {"Command14", "Command3", "Command4", "Command1"})
            QVERIFY(!sheet.findChild<QPushButton *>(inactive)->isEnabled());
    }
};

QTEST_MAIN(DatePickingTest)
#include "tst_datepicking.moc"
