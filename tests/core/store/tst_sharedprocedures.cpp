#include "core/shared/SharedProcedures.h"
#include "support/TestProgram.h"

#include <QtTest>

using namespace lirvenda;

class SharedProceduresTest : public QObject {
    Q_OBJECT
private slots:
    void bracketCode_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("code");
        QTest::newRow("key behind blanks") << withKey("Oslo", 40, "NO03") << "NO03";
        QTest::newRow("only the first pair") << "a [1] b [2]"
                                             << "1";
        QTest::newRow("two characters") << "[]"
                                        << "";
        QTest::newRow("close before open") << "a ] b ["
                                           << "";
        QTest::newRow("no brackets") << "Gråtrost"
                                     << "";
    }
    void bracketCode()
    {
        QFETCH(QString, text);
        QFETCH(QString, code);
        QCOMPARE(BracketCode(text), code);
    }

    void isValidDate_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("rebuilt");
        QTest::newRow("leap day") << "29.02.2012" << true << "29.02.2012";
        QTest::newRow("no leap day") << "29.02.2013" << false << "29.02.2013";
        QTest::newRow("31 April") << "31.04.2013" << false << "31.04.2013";
        QTest::newRow("day 0") << "00.05.2013" << false << "00.05.2013";
        QTest::newRow("month 13") << "15.13.2013" << false << "15.13.2013";
        QTest::newRow("short form") << "5.5.2013" << false << "5...2.13";
        QTest::newRow("other separator") << "05-06-2012" << true << "05.06.2012";
        QTest::newRow("letters") << "0a.06.2012" << false << "0a.06.2012";
        QTest::newRow("today") << "10.06.2013" << true << "10.06.2013";
        QTest::newRow("tomorrow") << "11.06.2013" << false << "11.06.2013";
    }
    void isValidDate()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(QString, rebuilt);
        QCOMPARE(IsValidDate(text, QDate(2013, 6, 10)), valid);
        QCOMPARE(text, rebuilt);
    }

    void checkTime_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<TimeCheck>("result");
        QTest::addColumn<QString>("trimmed");
        QTest::newRow("blanks around") << "  23:59 " << TimeCheck::Valid << "23:59";
        QTest::newRow("hour 24") << "24:00" << TimeCheck::OutOfRange << "24:00";
        QTest::newRow("negative hour") << "-1:00" << TimeCheck::OutOfRange << "-1:00";
        QTest::newRow("point") << "12.30" << TimeCheck::Malformed << "12.30";
        QTest::newRow("no separator") << "1230" << TimeCheck::Valid << "1230";
    }
    void checkTime()
    {
        QFETCH(QString, text);
        QFETCH(TimeCheck, result);
        QFETCH(QString, trimmed);
        QCOMPARE(lirvenda::checkTime(text), result);
        QCOMPARE(text, trimmed);
    }

    void uniqueIdsDifferWithinOneSecond()
    {
        test::TestProgram t;
        const QString first = NewUniqueId(t.program());
        QVERIFY(QRegularExpression("^\\d{14}-1$").match(first).hasMatch());
        QVERIFY(NewUniqueId(t.program()).endsWith("-2"));
    }

    void lookUps()
    {
        test::TestProgram t;
        Program &p = t.program();
        QCOMPARE(SpeciesDisplayName(p, "11870", false), QString("Svarttrost"));
        QCOMPARE(SpeciesDisplayName(p, "11870", true), QString("Svarttrost (Turdus merula)"));
        QCOMPARE(SpeciesDisplayName(p, "99999", true), QString());
        QCOMPARE(LatinShortCode(p, "x' OR '1'='1"), QString());
        QCOMPARE(ActivityText(p, 1), QString("Observert i hekketiden i mulig hekkebiotop"));
        QCOMPARE(ActivityText(p, 0), QString());

        const QString id = t.addObserver("Per", "Hansen", "PHA");
        const QString expected = "Hansen, P. (PHA)" + QString(40, ' ') + "[" + id + "]";
        QCOMPARE(ObserverDisplayText(p, "  " + id + " "), expected);
        QCOMPARE(ObserverDisplayText(p, ""), QString());
        QCOMPARE(ObserverDisplayText(p, "20000101000000-9"), QString());
        const qint64 number = p.observerConnection()
                                  .scalar("SELECT ObserverID FROM Observers WHERE ObserverUniqueID = ?", {id})
                                  .toLongLong();
        QCOMPARE(ObserverNameById(p, number), QString("Per Hansen"));
        QCOMPARE(ObserverNameById(p, number + 1), QString());
        QCOMPARE(ObserverNameByUniqueId(p, " " + id), QString("Per Hansen"));
        QCOMPARE(ObserverNameByUniqueId(p, "20000101000000-9"), QString());
    }

    void textFilesAreOneUtf8Line()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("MainObserver.txt");
        QVERIFY(!FileExists(path) && ReadFirstLine(path).isEmpty());
        WriteLine(path, "first");
        WriteLine(path, "Ås-2"); // replaces the first
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QString("Ås-2\n").toUtf8());
        QCOMPARE(ReadFirstLine(path), QString("Ås-2"));
        QVERIFY(FileExists(path) && !FileExists(dir.path()));
    }
};

QTEST_MAIN(SharedProceduresTest)
#include "tst_sharedprocedures.moc"
