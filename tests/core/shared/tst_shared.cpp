#include "core/reference/ObserverRegister.h"
#include "core/registration/CodeLists.h"
#include "core/shared/DisplayTexts.h"
#include "core/shared/TextFiles.h"
#include "core/shared/UniqueIds.h"
#include "core/species/Species.h"
#include "support/TestProgram.h"

#include <QtTest>

using namespace lirvenda;

class SharedTest : public QObject {
    Q_OBJECT
private slots:
    void keyInBrackets_data()
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
    void keyInBrackets()
    {
        QFETCH(QString, text);
        QFETCH(QString, code);
        QCOMPARE(bracketCode(text), code);
    }

    void uniqueIdsDifferWithinOneSecond()
    {
        test::TestProgram t;
        const QString first = newUniqueId(t.program());
        QVERIFY(QRegularExpression("^\\d{14}-1$").match(first).hasMatch());
        QVERIFY(newUniqueId(t.program()).endsWith("-2"));
    }

    void textFilesAreOneUtf8Line()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("MainObserver.txt");
        QVERIFY(!fileExists(path) && readFirstLine(path).isEmpty());
        writeLine(path, "first");
        writeLine(path, "Ås-2"); // replaces the first
        QCOMPARE(test::contents(path), QString("Ås-2\n").toUtf8());
        QCOMPARE(readFirstLine(path), QString("Ås-2"));
        QVERIFY(fileExists(path) && !fileExists(dir.path()));
    }
};

QTEST_MAIN(SharedTest)
#include "tst_shared.moc"
