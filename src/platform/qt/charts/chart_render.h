#pragma once
// A ChartData as a Qt chart: built once for the screen (ChartView) and
// painted the same way on paper or into a picture.
#include <QRectF>

#include "core/chart_data.h"

class QPainter;

class QChart;

namespace n3 {

// A new chart holding the data's series and axes. Bars sit over the category
// axis when the data names categories (every series' x is then the category
// index); otherwise x is a value axis. Each QBarSet and QXYSeries carries its
// points' tips in the dynamic property "tips" (a QStringList).
QChart* MakeQChart(const ChartData& data);

// Paints the chart into `rect` of the painter's device, scaled so that its
// texts keep their size on a high-resolution device such as a printer.
void PaintChart(QPainter& painter, const QRectF& rect, const ChartData& data);

}  // namespace n3
