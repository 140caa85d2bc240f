#pragma once

#include "core/lists/SpeciesLists.h"

#include <QDialog>

#include <array>

class QChartView;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLayout;
class QPrinter;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace lirvenda {

class KeyedListModel;
class ListTableView;
class Program;
class YearStepper;

// "Lister": the species lists, the arrival dates, the year's first sightings and the diary year
// by year, for the species group and the year chosen at the top. A double click on a line leaves
// the observation record set on the observation the line stands for, and closes the window.
class frm_Lister : public QDialog {
    Q_OBJECT
public:
    explicit frm_Lister(Program &program, QWidget *parent = nullptr);

    // The table of the tab shown, as it is saved and printed; its title is in the window's caption.
    const ListTable &shownTable() const;
    void PrintTable(QPrinter &printer);

private:
    QGroupBox *classFrame();
    QWidget *listsTab();
    QWidget *arrivalsTab();
    QWidget *yearFirstsTab();
    QWidget *diaryTab();
    QLayout *commandRow();
    void LayOut(QGroupBox *classes);
    void ConnectTables();

    ListChoice listChoice() const;
    QString chosenClass() const;
    int shownYear() const;
    void ShowTab();
    void ShowSpeciesList();
    void ShowArrivals();
    void ShowYearFirsts();
    void ShowDiary();
    void FillSpecies();
    void Combo1_Click();
    void Command2_Click();
    void Command3_Click();
    void ChooseObservation(qint64 obsId);

    Program &m_program;
    std::array<QRadioButton *, 4> Option1; // "Fugler", "Pattedyr", "Botanikk", "Insekter"
    YearStepper *m_years;                  // "-", the year, "+"
    QTabWidget *Tabs;                      // "Lister", "Ankomstdatoer", "Årets første", "Hele dagboka"
    QComboBox *Combo1;                     // the list kind
    KeyedListModel *m_places;
    QComboBox *Combo2; // the county, municipality or locality
    QCheckBox *Check1; // "Alle år"
    QCheckBox *Check2; // "Sorter etter navn"
    ListTableView *List1;
    KeyedListModel *m_species;
    QComboBox *Combo3; // the species of the arrival dates
    ListTableView *List2;
    QChartView *Chart1; // the day of the first sighting, year by year
    ListTableView *List3;
    ListTableView *List4;
    QChartView *Chart2; // species per year
    QChartView *Chart3; // the life list at the end of each year
};

} // namespace lirvenda
