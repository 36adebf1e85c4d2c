#pragma once
// The background that shows how far a count stands from what chance gives:
// the standardised deviation (count − expected) / √expected in four steps,
// red above the expectation and blue below, white within one step. The
// steps keep the grid's styles few.
#include "core/grid_model.h"

namespace n3 {

// The step: 0 within ±1, then ±1, ±2, ±3 (beyond 3).
int DeviationStep(double observed, double expected);
// The background of a step; unset (the grid's white) for 0.
Colour DeviationColour(int step);
inline Colour DeviationColour(double observed, double expected) {
    return DeviationColour(DeviationStep(observed, expected));
}

}  // namespace n3
