#pragma once
// The frame that 予想の検証 and 買い方の検証 share for their grids: a line
// naming the targets, a heading row, one row per method or strategy with
// its hit test's figures beside chance in the same columns, and three notes
// under them; and the texts the figures are written in ("－" where a figure
// is undefined).
#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/grid_model.h"
#include "lab/hit_test_figures.h"

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
// Then the window's own counts of purchases (6, 7), the hit test's figures
// from 的中回数 to 無作為の対照 (8..16), and the window's own columns.
inline constexpr int kFiguresHitsColumn = 8;
inline constexpr int kFiguresExpectedColumn = 9;
inline constexpr int kFiguresControlColumn = 16;
inline constexpr int kFiguresSharedColumns = 16;

// The headings of both windows: the row's name, the shared columns with the
// window's two counts of purchases and its caption of the corrected p-value,
// then `own`.
template <std::size_t N>
constexpr std::array<FiguresColumn, kFiguresSharedColumns + N> FiguresColumns(FiguresColumn name,
                                                                              FiguresColumn purchases,
                                                                              FiguresColumn corrected,
                                                                              const std::array<FiguresColumn, N>& own) {
    std::array<FiguresColumn, kFiguresSharedColumns + N> columns = {{
        name,
        {"判定", 20},
        {"回収率", 8},
        {"購入額", 13},
        {"当せん金", 13},
        {"購入回数", 8},
        purchases,
        {"的中回数", 8},
        {"偶然の期待値", 11},
        {"実績÷期待", 9},
        {"z", 7},
        {"p値", 8},
        corrected,
        {"的中率", 9},
        {"的中率の95%区間", 17},
        {"無作為の対照", 11},
    }};
    for (std::size_t i = 0; i < N; ++i) columns[kFiguresSharedColumns + i] = own[i];
    return columns;
}

// Writes the shared columns of one row but the name and the counts of
// purchases: the verdict (red when it tells the figures from chance), the
// money (blank when no prize is known), and 的中回数..無作為の対照.
void WriteHitTestCells(GridModel& grid, int row, const HitTestFigures& f, bool moneyKnown);

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
