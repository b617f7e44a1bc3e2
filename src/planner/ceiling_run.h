// Motion along the speed limits' ceiling (model/ceiling.h): sd = c(s), so
// ds/dt = c(s), integrated by fourth-order Runge-Kutta, with the joint
// accelerations a_i = D[i][0] c c' + D[i][1] c^2 that staying on it needs;
// and the approach onto the ceiling with maximum acceleration.
#pragma once

#include "core/state.h"
#include "planner/integrator.h"

namespace cpt {

// Up to n sub-steps of length h along the ceiling from s = y[0] at time t,
// the branch followed from rs.fi_last (updated). Under `rule`: tol and
// stop_over_limit for the joint limits, stop_off_path past sf; a ceiling
// that is not finite or out of reach fails the run.
StepRun along_ceiling(const Model& m, RhsState& rs, double t, double h, int n, const Vec2& y,
                      const StepRule& rule);

// From y at time t with maximum acceleration in sub-steps of dt0 / nsub, at
// most one step dt0, until sd meets the ceiling; the meeting point by linear
// interpolation of the gap. at_rest of the result is unused; returns false
// when the ceiling is not met within the step (or a sub-step failed).
bool onto_ceiling(Console& con, const Model& m, RhsState& rs, double t, const Vec2& y, const AccRecord& acc,
                  StepRun& out);

// The speed limit whose ceiling y lies above by more than TOL_CEILING of it
// (the branch followed from rs.fi_last), or None.
SpeedLimit ceiling_above(const Model& m, const RhsState& rs, const Vec2& y);

// True when y lies above the ceiling by more than TOL_CEILING of it.
inline bool above_ceiling(const Model& m, const RhsState& rs, const Vec2& y) {
  return ceiling_above(m, rs, y) != SpeedLimit::None;
}

}  // namespace cpt
