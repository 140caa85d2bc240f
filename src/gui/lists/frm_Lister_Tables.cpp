// What the lists window shows in each tab, and what it does with the table shown.

#include "gui/lists/frm_Lister.h"

#include "core/lists/ArrivalDates.h"
#include "core/registration/Places.h"
#include "core/registration/RegistrationState.h"
#include "core/shared/Prompter.h"
#include "core/store/Program.h"
#include "gui/lists/ListTableView.h"
#include "gui/lists/YearCharts.h"
#include "gui/ui/KeyedListModel.h"
#include "gui/ui/PrintListPages.h"
#include "gui/ui/YearStepper.h"

#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace lirvenda {

namespace {

QList<qint64> firstObservations(const QList<ListLine> &lines)
{
    QList<qint64> observations;
    for (const ListLine &line : lines)
        observations << line.firstObsId;
    return observations;
}

} // namespace

QString frm_Lister::chosenClass() const
{
    for (int i = 1; i < int(Option1.size()); ++i)
        if (Option1[i]->isChecked())
            return RegistrationState::SpeciesGroups.at(i);
    return QStringLiteral("Aves");
}

int frm_Lister::shownYear() const { return m_years->year(); }

ListChoice frm_Lister::listChoice() const
{
    const auto kind = ListKind(Combo1->currentIndex());
    const bool ofYear = kind == ListKind::Year || (kind != ListKind::Life && !Check1->isChecked());
    return {kind, ofYear ? std::optional<int>(shownYear()) : std::nullopt, m_places->keyAt(Combo2->currentIndex()),
            chosenClass()};
}

// A new kind of list: the places of that kind to choose from.
void frm_Lister::Combo1_Click()
{
    const auto kind = ListKind(Combo1->currentIndex());
    {
        const QSignalBlocker refilledNotChosen(Combo2);
        m_places->setEntries(listPlaces(m_program, kind));
        Combo2->setCurrentIndex(m_places->rowCount() > 0 ? 0 : -1);
    }
    Combo2->setEnabled(kind != ListKind::Life && kind != ListKind::Year);
    Check1->setEnabled(Combo2->isEnabled());
    ShowTab();
}

void frm_Lister::ShowTab()
{
    const QList<void (frm_Lister::*)()> shows{&frm_Lister::ShowSpeciesList, &frm_Lister::ShowArrivals,
                                              &frm_Lister::ShowYearFirsts, &frm_Lister::ShowDiary};
    (this->*shows.at(Tabs->currentIndex()))();
    setWindowTitle(tr("Lister - ") + shownTable().title);
}

void frm_Lister::ShowSpeciesList()
{
    const ListChoice choice = listChoice();
    const bool placeMissing = choice.kind != ListKind::Life && choice.kind != ListKind::Year && choice.place.isEmpty();
    const QList<ListLine> lines =
        placeMissing ? QList<ListLine>()
                     : speciesList(m_program, choice, Check2->isChecked() ? ListOrder::ByName : ListOrder::Systematic);
    List1->showTable(listTable(listCaption(m_program, choice, lines.size()), lines), firstObservations(lines));
}

// The species of the group's life list, by name, for the arrival dates.
void frm_Lister::FillSpecies()
{
    const QString shown = m_species->keyAt(Combo3->currentIndex());
    QList<KeyedEntry> entries;
    for (const ListLine &line : speciesList(m_program, {ListKind::Life, {}, {}, chosenClass()}, ListOrder::ByName))
        entries.append(
            {line.scientificName.isEmpty() ? line.name : line.name + " (" + line.scientificName + ")", line.key});
    const QSignalBlocker refilledNotChosen(Combo3);
    m_species->setEntries(entries);
    Combo3->setCurrentIndex(std::max(0, m_species->rowOf(shown)));
}

void frm_Lister::ShowArrivals()
{
    const QList<YearFirst> firsts = arrivalDates(m_program, m_species->keyAt(Combo3->currentIndex()));
    QList<qint64> observations;
    QList<QPointF> days;
    for (const YearFirst &first : firsts) {
        observations << first.obsId;
        days << QPointF(first.year, first.dayOfYear);
    }
    List2->showTable(arrivalTable(tr("Ankomstdatoer for ") + Combo3->currentText(), firsts), observations);
    drawYears(Chart1, days, medianArrivalDay(firsts));
}

void frm_Lister::ShowYearFirsts()
{
    const QList<ListLine> lines = yearFirsts(m_program, shownYear(), chosenClass());
    const QString title = tr("Årets første %1, %2: %3")
                              .arg(shownYear())
                              .arg(shownGroupName(chosenClass()), shownSpeciesCount(lines.size()));
    List3->showTable(listTable(title, lines), firstObservations(lines));
}

void frm_Lister::ShowDiary()
{
    const QList<DiaryYear> years = diaryYears(m_program, chosenClass());
    QList<QPointF> species, lifeList;
    for (const DiaryYear &year : years) {
        species << QPointF(year.year, year.species);
        lifeList << QPointF(year.year, year.lifeList);
    }
    List4->showTable(diaryTable(tr("Hele dagboka, ") + shownGroupName(chosenClass()), years), {});
    drawYears(Chart2, species);
    drawYears(Chart3, lifeList);
}

const ListTable &frm_Lister::shownTable() const
{
    const std::array<const ListTableView *, 4> tables{List1, List2, List3, List4};
    return tables.at(Tabs->currentIndex())->table();
}

// "&Til skriver"
void frm_Lister::Command2_Click()
{
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        PrintTable(printer);
}

void frm_Lister::PrintTable(QPrinter &printer)
{
    printListCopies(printer, shownTable().title, shownTable().printLines());
}

// "T&il fil": the table shown, as CSV.
void frm_Lister::Command3_Click()
{
    QFileDialog dialog(this);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(tr("CSV-filer (*.csv *.CSV)"));
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    if (!writeCsvFile(path, shownTable()))
        prompter().exclamation(tr("Filen %1 kunne ikke skrives.").arg(QDir::toNativeSeparators(path)));
}

// The observation a line stands for becomes the record set's current row.
void frm_Lister::ChooseObservation(qint64 obsId)
{
    if (m_program.observations().findObsId(obsId))
        accept();
}

} // namespace lirvenda
