#include "prediction/prediction_window_logic.h"

namespace n3 {

void 一発ズバリン::BuildPrediction(const DrawHistory& history, int latestDrawNo, const Game& game) {
    if (&engine_.game() != &game) engine_ = PredictionEngine(game);
    for (int i = 0; i < kPredictionGridCount; ++i) SetUpPredictionGrid(grids_[std::size_t(i)], i, game);
    latestDrawNo_ = latestDrawNo;
    built_ = true;
    engine_.ScanDrawHistory(history, grids_, settings_.optionFlags(), latestDrawNo_);
}

void 一発ズバリン::OptionClicked(int index, bool reflect) {
    if (index < 0 || index >= kOptionPairCount) return;
    if (index < kOptionFlagCount) lastWrite_ = settings_.setOptionFlag(index, reflect);
    Recompute();
}

void 一発ズバリン::Recompute() {
    if (!built_) return;
    ClearResultAreas(grids_);
    engine_.ShowPredictions(grids_, settings_.optionFlags(), latestDrawNo_);
}

}  // namespace n3
