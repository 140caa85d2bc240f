#include "core/reference/References.h"

#include <QtTest>

using namespace lirvenda;

class ReferencesTest : public QObject {
    Q_OBJECT
private slots:
    void referenceProblems_data()
    {
        QTest::addColumn<QStringList>("fields"); // authors, year, title, journal, pages, publisher
        QTest::addColumn<QString>("message");
        QTest::newRow("nothing") << QStringList(6) << "Ingen forfattere angitt.";
        QTest::newRow("no year") << QStringList({"Berg", "", "", "", "", ""}) << "År ikke angitt.";
        QTest::newRow("no title") << QStringList({"Berg", "1999", "", "Sterna", "1-9", "NOF"})
                                  << "Ingen tittel angitt.";
        QTest::newRow("title of blanks") << QStringList({"Berg", "1999", "  ", "Sterna", "", ""})
                                         << "Ingen tittel angitt.";
        QTest::newRow("no journal") << QStringList({"Berg", "1999", "Måker", "", "1-9", "NOF"})
                                    << "Ingen journal/rapport angitt.";
        QTest::newRow("year as any text, no pages or publisher")
            << QStringList({"Berg", "udatert", "Måker", "Sterna", "", ""}) << "";
    }
    void referenceProblems()
    {
        QFETCH(QStringList, fields);
        QFETCH(QString, message);
        QCOMPARE(referenceProblem({fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]}), message);
    }
};

QTEST_APPLESS_MAIN(ReferencesTest)
#include "tst_references.moc"
