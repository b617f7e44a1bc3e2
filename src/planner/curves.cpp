#include "planner/curves.h"

#include <cmath>

#include "model/rhs.h"
#include "planner/integrator.h"

namespace cpt {

namespace {

// One extremal curve from `start` with steps of dt_curve in direction `dir`
// (+1 forward in time, -1 backward) and the torque choice torque_sel; ends
// before the first step with a sub-step that fails, exceeds a joint limit by
// more than TOL_CURVE, or leaves the path. The integration time starts at 0,
// so that the first evaluation takes the path's start joint values as its
// branch reference.
int extremal_curve(Console& con, const Model& m, RhsState& rs, int torque_sel, int dir, const Vec2& start,
                   Vec2* pts, AccRecord* accs) {
  int ok = 1;
  pts[0] = start;
  f(con, m, rs, torque_sel, 1, 0.0, pts[0].data(), accs[0], ok);
  StepRule rule;
  rule.tol = TOL_CURVE;
  rule.stop_over_limit = true;
  rule.stop_off_path = true;
  const double h = dir * dt_curve / nsub;
  double t = 0;
  int last = 0;
  for (int i = 1; i < NCURVE; ++i) {
    const StepRun r = substeps(con, m, rs, torque_sel, t, h, nsub, pts[i - 1], AccRecord{}, rule);
    if (r.done < nsub || r.failed || r.over_limit || r.off_path) return last;
    t = r.t;
    pts[i] = r.y;
    accs[i] = r.acc;
    last = i;
  }
  return last;
}

}  // namespace

void extremal_curves(Console& con, const Model& m, RhsState& rs, Curves& cv) {
  cv.n_curve_start =
      extremal_curve(con, m, rs, +1, +1, {0, 0}, cv.curve_start.data(), cv.acc_start.data());
  cv.n_curve_end =
      extremal_curve(con, m, rs, -1, -1, {m.sf, 0}, cv.curve_end.data(), cv.acc_end.data());
}

}  // namespace cpt
