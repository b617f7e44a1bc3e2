#include "planner/calcp.h"

#include <gtest/gtest.h>

#include <cmath>

#include "settings/console.h"
#include "support/console_capture.h"
#include "support/trajectory.h"

namespace {

// Every rebuilt step keeps both joints within limit + TOL_STEP, and time is
// monotone over the optimal steps and the reference extension.
void expect_rebuilt_properties(const World& w) {
  const Motion& mo = w.mo;
  for (int k = 0; k <= mo.nf; ++k) {
    ASSERT_LE(std::fabs(mo.CP[k].acc[0]), w.st.a1max + TOL_STEP) << "step " << k;
    ASSERT_LE(std::fabs(mo.CP[k].acc[1]), w.st.a2max + TOL_STEP) << "step " << k;
  }
  for (int k = 1; k <= mo.nn; ++k) ASSERT_GE(mo.tt[k], mo.tt[k - 1]) << "step " << k;
  EXPECT_EQ(mo.A[mo.nf].acc, (std::array<double, 2>{0, 0}));  // ends at rest
}

// The step at which segment i ends holds the recorded switching state. The
// end record was interpolated linearly over land_final's last step, whose s
// sags by up to sdd dt0^2 / 8 (1e-4 for sdd = 8): it gets tol_end.
void expect_switches_reproduced(const Motion& before, const Motion& mo, double tol,
                                double tol_end) {
  int k = 0;
  for (int i = 1; i <= mo.NCHN; ++i) {
    if (i == mo.NCHN) tol = tol_end;
    const double span = before.chn[i].t - before.chn[i - 1].t;
    k += static_cast<int>((span + 1e-6) / dt0);
    EXPECT_NEAR(mo.Y[k][0], before.chn[i].s, tol) << "switch " << i;
    EXPECT_NEAR(mo.Y[k][1], before.chn[i].sd, tol) << "switch " << i;
  }
}

// Bang-bang on a centred arc (robot 'a', R = 0.5, angle 0.4, limits 2): the
// time-optimal time is 2 sqrt(sf R^2 / a1max) = 2 sqrt(0.05).
TEST(Calcp, BangBangTimeOnAShortCentredArc) {
  auto w = prepared_centred_arc(0.5, 0.4);
  ASSERT_TRUE(w);
  Motion& mo = w->mo;
  while (mo.Y[mo.istep][0] < 0.2) ASSERT_EQ(construction_step(*w), 1);
  ASSERT_EQ(press_f(*w), 1);
  const Motion before = mo;
  ASSERT_EQ(calcp(w->st, w->cv, w->rhs, mo), 1);
  EXPECT_NEAR(mo.tf, 2 * std::sqrt(0.05), 1e-3);
  EXPECT_NEAR(mo.Y[mo.nf][0], 0.4, 1e-3);
  EXPECT_NEAR(mo.Y[mo.nf][1], 0.0, 1e-9);
  expect_rebuilt_properties(*w);
  expect_switches_reproduced(before, mo, 1e-6, 1.5e-4);
  // No motion within the limits is faster than the optimal one.
  EXPECT_GE(mo.Tn, mo.tf);
}

TEST(Calcp, DefaultScaraTrajectory) {
  auto w = std::make_unique<World>();
  ASSERT_EQ(default_landed_trajectory(*w), 1);
  Motion& mo = w->mo;
  EXPECT_NEAR(mo.chn[1].t, 0.80, 0.01);  // the switch to deceleration
  const Motion before = mo;
  ASSERT_EQ(calcp(w->st, w->cv, w->rhs, mo), 1);
  expect_rebuilt_properties(*w);
  // The landing point is a chord point of the construction's polyline: the
  // re-integration passes it within the chord's sag.
  expect_switches_reproduced(before, mo, 2e-3, 2e-3);
  EXPECT_NEAR(mo.tf, before.tf, 1e-9);  // the segment times add up again
  EXPECT_NEAR(mo.Y[mo.nf][0], w->st.sf_now(), 2e-3);
  EXPECT_GE(mo.Tn, mo.tf);
}

TEST(Calcp, NoSegmentsLeaveStepZeroOnly) {
  auto w = prepared_centred_arc(0.5, 0.4);
  ASSERT_TRUE(w);
  ASSERT_EQ(calcp(w->st, w->cv, w->rhs, w->mo), 1);
  EXPECT_EQ(w->mo.nf, 0);
  EXPECT_EQ(w->mo.Y[0], (Vec2{0, 0}));
  EXPECT_GT(w->mo.nn, 0);  // the reference motion is still computed
  EXPECT_GT(w->mo.Tn, 0);
}

// (0.0999999 + 1e-6) / 0.01 truncates to 10 steps of 0.00999999 s; a segment
// below dt0 gets none, but the torque choice still flips.
TEST(Calcp, StepsPerSegment) {
  auto w = prepared_centred_arc(0.5, 0.4);
  ASSERT_TRUE(w);
  Motion& mo = w->mo;
  mo.NCHN = 2;
  mo.chn[1] = {0.0999999, 0, 0, {0, 0}};
  mo.chn[2] = {0.1049999, 0, 0, {0, 0}};
  ASSERT_EQ(calcp(w->st, w->cv, w->rhs, mo), 1);
  EXPECT_EQ(mo.nf, 10);
  EXPECT_NEAR(mo.dt, 0.00999999, 1e-15);
  EXPECT_NEAR(mo.tt[10], 0.0999999, 1e-12);
  EXPECT_EQ(mo.chn[2].t, mo.chn[1].t);  // no step: the time stands
  EXPECT_EQ(mo.torque_sel, +1);         // flipped twice
}

TEST(Calcp, TooManyStepsStopWithAMessage) {
  auto w = prepared_centred_arc(0.5, 0.4);
  ASSERT_TRUE(w);
  Motion& mo = w->mo;
  mo.NCHN = 2;
  mo.chn[1] = {0.02, 0, 0, {0, 0}};
  mo.chn[2] = {20.05, 0, 0, {0, 0}};  // 2003 steps in the second segment
  ConsoleCapture con;
  EXPECT_EQ(calcp(w->st, w->cv, w->rhs, mo), 0);
  EXPECT_EQ(con.text(), "\ncalcp() ステップ数が上限2000を超える i=2 t=20.05000");
  EXPECT_EQ(mo.nf, 2);  // the first segment was built
}

TEST(Calcp, LimitBrokenInASubStepWaitsForAKey) {
  // Accelerating from rest for 0.5 s runs into the rate cap sd = 2 at 0.25 s,
  // where joint 2 goes over its limit.
  auto w = prepared_centred_arc(0.5, PI);
  ASSERT_TRUE(w);
  Motion& mo = w->mo;
  mo.NCHN = 1;
  mo.chn[1] = {0.5, 1.0, 4.0, {0, 0}};
  ConsoleCapture con("xy");
  EXPECT_EQ(calcp(w->st, w->cv, w->rhs, mo), 0);
  const std::string text = con.text();
  EXPECT_EQ(text.rfind("\ncalcp() t1=", 0), 0u) << text;
  EXPECT_NE(text.find(" P[]=("), std::string::npos);
  EXPECT_GE(mo.nf, 24);
  EXPECT_LE(mo.nf, 25);
  EXPECT_EQ(con_key(), 'y');  // exactly one key was taken
}

}  // namespace
