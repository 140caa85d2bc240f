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
        const KeyedEntry entry = ObserverEntry(p, "  " + id + " ");
        QVERIFY(entry.text == expected && entry.key == id);
        QCOMPARE(ObserverEntry(p, "").text, QString());
        QCOMPARE(ObserverEntry(p, "20000101000000-9").text, QString());
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
        QCOMPARE(test::contents(path), QString("Ås-2\n").toUtf8());
        QCOMPARE(ReadFirstLine(path), QString("Ås-2"));
        QVERIFY(FileExists(path) && !FileExists(dir.path()));
    }
};

QTEST_MAIN(SharedProceduresTest)
#include "tst_sharedprocedures.moc"
