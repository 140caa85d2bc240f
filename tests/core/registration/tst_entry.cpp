#include "core/registration/DateSteps.h"

#include <QtTest>

using namespace lirvenda;

class EntryTest : public QObject {
    Q_OBJECT
private slots:
    void dateSteps_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("days");
        QTest::addColumn<QString>("result");
        QTest::addColumn<bool>("refused");
        QTest::newRow("back") << "01.03.2024" << -1 << "29.02.2024" << false;
        QTest::newRow("on to today") << "09.06.2024" << 1 << "10.06.2024" << false;
        QTest::newRow("never past today") << "10.06.2024" << 1 << "10.06.2024" << true;
        QTest::newRow("no date: today") << "i går" << -1 << "10.06.2024" << false;
    }
    void dateSteps()
    {
        QFETCH(QString, box);
        QFETCH(int, days);
        QFETCH(QString, result);
        QFETCH(bool, refused);
        const SteppedDate stepped = stepDate(box, days, QDate(2024, 6, 10));
        QCOMPARE(stepped.text, result);
        QCOMPARE(stepped.refused, refused);
    }
};

QTEST_APPLESS_MAIN(EntryTest)
#include "tst_entry.moc"
