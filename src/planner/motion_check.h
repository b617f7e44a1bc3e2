// The last word on a motion before the program calls it obtained or optimal:
// from rest at the start to rest at the end of the path, finite, and within
// every limit (the joint accelerations, the joint velocities and the hand
// speed) not only at its samples but everywhere between them.
//
// The motion is given by rows (t, s, sd) in the order of time. Between two
// rows the check takes sd^2 linear in s (the mean path acceleration of the
// pair, which is exact for a row pair of constant s-dd) and looks at the path
// points between them on a fine grid of s and at every knot of the path
// (either side of it), where a limit may dip between two samples:
//  - velocity limit: sd^2 at most the velocity limit in sd^2 there (the
//    acceleration limit and the speed limits' ceilings);
//  - accelerations: the pair's mean s-dd within the widest admissible
//    interval over the points between the two rows (a mean of admissible
//    values lies in it, whatever the motion did in between).
#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "core/state.h"

namespace cpt {

struct MotionRow {
  double t = 0, s = 0, sd = 0;
  // The path acceleration at the row when the motion knows it (NaN: not
  // known), as the motion arrives (sdd) and as it leaves (sdd_after; they
  // differ at a switch): the joint accelerations they give there are checked too.
  double sdd = NAN, sdd_after = NAN;
};

struct MotionCheck {
  bool ok = false;
  std::string reason;  // one line when not ok
  double worst = 0;    // largest use of a limit found, 1 on the limit (a tolerance breaks it beyond 1 + tol)
  std::vector<double> bad;  // with `all`: s of every row pair that breaks a limit
  int evaluations = 0;      // path points at which the model was evaluated
};

// Fine grid of the check: at least this many points along the whole path.
constexpr int CHECK_POINTS = 20000;

// The check's relative tolerance TOL_CHECK (core/tolerances.h): a limit is
// broken where it is used beyond 1 + tol. A motion rebuilt on the 10 ms grid
// keeps its joint limits to TOL_STEP (5e-5 of the default limits) at its
// 50 us sub-steps, and a chord of sd^2 across
// a 10 ms row lies up to about 1e-4 of sd^2 off the curve it spans. 1e-3,
// the tolerance of the program's own look-ahead and extremal curves
// (TOL_CURVE for a limit of 1), covers both with room and still catches any
// step over a dip of a limit (those break it many times over). The optimum
// is checked on its exact profile at the same tolerance.
//
// The first fault ends the check; with `all` every row pair is checked and
// the faulty ones are listed in `bad` (the reason is the first one's).
// `knots`, when given, are limit_knots(m), which the caller already has.
MotionCheck check_motion(const Model& m, const std::vector<MotionRow>& rows, double tol = TOL_CHECK,
                         bool all = false, const std::vector<double>* knots = nullptr);

}  // namespace cpt
