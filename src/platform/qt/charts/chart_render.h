#pragma once
// A ChartData as a Qt chart: built once for the screen (ChartView) and
// painted the same way on paper or into a picture.
#include <QRectF>
#include <QSizeF>

#include "core/chart_data.h"

class QPainter;

class QChart;

namespace n3 {

// A new chart holding the data's series and axes. Bars sit over the category
// axis when the data names categories (every series' x is then the category
// index); otherwise x is a value axis. Each QBarSet and QXYSeries carries its
// points' tips in the dynamic property "tips" (a QStringList).
QChart* MakeQChart(const ChartData& data);

// The size in screen pixels a chart is laid out at before it is drawn into
// an area of `area` pixels: the area itself, enlarged (same shape) when it
// is too narrow for every label or for a legend `legendWidth` wide.
QSizeF ChartLayoutSize(const QSizeF& area, double legendWidth = 0);

// The width the chart's legend needs to show every entry whole in one row.
double LegendWidth(const QChart& chart);

// Paints the chart into `rect` of the painter's device: laid out at
// ChartLayoutSize, every axis label and legend entry placed, then scaled
// into the rectangle.
void PaintChart(QPainter& painter, const QRectF& rect, const ChartData& data);

}  // namespace n3
