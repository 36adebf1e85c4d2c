#include "platform/qt/charts/chart_render.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QPaintDevice>
#include <QPainter>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <utility>

#include "platform/qt/frame/qt_util.h"

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

QAreaSeries* MakeBand(const ChartSeries& s) {
    auto* lower = new QLineSeries;
    auto* upper = new QLineSeries;
    for (std::size_t i = 0; i < s.points.size(); ++i) {
        lower->append(s.points[i].x, s.points[i].y);
        upper->append(s.points[i].x, i < s.high.size() ? s.high[i] : s.points[i].y);
    }
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

// The value axis: from 0, unless every value sits high above 0 (counts
// close to their expectation), where starting lower shows the differences;
// values below 0 (a running balance in the red) are always in range.
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
    if (low > 0.6 * high) return {std::max(0.0, low - (high - low)), high + 0.25 * (high - low)};
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
    yAxis->setLabelFormat(QStringLiteral("%.") + QString::number(data.yDecimals) + QStringLiteral("f"));
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
        case SeriesKind::Band: added = MakeBand(s); break;
        case SeriesKind::Points: added = MakePoints(s); break;
        }
        if (!added) continue;
        chart->addSeries(added);
        added->attachAxis(xAxis);
        added->attachAxis(yAxis);
    }
    return chart;
}

void PaintChart(QPainter& painter, const QRectF& rect, const ChartData& data) {
    // Laid out at screen size, then scaled to the device: a printer's
    // 600 dpi page gets the same picture as the window, only sharper.
    const QPaintDevice* device = painter.device();
    const double scale = device ? std::max(1.0, device->logicalDpiX() / 96.0) : 1.0;
    QChartView view;
    view.setChart(MakeQChart(data));
    view.setRenderHint(QPainter::Antialiasing);
    view.setFrameShape(QFrame::NoFrame);
    view.resize(std::max(1, int(rect.width() / scale)), std::max(1, int(rect.height() / scale)));
    painter.save();
    painter.translate(rect.topLeft());
    painter.scale(scale, scale);
    static_cast<QWidget&>(view).render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    painter.restore();
}

}  // namespace n3
