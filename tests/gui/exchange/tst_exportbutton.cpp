// The main window's export button, run for real, in an office the button starts for itself.

#include "core/exchange/PortalExport.h"
#include "core/shared/DateTexts.h"
#include "support/FaunaWindow.h"
#include "support/PortalSheets.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace lirvenda;
using namespace lirvenda::test;

class ExportButtonTest : public QObject {
    Q_OBJECT
private slots:
    // With the installed module; without it, and where it does not load (LibreOffice missing).
    void exportFromTheMainWindow_data()
    {
        QTest::addColumn<QString>("failure");         // %1 is the module's folder; empty: the installed module
        QTest::addColumn<QStringList>("moduleFiles"); // in a folder of its own
        QTest::newRow("exported") << "" << QStringList{};
        QTest::newRow("module missing") << "Programmet mangler fila %1/lirvenda_calc.so, som lager excel-arkene."
                                        << QStringList{};
        QTest::newRow("module does not load") << "Excel-arkene lages med LibreOffice Calc, som ikke er installert på "
                                                 "denne maskinen"
                                              << QStringList{"lirvenda_calc.so"};
    }
    void exportFromTheMainWindow()
    {
        QFETCH(QString, failure);
        QFETCH(QStringList, moduleFiles);
        FaunaWindow w;
        w.insertObservation({{"Art", "14640"}, {"Antall", 2}});
        makeTemplate(w.t.path("lirv_excelimport.xls"));
        w.t.prompter().yesNoAnswers = {true};
        const QByteArray installed = qgetenv("LIRVENDA_MODULE_DIR");
        QTemporaryDir folder;
        createEntries(folder.path(), moduleFiles);
        if (!failure.isEmpty())
            qputenv("LIRVENDA_MODULE_DIR", QFile::encodeName(folder.path()));

        w.control<QPushButton>("Command23")->click();

        qputenv("LIRVENDA_MODULE_DIR", installed);
        const QString file = compactDate(QDate::currentDate()) + "_1.xls";
        const QList<ScriptedPrompter::Shown> shown = w.t.prompter().shown;
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown.last().icon, failure.isEmpty() ? Prompter::Icon::Information : Prompter::Icon::Exclamation);
        QCOMPARE(UnreportedCount(w.t.program()), failure.isEmpty() ? 0 : 1);
        if (failure.isEmpty()) {
            QCOMPARE(shown.last().text, "Observasjonene ble eksportert til en excel-fil som ligger i mappa " +
                                            w.t.folder() + "/ og heter " + file);
            QCOMPARE(readSheet(w.t.path(file)).at(2).mid(0, 2), (QStringList{"PARMAJ", "2"}));
        } else {
            QVERIFY2(shown.last().text.startsWith(failure.replace("%1", folder.path())), qPrintable(shown.last().text));
            QVERIFY(shown.last().text.endsWith(ExportFailedMessage({})));
        }
    }
};

QTEST_MAIN(ExportButtonTest)
#include "tst_exportbutton.moc"
