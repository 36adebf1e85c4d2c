#include "analysis/payout_window.h"

#include <cmath>

#include "analysis/figure_text.h"
#include "analysis/payout_groups.h"

namespace n3 {

namespace {

constexpr int kDrawDayGroup = 4;    // 抽せん日と同じ番号
constexpr int kZeroDigitGroup = 5;  // 0を含む

}  // namespace

std::string FactorText(const std::optional<double>& factor) {
    return factor ? FixedText(*factor, 2) : std::string("－");
}

Colour FactorColour(const std::optional<double>& factor) {
    if (!factor) return {};
    // Compared as shown, so that "1.00" is never coloured.
    const double shown = std::round(*factor * 100) / 100;
    if (shown < 1) return colours::Blue;
    if (shown > 1) return Colour{220, 0, 0};
    return {};
}

WindowContent 配当分析::Content(const WindowInput& input) {
    const auto kept = KeptPayoutFigures(input.history, input.results, input.memo);
    const PayoutFigures& figures = *kept;
    WindowContent content;
    content.headline = Headline(figures);
    content.grid() = YearsGrid(figures);
    content.views.front().caption = "当せん金額の推移";
    content.chartsUnderGrids = true;
    if (!figures.years.empty()) content.charts().push_back(YearsChart(figures));

    ContentView items;
    items.caption = "番号ごとの配当倍率";
    items.grid = ItemsGrid(figures);
    for (const PayoutKindFigures& kind : figures.kinds) items.tables.push_back(ItemsTable(kind));
    content.views.push_back(std::move(items));

    ContentView groups;
    groups.caption = "パターン別";
    groups.grid = GroupsGrid(figures);
    content.views.push_back(std::move(groups));

    ContentView stability;
    stability.caption = "人気は続くか";
    stability.grid = StabilityGrid(figures);
    if (figures.stability.numbers > 0) stability.charts.push_back(StabilityChart(figures));
    content.views.push_back(std::move(stability));

    // The snapshot's figures themselves, shared rather than copied.
    content.details = kept;
    return content;
}

std::string 配当分析::Headline(const PayoutFigures& figures) {
    if (!figures.kind(PayoutKind::Straight).enough())
        return "当せん金額と抽せん日のわかる回が足りないため、配当倍率を出せません（ストレートで2回以上必要です）";
    std::string examples;
    const auto add = [&](int group, std::string_view words) {
        const PayoutGroup& g = figures.groups[std::size_t(group)];
        if (!g.factor) return;
        if (!examples.empty()) examples += "、";
        examples += std::string(words) + "平均の" + FactorText(g.factor) + "倍";
    };
    add(kDrawDayGroup, "抽せん日と同じ番号は");
    add(kZeroDigitGroup, "数字0を含む番号は");
    // The second example reads better without repeating 平均の.
    const std::string repeated = "、数字0を含む番号は平均の";
    if (const auto at = examples.find(repeated); at != std::string::npos && at > 0)
        examples.replace(at, repeated.size(), "、数字0を含む番号は");
    std::string line = "当たる確率はどの番号も同じです。ただし人気の番号は当せん金額が下がります";
    if (!examples.empty()) line += "（" + examples + "）";
    return line;
}

}  // namespace n3
