#include "core/registration/Coordinates.h"
#include "core/registration/Places.h"
#include "support/TestProgram.h"

#include <QtTest>

using namespace lirvenda;
using namespace lirvenda::test;

namespace {

QStringList codesAt(Program &program, const QString &latitude, const QString &longitude)
{
    QStringList codes;
    for (const MunicipalityCandidate &candidate : municipalitiesAt(program, latitude, longitude))
        codes << candidate.code;
    return codes;
}

} // namespace

class PlacesTest : public QObject {
    Q_OBJECT
private slots:
    void coordinateKey_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::newRow("point") << "59.9127" << 5955;
        QTest::newRow("comma") << "59,9127" << 5955;
        QTest::newRow("no mark: first two digits are degrees") << "599127" << 5955;
        QTest::newRow("one-digit degrees") << "5.32" << 519;
        QTest::newRow("one decimal is tenths") << "59.9" << 5954;
        QTest::newRow("whole degrees") << "63." << 6300;
        QTest::newRow("most minutes") << "60.999" << 6059;
        QTest::newRow("letters") << "abc" << 0;
        QTest::newRow("blanks around") << " 63.4305 " << 6326;
        QTest::newRow("degrees beyond any coordinate") << "52665431." << 0;
    }
    void coordinateKey()
    {
        QFETCH(QString, typed);
        QFETCH(int, key);
        QCOMPARE(lirvenda::coordinateKey(typed), key);
    }

    void boxesOfTheShippedMunicipalities()
    {
        TestProgram t;
        Program &p = t.program();
        QCOMPARE(municipalitiesAt(p, "63.4305", "10.3951").first().pickerEntry().text,
                 QString("Trøndelag, Trondheim [5001]"));
        QCOMPARE(codesAt(p, "63.4305", "10.3951"), QStringList({"5001"}));
        QCOMPARE(checkCoordinatesAgainstArea(p, "59.9127", "10.75"), QString("True"));
        QCOMPARE(checkCoordinatesAgainstArea(p, "", ""), QString("False"));
        QCOMPARE(checkCoordinatesAgainstArea(p, "59.9127", "abc"), QString("False"));
        QCOMPARE(checkCoordinatesAgainstArea(p, "5.32", "60.39"), QString("False")); // typed the wrong way round
    }

    void boxEdgesOverlapsAndExcludedCodes()
    {
        TestProgram t;
        t.db().executeScript("DELETE FROM Adminplasser WHERE CodePlace NOT LIKE 'NO%';"
                             "INSERT INTO Adminplasser VALUES ('4601', 'Bergen', '60100500-60300530', 'NOR');"
                             "INSERT INTO Adminplasser VALUES ('4626', 'Øygarden', '60200450-60400520', 'NOR');"
                             "INSERT INTO Adminplasser VALUES ('4600', 'Hele fylket', '59000400-62000800', 'NOR');"
                             "INSERT INTO Adminplasser VALUES ('4699', 'Uten boks', '', 'NOR');");
        Program &p = t.program();
        QCOMPARE(codesAt(p, "60.3333", "05.1667"), QStringList({"4601", "4626"})); // 60°20', 5°10': both
        QCOMPARE(codesAt(p, "60.1667", "05.00"), QStringList({"4601"}));           // south-west corner
        QCOMPARE(codesAt(p, "60.50", "05.50"), QStringList({"4601"}));             // north-east corner
        QCOMPARE(codesAt(p, "60.51", "05.3333"), QStringList({"4626"}));
        QCOMPARE(codesAt(p, "59.50", "06.00"), QStringList()); // only in the county-wide "..00" box
    }

    void localityNamesById()
    {
        TestProgram t;
        t.db().executeScript("INSERT INTO Lokalitet(ID, Lokalitet) VALUES (1, 'Per''s holme');"
                             "INSERT INTO Lokalitet(ID, Lokalitet) VALUES (2, NULL);");
        QCOMPARE(localityNameById(t.program(), 1), QString("Per's holme"));
        QCOMPARE(localityNameById(t.program(), 2), QString("&Lokalitet")); // without a name
        QCOMPARE(localityNameById(t.program(), 3), QString("&Lokalitet")); // no such locality
    }
};

QTEST_GUILESS_MAIN(PlacesTest)
#include "tst_places.moc"
