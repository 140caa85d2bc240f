#include "gui/lists/YearCharts.h"
#include "gui/lists/frm_Lister.h"
#include "support/FaunaWindow.h"
#include "support/ListsDiary.h"

#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QFileDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest>

using namespace lirvenda;
using namespace lirvenda::test;

namespace {

// The texts of one column of a table, row by row.
QStringList column(const QWidget *window, const QString &table, int index)
{
    QStringList texts;
    const auto *view = child<QTreeWidget>(window, table);
    for (int row = 0; row < view->topLevelItemCount(); ++row)
        texts << view->topLevelItem(row)->text(index);
    return texts;
}

// "-" until the year shows.
void stepBackTo(QWidget *window, int year)
{
    while (child<QPushButton>(window, "Command6")->text().toInt() > year)
        click(window, "Command4");
}

} // namespace

class ListsWindowTest : public QObject {
    Q_OBJECT
private slots:
    // From the main window: the life list and its caption, the switch to names, a year's marks,
    // and a double click that shows the line's first observation in the main window.
    void fromMainWindow()
    {
        FaunaWindow w;
        const ListsDiary d = fillListsDiary(w.t);
        QString lifeTitle;
        QStringList systematic, byName, marks2020, marks2019;
        const bool shown = answerModal([&] { w.click("Command40"); },
                                       [&](QWidget *lists) {
                                           lifeTitle = lists->windowTitle();
                                           systematic = column(lists, "List1", 1);
                                           click(lists, "Check2");
                                           byName = column(lists, "List1", 1);
                                           child<QComboBox>(lists, "Combo1")->setCurrentIndex(1);
                                           stepBackTo(lists, 2020);
                                           marks2020 = column(lists, "List1", 0);
                                           click(lists, "Command4");
                                           marks2019 = column(lists, "List1", 0);
                                           click(lists, "Command5");
                                           doubleClickEntry(child<QTreeWidget>(lists, "List1"),
                                                            column(lists, "List1", 1).indexOf("Svarttrost"));
                                       });
        QVERIFY(shown);
        QCOMPARE(lifeTitle, "Lister - Livsliste, Fugler: 5 arter");
        QCOMPARE(systematic, QStringList({"Smålom", "Storlom", "Knoppsvane", "Svarttrost", "99999"}));
        QCOMPARE(byName, QStringList({"99999", "Knoppsvane", "Smålom", "Storlom", "Svarttrost"}));
        QCOMPARE(marks2020, QStringList({"ny", "", "ny", "ny", "ny"})); // by name; Knoppsvane came in 2019
        QCOMPARE(marks2019, QStringList({"ny"}));
        QCOMPARE(w.t.program().observations().currentObsId(), d.thrushFirst);
        QCOMPARE(w.shown("Combo13"), "Tjønna");
    }

    // "&Lister" is always shown, and closed with the other windows' buttons while a registration
    // is entered.
    void buttonFollowsEntering()
    {
        FaunaWindow w;
        auto *lists = w.control<QPushButton>("Command40");
        QCOMPARE(lists->text(), "&Lister");
        QVERIFY(lists->isVisibleTo(&w.window) && lists->isEnabled());
        w.click("Command7");
        QVERIFY(!lists->isEnabled());
        QCOMPARE(w.control<QPushButton>("Command14")->isEnabled(), lists->isEnabled());
    }

    // The lists window shuts without a choice: the main window keeps what it showed.
    void closedWithoutChoice()
    {
        FaunaWindow w;
        fillListsDiary(w.t);
        const qint64 shownBefore = w.t.program().observations().currentObsId();
        QVERIFY(answerModal([&] { w.click("Command40"); }, [&](QWidget *lists) { click(lists, "Command1"); }));
        QCOMPARE(w.t.program().observations().currentObsId(), shownBefore);
    }

    // The arrival dates with the median day as a level, and the diary's two charts.
    void charts()
    {
        FaunaWindow w;
        fillListsDiary(w.t);
        saveSighting(w.t, "01520", 2, "2022-03-01 08:00:00", "Bø", "1101");
        frm_Lister lists(w.t.program());
        auto *species = child<QComboBox>(&lists, "Combo3");
        child<QTabWidget>(&lists, "Tabs")->setCurrentIndex(1);
        species->setCurrentIndex(species->findText("Knoppsvane (Cygnus olor)"));
        QCOMPARE(lists.windowTitle(), "Lister - Ankomstdatoer for Knoppsvane (Cygnus olor)");
        QCOMPARE(column(&lists, "List2", 2), QStringList({"365", "153", "60"}));
        const auto *arrivals = child<QChartView>(&lists, "Chart1");
        QCOMPARE(chartPoints(arrivals), QList<QPointF>({{2019, 365}, {2020, 153}, {2022, 60}}));
        QCOMPARE(chartLevel(arrivals), QList<QPointF>({{2019, 153}, {2022, 153}}));
        child<QTabWidget>(&lists, "Tabs")->setCurrentIndex(3);
        QCOMPARE(chartPoints(child<QChartView>(&lists, "Chart2")),
                 QList<QPointF>({{2019, 1}, {2020, 5}, {2021, 0}, {2022, 1}}));
        QCOMPARE(chartPoints(child<QChartView>(&lists, "Chart3")),
                 QList<QPointF>({{2019, 1}, {2020, 5}, {2021, 5}, {2022, 5}}));
    }

    // The table shown goes to a CSV file through "T&il fil" and to the printer as one page.
    void saveAndPrint()
    {
        FaunaWindow w;
        fillListsDiary(w.t);
        frm_Lister lists(w.t.program());
        child<QTabWidget>(&lists, "Tabs")->setCurrentIndex(2);
        stepBackTo(&lists, 2020);
        QCOMPARE(lists.windowTitle(), "Lister - Årets første 2020, Fugler: 5 arter");
        QVERIFY(answerModal([&] { click(&lists, "Command3"); },
                            [&](QWidget *modal) {
                                auto *dialog = qobject_cast<QFileDialog *>(modal);
                                dialog->setDirectory(w.t.folder());
                                dialog->findChild<QLineEdit *>("fileNameEdit")->setText("first.csv");
                                static_cast<QDialog *>(dialog)->accept();
                            }));
        const QList<QByteArray> lines = contents(w.t.path("first.csv")).split('\n');
        QCOMPARE(lines.size(), 7); // the header, five species, and the end of the last line
        QVERIFY(lines.at(1).startsWith("ny,Svarttrost,Turdus merula,01.01.2020,Tjønna,"));
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(w.t.path("first.pdf"));
        lists.PrintTable(printer);
        QCOMPARE(pdfPageCount(w.t.path("first.pdf")), 1);
    }
};

QTEST_MAIN(ListsWindowTest)
#include "tst_listswindow.moc"
