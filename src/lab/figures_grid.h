#pragma once
// The frame that 予想の検証 and 買い方の検証 share for their grids: a line
// naming the targets, a heading row, one row per method or strategy with
// its figures beside chance, and three notes under them; and the texts the
// figures are written in ("－" where a figure is undefined).
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/grid_model.h"

namespace n3 {

inline constexpr std::string_view kUndefinedFigure = "－";
// The background of the columns that show what chance gives.
inline constexpr Colour kChanceBackground{240, 240, 240};

struct FiguresColumn {
    std::string_view caption;
    double width;
};

// Sizes the grid for the columns and `bodyRows` rows of figures from row 3,
// writes `targetLine` in row 1 and the headings in row 2, and returns the
// row of the first of the three notes under the figures.
int SetUpFiguresGrid(GridModel& grid, std::span<const FiguresColumn> columns, int bodyRows,
                     std::string_view targetLine);
inline constexpr int kFiguresFirstRow = 3;
// Both windows put the verdict in the second column, then 回収率, 購入額
// and 当選金: what the user looks for first is in view when they open.
inline constexpr int kFiguresVerdictColumn = 2;
inline constexpr int kFiguresReturnColumn = 3;

// A line of text across every column.
void WriteFiguresNote(GridModel& grid, int row, std::string_view text);

// "金額は第1回〜第7053回のうち7053回で計算": over how many of the targets
// the money figures were counted.
std::string MoneyDrawsText(std::optional<int> from, std::optional<int> to, int moneyTargets);

// "第F回～第T回の N 回", or the words for an empty range.
std::string TargetRangeText(std::optional<int> from, std::optional<int> to, int targets);

std::string FormattedNumber(const char* format, double value);
std::string FixedText(std::optional<double> value, const char* format);
std::string PercentText(std::optional<double> share, int decimals);
std::string YenText(std::optional<long long> yen);
std::string PValueText(std::optional<double> p);
// "low～high%" of the Wilson interval.
std::string WilsonText(std::optional<double> low, std::optional<double> high);

}  // namespace n3
