#pragma once
// A chart as plain data: the windows draw it with Qt Charts and print it,
// the CLI can list it. It is built by the same logic that fills the grid,
// so a chart never shows a figure of its own.
#include <string>
#include <vector>

#include "core/grid_model.h"

namespace n3 {

struct ChartPoint {
    double x = 0;
    double y = 0;
    std::string tip;  // shown when the pointer rests on the point; may be empty
};

enum class SeriesKind {
    Bars,        // one bar per point, at its x
    Line,        // a solid line through the points
    DashedLine,  // a dashed line (what chance gives)
    Band,        // a shaded band: y is the low edge, high[i] the high edge
    Points,      // a dot per point, unjoined (a scatter)
};

struct ChartSeries {
    std::string name;
    SeriesKind kind = SeriesKind::Line;
    Colour colour{0, 0, 255};
    std::vector<ChartPoint> points;
    std::vector<double> high;  // Band only: the upper edge at each point
};

struct ChartData {
    std::string title;
    std::string xTitle;
    std::string yTitle;
    std::vector<ChartSeries> series;
    // Bars are drawn with these category labels when not empty (one per point).
    std::vector<std::string> categories;
    int yDecimals = 0;  // decimals of the value axis's labels (factors need two)
    // The value axis starts at 0 so that bar heights compare truly; a chart
    // whose values all sit far from 0 may ask to start near the lowest.
    bool valueAxisFromZero = true;
};

// The indices of at most about `maxPoints` of `count` points spread evenly,
// the last one always kept: long series are thinned so that a chart stays
// quick to draw and its last point is the newest.
inline std::vector<std::size_t> SpreadIndices(std::size_t count, int maxPoints) {
    const std::size_t limit = std::size_t(maxPoints);
    const std::size_t step = count > limit ? (count + limit - 1) / limit : 1;
    std::vector<std::size_t> kept;
    for (std::size_t i = step - 1; i < count; i += step) kept.push_back(i);
    if (count > 0 && (kept.empty() || kept.back() != count - 1)) kept.push_back(count - 1);
    return kept;
}

}  // namespace n3
