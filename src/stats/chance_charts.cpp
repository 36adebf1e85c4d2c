#include "stats/chance_charts.h"

#include <boost/math/distributions/binomial.hpp>
#include <cmath>
#include <cstdio>

#include "stats/distributions.h"

namespace n3 {

namespace {

constexpr Colour kBarColour{62, 158, 255};
constexpr Colour kExpectedColour{220, 40, 40};
constexpr Colour kBandColour{255, 190, 120};

std::string OneDecimal(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", v);
    return buf;
}

ChartSeries Series(const std::string& name, SeriesKind kind, Colour colour) {
    ChartSeries s;
    s.name = name;
    s.kind = kind;
    s.colour = colour;
    return s;
}

}  // namespace

std::string GroupedNumber(long long value) {
    const std::string digits = std::to_string(value < 0 ? -value : value);
    std::string out = value < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return out;
}

std::array<double, 2> BinomialBand(int trials, double p, double alpha) {
    if (trials <= 0) return {0, 0};
    const boost::math::binomial_distribution<double> dist(trials, p);
    return {boost::math::quantile(dist, alpha / 2), boost::math::quantile(dist, 1 - alpha / 2)};
}

std::array<double, 2> BinomialBand95(int trials, double p) { return BinomialBand(trials, p, 0.05); }

ChartData DigitCountChart(const std::string& title, const std::array<int, 10>& counts, int trials) {
    ChartData chart;
    chart.title = title;
    chart.xTitle = "数字";
    chart.yTitle = "出現回数";
    const double expected = trials / 10.0;
    const auto band = BinomialBand(trials, 0.1, kTenDigitsAlpha);
    ChartSeries bars = Series("出現回数", SeriesKind::Bars, kBarColour);
    ChartSeries line = Series("期待値", SeriesKind::Line, kExpectedColour);
    ChartSeries shade = Series(std::string(kTenDigitsBandName), SeriesKind::Band, kBandColour);
    for (int d = 0; d < 10; ++d) {
        const int c = counts[std::size_t(d)];
        chart.categories.push_back(std::to_string(d));
        bars.points.push_back({double(d), double(c),
                               "数字" + std::to_string(d) + ": " + GroupedNumber(c) + "回（期待値 " +
                                   OneDecimal(expected) + "、10個まとめて95%の範囲 " +
                                   GroupedNumber((long long)band[0]) + "〜" + GroupedNumber((long long)band[1]) +
                                   "）"});
        line.points.push_back({double(d), expected, "期待値 " + OneDecimal(expected)});
        shade.points.push_back({double(d), band[0], ""});
        shade.high.push_back(band[1]);
    }
    chart.series = {shade, bars, line};
    return chart;
}

ChartData SumHistogramChart(const std::string& title, const std::vector<int>& sums, const Game& game) {
    ChartData chart;
    chart.title = title;
    chart.xTitle = "数字の合計";
    chart.yTitle = "回数";
    long long draws = 0;
    for (int c : sums) draws += c;
    ChartSeries bars = Series("回数", SeriesKind::Bars, kBarColour);
    ChartSeries curve = Series("期待値（正確な分布）", SeriesKind::DashedLine, kExpectedColour);
    for (int s = 0; s < int(sums.size()); ++s) {
        const int c = sums[std::size_t(s)];
        const double expected = double(draws) * NumbersWithDigitSum(s, game) / double(game.numberCount());
        chart.categories.push_back(std::to_string(s));
        bars.points.push_back(
            {double(s), double(c),
             "合計" + std::to_string(s) + ": " + GroupedNumber(c) + "回（期待値 " + OneDecimal(expected) + "）"});
        curve.points.push_back({double(s), expected, "合計" + std::to_string(s) + "の期待値 " + OneDecimal(expected)});
    }
    chart.series = {bars, curve};
    return chart;
}

ChartData GapHistogramChart(const std::string& title, const std::vector<int>& counts, double p) {
    ChartData chart;
    chart.title = title;
    chart.xTitle = "出現間隔（何回前）";
    chart.yTitle = "回数";
    long long total = 0;
    for (int c : counts) total += c;
    ChartSeries bars = Series("回数", SeriesKind::Bars, kBarColour);
    ChartSeries curve = Series("期待値（幾何分布）", SeriesKind::DashedLine, kExpectedColour);
    const int last = int(counts.size());
    for (int g = 1; g <= last; ++g) {
        // P(gap = g) = (1-p)^(g-1) p; the last bar holds P(gap >= g) = (1-p)^(g-1).
        const double tail = std::pow(1.0 - p, g - 1);
        const double share = g < last ? tail * p : tail;
        const double expected = double(total) * share;
        const std::string label = std::to_string(g) + (g < last ? "" : "+");
        const int c = counts[std::size_t(g - 1)];
        chart.categories.push_back(label);
        bars.points.push_back({double(g - 1), double(c),
                               label + "回前: " + GroupedNumber(c) + "回（期待値 " + OneDecimal(expected) + "）"});
        curve.points.push_back({double(g - 1), expected, label + "回前の期待値 " + OneDecimal(expected)});
    }
    chart.series = {bars, curve};
    return chart;
}

}  // namespace n3
