#include "analysis/last_digit_trend.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "analysis/complete_draw_rows.h"
#include "analysis/last_digit_header.h"

namespace n3 {

using namespace last_digit_grid;

GridModel 下一桁出現傾向分析::Build(const DrawHistory& history, const StartupStatistics& stats, const Game& game) {
    return BuildLastDigitTrend(history, stats.LatestDrawNo, game);
}

Colour 下一桁出現傾向分析::BackgroundForLength(std::size_t length) {
    switch (length) {
    case 0:
    case 1: return colours::White;
    case 2: return Colour{200, 255, 255};
    case 3: return Colour{200, 255, 200};
    default: return Colour{255, 200, 200};
    }
}

GridModel 下一桁出現傾向分析::BuildLastDigitTrend(const DrawHistory& history, int latestDrawNo, const Game& game) {
    GridModel grid;
    SetUpLastDigitGrid(grid, latestDrawNo);
    WriteLastDigitHeader(grid, 1, false);
    WriteLastDigitHeader(grid, FooterRow(latestDrawNo), true);
    FillLastDigitRows(grid, history, latestDrawNo, game);
    return grid;
}

void 下一桁出現傾向分析::FillLastDigitRows(GridModel& grid, const DrawHistory& history, int latestDrawNo,
                                           const Game& game) {
    // Written a column at a time, top to bottom. Draw rows end above the
    // footer: a history with more complete draws than LatestDrawNo
    // (repeated draw numbers) must not overwrite it.
    std::vector<CompleteDrawRow> draws = CompleteDrawRows(history, game);
    const int lastRow = LastDrawRow(latestDrawNo);
    // Every draw-row cell is white unless its digit repeats: one block paints
    // them all, and only the repeated digits are tinted one by one.
    grid.setBackground(
        {DigitColumn(0), kFirstDrawRow, DigitColumn(9), std::min(lastRow, kFirstDrawRow + int(draws.size()) - 1)},
        colours::White);
    draws.resize(std::min(draws.size(), std::size_t(latestDrawNo)));
    const auto rowOf = [](std::size_t j) { return kFirstDrawRow + int(j); };
    for (std::size_t j = 0; j < draws.size(); ++j) grid.setNumber(1, rowOf(j), draws[j].drawNo);

    // Per last digit, its rows with the number of times it occurs there,
    // as row * 8 + times: each column then holds only the cells it writes.
    const int digits = game.digits;
    std::array<std::vector<int>, 10> cells;
    for (auto& c : cells) c.reserve(draws.size() * std::size_t(digits) / 8 + 16);
    for (std::size_t j = 0; j < draws.size(); ++j) {
        std::array<std::uint8_t, 10> times{};
        for (int i = 0; i < digits; ++i) ++times[draws[j].digits[std::size_t(i)] % 10];
        for (int i = 0; i < digits; ++i) {
            const int k = draws[j].digit(i) % 10;
            if (times[std::size_t(k)] == 0) continue;  // a repeated digit, already listed
            cells[std::size_t(k)].push_back(rowOf(j) * 8 + times[std::size_t(k)]);
            times[std::size_t(k)] = 0;
        }
    }
    // A cell's text is its digit once per occurrence ("7", "77" ...): a few
    // texts, each kept the first time it is written.
    for (int k = 0; k <= 9; ++k) {
        std::array<GridModel::TextKey, kMaxGameDigits + 1> texts{};
        const int col = DigitColumn(k);
        for (const int cell : cells[std::size_t(k)]) {
            const int row = cell / 8, times = cell % 8;
            GridModel::TextKey& text = texts[std::size_t(times)];
            if (text == 0) text = grid.keepText(std::string(std::size_t(times), char('0' + k)));
            grid.setKeptText(col, row, text);
            if (times > 1) grid.setBackground(col, row, BackgroundForLength(std::size_t(times)));
        }
    }
}

}  // namespace n3
