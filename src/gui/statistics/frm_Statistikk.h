#pragma once

#include "core/statistics/YearStatistics.h"

#include <QDialog>

class QChartView;
class QGroupBox;
class QLayout;
class QListView;
class QListWidget;
class QModelIndex;
class QPrinter;
class QPushButton;

namespace lirvenda {

class KeyedListModel;
class YearStepper;
class Program;

// The twelve month values a chart shows, January first.
QList<qint64> chartValues(const QChartView *chart);

// "Statistikk for ulike år": the report, the species and the month charts of one year.
class frm_Statistikk : public QDialog {
    Q_OBJECT
public:
    explicit frm_Statistikk(Program &program, QWidget *parent = nullptr);

    // Rebuilds the report, the species list and the charts for the year on Command6.
    void ComputeYearStatistics();
    // Prints the report as many times as the printer's copy count, as one job of separate copies.
    void PrintReport(QPrinter &printer);

private:
    QGroupBox *resultFrame();
    void LayOut(QGroupBox *results, QLayout *commands);
    QLayout *commandRow();
    void Command2_Click();
    void Command3_Click();
    void List2_Click(const QModelIndex &chosen);
    int shownYear() const;

    Program &m_program;
    YearStatistics m_statistics;
    YearStepper *m_years; // "-", the year, "+"
    QListWidget *List1;   // the report lines
    KeyedListModel *m_species;
    QListView *List2;     // "Registrerte arter"
    QChartView *MSChart1; // "Antall arter observert pr. måned"
    QChartView *MSChart2; // "Antall individer pr. måned"
    QChartView *MSChart3; // "Antall individer observert pr. måned for ulike arter"
};

} // namespace lirvenda
