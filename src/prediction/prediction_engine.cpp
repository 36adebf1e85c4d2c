#include "prediction/prediction_engine.h"

#include <algorithm>

namespace n3 {

namespace {

constexpr int kEliminationRowWidth = 5;
constexpr int kRepeatRowWidth = 6;

void PlaceAll(GridModel& grid, int rowWidth, const DigitList& digits, std::vector<std::string>& texts) {
    ResultPlacer placer(grid, rowWidth);
    for (int i = 0; i < digits.size; ++i) {
        texts.push_back(std::to_string(digits.digits[std::size_t(i)]));
        placer.Place(texts.back());
    }
}

}  // namespace

std::string FoldToDigit(int v) { return std::to_string(FoldDigit(v)); }

PredictionEngine::PredictionEngine(const Game& game) : walk_(game) {
    for (auto& cycle : cycles_) cycle.resize(std::size_t(game.digits));
}

int PredictionEngine::DigitAt(int drawNo, int position) const { return walk_.DigitAt(drawNo, position); }

void PredictionEngine::ScanDrawHistory(const DrawHistory& history, PredictionGrids& grids, const OptionFlags& flags,
                                       int latestDrawNo) {
    walk_.BeginPass();
    for (const Draw& draw : history) walk_.Advance(draw);
    for (int c = 0; c < kCycleCount; ++c)
        for (int p = 0; p < game().digits; ++p) {
            const int digit = walk_.cycles()[std::size_t(c)][std::size_t(p)];
            cycles_[std::size_t(c)][std::size_t(p)] = digit == kNoDigit ? std::string() : std::to_string(digit);
        }
    ShowPredictions(grids, flags, latestDrawNo);
}

void PredictionEngine::ShowPredictions(PredictionGrids& grids, const OptionFlags& flags, int latestDrawNo) {
    ShowCycleDigits(grids[kCycleGrid]);
    const DigitPrediction p = walk_.Predict(CountOptionsOn(flags), latestDrawNo);
    results_ = {};
    results_.optionCount = p.optionCount;
    for (int i = 0; i < kEliminationRows; ++i)
        results_.elimination[std::size_t(i)] = std::to_string(p.elimination[std::size_t(i)]);
    ShowEliminationDigits(grids[kEliminationGrid]);
    PlaceAll(grids[kRepeatGrid], kRepeatRowWidth, p.repeat, results_.repeat);
    PlaceAll(grids[kOneShotGrid], 0, p.oneShot, results_.oneShot);
}

void PredictionEngine::ShowCycleDigits(GridModel& grid) const {
    for (int c = 0; c < kCycleCount; ++c)
        for (int p = 1; p <= game().digits; ++p)
            grid.setText(p + 1, c + 2, cycles_[std::size_t(c)][std::size_t(p - 1)]);
}

// Each value once, where it first occurs.
void PredictionEngine::ShowEliminationDigits(GridModel& grid) const {
    ResultPlacer placer(grid, kEliminationRowWidth);
    const auto& rows = results_.elimination;
    for (auto it = rows.begin(); it != rows.end(); ++it)
        if (std::find(rows.begin(), it, *it) == it) placer.Place(*it);
}

}  // namespace n3
