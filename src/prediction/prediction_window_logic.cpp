#include "prediction/prediction_window_logic.h"

namespace n3 {

一発ズバリン::一発ズバリン(std::string settingsPath) : settingsPath_(std::move(settingsPath)) {}

SettingsFileResult 一発ズバリン::ReadInitFile() { return n3::ReadInitFile(settingsPath_, flags_); }

SettingsFileResult 一発ズバリン::WriteInitFile() const { return n3::WriteInitFile(settingsPath_, flags_); }

void 一発ズバリン::BuildPrediction(const DrawHistory& history, int latestDrawNo) {
    for (int i = 0; i < kPredictionGridCount; ++i) SetUpPredictionGrid(grids_[std::size_t(i)], i);
    latestDrawNo_ = latestDrawNo;
    built_ = true;
    engine_.ScanDrawHistory(history, grids_, flags_, latestDrawNo_);
}

void 一発ズバリン::OptionClicked(int index, bool reflect) {
    if (index < 0 || index >= kOptionPairCount) return;
    if (index < kOptionFlagCount) flags_[std::size_t(index)] = reflect;
    Recompute();
}

void 一発ズバリン::Recompute() {
    if (!built_) return;
    ClearResultAreas(grids_);
    engine_.ShowPredictions(grids_, flags_, latestDrawNo_);
}

}  // namespace n3
