#include "planner/curves.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "model/boundary.h"
#include "support/world.h"

namespace {

// Robot 'a' on an arc of radius R about its base: D = ((R^2, 0), (0, -R)) at
// every s, so joint 1 alone sets the path acceleration, sdd = +-a1max / R^2,
// and joint 2 (acc = -R sd^2, the centripetal force) caps the rate at
// sd = sqrt(a2max / R). From rest: sd^2 = 2 (a1max / R^2) s up to that cap.
struct CentredArc {
  double R, angle, a1max, a2max;
  double sdd() const { return a1max / (R * R); }
  double sd_limit() const { return std::sqrt(a2max / R); }
};

std::unique_ptr<World> curves_on(const CentredArc& c) {
  auto w = default_world('a');
  w->st.a1max = c.a1max;
  w->st.a2max = c.a2max;
  use_centred_arc(*w, c.R, c.angle);
  extremal_curves(w->st, w->rhs, w->mo, w->cv);
  return w;
}

// The start curve is the parabola sd^2 = 2 sdd s, the end curve its mirror
// image about the end of the path, both until they meet the rate cap. Within
// 1e-3 of the cap (in sd^2) the floored D[1][0] = 1e-5 lets joint 2 bend the
// curve onto the cap: (R sd^2 - a2max) / 1e-5 competes with sdd there.
void expect_parabolas(const World& w, const CentredArc& c) {
  const Curves& cv = w.cv;
  const double sf = c.angle;
  const double near_cap = c.sd_limit() * c.sd_limit() - 1e-3;
  ASSERT_GT(cv.n_curve_start, 10);
  ASSERT_GT(cv.n_curve_end, 10);
  for (int i = 0; i <= cv.n_curve_start; ++i) {
    const Vec2& p = cv.curve_start[i];
    if (p[1] * p[1] > near_cap) continue;
    ASSERT_NEAR(p[1] * p[1], 2 * c.sdd() * p[0], 1e-6 * (1 + p[1] * p[1])) << "start point " << i;
  }
  for (int i = 0; i <= cv.n_curve_end; ++i) {
    const Vec2& p = cv.curve_end[i];
    if (p[1] * p[1] > near_cap) continue;
    ASSERT_NEAR(p[1] * p[1], 2 * c.sdd() * (sf - p[0]), 1e-6 * (1 + p[1] * p[1])) << "end point " << i;
  }
  // Each ends within one step (dt_curve) of the cap, or at the path's end.
  const double one_step = c.sdd() * dt_curve + 1e-3;
  const Vec2& last = cv.curve_start[cv.n_curve_start];
  EXPECT_TRUE(last[1] > c.sd_limit() - one_step || last[0] > sf - c.sd_limit() * dt_curve);
  EXPECT_LT(last[1], c.sd_limit() + 1e-3);
  const Vec2& first = cv.curve_end[cv.n_curve_end];
  EXPECT_TRUE(first[1] > c.sd_limit() - one_step || first[0] < c.sd_limit() * dt_curve);
}

// Every stored point keeps both joints within their limits + TOL_CURVE.
void expect_within_limits(const World& w) {
  const Curves& cv = w.cv;
  for (int i = 0; i <= cv.n_curve_start; ++i) {
    ASSERT_LE(std::fabs(cv.acc_start[i].acc[0]), w.st.a1max + TOL_CURVE);
    ASSERT_LE(std::fabs(cv.acc_start[i].acc[1]), w.st.a2max + TOL_CURVE);
  }
  for (int i = 0; i <= cv.n_curve_end; ++i) {
    ASSERT_LE(std::fabs(cv.acc_end[i].acc[0]), w.st.a1max + TOL_CURVE);
    ASSERT_LE(std::fabs(cv.acc_end[i].acc[1]), w.st.a2max + TOL_CURVE);
  }
}

TEST(ExtremalCurves, CentredArcGivesParabolasUpToTheRateCap) {
  const CentredArc c{0.5, PI, 2.0, 2.0};  // sdd = 8, cap sd = 2 at s = 0.25
  auto w = curves_on(c);
  expect_parabolas(*w, c);
  expect_within_limits(*w);
  EXPECT_EQ(w->mo.torque_sel, -1);
  // The curves start at rest at their ends of the path.
  EXPECT_EQ(w->cv.curve_start[0], (Vec2{0, 0}));
  EXPECT_EQ(w->cv.curve_end[0], (Vec2{PI, 0}));
}

// The velocity-limit boundary of the centred arc is the cap itself:
// sd^2 = (|D10| a1max + |D00| a2max) / |det D| = R^2 a2max / R^3.
TEST(ExtremalCurves, CentredArcBoundaryIsTheRateCap) {
  const CentredArc c{0.5, PI, 2.0, 2.0};
  auto w = curves_on(c);
  ASSERT_EQ(calboundary(w->st, w->cv), 1);
  for (int i = 0; i <= w->cv.nbnd; ++i) EXPECT_NEAR(w->cv.bnd[i][1], c.sd_limit(), 1e-9);
}

// A short arc never meets the cap: the curves run to the ends of the path.
TEST(ExtremalCurves, ShortArcCurvesRunToTheOtherEnd) {
  const CentredArc c{0.5, 0.2, 2.0, 2.0};  // sd at s = 0.2 is sqrt(3.2) < 2
  auto w = curves_on(c);
  expect_parabolas(*w, c);
  const Curves& cv = w->cv;
  EXPECT_GT(cv.curve_start[cv.n_curve_start][0], 0.2 - std::sqrt(3.2) * dt_curve);
  EXPECT_LT(cv.curve_end[cv.n_curve_end][0], std::sqrt(3.2) * dt_curve);
}

// Seeded sweep over radii and limits.
TEST(ExtremalCurves, SweepOfRadiiAndLimits) {
  std::mt19937 rng(20240611);
  std::uniform_real_distribution<double> radius(0.2, 0.9), limit(0.5, 5.0), angle(0.5, PI);
  for (int n = 0; n < 12; ++n) {
    const CentredArc c{radius(rng), angle(rng), limit(rng), limit(rng)};
    SCOPED_TRACE(::testing::Message() << "R=" << c.R << " angle=" << c.angle << " a1max=" << c.a1max
                                      << " a2max=" << c.a2max);
    auto w = curves_on(c);
    expect_parabolas(*w, c);
    expect_within_limits(*w);
  }
}

// Robot 'b' on the default arc: the property holds off the closed-form case.
TEST(ExtremalCurves, DefaultScaraArcStaysWithinLimits) {
  auto w = default_world('b', 1);
  extremal_curves(w->st, w->rhs, w->mo, w->cv);
  EXPECT_GT(w->cv.n_curve_start, 100);
  EXPECT_GT(w->cv.n_curve_end, 100);
  expect_within_limits(*w);
}

}  // namespace
