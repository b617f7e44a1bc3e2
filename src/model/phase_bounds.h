// The admissible path accelerations of one path point, in the plane of s and
// x = sd^2. Joint i needs the effort D[i][0] sdd + D[i][1] x + D[i][2] sd + D[i][3]
// and may use |effort| <= amax_i, so it bounds sdd to the interval
//   -w_i - k_i x - e_i sd - g_i <= sdd <= w_i - k_i x - e_i sd - g_i,
//   w_i = amax_i / |D[i][0]|, k_i = D[i][1] / D[i][0], e_i = D[i][2] / D[i][0], g_i = D[i][3] / D[i][0].
// Without friction (e = g = 0) the interval's centre moves linearly with x,
// and the two intervals stop overlapping at
//   |k_0 - k_1| x = w_0 + w_1,
// the velocity limit, which is the boundary's (|D10| a1max + |D00| a2max) / |det D|.
// With friction the centres move by dk sd^2 + de sd + dg against each other
// (dk = k_0 - k_1, ...): the velocity limit is the lowest sd at which that
// reaches +-(w_0 + w_1), a root of a quadratic in sd, and 0 where the
// Coulomb terms alone already push the intervals apart (no motion can pass).
// A joint whose s-dd coefficient vanishes (a zero-inertia point) bounds sd
// alone: |D[i][1] sd^2 + D[i][2] sd + D[i][3]| <= amax_i.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "core/state.h"

namespace cpt {

// Below the ratio |D[i][0]| / |D[i][1]| of TOL_ZERO_INERTIA a joint counts as
// bounding x alone: dividing by a smaller coefficient would only amplify rounding.
// Bound on |sdd| where neither joint bounds it (both at zero inertia).
constexpr double SDD_CAP = 1e12;

struct PointBounds {
  std::array<double, 2> w{};   // half-widths of the joint intervals (infinite: joint bounds x only)
  std::array<double, 2> k{};   // slopes of the interval centres, -k_i x
  std::array<double, 2> e{};   // viscous shifts of the centres, -e_i sd
  std::array<double, 2> g{};   // Coulomb shifts of the centres, -g_i
  std::array<double, 2> c0{};  // the s-dd coefficients D[i][0] (their signs locate zero-inertia points)
  bool friction = false;       // some e or g is not 0
  double xmax = 0;             // the velocity limit in x = sd^2 (infinite when nothing bounds x)
  int cap_by = 0;              // what sets it: 0 the joint limits, else the ceiling's `by`
};

// The roots y > 0 of A y^2 + B y + C = 0 (in the stable form) into out;
// returns how many.
inline int positive_roots(double A, double B, double C, double out[2]) {
  int n = 0;
  const auto keep = [&](double y) {
    if (y > 0) out[n++] = y;
  };
  if (A == 0) {
    if (B != 0) keep(-C / B);
    return n;
  }
  const double disc = B * B - 4 * A * C;
  if (disc < 0) return n;
  const double q = -0.5 * (B + std::copysign(std::sqrt(disc), B));
  keep(q / A);
  if (q != 0) keep(C / q);
  return n;
}

// The smallest y > 0 at which |A y^2 + B y + C| reaches W, starting from
// |C| < W at y = 0 (0 when |C| >= W already; +inf when it never does).
inline double first_exit(double A, double B, double C, double W) {
  if (!(std::fabs(C) < W)) return 0;
  double first = std::numeric_limits<double>::infinity();
  for (const double level : {W, -W}) {
    double r[2];
    const int n = positive_roots(A, B, C - level, r);
    for (int i = 0; i < n; ++i) first = std::min(first, r[i]);
  }
  return first;
}

// The velocity limit in x of the intervals with friction.
inline double friction_xmax(const PointBounds& b, const JointCoeffs& D, const std::array<double, 2>& amax,
                            int free_joints) {
  constexpr double inf = std::numeric_limits<double>::infinity();
  double ylim = inf;
  for (int i = 0; i < 2; ++i)
    if (std::isinf(b.w[i])) ylim = std::min(ylim, first_exit(D[i][1], D[i][2], D[i][3], amax[i]));
  if (free_joints == 0)
    ylim = first_exit(b.k[0] - b.k[1], b.e[0] - b.e[1], b.g[0] - b.g[1], b.w[0] + b.w[1]);
  return ylim * ylim;
}

inline PointBounds point_bounds(const JointCoeffs& D, const std::array<double, 2>& amax) {
  constexpr double inf = std::numeric_limits<double>::infinity();
  PointBounds b;
  b.friction = has_friction(D);
  double xlim = inf;
  int free_joints = 0;
  for (int i = 0; i < 2; ++i) {
    const double c0 = D[i][0], c1 = D[i][1];
    b.c0[i] = c0;
    if (std::fabs(c0) <= TOL_ZERO_INERTIA * std::fabs(c1) || c0 == 0) {
      b.w[i] = inf;
      b.k[i] = 0;
      if (c1 != 0) xlim = std::min(xlim, amax[i] / std::fabs(c1));
      ++free_joints;
    } else {
      b.w[i] = amax[i] / std::fabs(c0);
      b.k[i] = c1 / c0;
      b.e[i] = D[i][2] / c0;
      b.g[i] = D[i][3] / c0;
    }
  }
  if (free_joints == 2) b.w = {SDD_CAP, SDD_CAP};
  if (b.friction) {
    b.xmax = friction_xmax(b, D, amax, free_joints);
    return b;
  }
  if (free_joints == 0) {
    const double dk = std::fabs(b.k[0] - b.k[1]);
    if (dk > 0) xlim = (b.w[0] + b.w[1]) / dk;
  }
  b.xmax = xlim;
  return b;
}

// Lowers the velocity limit to a ceiling of sd (the speed limits'), noting
// which one (`by`, not 0) sets it then; an infinite ceiling leaves it.
inline void cap_to_ceiling(PointBounds& b, double sd_ceiling, int by = 1) {
  if (!(sd_ceiling < std::numeric_limits<double>::infinity())) return;
  const double x = std::max(0.0, sd_ceiling) * sd_ceiling;
  if (x < b.xmax) {
    b.xmax = x;
    b.cap_by = by;
  }
}

// The shift of joint i's interval centre at x besides -k_i x (0 without friction).
inline double friction_shift(const PointBounds& b, int i, double x) {
  if (!b.friction) return 0;
  return b.e[i] * std::sqrt(std::max(0.0, x)) + b.g[i];
}

// Joint i's largest and smallest admissible sdd at x, given the shift
// friction_shift(b, i, x) (for both ends at once).
inline double joint_upper(const PointBounds& b, int i, double x, double shift) {
  return b.w[i] - b.k[i] * x - shift;
}
inline double joint_lower(const PointBounds& b, int i, double x, double shift) {
  return -b.w[i] - b.k[i] * x - shift;
}

// Joint i's largest and smallest admissible sdd at x.
inline double joint_upper(const PointBounds& b, int i, double x) {
  return joint_upper(b, i, x, friction_shift(b, i, x));
}
inline double joint_lower(const PointBounds& b, int i, double x) {
  return joint_lower(b, i, x, friction_shift(b, i, x));
}

// Largest admissible sdd at x (x not above xmax).
inline double sdd_upper(const PointBounds& b, double x) {
  return std::min(joint_upper(b, 0, x), joint_upper(b, 1, x));
}

// Smallest admissible sdd at x (x not above xmax).
inline double sdd_lower(const PointBounds& b, double x) {
  return std::max(joint_lower(b, 0, x), joint_lower(b, 1, x));
}

// Index of the joint that sets the upper (upper = true) or lower bound at x.
inline int active_joint(const PointBounds& b, double x, bool upper) {
  if (upper) return joint_upper(b, 0, x) <= joint_upper(b, 1, x) ? 0 : 1;
  return joint_lower(b, 0, x) >= joint_lower(b, 1, x) ? 0 : 1;
}

// How fast the active joint's bound moves with x at x: |d sdd / dx|.
inline double bound_slope(const PointBounds& b, int j, double x) {
  if (!b.friction || b.e[j] == 0) return std::fabs(b.k[j]);
  return std::fabs(b.k[j]) + std::fabs(b.e[j]) / (2 * std::sqrt(std::max(x, 1e-300)));
}

// slide_x with friction: the highest y = sd not above sqrt(xmax) at which
// every joint admits u, among sqrt(xmax) and the points where a joint's
// bound passes u (the top of the admissible set is one of them).
double slide_x_friction(const PointBounds& b, double u);

// The largest x, not above the velocity limit, at which sdd = u is
// admissible: where the profile slides along the limit with the limit's own
// slope, it runs this little below it. NaN when u is admissible nowhere.
inline double slide_x(const PointBounds& b, double u) {
  if (b.friction) return slide_x_friction(b, u);
  double lo = 0, hi = b.xmax;
  for (int i = 0; i < 2; ++i) {
    // -w_i - k_i x <= u <= w_i - k_i x
    const double w = b.w[i], k = b.k[i];
    if (k == 0) {
      if (std::fabs(u) > w) return NAN;
      continue;
    }
    const double x1 = (w - u) / k, x2 = (-w - u) / k;
    lo = std::max(lo, std::min(x1, x2));
    hi = std::min(hi, std::max(x1, x2));
  }
  return lo <= hi ? hi : NAN;
}

}  // namespace cpt
