#include "platform/qt/charts/chart_render.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPaintDevice>
#include <QPainter>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/qt/common/qt_util.h"

namespace n3 {

namespace {

QStringList Tips(const ChartSeries& s) {
    QStringList tips;
    for (const ChartPoint& p : s.points) tips << Q(p.tip);
    return tips;
}

QLineSeries* MakeLine(const ChartSeries& s, Qt::PenStyle style) {
    auto* line = new QLineSeries;
    line->setName(Q(s.name));
    for (const ChartPoint& p : s.points) line->append(p.x, p.y);
    QPen pen(ToQColor(s.colour));
    pen.setWidthF(2);
    pen.setStyle(style);
    line->setPen(pen);
    // The points of a short curve are marked; a level line, or a curve of
    // hundreds of points, needs no marks.
    // A line of one point (a single month) is only its mark.
    line->setPointsVisible((style != Qt::SolidLine || s.points.size() == 1) && s.points.size() <= 60);
    line->setMarkerSize(s.points.size() == 1 ? 7 : 4);
    line->setProperty("tips", Tips(s));
    return line;
}

QScatterSeries* MakePoints(const ChartSeries& s) {
    auto* dots = new QScatterSeries;
    dots->setName(Q(s.name));
    for (const ChartPoint& p : s.points) dots->append(p.x, p.y);
    dots->setColor(ToQColor(s.colour));
    dots->setBorderColor(ToQColor(s.colour).darker(130));
    dots->setMarkerSize(5);
    dots->setProperty("tips", Tips(s));
    return dots;
}

// Over categories a band reaches from the left edge of the first bar's slot
// to the right edge of the last one: the whole width of the plot.
QAreaSeries* MakeBand(const ChartSeries& s, bool overCategories) {
    auto* lower = new QLineSeries;
    auto* upper = new QLineSeries;
    const std::size_t count = s.points.size();
    auto add = [&](double x, std::size_t i) {
        lower->append(x, s.points[i].y);
        upper->append(x, i < s.high.size() ? s.high[i] : s.points[i].y);
    };
    if (overCategories && count > 0) add(s.points.front().x - 0.5, 0);
    for (std::size_t i = 0; i < count; ++i) add(s.points[i].x, i);
    if (overCategories && count > 0) add(s.points.back().x + 0.5, count - 1);
    auto* area = new QAreaSeries(upper, lower);
    area->setName(Q(s.name));
    QColor fill = ToQColor(s.colour);
    fill.setAlpha(110);
    area->setBrush(fill);
    QPen edge(ToQColor(s.colour));
    edge.setWidthF(1);
    area->setPen(edge);
    return area;
}

// The value axis: from 0, so that a bar twice as tall is twice as many;
// only a chart that asks for it starts near its lowest value. Values
// below 0 (a running balance in the red) are always in range.
std::pair<double, double> ValueRange(const ChartData& data) {
    double low = 0, high = 0;
    bool any = false;
    for (const ChartSeries& s : data.series) {
        for (const ChartPoint& p : s.points) {
            low = any ? std::min(low, p.y) : p.y;
            high = any ? std::max(high, p.y) : p.y;
            any = true;
        }
        for (double h : s.high) high = std::max(high, h);
    }
    if (!any) return {0, 1};
    if (low < 0) {
        const double span = std::max(high, 0.0) - low;
        return {low - 0.08 * span, std::max(high, 0.0) + 0.08 * span};
    }
    if (high <= 0) return {0, 1};
    if (!data.valueAxisFromZero && low > 0.6 * high)
        return {std::max(0.0, low - (high - low)), high + 0.25 * (high - low)};
    return {0, high * 1.08};
}

}  // namespace

QChart* MakeQChart(const ChartData& data) {
    auto* chart = new QChart;
    chart->setTitle(Q(data.title));
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));

    QAbstractAxis* xAxis = nullptr;
    if (!data.categories.empty()) {
        auto* categories = new QBarCategoryAxis;
        for (const std::string& c : data.categories) categories->append(Q(c));
        xAxis = categories;
    } else {
        auto* values = new QValueAxis;
        double low = 0, high = 1;
        bool any = false;
        for (const ChartSeries& s : data.series)
            for (const ChartPoint& p : s.points) {
                low = any ? std::min(low, p.x) : p.x;
                high = any ? std::max(high, p.x) : p.x;
                any = true;
            }
        values->setRange(low, high > low ? high : low + 1);
        bool whole = true;
        for (const ChartSeries& s : data.series)
            for (const ChartPoint& p : s.points) whole = whole && p.x == double(static_cast<long long>(p.x));
        if (whole) values->setLabelFormat(QStringLiteral("%.0f"));
        xAxis = values;
    }
    xAxis->setTitleText(Q(data.xTitle));
    auto* yAxis = new QValueAxis;
    yAxis->setTitleText(Q(data.yTitle));
    const auto [low, high] = ValueRange(data);
    yAxis->setRange(low, high);
    yAxis->applyNiceNumbers();
    // Whole numbers as such; a small range whose ticks fall between them
    // gets a decimal, so that no two labels read alike. Factors ask for more.
    const double step = (yAxis->max() - yAxis->min()) / std::max(1, yAxis->tickCount() - 1);
    const int decimals = std::max(data.yDecimals, step == std::floor(step) ? 0 : 1);
    yAxis->setLabelFormat(QStringLiteral("%.") + QString::number(decimals) + QStringLiteral("f"));
    chart->addAxis(xAxis, Qt::AlignBottom);
    chart->addAxis(yAxis, Qt::AlignLeft);

    QBarSeries* bars = nullptr;
    for (const ChartSeries& s : data.series) {
        QAbstractSeries* added = nullptr;
        switch (s.kind) {
        case SeriesKind::Bars: {
            auto* set = new QBarSet(Q(s.name));
            for (const ChartPoint& p : s.points) *set << p.y;
            set->setColor(ToQColor(s.colour));
            set->setBorderColor(ToQColor(s.colour).darker(130));
            set->setProperty("tips", Tips(s));
            if (!bars) {
                bars = new QBarSeries;
                bars->setBarWidth(0.7);
                added = bars;
            }
            bars->append(set);
            break;
        }
        case SeriesKind::Line: added = MakeLine(s, Qt::SolidLine); break;
        case SeriesKind::DashedLine: added = MakeLine(s, Qt::DashLine); break;
        case SeriesKind::Band: added = MakeBand(s, !data.categories.empty()); break;
        case SeriesKind::Points: added = MakePoints(s); break;
        }
        if (!added) continue;
        chart->addSeries(added);
        added->attachAxis(xAxis);
        added->attachAxis(yAxis);
    }
    return chart;
}

QSizeF ChartLayoutSize(const QSizeF& area, double legendWidth) {
    // A chart narrower than this has no room for every category label.
    const double minWidth = std::max(820.0, legendWidth);
    if (area.width() <= 0 || area.height() <= 0) return {minWidth, minWidth * 0.55};
    const double scale = std::max(1.0, minWidth / area.width());
    return area * scale;
}

double LegendWidth(const QChart& chart) {
    // Each entry is its marker, its name and the gaps around them.
    constexpr double kMarkerAndGaps = 40;
    const QFontMetricsF metrics(chart.legend()->font());
    double width = 0;
    for (const QLegendMarker* marker : chart.legend()->markers())
        width += metrics.horizontalAdvance(marker->label()) + kMarkerAndGaps;
    return width;
}

void PaintChart(QPainter& painter, const QRectF& rect, const ChartData& data) {
    // The chart is laid out as the window lays it out, in screen pixels, at a
    // size that keeps every label whole, and then scaled into `rect`: paper
    // gets the same picture as the window, only sharper.
    const QPaintDevice* device = painter.device();
    const double dpiScale = device ? std::max(1.0, device->logicalDpiX() / 96.0) : 1.0;
    QGraphicsScene scene;
    QChart* chart = MakeQChart(data);
    const QSizeF size = ChartLayoutSize(rect.size() / dpiScale, LegendWidth(*chart));
    scene.addItem(chart);
    chart->setGeometry(QRectF(QPointF(0, 0), size));
    scene.setSceneRect(QRectF(QPointF(0, 0), size));
    // The axes and the legend place their labels when the layout runs; that
    // is a posted request, carried out here before anything is drawn.
    if (chart->layout()) chart->layout()->activate();
    QCoreApplication::sendPostedEvents(chart, QEvent::LayoutRequest);
    QCoreApplication::sendPostedEvents(&scene);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    scene.render(&painter, rect, QRectF(QPointF(0, 0), size), Qt::KeepAspectRatio);
    painter.restore();
}

}  // namespace n3
