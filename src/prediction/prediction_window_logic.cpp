#include "prediction/prediction_window_logic.h"

#include "settings/settings.h"

namespace n3 {

const OptionFlags& 一発ズバリン::optionFlags() const { return settings_.optionFlags(); }

bool 一発ズバリン::optionFlag(int index) const { return settings_.optionFlag(index); }

void 一発ズバリン::BuildPrediction(const DrawHistory& history, int latestDrawNo, const Game& game) {
    if (&engine_.game() != &game) engine_ = PredictionEngine(game);
    for (int i = 0; i < kPredictionGridCount; ++i) SetUpPredictionGrid(grids_[std::size_t(i)], i, game);
    latestDrawNo_ = latestDrawNo;
    built_ = true;
    engine_.ScanDrawHistory(history, grids_, settings_.optionFlags(), latestDrawNo_);
}

void 一発ズバリン::OptionClicked(int index, bool reflect) {
    if (index < 0 || index >= kOptionPairCount) return;
    if (index < kOptionFlagCount) lastWriteError_ = settings_.setOptionFlag(index, reflect).error;
    Recompute();
}

void 一発ズバリン::Recompute() {
    if (!built_) return;
    ClearResultAreas(grids_);
    engine_.ShowPredictions(grids_, settings_.optionFlags(), latestDrawNo_);
}

}  // namespace n3
