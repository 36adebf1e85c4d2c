#pragma once
// The prediction window's results as the "prediction" member of the JSON
// that `show 一発ズバリン --format json` prints.
#include <string>

#include "prediction/prediction_window_logic.h"

namespace n3 {

// "\"prediction\": {...}" with the options, the option count, the cycle
// table and the elimination, repeat and one-shot values.
std::string PredictionJsonMember(const 一発ズバリン& window);

}  // namespace n3
