#include "gui/statistics/frm_Statistikk.h"
#include "support/FaunaWindow.h"
#include "support/StatisticsYear.h"

#include <QChartView>
#include <QDate>
#include <QFile>
#include <QFileDialog>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QtTest>

using namespace lirvenda;
using namespace lirvenda::test;

namespace {

const int ThisYear = QDate::currentDate().year();

// The window on a program folder holding the fixture's year, which is the current one.
struct StatisticsWindow {
    TestProgram t;
    QStringList report = fillStatisticsYear(t, ThisYear);
    frm_Statistikk window{t.program()};

    QStringList shownReport() const { return entries(window.List1); }
    // Saves through "T&il fil", typing the name into the dialog, or cancelling it when empty.
    bool save(const QString &typed)
    {
        return answerModal([&] { window.Command3->click(); },
                           [&](QWidget *modal) {
                               auto *dialog = qobject_cast<QFileDialog *>(modal);
                               if (typed.isEmpty())
                                   return dialog->reject();
                               dialog->selectFile(t.path(typed));
                               static_cast<QDialog *>(dialog)->accept(); // as the dialog's own button does
                           });
    }
};

} // namespace

class StatisticsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void opensFromTheMainWindow()
    {
        FaunaWindow f;
        QString year;
        QVERIFY(answerModal([&] { f.click("Command14"); },
                            [&](QWidget *modal) {
                                year = child<QPushButton>(modal, "Command6")->text();
                                modal->close();
                            }));
        QCOMPARE(year, QString::number(ThisYear));
    }

    // Clicks on the year buttons, and the year and report they leave.
    void yearButtons_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<int>("year");
        QTest::addColumn<bool>("full");
        QTest::addColumn<int>("beeps");
        QTest::newRow("+ on the current year") << QStringList{"Command5"} << ThisYear << true << 1;
        QTest::newRow("- to a year without rows") << QStringList{"Command4", "Command4"} << ThisYear - 2 << false << 0;
        QTest::newRow("- and + back") << QStringList{"Command4", "Command4", "Command5", "Command5"} << ThisYear << true
                                      << 0;
        QTest::newRow("the year button returns")
            << QStringList{"Command4", "Command4", "Command4", "Command6"} << ThisYear << true << 0;
    }
    void yearButtons()
    {
        QFETCH(QStringList, clicks);
        QFETCH(int, year);
        QFETCH(bool, full);
        QFETCH(int, beeps);
        StatisticsWindow w;
        for (const QString &name : clicks)
            click(&w.window, name);
        QCOMPARE(w.window.Command6->text(), QString::number(year));
        QCOMPARE(w.shownReport(), full ? w.report : QStringList());
        QCOMPARE(w.window.List2->count(), full ? 3 : 0);
        QCOMPARE(w.t.prompter().beeps, beeps);
        if (!full)
            for (const QChartView *chart : {w.window.MSChart1, w.window.MSChart2, w.window.MSChart3})
                QCOMPARE(chartValues(chart), QList<qint64>(12, 0));
    }

    // The values are the core's (tst_yearstatistics); the third chart follows the chosen species.
    void charts()
    {
        StatisticsWindow w;
        w.window.show();
        QCOMPARE(chartValues(w.window.MSChart1), (QList<qint64>{1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 1}));
        QCOMPARE(chartValues(w.window.MSChart2), (QList<qint64>{3, 10, 10, 0, 0, 0, 0, 0, 0, 0, 0, 1}));
        QCOMPARE(chartValues(w.window.MSChart3), (QList<qint64>{3, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0})); // the first
        clickEntry(w.window.List2, 2);
        QCOMPARE(chartValues(w.window.MSChart3), (QList<qint64>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}));
    }

    // The name typed into the save dialog and the file the report lands in, over an older one;
    // nothing when the dialog is cancelled. The bytes of the file are tst_yearstatistics' concern.
    void savesTheReport_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::newRow("a name without suffix gets .txt") << "rapport"
                                                         << "rapport.txt";
        QTest::newRow("an upper-case suffix is kept") << "RAPPORT.TXT"
                                                      << "RAPPORT.TXT";
        QTest::newRow("cancelled") << QString() << QString();
    }
    void savesTheReport()
    {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        StatisticsWindow w;
        if (!written.isEmpty())
            QVERIFY(writeFile(w.t.path(written), "an older report\r\n"));
        const QStringList before = QDir(w.t.folder()).entryList(QDir::Files);
        QVERIFY(w.save(typed));
        if (written.isEmpty())
            QCOMPARE(QDir(w.t.folder()).entryList(QDir::Files), before);
        else
            QCOMPARE(contents(w.t.path(written)), (w.shownReport().join("\r\n") + "\r\n").toUtf8());
        QVERIFY(w.t.prompter().shown.isEmpty());
    }

    void unwritableFileIsReported()
    {
        StatisticsWindow w;
        const QString path = w.t.path("rapport.txt");
        QVERIFY(writeFile(path, "old\r\n"));
        {
            FileSizeLimit disk(8);
            QVERIFY(w.save("rapport.txt"));
        }
        QCOMPARE(contents(path), QByteArray("old\r\n"));
        QCOMPARE(w.t.prompter().lastText(), QStringLiteral("Filen %1 kunne ikke skrives.").arg(path));
    }

    // Copies in one job: a PDF holds every copy, and the printer is not left to repeat them.
    void printsCopiesInOneJob()
    {
        StatisticsWindow w;
        for (int i = 0; i < 60; ++i) // two pages a copy
            w.window.List1->addItem(QStringLiteral("Linje %1").arg(i));
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(w.t.path("rapport.pdf"));
        printer.setCopyCount(3);
        w.window.PrintReport(printer);
        QCOMPARE(pdfPageCount(printer.outputFileName()), 6);
        QCOMPARE(printer.copyCount(), 1);
        QVERIFY(w.t.prompter().shown.isEmpty());
    }
};

QTEST_MAIN(StatisticsWindowTest)
#include "tst_statisticswindow.moc"
