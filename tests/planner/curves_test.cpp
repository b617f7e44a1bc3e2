#include "planner/curves.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/world.h"

namespace cpt {

// Robot 'a' on an arc of radius R about its base: the start curve is sd^2 = 2 (a1max / R^2) s
// up to within a step of the cap sqrt(a2max / R) or the far end (1e-3 below the cap the
// floored D[1][0] bends it), the end curve its mirror; every point within the limits.
TEST(ExtremalCurves, CentredArcGivesParabolasUpToTheRateCap) {
  struct Arc { double R, sf, a1max, a2max; };
  for (const Arc& c : {Arc{0.5, PI, 2, 2}, Arc{0.5, 0.2, 2, 2}, Arc{0.3, 1.0, 5, 0.7}}) {
    SCOPED_TRACE(::testing::Message() << "R=" << c.R << " sf=" << c.sf);
    auto w = default_world(Robot::Cylindrical);
    w->pb.a1max = c.a1max, w->pb.a2max = c.a2max;
    use_centred_arc(*w, c.R, c.sf);
    extremal_curves(w->con, w->m, w->d.rhs, w->cv);
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

// A path of 1e-6 rad is left within the first step: the failed step is not counted.
TEST(ExtremalCurves, CurveEndingInItsFirstStepHasCountZero) {
  auto w = default_world(Robot::Cylindrical);
  use_centred_arc(*w, 0.5, 1e-6);
  w->cv.n_curve_start = w->cv.n_curve_end = -1;
  extremal_curves(w->con, w->m, w->d.rhs, w->cv);
  EXPECT_EQ(w->cv.n_curve_start, 0); EXPECT_EQ(w->cv.n_curve_end, 0);
}

}  // namespace cpt
