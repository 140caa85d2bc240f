#include "gui/lists/YearCharts.h"

#include "gui/ui/NamedControl.h"

#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace lirvenda {

namespace {

QLineSeries *lineOf(const QChartView *view, int index)
{
    return static_cast<QLineSeries *>(view->chart()->series().at(index));
}

QValueAxis *axisOf(const QChartView *view, Qt::Orientation orientation)
{
    return static_cast<QValueAxis *>(view->chart()->axes(orientation).constFirst());
}

// Whole-number ticks, about five of them. An axis lays its ticks out anew at each change of its
// range: the range changes while it counts a fixed number of ticks, never under a tiny interval.
void setWholeRange(QValueAxis *axis, double low, double high)
{
    axis->setTickType(QValueAxis::TicksFixed);
    axis->setRange(low, std::max(high, low + 1));
    axis->applyNiceNumbers();
    axis->setTickAnchor(axis->min());
    axis->setTickInterval(std::max(1.0, std::ceil((axis->max() - axis->min()) / 5)));
    axis->setTickType(QValueAxis::TicksDynamic);
}

} // namespace

QChartView *yearChart(QWidget *parent, const QString &name, const QString &valueTitle)
{
    auto *chart = new QChart;
    auto *values = new QLineSeries(chart);
    values->setPointsVisible(true);
    values->setName(valueTitle);
    auto *level = new QLineSeries(chart);
    level->setName(QCoreApplication::translate("YearCharts", "Median"));
    chart->addSeries(values);
    chart->addSeries(level);
    auto *years = new QValueAxis(chart);
    years->setTitleText(QCoreApplication::translate("YearCharts", "År"));
    years->setLabelFormat(QStringLiteral("%d"));
    auto *vertical = new QValueAxis(chart);
    vertical->setTitleText(valueTitle);
    vertical->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(years, Qt::AlignBottom);
    chart->addAxis(vertical, Qt::AlignLeft);
    for (QLineSeries *series : {values, level}) {
        series->attachAxis(years);
        series->attachAxis(vertical);
    }
    chart->legend()->hide();
    auto *view = named(new QChartView(chart, parent), name);
    view->setMinimumSize(320, 200);
    return view;
}

void drawYears(QChartView *view, const QList<QPointF> &points, std::optional<double> level)
{
    lineOf(view, 0)->replace(points);
    QList<QPointF> flat;
    if (level && !points.isEmpty())
        flat = {{points.constFirst().x(), *level}, {points.constLast().x(), *level}};
    lineOf(view, 1)->replace(flat);
    double firstYear = points.isEmpty() ? 0 : points.constFirst().x(), lastYear = firstYear;
    double low = 0, high = 1;
    for (const QPointF &point : points) {
        lastYear = point.x();
        high = std::max(high, point.y());
    }
    setWholeRange(axisOf(view, Qt::Horizontal), firstYear, lastYear);
    setWholeRange(axisOf(view, Qt::Vertical), low, high);
}

QList<QPointF> chartPoints(const QChartView *view) { return lineOf(view, 0)->points(); }

QList<QPointF> chartLevel(const QChartView *view) { return lineOf(view, 1)->points(); }

} // namespace lirvenda
