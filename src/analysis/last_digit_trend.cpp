#include "analysis/last_digit_trend.h"

#include <algorithm>

#include "analysis/last_digit_header.h"

namespace n3 {

using namespace last_digit_grid;

GridModel 下一桁出現傾向分析::Build(const DrawHistory& history, const StartupStatistics& stats, const Game& game) {
    return BuildLastDigitTrend(history, stats.LatestDrawNo);
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

GridModel 下一桁出現傾向分析::BuildLastDigitTrend(const DrawHistory& history, int latestDrawNo) {
    GridModel grid;
    SetUpLastDigitGrid(grid, latestDrawNo);
    WriteLastDigitHeader(grid, 1, false);
    WriteLastDigitHeader(grid, FooterRow(latestDrawNo), true);
    FillLastDigitRows(grid, history, latestDrawNo);
    return grid;
}

void 下一桁出現傾向分析::FillLastDigitRows(GridModel& grid, const DrawHistory& history, int latestDrawNo) {
    // Draw rows end above the footer: a history with more complete draws
    // than LatestDrawNo (repeated draw numbers) must not overwrite it.
    const int lastRow = LastDrawRow(latestDrawNo);
    int rowsUsed = 0;
    for (const Draw& draw : history) rowsUsed += draw.complete() ? 1 : 0;
    // Every draw-row cell is white unless its digit repeats: one block paints
    // them all, and only the repeated digits are tinted one by one.
    grid.setBackground({DigitColumn(0), kFirstDrawRow, DigitColumn(9), std::min(lastRow, kFirstDrawRow + rowsUsed - 1)},
                       colours::White);

    LastDigitTexts texts;
    int r = kFirstDrawRow;
    for (const Draw& draw : history) {
        if (r > lastRow) break;
        if (!draw.complete()) continue;
        for (auto& t : texts) t.clear();
        grid.setNumber(1, r, draw.drawNo);
        for (int i = 0; i < 3; ++i) {
            const int k = draw.digit(i) % 10;
            texts[std::size_t(k)] += char('0' + k);
        }
        for (int k = 0; k <= 9; ++k) {
            const std::string& t = texts[std::size_t(k)];
            if (t.empty()) continue;
            grid.setText(DigitColumn(k), r, t);
            if (t.size() > 1) grid.setBackground(DigitColumn(k), r, BackgroundForLength(t.size()));
        }
        ++r;
    }
}

}  // namespace n3
