#include "planner/reference.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/coeffs.h"
#include "model/paths.h"
#include "support/console_capture.h"
#include "support/trajectory.h"
#include "support/world.h"

namespace {

// Tn = 2 ta + (sf - 2 sa) / v with v = a ta, sa = a ta^2 / 2:
// sf = 1, a = 2, ta = 0.5: sa = 0.25, v = 1, Tn = 1 + 0.5 / 1 = 1.5, tb = 1.0.
TEST(Trapezoid, WithCruise) {
  Trapezoid p;
  ASSERT_EQ(trapezoid(1.0, 2.0, 0.5, p), 1);
  EXPECT_DOUBLE_EQ(p.sa, 0.25);
  EXPECT_DOUBLE_EQ(p.v, 1.0);
  EXPECT_DOUBLE_EQ(p.Tn, 1.5);
  EXPECT_DOUBLE_EQ(p.tb, 1.0);
  // a = 5: v = 2.5, sa = 0.625.
  ASSERT_EQ(trapezoid(3.0, 5.0, 0.5, p), 1);
  EXPECT_DOUBLE_EQ(p.v, 2.5);
  EXPECT_DOUBLE_EQ(p.sa, 0.625);
}

// sf = 0.2, a = 2: sa would be 0.25 > 0.1, so sa = 0.1, ta = sqrt(0.1), and
// Tn = 2 sqrt(0.1) = 0.6325 (no cruise).
TEST(Trapezoid, TooShortToCruise) {
  Trapezoid p;
  ASSERT_EQ(trapezoid(0.2, 2.0, 0.5, p), 1);
  EXPECT_DOUBLE_EQ(p.sa, 0.1);
  EXPECT_DOUBLE_EQ(p.ta, std::sqrt(0.1));
  EXPECT_NEAR(p.Tn, 0.6325, 1e-4);
  EXPECT_DOUBLE_EQ(p.tb, p.ta);
}

TEST(Trapezoid, RejectsNonPositiveInputs) {
  Trapezoid p;
  EXPECT_EQ(trapezoid(1.0, 0.0, 0.5, p), 0);
  EXPECT_EQ(trapezoid(0.0, 2.0, 0.5, p), 0);
  EXPECT_EQ(trapezoid(1.0, INFINITY, 0.5, p), 0);
}

TEST(Trapezoid, ProfileIsContinuousAndEndsAtRest) {
  Trapezoid p;
  ASSERT_EQ(trapezoid(1.0, 2.0, 0.5, p), 1);
  double s, sd, sdd;
  for (double t : {p.ta, p.tb}) {
    double s2, sd2, sdd2;
    trapezoid_at(p, 1.0, t, s, sd, sdd);
    trapezoid_at(p, 1.0, t + 1e-9, s2, sd2, sdd2);
    EXPECT_NEAR(s, s2, 1e-8);
    EXPECT_NEAR(sd, sd2, 1e-8);
  }
  trapezoid_at(p, 1.0, p.Tn, s, sd, sdd);
  EXPECT_DOUBLE_EQ(s, 1.0);
  EXPECT_DOUBLE_EQ(sd, 0.0);
  trapezoid_at(p, 1.0, p.Tn + 1, s, sd, sdd);
  EXPECT_EQ(s, 1.0);
  EXPECT_EQ(sd, 0.0);
  EXPECT_EQ(sdd, 0.0);
}

// A grid of n steps of dt0 from 0, as calcp would leave it.
void uniform_grid(Motion& mo, int n, double step = dt0) {
  for (int k = 0; k <= n; ++k) mo.tt[k] = k * step;
  mo.nf = n;
}

void expect_reference_properties(const World& w) {
  const Motion& mo = w.mo;
  for (int k = 0; k <= mo.nn; ++k) {
    ASSERT_LE(std::fabs(mo.An[k].acc[0]), w.st.a1max) << "step " << k;
    ASSERT_LE(std::fabs(mo.An[k].acc[1]), w.st.a2max) << "step " << k;
    if (k > 0) {
      ASSERT_GE(mo.tt[k], mo.tt[k - 1]) << "step " << k;
    }
  }
  // The last step: at rest at the end of the path, zero accelerations.
  EXPECT_EQ(mo.Yn[mo.nn], (Vec2{w.st.sf_now(), 0}));
  EXPECT_EQ(mo.An[mo.nn].acc, (std::array<double, 2>{0, 0}));
  Vec2 end;
  cpcurve(w.st, w.st.sf_now(), end);
  EXPECT_EQ(mo.CPn[mo.nn], end);
}

// Centred arc, robot 'a': D[1][0] = 0 everywhere (calDmax finds ~1e-17 from
// rounding; set exactly 0 here), so joint 2 sets no bound on a (Dmax10 = 0
// must not be divided by) and a starts at a1max / R^2 = 8.
TEST(ReferenceMotion, CentredArcWithoutAJoint2Bound) {
  auto w = prepared_centred_arc(0.5, PI);
  ASSERT_TRUE(w);
  EXPECT_LT(Dmax10_of(w->cv, w->st), 1e-15);
  Dmax10_of(w->cv, w->st) = 0;
  uniform_grid(w->mo, 50);
  reference_motion(w->st, w->cv, w->mo);
  EXPECT_TRUE(std::isfinite(w->mo.Tn));
  EXPECT_EQ(w->mo.tt[w->mo.nn], w->mo.Tn);
  // Steps past nf continue the grid by dt0.
  for (int k = 51; k < w->mo.nn; ++k) EXPECT_NEAR(w->mo.tt[k] - w->mo.tt[k - 1], dt0, 1e-12);
  expect_reference_properties(*w);
  // Joint 2 (-R sd^2) caps the cruise rate at sqrt(a2max / R) = 2, so Tn is at
  // least the time to run pi at that rate.
  EXPECT_GE(w->mo.Tn, PI / 2);
}

// A grid longer than the reference motion: the steps past Tn hold the rest
// at the end of the path and the reference ends with the grid.
TEST(ReferenceMotion, ShorterThanTheGridHoldsTheEnd) {
  auto w = default_world('b', 1);
  calDmax(w->st, w->cv);
  uniform_grid(w->mo, 600);  // 6 s
  reference_motion(w->st, w->cv, w->mo);
  const Motion& mo = w->mo;
  ASSERT_LT(mo.Tn, 6.0);
  EXPECT_EQ(mo.nn, mo.nf);
  for (int k = 0; k <= mo.nf; ++k) {
    if (mo.tt[k] <= mo.Tn) continue;
    EXPECT_EQ(mo.Yn[k], (Vec2{PI, 0})) << "step " << k;
    EXPECT_EQ(mo.An[k].acc, (std::array<double, 2>{0, 0})) << "step " << k;
  }
  expect_reference_properties(*w);
}

// A fine grid that ends near index 2000 long before Tn: the extension stops
// at index 2000 with a message, at rest at the end.
TEST(ReferenceMotion, ExtensionStopsAtTheLastIndex) {
  auto w = default_world('b', 1);
  calDmax(w->st, w->cv);
  uniform_grid(w->mo, 1990, 1e-4);
  ConsoleCapture con;
  reference_motion(w->st, w->cv, w->mo);
  EXPECT_EQ(w->mo.nn, NTAB - 1);
  EXPECT_NE(con.text().find("基準CP運動 ステップ数が上限2000を超える"), std::string::npos);
  EXPECT_EQ(w->mo.Yn[NTAB - 1], (Vec2{PI, 0}));
}

// a2max = 0 with a joint-2 coefficient of 0 in s-dd: joint 2 sets no bound on
// a, yet every moving step needs -R sd^2 from it. No a satisfies the limits;
// the reduction stops after its bound and says so.
TEST(ReferenceMotion, ReductionRoundsAreBounded) {
  auto w = prepared_centred_arc(0.5, PI);
  ASSERT_TRUE(w);
  w->st.a2max = 0;
  Dmax10_of(w->cv, w->st) = 0;
  uniform_grid(w->mo, 20);
  ConsoleCapture con;
  reference_motion(w->st, w->cv, w->mo);
  EXPECT_NE(con.text().find("基準CP運動 加速度の縮小が1000回で終わらない"), std::string::npos);
  EXPECT_GT(w->mo.nn, 20);
  EXPECT_EQ(w->mo.Yn[w->mo.nn][0], PI);
}

TEST(ReferenceMotion, NoAccelerationPossible) {
  auto w = prepared_centred_arc(0.5, PI);
  ASSERT_TRUE(w);
  w->st.a1max = 0;  // joint 1 alone moves the hand along the arc
  uniform_grid(w->mo, 20);
  ConsoleCapture con;
  reference_motion(w->st, w->cv, w->mo);
  EXPECT_NE(con.text().find("基準CP運動 加速度を決められない"), std::string::npos);
  EXPECT_EQ(w->mo.nn, 20);
  EXPECT_EQ(w->mo.Yn[20], (Vec2{0, 0}));
}

}  // namespace
