// Templates the office would open as text are refused by their structure; real workbooks pass.

#include "core/exchange/WorkbookFile.h"
#include "support/PortalSheets.h"
#include "support/TestProgram.h"

#include <QTemporaryDir>
#include <QTest>

using namespace lirvenda;
using namespace lirvenda::test;

class WorkbookFileTest : public QObject {
    Q_OBJECT
private slots:
    void faults_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("damage"); // "", "text", "empty", "half", "header"
        QTest::addColumn<QString>("fault");
        for (const char *suffix : {"xls", "xlsx"}) {
            QTest::addRow("%s whole", suffix) << suffix << ""
                                              << "";
            QTest::addRow("%s of text", suffix) << suffix << "text"
                                                << "fila er ikke et excel-ark";
            QTest::addRow("%s empty", suffix) << suffix << "empty"
                                              << "fila er ikke et excel-ark";
            QTest::addRow("%s cut in half", suffix) << suffix << "half"
                                                    << "fila er avkuttet";
        }
        QTest::newRow("xls header only") << "xls"
                                         << "header"
                                         << "fila er avkuttet";
    }

    void faults()
    {
        QFETCH(QString, suffix);
        QFETCH(QString, damage);
        QFETCH(QString, fault);
        QTemporaryDir dir;
        const QString path = dir.filePath("lirv_Excelimport." + suffix);
        makeTemplate(path);
        const QByteArray whole = contents(path);
        if (damage == "text")
            QVERIFY(writeFile(path, "Art;Antall\n11870;3\n"));
        else if (damage == "empty")
            QVERIFY(writeFile(path, {}));
        else if (damage == "half")
            QVERIFY(writeFile(path, whole.left(whole.size() / 2)));
        else if (damage == "header")
            QVERIFY(writeFile(path, whole.left(512)));
        QCOMPARE(WorkbookFault(path), fault);
    }

    void aMissingFileCannotBeRead()
    {
        QVERIFY(WorkbookFault("/nonexistent/mal.xls").startsWith("fila kan ikke leses"));
    }
};

QTEST_GUILESS_MAIN(WorkbookFileTest)
#include "tst_workbookfile.moc"
