#include "planner/curves.h"

#include <cmath>

#include "model/rhs.h"
#include "planner/integrator.h"

namespace cpt {

namespace {

// One extremal curve from `start` with steps of dt_curve in direction `dir`
// (+1 forward in time, -1 backward); ends before the first sub-step that
// fails, exceeds a joint limit by more than TOL_CURVE, or leaves the path.
int extremal_curve(const Settings& st, RhsState& rs, Motion& mo, int dir, const Vec2& start,
                   Vec2* pts, AccRecord* accs) {
  const double sf = st.sf_now();
  int ok = 1;
  pts[0] = start;
  f(st, rs, mo.torque_sel, 1, 0.0, pts[0].data(), accs[0], ok);
  const double h = dir * dt_curve / nsub;
  mo.t = 0;
  int last = 0;
  for (int i = 1; i < NCURVE; ++i) {
    Vec2 y = pts[i - 1];
    AccRecord acc;
    for (int j = 0; j < nsub; ++j) {
      const Vec2 y_prev = y;
      const int good = rkg(st, rs, mo.torque_sel, mo.t, h, y_prev.data(), y.data(), acc, 2);
      if (!good || std::fabs(acc.acc[0]) > st.a1max + TOL_CURVE ||
          std::fabs(acc.acc[1]) > st.a2max + TOL_CURVE || (dir > 0 ? y[0] > sf : y[0] < 0)) {
        return last;
      }
      mo.t += h;
    }
    pts[i] = y;
    accs[i] = acc;
    last = i;
  }
  return last;
}

}  // namespace

void extremal_curves(const Settings& st, RhsState& rs, Motion& mo, Curves& cv) {
  mo.torque_sel = +1;
  cv.n_curve_start = extremal_curve(st, rs, mo, +1, {0, 0}, cv.curve_start.data(), cv.acc_start.data());
  mo.torque_sel = -1;
  cv.n_curve_end =
      extremal_curve(st, rs, mo, -1, {st.sf_now(), 0}, cv.curve_end.data(), cv.acc_end.data());
}

}  // namespace cpt
