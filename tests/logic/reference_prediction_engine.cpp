#include "reference_prediction_engine.h"

#include <algorithm>

namespace n3::testing {

namespace {

struct EliminationRow {
    int lag;       // draws back from the reference
    int position;  // 1..3
    int offset;
};

// Rows 3, 4, 7, 8, 10, 11 and 14 read the third digit.
constexpr std::array<EliminationRow, kEliminationRows> kEliminationTable = {{
    {0, 1, +1},
    {0, 2, +8},
    {1, 1, 0},
    {1, 3, -7},
    {2, 3, +8},
    {2, 2, -5},
    {3, 1, +3},
    {3, 3, +1},
    {4, 3, +4},
    {4, 1, +7},
    {5, 3, +6},
    {5, 3, -9},
    {6, 1, +4},
    {7, 2, +1},
    {9, 3, +9},
}};

constexpr int kEliminationRowWidth = 5;
constexpr int kRepeatRowWidth = 6;
constexpr int kRepeatReach = 3;
constexpr int kOneShotReach = 2;

bool Contains(const std::vector<std::string>& values, const std::string& text) {
    return std::find(values.begin(), values.end(), text) != values.end();
}

}  // namespace

ReferencePredictionEngine::ReferencePredictionEngine() : digitTable_(std::size_t(kMaxTableDrawNo) + 1) {
    for (auto& cycle : cycles_) cycle.resize(3);
}

int ReferencePredictionEngine::DigitAt(int drawNo, int position) const {
    if (drawNo < 0 || drawNo > kMaxTableDrawNo) return 0;
    const DrawDigits& entry = digitTable_[std::size_t(drawNo)];
    return entry.complete ? entry.digits[std::size_t(position - 1)] : 0;
}

void ReferencePredictionEngine::ScanDrawHistory(const DrawHistory& history, PredictionGrids& grids,
                                                const OptionFlags& flags, int latestDrawNo) {
    for (const Draw& draw : history) {
        if (!draw.complete()) continue;
        const int n = draw.drawNo;
        if (n < 1 || n > kMaxTableDrawNo) continue;
        DrawDigits& entry = digitTable_[std::size_t(n)];
        for (int p = 0; p < 3; ++p) entry.digits[std::size_t(p)] = std::int16_t(draw.digit(p));
        entry.complete = true;
        for (int p = 1; p <= 3; ++p) {
            const int digit = draw.digit(p - 1);
            if (const int k = LastOccurrence(n, digit); k > 0) StoreCycle(n - k, p, digit);
        }
    }
    ShowPredictions(grids, flags, latestDrawNo);
}

int ReferencePredictionEngine::LastOccurrence(int drawNo, int digit) const {
    for (int k = drawNo - 1; k >= 1; --k) {
        const DrawDigits& entry = digitTable_[std::size_t(k)];
        if (!entry.complete) continue;
        for (std::int16_t d : entry.digits)
            if (d == digit) return k;
    }
    return 0;
}

void ReferencePredictionEngine::StoreCycle(int interval, int position, int digit) {
    const auto it = std::find(kCycleLengths.begin(), kCycleLengths.end(), interval);
    if (it == kCycleLengths.end()) return;
    cycles_[std::size_t(it - kCycleLengths.begin())][std::size_t(position - 1)] = std::to_string(digit);
}

void ReferencePredictionEngine::ShowPredictions(PredictionGrids& grids, const OptionFlags& flags, int latestDrawNo) {
    ShowCycleDigits(grids[kCycleGrid]);
    results_ = {};
    results_.optionCount = CountOptionsOn(flags);
    RunElimination(grids[kEliminationGrid], results_.optionCount, latestDrawNo);
    ShowRepeatPrediction(grids[kRepeatGrid]);
    ShowOneShotPrediction(grids[kOneShotGrid]);
}

void ReferencePredictionEngine::ShowCycleDigits(GridModel& grid) const {
    for (int c = 0; c < kCycleCount; ++c)
        for (int p = 1; p <= 3; ++p) grid.setText(p + 1, c + 2, cycles_[std::size_t(c)][std::size_t(p - 1)]);
}

void ReferencePredictionEngine::RunElimination(GridModel& grid, int optionCount, int latestDrawNo) {
    ResultPlacer placer(grid, kEliminationRowWidth);
    for (int i = 0; i < kEliminationRows; ++i) {
        const EliminationRow& row = kEliminationTable[std::size_t(i)];
        const int reference = latestDrawNo - row.lag - optionCount;
        const std::string text = FoldToDigit(DigitAt(reference, row.position) + row.offset);
        const auto begin = results_.elimination.begin();
        if (std::find(begin, begin + i, text) == begin + i) placer.Place(text);
        results_.elimination[std::size_t(i)] = text;
    }
}

void ReferencePredictionEngine::ShowRepeatPrediction(GridModel& grid) {
    PlaceCloseCycleDigits(grid, kRepeatReach, kRepeatRowWidth, 0, results_.repeat);
}

void ReferencePredictionEngine::ShowOneShotPrediction(GridModel& grid) {
    PlaceCloseCycleDigits(grid, kOneShotReach, 0, kOneShotLimit, results_.oneShot);
}

void ReferencePredictionEngine::PlaceCloseCycleDigits(GridModel& grid, int reach, int rowWidth, int limit,
                                                      std::vector<std::string>& placed) const {
    ResultPlacer placer(grid, rowWidth);
    for (const std::string& entry : results_.elimination) {
        const int a = std::stoi(entry);
        for (const auto& cycle : cycles_) {
            for (const std::string& s : cycle) {
                if (s.empty()) break;  // the rest of this cycle is not looked at
                const int digit = std::stoi(s);
                if (a < digit - reach || a > digit + reach || Contains(placed, s)) continue;
                placer.Place(s);
                placed.push_back(s);
                if (limit > 0 && placer.placed() == limit) return;
            }
        }
    }
}

}  // namespace n3::testing
