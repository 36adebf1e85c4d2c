#pragma once
// The prediction engine as it stood before it was rebuilt on the incremental
// walk: every scan looks each digit up by walking back through the table.
// Kept here, unchanged, so the tests can check that the prediction window's
// grids and results stay exactly what they were.
#include "prediction/prediction_engine.h"

namespace n3::testing {

class ReferencePredictionEngine {
public:
    ReferencePredictionEngine();

    // Fills the digit table and the cycle table from the history, then
    // shows the predictions. Entries the history does not reach keep what
    // an earlier scan left in them.
    void ScanDrawHistory(const DrawHistory& history, PredictionGrids& grids, const OptionFlags& flags,
                         int latestDrawNo);
    // The cycle digits, then the elimination, repeat and one-shot results
    // from the tables as they stand.
    void ShowPredictions(PredictionGrids& grids, const OptionFlags& flags, int latestDrawNo);

    // Digit `position` (1..3) of draw `drawNo`; 0 for a draw number without
    // a complete draw or outside the table.
    int DigitAt(int drawNo, int position) const;
    const CycleTable& cycleTable() const { return cycles_; }
    const PredictionResults& results() const { return results_; }

    static constexpr int kMaxTableDrawNo = kMaxDrawNo;

private:
    struct DrawDigits {
        std::array<std::int16_t, 3> digits{};
        bool complete = false;
    };

    void StoreCycle(int interval, int position, int digit);
    // The nearest earlier draw number holding `digit` at any position, or 0.
    int LastOccurrence(int drawNo, int digit) const;
    void ShowCycleDigits(GridModel& grid) const;
    void RunElimination(GridModel& grid, int optionCount, int latestDrawNo);
    void ShowRepeatPrediction(GridModel& grid);
    void ShowOneShotPrediction(GridModel& grid);
    // The walk the 連発 and 一発 predictions share: every cycle digit s with
    // s - reach <= a <= s + reach for an elimination entry a, placed once.
    void PlaceCloseCycleDigits(GridModel& grid, int reach, int rowWidth, int limit,
                               std::vector<std::string>& placed) const;

    std::vector<DrawDigits> digitTable_;  // indexed by draw number 0..32767
    CycleTable cycles_;
    PredictionResults results_;
};

}  // namespace n3::testing
