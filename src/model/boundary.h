// The velocity-limit boundary of the phase plane: the rate sd(s) at which the
// admissible s-dd intervals of the two joints stop overlapping,
//   sd^2 = (|D10| a1max + |D00| a2max) / |det D|,
// or the speed limits' ceiling (model/ceiling.h) where that is lower.
#pragma once

#include "core/state.h"

namespace cpt {

// Samples the boundary at 401 (rarely 402) points of the current path into
// cv.bnd / cv.nbnd. Returns 0, with a console message, when a path point is
// out of reach (nbnd then keeps its previous value).
int calboundary(Console& con, const Model& m, Curves& cv);

}  // namespace cpt
