#pragma once
// 一発ズバリン: the prediction window's instance. The main window creates it
// at start-up (ReadInitFile) and keeps it until the end (WriteInitFile), so
// the option flags, the digit table and the cycle table outlive each
// opening of the window. The Qt window only shows what this holds.
#include <string>

#include "core/draw.h"
#include "prediction/option_flags.h"
#include "prediction/prediction_engine.h"
#include "prediction/prediction_grids.h"
#include "settings/settings_file.h"

namespace n3 {

class 一発ズバリン {
public:
    explicit 一発ズバリン(std::string settingsPath = std::string(kSettingsFileName));

    // The settings file: read once at start-up, written once at the end.
    SettingsFileResult ReadInitFile();
    SettingsFileResult WriteInitFile() const;
    const std::string& settingsPath() const { return settingsPath_; }

    const OptionFlags& optionFlags() const { return flags_; }
    bool optionFlag(int index) const { return flags_[std::size_t(index)]; }

    // On window load, after the option panel shows the flags: sets up the
    // four grids and scans the history, which shows the predictions.
    void BuildPrediction(const DrawHistory& history, int latestDrawNo);

    // A click on Opt反映する(index) (reflect) or Opt反映しない(index), index
    // 0..11. Pairs 0..9 set their flag; every click recomputes the
    // elimination, repeat and one-shot results.
    void OptionClicked(int index, bool reflect);

    const PredictionGrids& grids() const { return grids_; }
    const PredictionEngine& engine() const { return engine_; }
    int latestDrawNo() const { return latestDrawNo_; }

private:
    void Recompute();

    std::string settingsPath_;
    OptionFlags flags_{};
    PredictionEngine engine_;
    PredictionGrids grids_;
    int latestDrawNo_ = 0;
    bool built_ = false;
};

}  // namespace n3
