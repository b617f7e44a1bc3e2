#include "planner/integrator.h"

#include <algorithm>
#include <cmath>

#include "model/limits.h"
#include "model/coeffs.h"
#include "model/paths.h"
#include "model/rhs.h"
#include "model/phase_bounds.h"

namespace cpt {

namespace {
// Gill's constants, as these decimal values.
constexpr double c1 = 0.292893219;  // 1 - 1/sqrt(2)
constexpr double c2 = 1.70710678;   // 1 + 1/sqrt(2)
constexpr double c3 = 0.16666667;   // 1/6
}  // namespace

int rkg(Console& con, const Model& m, RhsState& rs, int torque_sel, double t, double h, const double* y,
        double* yout, AccRecord& acc, int n) {
  if (n < 1 || n > RKG_MAXN) return 0;
  double k, r;
  double y1[RKG_MAXN], y2[RKG_MAXN], y3[RKG_MAXN];
  double q1[RKG_MAXN], q2[RKG_MAXN], q3[RKG_MAXN];
  int ok = 1;

  // Stage 1 at t, state y.
  for (int i = 0; i < n; ++i) {
    k = h * f(con, m, rs, torque_sel, i, t, y, acc, ok);
    r = 0.5 * k;
    if (!ok) return 0;
    y1[i] = y[i] + r;
    q1[i] = 3.0 * r - 0.5 * k;
  }
  // Stage 2 at t + h/2, state y1.
  for (int i = 0; i < n; ++i) {
    k = h * f(con, m, rs, torque_sel, i, 0.5 * h + t, y1, acc, ok);
    r = c1 * (k - q1[i]);
    if (!ok) return 0;
    y2[i] = y1[i] + r;
    q2[i] = 3.0 * r + q1[i] - c1 * k;
  }
  // Stage 3 at t + h/2, state y2.
  for (int i = 0; i < n; ++i) {
    k = h * f(con, m, rs, torque_sel, i, 0.5 * h + t, y2, acc, ok);
    r = c2 * (k - q2[i]);
    if (!ok) return 0;
    y3[i] = y2[i] + r;
    q3[i] = 3.0 * r + q2[i] - c2 * k;
  }
  // Stage 4 at t + h, state y3.
  for (int i = 0; i < n; ++i) {
    k = h * f(con, m, rs, torque_sel, i, t + h, y3, acc, ok);
    r = c3 * (k - 2.0 * q3[i]);
    if (!ok) return 0;
    yout[i] = y3[i] + r;
  }
  return 1;
}

StepRun substeps(Console& con, const Model& m, RhsState& rs, int torque_sel, double t, double h, int n,
                 const Vec2& y, const AccRecord& acc, const StepRule& rule) {
  StepRun r;
  r.y = y;
  r.t = t;
  r.acc = acc;
  const double sf = m.sf;
  std::vector<double> own;
  const std::vector<double>& knots = rule.knots ? *rule.knots : (own = path_knots(m));
  for (int j = 0; j < n; ++j) {
    Vec2 next;
    AccRecord a = r.acc;
    const bool ok = rkg(con, m, rs, torque_sel, r.t, h, r.y.data(), next.data(), a, 2);
    if (!ok || !std::isfinite(next[0]) || !std::isfinite(next[1]) || !std::isfinite(a.sdd)) {
      r.failed = true;
      return r;
    }
    const Vec2 prev = r.y;
    r.y = next;
    r.acc = a;
    r.t += h;
    ++r.done;
    if (over_limit(m, a, rule.tol) || over_limit_at_knots(m, knots, prev, next, rs.fi_last)) {
      r.over_limit = true;
      if (rule.stop_over_limit) return r;
    }
    if (rule.stop_at_rest && next[1] < 0) {
      // sd was 0 the time phi into this sub-step: stop there.
      const double phi = rest_time(prev[1], next[1], h);
      r.t = r.t - h + phi;
      r.y = lerp(prev, next, phi, h);
      r.y[1] = 0;
      r.at_rest = true;
      return r;
    }
    if (rule.stop_off_path && (next[0] < 0 || next[0] > sf)) {
      r.off_path = true;
      return r;
    }
  }
  return r;
}

bool over_limit_at_knots(const Model& m, const std::vector<double>& knots, const Vec2& a,
                         const Vec2& b, const Vec2& fi) {
  const double lo = std::min(a[0], b[0]), hi = std::max(a[0], b[0]);
  if (knots.empty() || !(hi > lo)) return false;
  const std::array<double, 2> amax{m.pb.a1max, m.pb.a2max};
  for (auto it = std::upper_bound(knots.begin(), knots.end(), lo); it != knots.end() && *it < hi; ++it) {
    const double q = *it;
    const double sd = a[1] + (b[1] - a[1]) * (q - a[0]) / (b[0] - a[0]);
    for (const double side : {std::nextafter(q, lo), std::nextafter(q, hi)}) {
      Vec2 q_fi;
      Mat2 J;
      JointCoeffs D;
      if (!calD_quiet(m, side, fi, q_fi, J, D)) return true;
      const double xmax = point_bounds(D, amax).xmax;
      if (sd * sd > xmax * (1 + TOL_KNOT) + TOL_KNOT * TOL_KNOT) return true;
    }
  }
  return false;
}

double rest_time(double sd_prev, double sd, double step) {
  const double drop = sd_prev - sd;
  return sd_prev > 0 && drop > 0 ? step * sd_prev / drop : 0.0;
}

Vec2 lerp(const Vec2& a, const Vec2& b, double tau, double step) {
  return {a[0] + (b[0] - a[0]) * tau / step, a[1] + (b[1] - a[1]) * tau / step};
}

}  // namespace cpt
