#include "core/shared/Language.h"
#include "gui/statistics/frm_Statistikk.h"
#include "support/FaunaWindow.h"
#include "support/StatisticsYear.h"

#include <QBarCategoryAxis>
#include <QChartView>
#include <QDate>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QValueAxis>
#include <QtTest>

using namespace lirvenda;
using namespace lirvenda::test;

// The statistics window shown in English: its captions and charts speak English, while the
// year's report, shown and saved, keeps the lines of its file format.
class EnglishStatisticsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        installTranslation(Language::English);
        QCOMPARE(shownLanguage(), Language::English);
    }

    void captionsInEnglishReportUnchanged()
    {
        TestProgram t;
        const int year = QDate::currentDate().year() - 1;
        const QStringList report = fillStatisticsYear(t, year);
        frm_Statistikk window(t.program());
        click(&window, "Command4");
        QCOMPARE(window.windowTitle(), "Statistics by year");
        const QChart *chart = child<QChartView>(&window, "MSChart1")->chart();
        QCOMPARE(chart->axes(Qt::Horizontal).constFirst()->titleText(), "Month");
        QCOMPARE(chart->axes(Qt::Vertical).constFirst()->titleText(), "Count");
        QCOMPARE(entries(child<QListWidget>(&window, "List1")), report);
        QVERIFY(answerModal([&] { child<QPushButton>(&window, "Command3")->click(); },
                            [&](QWidget *modal) {
                                auto *dialog = qobject_cast<QFileDialog *>(modal);
                                dialog->setDirectory(t.folder());
                                dialog->findChild<QLineEdit *>("fileNameEdit")->setText("report");
                                static_cast<QDialog *>(dialog)->accept();
                            }));
        QCOMPARE(contents(t.path("report.txt")), (report.join("\r\n") + "\r\n").toUtf8());
    }
};

QTEST_MAIN(EnglishStatisticsWindowTest)
#include "tst_statisticswindow_english.moc"
