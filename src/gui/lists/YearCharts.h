#pragma once

#include <QList>
#include <QPointF>

#include <optional>

class QChartView;
class QString;
class QWidget;

namespace lirvenda {

// A chart of a value across the years: the years along the bottom, each year's value a point on
// one line; and, when drawn with one, a level as a flat line across the same years.
QChartView *yearChart(QWidget *parent, const QString &name, const QString &valueTitle);
void drawYears(QChartView *view, const QList<QPointF> &points, std::optional<double> level = std::nullopt);
// The points of the chart's line, and of its level (empty without one).
QList<QPointF> chartPoints(const QChartView *view);
QList<QPointF> chartLevel(const QChartView *view);

} // namespace lirvenda
