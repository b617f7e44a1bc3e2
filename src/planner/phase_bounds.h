// The admissible path accelerations of one path point, in the plane of s and
// x = sd^2. Joint i needs a_i = D[i][0] sdd + D[i][1] x and may use
// |a_i| <= amax_i, so it bounds sdd to the interval
//   -w_i - k_i x <= sdd <= w_i - k_i x,  w_i = amax_i / |D[i][0]|, k_i = D[i][1] / D[i][0],
// whose centre moves linearly with x. The two intervals stop overlapping at
//   |k_0 - k_1| x = w_0 + w_1,
// the velocity limit, which is the boundary's (|D10| a1max + |D00| a2max) / |det D|.
// A joint whose s-dd coefficient vanishes (a zero-inertia point) bounds x
// alone: |D[i][1]| x <= amax_i.
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
  std::array<double, 2> c0{};  // the s-dd coefficients D[i][0] (their signs locate zero-inertia points)
  double xmax = 0;             // the velocity limit in x = sd^2 (infinite when nothing bounds x)
  int cap_by = 0;              // what sets it: 0 the joint limits, else the ceiling's `by`
};

inline PointBounds point_bounds(const Mat2& D, const std::array<double, 2>& amax) {
  constexpr double inf = std::numeric_limits<double>::infinity();
  PointBounds b;
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
    }
  }
  if (free_joints == 2) b.w = {SDD_CAP, SDD_CAP};
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

// Largest admissible sdd at x (x not above xmax).
inline double sdd_upper(const PointBounds& b, double x) {
  return std::min(b.w[0] - b.k[0] * x, b.w[1] - b.k[1] * x);
}

// Smallest admissible sdd at x (x not above xmax).
inline double sdd_lower(const PointBounds& b, double x) {
  return std::max(-b.w[0] - b.k[0] * x, -b.w[1] - b.k[1] * x);
}

// Index of the joint that sets the upper (upper = true) or lower bound at x.
inline int active_joint(const PointBounds& b, double x, bool upper) {
  if (upper) return (b.w[0] - b.k[0] * x) <= (b.w[1] - b.k[1] * x) ? 0 : 1;
  return (-b.w[0] - b.k[0] * x) >= (-b.w[1] - b.k[1] * x) ? 0 : 1;
}

// The largest x, not above the velocity limit, at which sdd = u is
// admissible: where the profile slides along the limit with the limit's own
// slope, it runs this little below it. NaN when u is admissible nowhere.
inline double slide_x(const PointBounds& b, double u) {
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
