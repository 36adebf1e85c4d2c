#pragma once
// The four prediction methods: the cycle methods (7, 9, 11 and 12 draws)
// found while scanning the history, the elimination method counted back
// from the latest draw, and the 連発 and 一発 predictions that keep the
// cycle digits lying close to an elimination digit.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/draw.h"
#include "prediction/option_pairs.h"
#include "prediction/prediction_grids.h"
#include "prediction/prediction_walk.h"

namespace n3 {

// Cycle c (lengths 7, 9, 11, 12), a text per position of the game
// (position 1 at index 0): the digit, or empty when the cycle found nothing
// for that position.
using CycleTable = std::array<std::vector<std::string>, kCycleCount>;

// What the last computation placed, in placement order.
struct PredictionResults {
    int optionCount = 0;
    std::array<std::string, kEliminationRows> elimination;  // every row, repeats included
    std::vector<std::string> repeat;
    std::vector<std::string> oneShot;
};

// v - 9 above 9, v + 9 at 0 or below, else v itself; as decimal text.
std::string FoldToDigit(int v);

class PredictionEngine {
public:
    // The methods over the draws of `game`, a cycle digit per position.
    explicit PredictionEngine(const Game& game = kNumbers3);
    const Game& game() const { return walk_.game(); }

    // Walks the history into the digit table and the cycle table, then
    // shows the predictions. Entries the history does not reach keep what
    // an earlier scan left in them.
    void ScanDrawHistory(const DrawHistory& history, PredictionGrids& grids, const OptionFlags& flags,
                         int latestDrawNo);
    // The cycle digits, then the elimination, repeat and one-shot results
    // from the tables as they stand.
    void ShowPredictions(PredictionGrids& grids, const OptionFlags& flags, int latestDrawNo);

    // Digit `position` (1..the game's digits) of draw `drawNo`; 0 for a draw
    // number without a complete draw or outside the table.
    int DigitAt(int drawNo, int position) const;
    const CycleTable& cycleTable() const { return cycles_; }
    const PredictionResults& results() const { return results_; }

    static constexpr int kMaxTableDrawNo = kMaxDrawNo;

private:
    void ShowCycleDigits(GridModel& grid) const;
    void ShowEliminationDigits(GridModel& grid) const;

    PredictionWalk walk_;
    CycleTable cycles_;
    PredictionResults results_;
};

}  // namespace n3
