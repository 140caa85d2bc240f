#include "core/shared/SharedProcedures.h"
#include "support/TestProgram.h"

#include <QtTest>

using namespace lirvenda;

class SharedTest : public QObject {
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

QTEST_MAIN(SharedTest)
#include "tst_shared.moc"
