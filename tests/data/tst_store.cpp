#include "support/TestProgram.h"

#include <QtTest>

using namespace lirvenda;

class StoreTest : public QObject {
    Q_OBJECT
private slots:
    void embeddedDefaultHasReferenceData()
    {
        test::TestProgram t;
        QCOMPARE(t.db().scalar("SELECT count(*) FROM Adminplasser WHERE CodePlace NOT LIKE 'NO%'").toInt(), 358);
    }
};

QTEST_MAIN(StoreTest)
#include "tst_store.moc"
