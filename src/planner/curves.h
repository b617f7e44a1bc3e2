// The two extremal curves of the phase plane: maximum acceleration from rest
// at the start of the path, and maximum deceleration into rest at its end
// (integrated backwards in time from (sf, 0)).
#pragma once

#include "core/state.h"

namespace cpt {

// Computes cv.curve_start / cv.curve_end with their counts. A curve that ends
// within its first step has count 0.
void extremal_curves(Console& con, const Model& m, RhsState& rs, Curves& cv);

}  // namespace cpt
