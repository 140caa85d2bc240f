#include "gui/statistics/frm_Statistikk.h"

#include "gui/ui/KeyedListModel.h"
#include "gui/ui/NamedControl.h"
#include "gui/ui/PrintListPages.h"
#include "gui/ui/YearStepper.h"

#include "core/shared/Prompter.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include <QValueAxis>
#include <cmath>

namespace lirvenda {

namespace {

// The report lines the list shows, in order.
QStringList shownLines(const QListWidget *list)
{
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

constexpr int ReportLineLength = 64; // characters of a report line shown without scrolling

QPushButton *commandButton(QWidget *parent, const QString &name, const QString &caption)
{
    auto *button = named(new QPushButton(caption, parent), name);
    button->setAutoDefault(false);
    return button;
}

// The report's lines are lined up in columns of blanks: a fixed-pitch font keeps them so.
template <typename View>
View *reportList(View *list, const QString &name)
{
    named(list, name);
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::Monospace);
    list->setFont(font);
    return list;
}

// A bar chart of twelve months "1" to "12", the values under "Antall".
QChartView *monthChart(QWidget *parent, const QString &name)
{
    auto *chart = new QChart;
    auto *series = new QBarSeries(chart);
    series->append(new QBarSet(QCoreApplication::translate("lirvenda::frm_Statistikk", "Antall")));
    chart->addSeries(series);
    auto *months = new QBarCategoryAxis(chart);
    for (int m = 1; m <= 12; ++m)
        months->append(QString::number(m));
    months->setTitleText(QCoreApplication::translate("lirvenda::frm_Statistikk", "Måned"));
    months->setTruncateLabels(false); // "10" to "12" stay readable on a narrow chart
    auto *values = new QValueAxis(chart);
    values->setTitleText(QCoreApplication::translate("lirvenda::frm_Statistikk", "Antall"));
    values->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(months, Qt::AlignBottom);
    chart->addAxis(values, Qt::AlignLeft);
    series->attachAxis(months);
    series->attachAxis(values);
    chart->legend()->hide();
    auto *view = named(new QChartView(chart, parent), name);
    view->setMinimumSize(320, 200);
    return view;
}

QBarSet *barsOf(const QChartView *view)
{
    return static_cast<QBarSeries *>(view->chart()->series().constFirst())->barSets().constFirst();
}

// Draws the values, with about five whole-number ticks on a scale from zero that fits the largest.
// A drawn axis lays its ticks out anew at each change of its range or interval; with ticks at a
// fixed interval, a new range of a million under the old interval of one would be a million
// ticks. So the range and interval change while the axis counts a fixed number of ticks.
void drawMonths(QChartView *view, const MonthValues &months)
{
    QBarSet *bars = barsOf(view);
    bars->remove(0, bars->count());
    qint64 largest = 0;
    for (qint64 value : months) {
        bars->append(qreal(value));
        largest = std::max(largest, value);
    }
    auto *axis = static_cast<QValueAxis *>(view->chart()->axes(Qt::Vertical).constFirst());
    axis->setTickType(QValueAxis::TicksFixed);
    axis->setRange(0, std::max<qint64>(largest, 1));
    axis->applyNiceNumbers();
    axis->setTickAnchor(0);
    axis->setTickInterval(std::max(1.0, std::ceil(axis->max() / 5)));
    axis->setTickType(QValueAxis::TicksDynamic);
}

QWidget *titled(QWidget *parent, const QString &caption, QWidget *content)
{
    auto *box = new QWidget(parent);
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(caption, box));
    layout->addWidget(content);
    return box;
}

} // namespace

QList<qint64> chartValues(const QChartView *chart)
{
    const QBarSet *bars = barsOf(chart);
    QList<qint64> values;
    for (int i = 0; i < bars->count(); ++i)
        values << qint64(bars->at(i));
    return values;
}

frm_Statistikk::frm_Statistikk(Program &program, QWidget *parent)
    : QDialog(parent), m_program(program), m_species(new KeyedListModel(this))
{
    setObjectName(QStringLiteral("frm_Statistikk"));
    setWindowTitle(tr("Statistikk for ulike år"));
    // Made in the order of the window's tab chain.
    m_years = new YearStepper(this, QStringLiteral("Frame1"));
    QGroupBox *results = resultFrame();
    List2 = reportList(new QListView(this), QStringLiteral("List2"));
    List2->setModel(m_species);
    MSChart1 = monthChart(this, QStringLiteral("MSChart1"));
    MSChart2 = monthChart(this, QStringLiteral("MSChart2"));
    MSChart3 = monthChart(this, QStringLiteral("MSChart3"));
    LayOut(results, commandRow());
    connect(List2->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &frm_Statistikk::List2_Click);
    connect(m_years, &YearStepper::yearChanged, this, &frm_Statistikk::ComputeYearStatistics);
    m_years->setYear(QDate::currentDate().year());
}

QGroupBox *frm_Statistikk::resultFrame()
{
    auto *frame = named(new QGroupBox(tr("Resultater"), this), QStringLiteral("Frame2"));
    List1 = reportList(new QListWidget(frame), QStringLiteral("List1"));
    List1->setMinimumWidth(List1->fontMetrics().horizontalAdvance(QString(ReportLineLength, QLatin1Char('0'))));
    (new QVBoxLayout(frame))->addWidget(List1);
    return frame;
}

// The year and the report on the left; the species, the three charts and the buttons beside them.
void frm_Statistikk::LayOut(QGroupBox *results, QLayout *commands)
{
    auto *label4 = named(new QLabel(tr("Måned"), this), QStringLiteral("Label4"));
    label4->setAlignment(Qt::AlignCenter);
    auto *grid = new QGridLayout(this);
    grid->addWidget(m_years, 0, 0);
    grid->addWidget(results, 1, 0, 2, 1);
    grid->addWidget(titled(this, tr("Registrerte arter"), List2), 0, 1, 2, 1);
    grid->addWidget(titled(this, tr("Antall arter observert pr. måned"), MSChart1), 0, 2, 2, 1);
    grid->addWidget(titled(this, tr("Antall individer pr. måned"), MSChart2), 2, 1);
    grid->addWidget(titled(this, tr("Antall individer observert pr. måned for ulike arter"), MSChart3), 2, 2);
    grid->addWidget(label4, 3, 1, 1, 2);
    grid->addLayout(commands, 4, 0, 1, 3);
}

QLayout *frm_Statistikk::commandRow()
{
    QPushButton *print = commandButton(this, QStringLiteral("Command2"), tr("&Til skriver"));
    QPushButton *save = commandButton(this, QStringLiteral("Command3"), tr("T&il fil"));
    QPushButton *close = commandButton(this, QStringLiteral("Command1"), tr("&Avslutt"));
    connect(print, &QPushButton::clicked, this, &frm_Statistikk::Command2_Click);
    connect(save, &QPushButton::clicked, this, &frm_Statistikk::Command3_Click);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *button : {print, save, close})
        buttons->addWidget(button);
    return buttons;
}

int frm_Statistikk::shownYear() const { return m_years->year(); }

void frm_Statistikk::ComputeYearStatistics()
{
    m_statistics = lirvenda::computeYearStatistics(m_program, shownYear());
    List1->clear();
    List1->addItems(m_statistics.report);
    m_species->setEntries(m_statistics.species);
    drawMonths(MSChart1, m_statistics.speciesPerMonth);
    drawMonths(MSChart2, m_statistics.individualsPerMonth);
    drawMonths(MSChart3, MonthValues{});
    if (m_species->rowCount() > 0)
        List2->setCurrentIndex(m_species->index(0));
}

void frm_Statistikk::List2_Click(const QModelIndex &chosen)
{
    if (chosen.isValid())
        drawMonths(MSChart3, m_statistics.individualsOf(m_species->keyAt(chosen.row())));
}

// "&Til skriver"
void frm_Statistikk::Command2_Click()
{
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        PrintReport(printer);
}

void frm_Statistikk::PrintReport(QPrinter &printer) { printListCopies(printer, QString(), shownLines(List1)); }

// "T&il fil"
void frm_Statistikk::Command3_Click()
{
    QFileDialog dialog(this);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite); // the chosen file is replaced
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(tr("*.TXT-filer (*.TXT *.txt *.Txt)"));
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    setCursor(Qt::WaitCursor);
    const bool written = writeReportFile(path, shownLines(List1));
    unsetCursor();
    if (!written)
        prompter().exclamation(tr("Filen %1 kunne ikke skrives.").arg(QDir::toNativeSeparators(path)));
}

} // namespace lirvenda
