#include "gui/statistics/frm_Statistikk.h"
#include "support/FaunaWindow.h"
#include "support/StatisticsYear.h"

#include <QChartView>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QValueAxis>
#include <QtTest>

using namespace lirvenda;
using namespace lirvenda::test;

namespace {

const int ThisYear = QDate::currentDate().year();
const int DiaryYear = ThisYear - 1; // the fixture's year; its last row is on 1 January this year

// The window on a program folder holding the fixture's observations, opened on the current year.
struct StatisticsWindow {
    TestProgram t;
    QStringList report = fillStatisticsYear(t, DiaryYear);
    frm_Statistikk window{t.program()};

    QStringList shownReport() const { return entries(child<QListWidget>(&window, "List1")); }
    // Saves through "T&il fil" into the program folder, or cancels when the name is empty. The name
    // is typed into the box: selectFile() leaves a box that has the focus as it is, and the box
    // takes the focus when the dialog is activated, which can come before or after this answer.
    bool save(const QString &typed)
    {
        return answerModal([&] { child<QPushButton>(&window, "Command3")->click(); },
                           [&](QWidget *modal) {
                               auto *dialog = qobject_cast<QFileDialog *>(modal);
                               if (typed.isEmpty())
                                   return dialog->reject();
                               dialog->setDirectory(t.folder());
                               dialog->findChild<QLineEdit *>("fileNameEdit")->setText(typed);
                               static_cast<QDialog *>(dialog)->accept(); // as the dialog's own button does
                           });
    }
};

QList<QChartView *> monthCharts(const QWidget *window)
{
    return {child<QChartView>(window, "MSChart1"), child<QChartView>(window, "MSChart2"),
            child<QChartView>(window, "MSChart3")};
}

// The number of ticks on a chart's value axis, and whether its scale reaches the largest value.
QString ticksOf(const QChartView *chart)
{
    const auto *axis = qobject_cast<const QValueAxis *>(chart->chart()->axes(Qt::Vertical).constFirst());
    const QList<qint64> values = chartValues(chart);
    const bool fits = axis->max() >= *std::max_element(values.begin(), values.end());
    return QStringLiteral("%1 ticks%2")
        .arg(qRound((axis->max() - axis->min()) / axis->tickInterval()) + 1)
        .arg(fits ? "" : ", too short");
}

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

    // Clicks on the year buttons, and the year they leave; the window shows that year's statistics.
    void yearButtons_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("beeps");
        QTest::newRow("+ on the current year") << QStringList{"Command5"} << ThisYear << 1;
        QTest::newRow("- to the diary's year") << QStringList{"Command4"} << DiaryYear << 0;
        QTest::newRow("- to a year without rows")
            << QStringList{"Command4", "Command4", "Command4"} << ThisYear - 3 << 0;
        QTest::newRow("- and + back") << QStringList{"Command4", "Command4", "Command5", "Command5"} << ThisYear << 0;
        QTest::newRow("the year button returns") << QStringList{"Command4", "Command4", "Command6"} << ThisYear << 0;
    }
    void yearButtons()
    {
        QFETCH(QStringList, clicks);
        QFETCH(int, year);
        QFETCH(int, beeps);
        StatisticsWindow w;
        for (const QString &name : clicks)
            click(&w.window, name);
        QCOMPARE(child<QPushButton>(&w.window, "Command6")->text(), QString::number(year));
        const YearStatistics expected = computeYearStatistics(w.t.program(), year);
        QCOMPARE(w.shownReport(), year == DiaryYear ? w.report : expected.report);
        QCOMPARE(entries(child<QAbstractItemView>(&w.window, "List2")).size(), expected.species.size());
        QCOMPARE(w.t.prompter().beeps, beeps);
        if (expected.report.isEmpty())
            for (const QChartView *chart : monthCharts(&w.window))
                QCOMPARE(chartValues(chart), QList<qint64>(12, 0));
    }

    // The values are the core's (tst_yearstatistics); the third chart follows the chosen species.
    void charts()
    {
        StatisticsWindow w;
        w.window.show();
        click(&w.window, "Command4");
        const QList<QChartView *> charts = monthCharts(&w.window);
        QCOMPARE(chartValues(charts[0]), (QList<qint64>{1, 1, 1, 1, 1, 0, 1, 0, 0, 0, 0, 1}));
        QCOMPARE(chartValues(charts[1]), (QList<qint64>{3, 10, 10, 0, 0, 0, 1, 0, 0, 0, 0, 1}));
        QCOMPARE(chartValues(charts[2]), (QList<qint64>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1})); // the first
        clickEntry(child<QAbstractItemView>(&w.window, "List2"), 1);
        QCOMPARE(chartValues(charts[2]), (QList<qint64>{3, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    }

    // A year of a million individuals in a month after one of a single individual, and back: the
    // drawn charts get a handful of ticks at once, whichever scale they come from.
    void largeCountsKeepFewTicks()
    {
        TestProgram t;
        const QString observer = t.addObserver("Per", "Hansen", "PHA");
        registerObservation(t, "11870", "1", "01.01." + QString::number(ThisYear), "00:00", {observer});
        registerObservation(t, "11870", "1000000", "01.10." + QString::number(DiaryYear), "08:00", {observer});
        frm_Statistikk window(t.program());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(monthCharts(&window)[1]->chart()->plotArea().height() > 0); // laid out: its axes draw their ticks
        for (const QString &button : {"Command4", "Command5"}) {
            click(&window, button);
            for (const QChartView *chart : monthCharts(&window))
                QCOMPARE(ticksOf(chart),
                         button == "Command4" && chart != monthCharts(&window)[0] ? "6 ticks" : "2 ticks");
        }
    }

    // The name typed into the save dialog and the file the report lands in, over an older one;
    // nothing when the dialog is cancelled; on a full disk the older file stays and the user is
    // told. The bytes of the file are tst_yearstatistics' concern.
    void savesTheReport_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::addColumn<bool>("diskFull");
        QTest::newRow("a name without suffix gets .txt") << QString("rapport") << "rapport.txt" << false;
        QTest::newRow("an upper-case suffix is kept") << QString("RAPPORT.TXT") << "RAPPORT.TXT" << false;
        QTest::newRow("cancelled") << QString() << QString() << false;
        QTest::newRow("disk full") << QString("rapport.txt") << "rapport.txt" << true;
    }
    void savesTheReport()
    {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QFETCH(bool, diskFull);
        StatisticsWindow w;
        if (!written.isEmpty())
            QVERIFY(writeFile(w.t.path(written), "old\r\n"));
        const QStringList before = QDir(w.t.folder()).entryList(QDir::Files);
        {
            std::optional<FileSizeLimit> disk;
            if (diskFull)
                disk.emplace(8);
            QVERIFY(w.save(typed));
        }
        const QByteArray report = (w.shownReport().join("\r\n") + "\r\n").toUtf8();
        if (written.isEmpty())
            QCOMPARE(QDir(w.t.folder()).entryList(QDir::Files), before);
        else
            QCOMPARE(contents(w.t.path(written)), diskFull ? QByteArray("old\r\n") : report);
        QCOMPARE(w.t.prompter().lastText(),
                 diskFull ? QStringLiteral("Filen %1 kunne ikke skrives.").arg(w.t.path(written)) : QString());
    }

    // Copies in one job: a PDF holds every copy, and the printer is not left to repeat them.
    void printsCopiesInOneJob()
    {
        StatisticsWindow w;
        for (int i = 0; i < 60; ++i) // two pages a copy
            child<QListWidget>(&w.window, "List1")->addItem(QStringLiteral("Linje %1").arg(i));
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
