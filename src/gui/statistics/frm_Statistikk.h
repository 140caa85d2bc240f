#pragma once

#include "core/statistics/YearStatistics.h"

#include <QDialog>

class QChartView;
class QGroupBox;
class QLabel;
class QListWidget;
class QPrinter;
class QPushButton;

namespace lirvenda {

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

    QGroupBox *Frame1;     // "Angi år"
    QPushButton *Command4; // "-"
    QPushButton *Command6; // the year
    QPushButton *Command5; // "+"
    QGroupBox *Frame2;     // "Resultater"
    QListWidget *List1;    // the report lines
    QListWidget *List2;    // "Registrerte arter"
    QChartView *MSChart1;  // "Antall arter observert pr. måned"
    QChartView *MSChart2;  // "Antall individer pr. måned"
    QChartView *MSChart3;  // "Antall individer observert pr. måned for ulike arter"
    QLabel *Label4;        // "Måned"
    QPushButton *Command2; // "&Til skriver"
    QPushButton *Command3; // "T&il fil"
    QPushButton *Command1; // "&Avslutt"

private:
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command2_Click();
    void Command3_Click();
    void List2_Click();
    int shownYear() const;
    void showYear(int year);

    Program &m_program;
    YearStatistics m_statistics;
};

} // namespace lirvenda
