#include "planner/integrator.h"

#include "model/rhs.h"

namespace cpt {

namespace {
// Gill's constants, as these decimal values.
constexpr double c1 = 0.292893219;  // 1 - 1/sqrt(2)
constexpr double c2 = 1.70710678;   // 1 + 1/sqrt(2)
constexpr double c3 = 0.16666667;   // 1/6
}  // namespace

int rkg(const Settings& st, RhsState& rs, int torque_sel, double t, double h, const double* y,
        double* yout, AccRecord& acc, int n) {
  if (n < 1 || n > RKG_MAXN) return 0;
  double k, r;
  double y1[RKG_MAXN], y2[RKG_MAXN], y3[RKG_MAXN];
  double q1[RKG_MAXN], q2[RKG_MAXN], q3[RKG_MAXN];
  int ok = 1;

  // Stage 1 at t, state y.
  for (int i = 0; i < n; ++i) {
    k = h * f(st, rs, torque_sel, i, t, y, acc, ok);
    r = 0.5 * k;
    if (!ok) return 0;
    y1[i] = y[i] + r;
    q1[i] = 3.0 * r - 0.5 * k;
  }
  // Stage 2 at t + h/2, state y1.
  for (int i = 0; i < n; ++i) {
    k = h * f(st, rs, torque_sel, i, 0.5 * h + t, y1, acc, ok);
    r = c1 * (k - q1[i]);
    if (!ok) return 0;
    y2[i] = y1[i] + r;
    q2[i] = 3.0 * r + q1[i] - c1 * k;
  }
  // Stage 3 at t + h/2, state y2.
  for (int i = 0; i < n; ++i) {
    k = h * f(st, rs, torque_sel, i, 0.5 * h + t, y2, acc, ok);
    r = c2 * (k - q2[i]);
    if (!ok) return 0;
    y3[i] = y2[i] + r;
    q3[i] = 3.0 * r + q2[i] - c2 * k;
  }
  // Stage 4 at t + h, state y3.
  for (int i = 0; i < n; ++i) {
    k = h * f(st, rs, torque_sel, i, t + h, y3, acc, ok);
    r = c3 * (k - 2.0 * q3[i]);
    if (!ok) return 0;
    yout[i] = y3[i] + r;
  }
  return 1;
}

}  // namespace cpt
