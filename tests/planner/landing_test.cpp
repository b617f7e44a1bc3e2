#include "planner/landing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "planner/crossing.h"
#include "support/console_capture.h"
#include "support/trajectory.h"

namespace {

// Robot 'a' on a centred arc of radius 0.5 and angle 0.4 with the default
// limits 2: sdd = +-a1max / R^2 = +-8, the rate cap sqrt(a2max / R) = 2 is
// never met (sd^2 at the midpoint is 2 * 8 * 0.2 = 3.2 < 4), so the optimal
// motion accelerates to the midpoint and decelerates from there.
constexpr double R = 0.5, SF = 0.4, SDD = 2.0 / (R * R);

// Everything land_final may write, compared byte by byte.
void expect_unchanged(const Motion& a, const Motion& b) {
  EXPECT_EQ(a.NCHN, b.NCHN);
  EXPECT_EQ(a.nf, b.nf);
  EXPECT_EQ(a.tf, b.tf);
  EXPECT_EQ(a.t, b.t);
  EXPECT_EQ(a.torque_sel, b.torque_sel);
  EXPECT_EQ(std::memcmp(a.tt.data(), b.tt.data(), sizeof a.tt), 0);
  EXPECT_EQ(std::memcmp(a.Y.data(), b.Y.data(), sizeof a.Y), 0);
  EXPECT_EQ(std::memcmp(a.A.data(), b.A.data(), sizeof a.A), 0);
  EXPECT_EQ(std::memcmp(a.chn.data(), b.chn.data(), sizeof a.chn), 0);
  EXPECT_EQ(std::memcmp(a.chn_step.data(), b.chn_step.data(), sizeof a.chn_step), 0);
}

// The 'f' key's own part: one more record, made at the current step.
void press_f_record(Motion& mo) {
  ++mo.NCHN;
  mo.chn_step[mo.NCHN] = mo.istep;
}

// A made-up history whose segment K-1 -> K is the horizontal (0, 1) -> (sf, 1)
// and crosses the end curve at sd = 1; the steps before it are all (0, 1).
void horizontal_history(Motion& mo, int K) {
  for (int k = 0; k <= K; ++k) {
    mo.tt[k] = k * dt0;
    mo.Y[k] = {k == K ? SF : 0.0, 1.0};
  }
  mo.istep = K;
  mo.t = mo.tt[K];
  press_f_record(mo);
}

TEST(LandFinal, BangBangOnAShortCentredArc) {
  auto w = prepared_centred_arc(R, SF);
  ASSERT_TRUE(w);
  Motion& mo = w->mo;
  while (mo.Y[mo.istep][0] < SF / 2) ASSERT_EQ(construction_step(*w), 1);
  press_f_record(mo);
  ASSERT_EQ(land_final(w->st, w->rhs, w->cv, mo), 1);

  // The landing record lies on the end curve sd^2 = 2 SDD (sf - s), at the
  // midpoint where the two parabolas meet: s = sf / 2, sd^2 = SDD sf. The
  // polylines are chords of the parabolas; 1e-3 covers their sag.
  const SwitchRecord& land = mo.chn[1];
  EXPECT_NEAR(land.sd * land.sd, 2 * SDD * (SF - land.s), 1e-3);
  EXPECT_NEAR(land.s, SF / 2, 1e-3);
  EXPECT_NEAR(land.sd, std::sqrt(SDD * SF), 1e-3);
  EXPECT_NEAR(land.acc[0], -2.0, 1e-9);  // joint 1 at -a1max from here on
  EXPECT_LE(mo.chn_step[1], mo.istep);
  EXPECT_EQ(mo.Y[mo.chn_step[1]], (Vec2{land.s, land.sd}));

  // The end: at rest at sf, up to the linear interpolation over the last
  // step (s sags by at most SDD dt0^2 / 8 = 1e-4; sd is exact for constant sdd).
  EXPECT_EQ(mo.NCHN, 2);
  EXPECT_EQ(mo.chn_step[2], mo.nf);
  EXPECT_NEAR(mo.Y[mo.nf][0], SF, 1e-4);
  EXPECT_NEAR(mo.Y[mo.nf][1], 0.0, 1e-9);
  EXPECT_EQ(mo.chn[2].t, mo.tf);
  EXPECT_EQ(mo.tt[mo.nf], mo.tf);
  EXPECT_EQ(mo.torque_sel, -1);
  // Closed form of the bang-bang time: 2 sqrt(sf / SDD) = 2 sqrt(sf R^2 / a1max).
  EXPECT_NEAR(mo.tf, 2 * std::sqrt(SF / SDD), 1e-3);
  // tf lies within the last step: t - dt0 < tf <= t.
  EXPECT_GT(mo.tf, mo.t - dt0);
  EXPECT_LE(mo.tf, mo.t);
  // The descent runs in steps of dt0; time is monotone.
  for (int k = mo.chn_step[1] + 1; k < mo.nf; ++k) EXPECT_NEAR(mo.tt[k] - mo.tt[k - 1], dt0, 1e-9);
  for (int k = 1; k <= mo.nf; ++k) EXPECT_GE(mo.tt[k], mo.tt[k - 1]);
}

TEST(LandFinal, NotYetAtTheEndCurveChangesNothing) {
  auto w = prepared_centred_arc(R, SF);
  ASSERT_TRUE(w);
  for (int i = 0; i < 3; ++i) ASSERT_EQ(construction_step(*w), 1);
  press_f_record(w->mo);
  const Motion before = w->mo;
  const RhsState rs_before = w->rhs;
  EXPECT_EQ(land_final(w->st, w->rhs, w->cv, w->mo), 0);
  expect_unchanged(w->mo, before);
  EXPECT_EQ(w->rhs.fi_last, rs_before.fi_last);
}

TEST(LandFinal, LandingTimeUsesTheCurrentStepLength) {
  auto w = prepared_centred_arc(R, SF);
  ASSERT_TRUE(w);
  Motion& mo = w->mo;
  horizontal_history(mo, 100);
  mo.dt = dt0 / NDIV;  // after 't'
  Vec2 X;
  int ia, ib;
  double ra, rb;
  ASSERT_EQ(first_crossing(100, mo.Y.data(), w->cv.n_curve_end, w->cv.curve_end.data(), X, ia, ib,
                           ra, rb), 1);
  ASSERT_EQ(land_final(w->st, w->rhs, w->cv, mo), 1);
  EXPECT_EQ(mo.chn[1].t, mo.tt[99] + ra * (dt0 / NDIV));
  // The crossing of sd = 1 with sd^2 = 2 SDD (sf - s).
  EXPECT_NEAR(mo.chn[1].s, SF - 1.0 / (2 * SDD), 1e-3);
  EXPECT_EQ(mo.chn_step[1], 100);
  // From sd = 1 at -8 the descent takes 0.125 s: 13 steps, the last one short.
  EXPECT_EQ(mo.nf, 113);
}

TEST(LandFinal, DescentPastTheLastStepChangesNothing) {
  auto w = prepared_centred_arc(R, SF);
  ASSERT_TRUE(w);
  // As above, but the 13 steps of the descent from index 1995 would pass 2000.
  horizontal_history(w->mo, 1995);
  const Motion before = w->mo;
  const RhsState rs_before = w->rhs;
  ConsoleCapture con;
  EXPECT_EQ(land_final(w->st, w->rhs, w->cv, w->mo), 0);
  expect_unchanged(w->mo, before);
  EXPECT_EQ(w->rhs.fi_last, rs_before.fi_last);
  EXPECT_NE(con.text().find("land_final() ステップ数が上限2000を超える"), std::string::npos);
}

TEST(LandFinal, FullSwitchingTableChangesNothing) {
  auto w = prepared_centred_arc(R, SF);
  ASSERT_TRUE(w);
  Motion& mo = w->mo;
  horizontal_history(mo, 100);
  mo.NCHN = NREC - 1;  // the end record would need chn[50]
  mo.chn_step[mo.NCHN] = 100;
  const Motion before = mo;
  ConsoleCapture con;
  EXPECT_EQ(land_final(w->st, w->rhs, w->cv, mo), 0);
  expect_unchanged(mo, before);
  // One record fewer still fits.
  mo.NCHN = NREC - 2;
  mo.chn_step[mo.NCHN] = 100;
  EXPECT_EQ(land_final(w->st, w->rhs, w->cv, mo), 1);
  EXPECT_EQ(mo.NCHN, NREC - 1);
}

}  // namespace
