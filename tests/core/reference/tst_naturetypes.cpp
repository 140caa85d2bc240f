#include "core/reference/NatureTypes.h"
#include "support/ShippedNatureTypes.h"
#include "support/TestProgram.h"

#include <QtTest>

using namespace lirvenda;
using namespace lirvenda::test;

class NatureTypesTest : public QObject {
    Q_OBJECT
private slots:
    void natureTypeTexts_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("text");
        QTest::newRow("blanks") << "  " << QString();
        QTest::newRow("group") << "1" << Seabed;
        QTest::newRow("blanks around identifiers") << " 1 | 1 " << Seabed + "/" + SolidSeabed;
        QTest::newRow("base type") << "1|1|3" << Seabed + "/" + SolidSeabed + "/" + Sheltered;
        QTest::newRow("base type name capitalised")
            << "90|900|7" << QString("Testgruppe/Testtype/Grunntype med liten bokstav");
        QTest::newRow("main type gone") << "1|999" << Seabed;
        QTest::newRow("base type gone") << "1|1|999" << Seabed + "/" + SolidSeabed;
        QTest::newRow("base type of a main type gone") << "1|999|3" << Seabed;
        QTest::newRow("only the group gone") << "99|1|3"
                                             << "/" + SolidSeabed + "/" + Sheltered;
    }
    void natureTypeTexts()
    {
        QFETCH(QString, path);
        QFETCH(QString, text);
        TestProgram t;
        t.db().execute("INSERT INTO Original VALUES (90, 'Testgruppe', 90, 900, 'Testtype', 900, 9000, "
                       "'grunntype med liten bokstav', '7')");
        QCOMPARE(natureTypeText(t.program(), path), text);
    }
};

QTEST_GUILESS_MAIN(NatureTypesTest)
#include "tst_naturetypes.moc"
