#include "registration/RecentObservations.h"
#include "support/TestProgram.h"

#include <QtTest>

using namespace lirvenda;

class RecentObservationsTest : public QObject {
    Q_OBJECT
private slots:
    void dailySumsOfTheLastThirtyDays()
    {
        test::TestProgram t;
        auto add = [&](const char *species, const char *start, const QVariant &count) {
            t.db().execute("INSERT INTO Observasjoner(Art, StartDato, Antall) VALUES (?, ?, ?)",
                           {species, start, count});
        };
        add("11870", "2024-12-05 08:00:00", 2);
        add("11870", "2024-12-05 17:30:00", 3);
        add("11870", "2024-11-05 00:00:00", 1); // 30 days before: included
        add("11870", "2024-11-04 23:59:00", 9); // 31 days before: left out
        add("11870", "2024-12-24 00:00:00", 4); // after today: included
        add("11870", "2024-12-01 00:00:00", QVariant());
        add("11980", "2024-12-05 08:00:00", 7);

        const RecentObservations recent = recentObservations(t.program(), "11870", QDate(2024, 12, 5));
        QCOMPARE(recent.caption, QString("Siste observasjoner av TURMER"));
        QCOMPARE(recent.lines, QStringList({"24. desember: 4 ", "05. desember: 5 ", "01. desember:  ",
                                            "05. november: 1 "}));
    }

    void speciesWithoutRecentObservations()
    {
        test::TestProgram t;
        const RecentObservations recent = recentObservations(t.program(), "14640", QDate(2024, 12, 5));
        QCOMPARE(recent.caption, QString("Siste observasjoner av PARMAJ"));
        QVERIFY(recent.lines.isEmpty());
    }
};

QTEST_GUILESS_MAIN(RecentObservationsTest)
#include "tst_recentobservations.moc"
