#pragma once
// The printed document of the prediction window: the option flags that
// produced the prediction, then the four result grids under their labels.
#include "core/draw.h"
#include "platform/qt/common/print_document.h"
#include "prediction/prediction_window_logic.h"

namespace n3 {

PrintDocument MakePredictionDocument(const 一発ズバリン& prediction, const DrawHistory& history);

}  // namespace n3
