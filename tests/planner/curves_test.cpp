#include "planner/curves.h"

#include <gtest/gtest.h>

#include <cmath>

#include "planner/prepare.h"
#include "support/world.h"

namespace cpt {

namespace {

// Robot 'a' on an arc of radius R about its base: D = ((R^2, 0), (0, -R)), so the
// start curve is sd^2 = 2 (a1max / R^2) s up to within a step of the cap
// sqrt(a2max / R) or the far end, the end curve its mirror. Within 1e-3 of the
// cap (in sd^2) the floored D[1][0] = 1e-5 bends the curve onto it. Every stored
// point keeps both joints within limit + TOL_CURVE.
TEST(ExtremalCurves, CentredArcGivesParabolasUpToTheRateCap) {
  struct Arc { double R, sf, a1max, a2max; };
  for (const Arc& c : {Arc{0.5, PI, 2, 2}, Arc{0.5, 0.2, 2, 2}, Arc{0.3, 1.0, 5, 0.7}}) {
    SCOPED_TRACE(::testing::Message() << "R=" << c.R << " sf=" << c.sf);
    auto w = default_world(Robot::Cylindrical);
    w->st.a1max = c.a1max;
    w->st.a2max = c.a2max;
    use_centred_arc(*w, c.R, c.sf);
    extremal_curves(w->st, w->rhs, w->cv);
    const double sdd = c.a1max / (c.R * c.R), cap = std::sqrt(c.a2max / c.R);
    for (int e = 0; e < 2; ++e) {
      const auto& pts = e ? w->cv.curve_end : w->cv.curve_start;
      const auto& acc = e ? w->cv.acc_end : w->cv.acc_start;
      const int n = e ? w->cv.n_curve_end : w->cv.n_curve_start;
      ASSERT_GT(n, 10);
      EXPECT_EQ(pts[0], (Vec2{e ? c.sf : 0, 0}));
      for (int i = 0; i <= n; ++i) {
        const double run = e ? c.sf - pts[i][0] : pts[i][0], sd2 = pts[i][1] * pts[i][1];
        if (sd2 < cap * cap - 1e-3) { ASSERT_NEAR(sd2, 2 * sdd * run, 1e-6 * (1 + sd2)) << i; }
        ASSERT_LE(std::fabs(acc[i].acc[0]), c.a1max + TOL_CURVE) << e << ", " << i;
        ASSERT_LE(std::fabs(acc[i].acc[1]), c.a2max + TOL_CURVE) << e << ", " << i;
      }
      const double run = e ? c.sf - pts[n][0] : pts[n][0];
      if (run < c.sf - cap * dt_curve) { EXPECT_GT(pts[n][1], cap - sdd * dt_curve - 1e-3) << e; }
      EXPECT_LT(pts[n][1], cap + 1e-3);
    }
  }
}

// A path of 1e-6 rad is left within the first step (s reaches 8 dt_curve^2 / 2
// = 1.6e-5): the failed step must not be counted.
TEST(ExtremalCurves, CurveEndingInItsFirstStepHasCountZero) {
  auto w = default_world(Robot::Cylindrical);
  use_centred_arc(*w, 0.5, 1e-6);
  w->cv.n_curve_start = w->cv.n_curve_end = -1;
  extremal_curves(w->st, w->rhs, w->cv);
  EXPECT_EQ(w->cv.n_curve_start, 0);
  EXPECT_EQ(w->cv.n_curve_end, 0);
}

// Robot 'a' on an arc about its base, short enough for bang-bang: the start
// curve is sd^2 = 2 alpha s (alpha = a1max / R^2), which reaches sf / 2 after
// sqrt(sf / alpha); with the mirrored end curve the bound is the optimum
// 2 sqrt(sf / alpha), to a step of the curves. (The refusals of settings the
// step cannot resolve or that overflow: tests/programs/bad_states.sh.)
TEST(Prepare, ShortestTimeBoundOnACentredArc) {
  auto w = default_world(Robot::Cylindrical);
  use_centred_arc(*w, 0.5, 0.4);
  ASSERT_EQ(prepare_motion(*w), Prepared::Ready);
  EXPECT_NEAR(shortest_time_bound(w->st, w->cv), 2 * std::sqrt(0.4 / (2 / 0.25)), 2 * dt_curve);
}

}  // namespace

}  // namespace cpt
