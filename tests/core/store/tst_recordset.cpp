#include "core/store/ObservationRecordSet.h"
#include "support/TestProgram.h"

#include <QtTest>

using namespace lirvenda;

namespace {

qint64 insert(Database &db, const QVariant &species, const QVariant &start = "2024-01-01 00:00:00")
{
    db.execute("INSERT INTO Observasjoner(Art, StartDato) VALUES (?, ?)", {species, start});
    return db.lastInsertId();
}

// The rows from the first to the end; then from the last back to the beginning, which must be
// the same rows reversed.
QList<qint64> stepped(ObservationRecordSet &set)
{
    QList<qint64> ids, back;
    for (set.moveFirst(); !set.atEnd(); set.moveNext())
        ids << set.currentObsId();
    for (set.moveLast(); !set.atBegin(); set.movePrevious())
        back.prepend(set.currentObsId());
    return back == ids ? ids : QList<qint64>{-1};
}

} // namespace

class RecordSetTest : public QObject {
    Q_OBJECT
private slots:
    // Species key, then start (day, then time of day), ties by row number; both directions.
    void stepsInBrowsingOrder()
    {
        test::TestProgram t;
        Database &db = t.db();
        const qint64 c = insert(db, "11870", "2024-05-01 08:00:00");
        const qint64 a = insert(db, "01520", "2024-06-01 00:00:00");
        const qint64 e = insert(db, "11870", "2024-05-01 08:00:00");
        const qint64 b = insert(db, "11870", "2023-12-31 23:59:00");
        const qint64 d = insert(db, "11870", "2024-05-01 07:00:00");
        const qint64 none = insert(db, QVariant(), QVariant()); // old row without species or start
        ObservationRecordSet set(db);
        QCOMPARE(stepped(set), (QList<qint64>{none, a, b, d, c, e}));
    }

    void endsAndMovesPastThem()
    {
        test::TestProgram t;
        ObservationRecordSet empty(t.db());
        QVERIFY(empty.isEmpty() && empty.atEnd());
        empty.moveLast();
        QVERIFY(empty.atEnd() && empty.current().isEmpty() && !empty.findObsId(1));

        const qint64 first = insert(t.db(), "1");
        const qint64 last = insert(t.db(), "2");
        ObservationRecordSet set(t.db());
        QCOMPARE(set.currentObsId(), first); // opened on its first row
        set.movePrevious();
        QVERIFY(set.atBegin());
        set.moveNext();
        QCOMPARE(set.currentObsId(), first);
        set.moveLast();
        set.moveNext();
        set.moveNext();
        QVERIFY(set.atEnd());
        set.movePrevious();
        QCOMPARE(set.currentObsId(), last);
    }

    // A row added while the set is open takes its place in the browsing order at once: stepping
    // goes the same way before and after the set is opened again.
    void addedRowsTakeTheirPlaceAtOnce()
    {
        test::TestProgram t;
        const qint64 old1 = insert(t.db(), "50000");
        const qint64 old2 = insert(t.db(), "60000");
        ObservationRecordSet set(t.db());
        const qint64 new1 = set.append({{"Art", "90000"}, {"StartDato", "2024-02-01 00:00:00"}});
        QCOMPARE(set.currentObsId(), new1);
        const qint64 new2 = set.append({{"Art", "00010"}, {"StartDato", "2024-02-01 00:00:00"}});
        set.movePrevious();
        QVERIFY(set.atBegin()); // the species key comes first, not the order of adding
        const QList<qint64> browsingOrder{new2, old1, old2, new1};
        QCOMPARE(stepped(set), browsingOrder);
        ObservationRecordSet reopened(t.db());
        QCOMPARE(stepped(reopened), browsingOrder);
    }

    // A species changed on the current row moves it: the next step starts from its new place.
    void findsByRowNumberAndUpdatesTheCurrentRow()
    {
        test::TestProgram t;
        const qint64 a = insert(t.db(), "1");
        const qint64 b = insert(t.db(), "2");
        const qint64 c = insert(t.db(), "3");
        ObservationRecordSet set(t.db());
        QVERIFY(set.findObsId(a));
        set.update({{"Art", "4"}, {"Lokalitet", "Tjønna"}, {"Antall", 3}});
        const Record row = set.current();
        QCOMPARE(row.text("lokalitet"), QString("Tjønna"));
        QCOMPARE(row.value("ANTALL").toInt(), 3);
        QVERIFY(row.isNull("Kommentar"));
        set.movePrevious();
        QCOMPARE(set.currentObsId(), c);
        QCOMPARE(stepped(set), (QList<qint64>{b, c, a}));

        QVERIFY(!set.findObsId(c + 100));
        QVERIFY(set.atEnd());
        QVERIFY_THROWS_EXCEPTION(DatabaseError, set.update({{"Antall", 1}}));
    }
};

QTEST_MAIN(RecordSetTest)
#include "tst_recordset.moc"
