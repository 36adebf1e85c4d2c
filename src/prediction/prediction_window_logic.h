#pragma once
// 一発ズバリン: the prediction window's instance. The main window creates it
// at start-up and keeps it until the end, so the digit table and the cycle
// table outlive each opening of the window; the option flags live in the
// run's settings. The Qt window only shows what this holds.
#include <string>

#include "core/draw.h"
#include "core/option_flags.h"
#include "prediction/option_pairs.h"
#include "prediction/prediction_engine.h"
#include "prediction/prediction_grids.h"

namespace n3 {

class Settings;  // settings/settings.h

class 一発ズバリン {
public:
    // The option flags are the run's settings (read before, kept after).
    explicit 一発ズバリン(Settings& settings) : settings_(settings) {}
    一発ズバリン(const 一発ズバリン&) = delete;
    一発ズバリン& operator=(const 一発ズバリン&) = delete;

    const OptionFlags& optionFlags() const;
    bool optionFlag(int index) const;
    // Why the last option click's flag could not be written to the file;
    // empty when it was written.
    const std::string& lastWriteError() const { return lastWriteError_; }

    // On window load, after the option panel shows the flags: sets up the
    // four grids and scans the history of `game`, which shows the
    // predictions. A history of another game than the last starts the
    // tables afresh.
    void BuildPrediction(const DrawHistory& history, int latestDrawNo, const Game& game = kNumbers3);

    // A click on Opt反映する(index) (reflect) or Opt反映しない(index), index
    // 0..11. Pairs 0..9 set their flag; every click recomputes the
    // elimination, repeat and one-shot results.
    void OptionClicked(int index, bool reflect);

    const PredictionGrids& grids() const { return grids_; }
    const PredictionEngine& engine() const { return engine_; }
    int latestDrawNo() const { return latestDrawNo_; }

private:
    void Recompute();

    Settings& settings_;
    std::string lastWriteError_;
    PredictionEngine engine_;
    PredictionGrids grids_;
    int latestDrawNo_ = 0;
    bool built_ = false;
};

}  // namespace n3
