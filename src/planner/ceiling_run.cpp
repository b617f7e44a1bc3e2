#include "planner/ceiling_run.h"

#include <cmath>
#include <vector>

#include "model/ceiling.h"
#include "model/limits.h"
#include "model/paths.h"
#include "planner/integrator.h"

namespace cpt {

namespace {

// The ceiling at s, following the branch from ref; NaN when out of reach.
double ceiling_sd(const Model& m, double s, Vec2& ref) {
  Ceiling c;
  Vec2 fi;
  if (!ceiling_at(m, s, ref, fi, c)) return NAN;
  ref = fi;
  return c.sd;
}

}  // namespace

StepRun along_ceiling(const Model& m, RhsState& rs, double t, double h, int n, const Vec2& y,
                      const StepRule& rule) {
  StepRun r;
  r.y = y;
  r.t = t;
  const double sf = m.sf;
  std::vector<double> own;
  const std::vector<double>& knots = rule.knots ? *rule.knots : (own = path_knots(m));
  for (int j = 0; j < n; ++j) {
    // ds/dt = c(s), one Runge-Kutta step.
    Vec2 ref = rs.fi_last;
    const double s = r.y[0];
    const double k1 = ceiling_sd(m, s, ref);
    const double k2 = ceiling_sd(m, s + 0.5 * h * k1, ref);
    const double k3 = ceiling_sd(m, s + 0.5 * h * k2, ref);
    const double k4 = ceiling_sd(m, s + h * k3, ref);
    const double next = s + h / 6 * (k1 + 2 * k2 + 2 * k3 + k4);
    CeilingPoint cp;
    if (!std::isfinite(next) || !ceiling_point(m, next, rs.fi_last, cp) || !std::isfinite(cp.acc.sdd)) {
      r.failed = true;
      return r;
    }
    if (over_limit(m, cp.acc, rule.tol) ||
        over_limit_at_knots(m, knots, r.y, {next, cp.c.sd}, rs.fi_last)) {
      r.over_limit = true;
      if (rule.stop_over_limit) return r;
    }
    rs.fi_last = cp.fi;
    r.y = {next, cp.c.sd};
    r.acc = cp.acc;
    r.t += h;
    ++r.done;
    if (rule.trail) rule.trail->push_back({r.t, r.y[0], r.y[1]});
    if (rule.stop_off_path && next > sf) {
      r.off_path = true;
      return r;
    }
  }
  return r;
}

bool onto_ceiling(Console& con, const Model& m, RhsState& rs, double t, const Vec2& y, const AccRecord& acc,
                  StepRun& out) {
  const double h = dt0 / nsub;
  out = StepRun{};
  out.y = y;
  out.t = t;
  out.acc = acc;
  Vec2 ref = rs.fi_last;
  double gap = ceiling_sd(m, y[0], ref) - y[1];
  for (int j = 0; j < nsub; ++j) {
    Vec2 next;
    AccRecord a = out.acc;
    if (!rkg(con, m, rs, +1, out.t, h, out.y.data(), next.data(), a, 2) || !std::isfinite(next[1])) return false;
    ref = rs.fi_last;
    const double gap_next = ceiling_sd(m, next[0], ref) - next[1];
    if (!std::isfinite(gap_next)) return false;
    if (gap_next <= 0) {
      // The gap closed phi into this sub-step.
      const double phi = gap > gap_next ? h * gap / (gap - gap_next) : h;
      out.y = lerp(out.y, next, phi, h);
      out.t += phi;
      out.acc = a;
      ++out.done;
      return true;
    }
    out.y = next;
    out.t += h;
    out.acc = a;
    ++out.done;
    gap = gap_next;
  }
  return false;
}

SpeedLimit ceiling_above(const Model& m, const RhsState& rs, const Vec2& y) {
  Ceiling c;
  Vec2 fi;
  if (!has_speed_limits(m) || !ceiling_at(m, y[0], rs.fi_last, fi, c)) return SpeedLimit::None;
  return y[1] > c.sd * (1 + TOL_CEILING) ? c.by : SpeedLimit::None;
}

}  // namespace cpt
