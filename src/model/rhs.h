// The phase-plane right-hand side: y = (s, sd), dy0/dt = sd, dy1/dt = sdd,
// with sdd the largest (torque_sel > 0) or smallest admissible path
// acceleration under both joint limits.
#pragma once

#include "core/state.h"

namespace cpt {

// dy_k/dt at (t, y). k = 0 returns y[1]. k = 1 sets ok, fills rec and returns
// sdd, or clears ok and returns F_NO_SOLUTION (rec untouched) when the path point is
// out of reach. At t == 0.0 exactly the branch reference is the path's start
// joint values, otherwise the joint values of the previous evaluation.
double f(Console& con, const Model& m, RhsState& rs, int torque_sel, int k, double t, const double* y,
         AccRecord& rec, int& ok);

}  // namespace cpt
