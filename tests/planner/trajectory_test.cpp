// The hand-built trajectory: landing, calcp's rebuild and the reference motion on centred arcs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "model/coeffs.h"
#include "planner/calcp.h"
#include "planner/landing.h"
#include "planner/prepare.h"
#include "planner/reference.h"
#include "support/console_capture.h"
#include "support/trajectory.h"
#include "support/world.h"

namespace cpt {

// Robot 'a' on a centred arc, R = 0.5, sf = 0.4, limits 2: sdd = +-a1max / R^2 = +-8,
// the end curve is sd^2 = 16 (0.4 - s), the rate cap sqrt(a2max / R) = 2 is not met.
constexpr double R = 0.5, SF = 0.4;

// Bang-bang, switching at sf / 2 on the end curve: tf = 2 sqrt(sf R^2 / a1max). 1e-3
// covers the chords' sag; the end interpolated over one step sags <= 8 dt0^2 / 8.
TEST(Trajectory, BangBangOnAShortCentredArc) {
  auto w = prepared_centred_arc(R, SF);
  Motion& mo = w->d.mo;
  while (mo.Y[mo.istep][0] < SF / 2) ASSERT_EQ(construction_step(*w), 1);
  ASSERT_EQ(press_f(*w), 1);
  const SwitchRecord& land = mo.chn[1];
  EXPECT_NEAR(land.sd * land.sd, 16 * (SF - land.s), 1e-3);
  EXPECT_NEAR(land.s, SF / 2, 1e-3);
  EXPECT_NEAR(land.acc[0], -2.0, 1e-9);  // decelerating from the landing on
  EXPECT_NEAR(mo.Y[mo.nf][0], SF, 1e-4); EXPECT_NEAR(mo.Y[mo.nf][1], 0.0, 1e-9);
  ASSERT_EQ(calcp(w->con, w->m, w->cv, w->d.rhs, mo), 1);
  EXPECT_NEAR(mo.tf, 2 * std::sqrt(SF * R * R / 2), 1e-3);
  EXPECT_GE(mo.Tn, mo.tf);  // the reference motion is no faster
  EXPECT_NEAR(shortest_time_bound(w->m, w->cv), 2 * std::sqrt(SF * R * R / 2), 2 * dt_curve);
}

// Steps 0..K-1 at (0, 1), step K at (s_end, 1), landed from step K with its record at m. The crossing (sd = 1,
// s = 0.4 - 1/16) is timed with its own step dt0, not the current dt0 / NDIV; the descent takes 13 steps
// (0.125 s at -8). A refused landing leaves the motion and f's memory as they were.
TEST(LandFinal, MadeUpHistories) {
  struct Case { const char* what; int K; double s_end; int m; Landing result; const char* message; };
  for (const Case& c : {Case{"lands, the end in chn[48]", 100, SF, NREC - 3, Landing::Landed, ""},
                        Case{"short of the end curve", 5, 0.1, 1, Landing::NoCrossing, ""},
                        Case{"after an odd number of switchings", 100, SF, 2, Landing::Decelerating, ""},
                        Case{"13 steps from 1995 pass 2000", 1995, SF, 1, Landing::TooLong,
                             "land_final() ステップ数が上限2000を超える"},
                        Case{"end record would need chn[50]", 100, SF, NREC - 1, Landing::TooLong,
                             "land_final() 切り替え記録が上限49を超える"}}) {
    SCOPED_TRACE(c.what);
    auto w = prepared_centred_arc(R, SF);
    Motion& mo = w->d.mo;
    for (int k = 0; k <= c.K; ++k) mo.tt[k] = k * dt0, mo.Y[k] = {k == c.K ? c.s_end : 0.0, 1.0};
    mo.NCHN = c.m - 1, mo.dt = dt0 / NDIV;  // the records before it; the step after 't'
    const Motion b = mo;  const RhsState rs = w->d.rhs;
    ConsoleCapture con(w->con);
    ASSERT_EQ(land_final(w->con, w->m, w->d.rhs, w->cv, mo, c.K), c.result);
    EXPECT_NE(con.text().find(c.message), std::string::npos) << con.text();
    if (c.result == Landing::Landed) {
      EXPECT_NEAR(mo.chn[c.m].t, mo.tt[99] + (SF - 1.0 / 16) / SF * dt0, 1e-5);
      EXPECT_EQ(mo.NCHN, c.m + 1); EXPECT_EQ(mo.nf, 113);
      continue;
    }
    EXPECT_EQ(std::memcmp(&mo, &b, sizeof b), 0) << "the motion changed";
    EXPECT_EQ(std::memcmp(&w->d.rhs, &rs, sizeof rs), 0) << "f's memory changed";
  }
}

// Records: 2 + 1999 steps pass 2000; 0.5 s accelerating breaks joint 2 at the cap
// (sd = 2, 0.25 s); records out of order; 0.1 s accelerating recorded as the end.
TEST(Calcp, FaultsStopWithAMessage) {
  auto w = prepared_centred_arc(R, SF);
  Motion& mo = w->d.mo;
  ConsoleCapture con(w->con);
  const auto fails = [&](int nchn, SwitchRecord c1, SwitchRecord c2, const char* message) {
    mo.NCHN = nchn, mo.chn[1] = c1, mo.chn[2] = c2;
    EXPECT_EQ(calcp(w->con, w->m, w->cv, w->d.rhs, mo), 0) << message;
    const std::string out = con.take();
    EXPECT_NE(out.find(message), std::string::npos) << out;
  };
  fails(2, {0.02, 0, 0, {0, 0}}, {20.01, 0, 0, {0, 0}}, "\ncalcp() ステップ数が上限2000を超える i=2 t=20.01000");
  EXPECT_EQ(mo.nf, 2);  // the first segment was built
  fails(1, {0.5, 1.0, 4.0, {0, 0}}, {}, "\ncalcp() t1=");
  EXPECT_NEAR(mo.nf, 24.5, 0.5);
  mo.chn[0].t = 0.3;
  fails(1, {0.2, 0.1, 1.0, {0, 0}}, {}, "切り替え記録の時刻が逆順");
  mo.chn[0] = {0, 0, 0, {0, 0}};
  fails(1, {0.1, 0, 0, {0, 0}}, {}, "終点で静止しない");
}

// Centred arc, R = 0.5, sf = 0.2 (true D00 = 0.25, D10 = 0): a = min(a1max / Dmax00,
// a2max / Dmax10), a zero maximum setting no bound, breaks no limit. No cruise:
// s = a t^2 / 2 up to Tn / 2 = sqrt(sf / a) (a = 2: Tn = 0.6325), then mirrored.
// Short grids go on by dt0 to Tn, never past index 2000; past Tn the end holds.
TEST(ReferenceMotion, AccelerationFromTheLimitsAndGrid) {
  struct Case { double d00, d10, a; int nf; double step; };
  for (const Case& c : {Case{0.5, 1, 2, 20, dt0}, Case{0.5, 0, 4, 20, dt0}, Case{1, 0.5, 2, 1990, 1e-4}}) {
    SCOPED_TRACE(::testing::Message() << "Dmax " << c.d00 << ", " << c.d10 << "; nf " << c.nf);
    auto w = prepared_centred_arc(R, 0.2);
    w->cv.Dmax00 = c.d00;
    w->cv.Dmax10 = c.d10;
    Motion& mo = w->d.mo;
    for (int k = 0; k <= c.nf; ++k) mo.tt[k] = k * c.step;
    mo.nf = c.nf;
    ConsoleCapture con(w->con);
    reference_motion(w->con, w->m, w->cv, mo);
    const double Tn = 2 * std::sqrt(0.2 / c.a);
    EXPECT_NEAR(mo.Tn, Tn, 1e-12);
    EXPECT_NEAR(mo.tt[mo.nn], std::max(Tn, c.nf * c.step), 1e-12);
    EXPECT_TRUE(mo.tt[mo.nn - 1] + dt0 > Tn || mo.nn == NTAB - 1) << mo.nn;
    for (int k = 1; k <= mo.nn; ++k) {
      const double t = mo.tt[k], r = std::max(Tn - t, 0.0);
      if (k > c.nf && k < mo.nn) { ASSERT_NEAR(t - mo.tt[k - 1], dt0, 1e-12) << "step " << k; }
      ASSERT_NEAR(mo.Yn[k][0], t < Tn / 2 ? c.a * t * t / 2 : 0.2 - c.a * r * r / 2, 1e-12) << k;
      ASSERT_NEAR(mo.Yn[k][1], c.a * std::min(t, r), 1e-12) << "step " << k;
    }
  }
}

// a2max = 0 and Dmax10 = 0: joint 2 bounds no a, yet every moving step needs
// -R sd^2 from it. The reduction must stop after its bound of rounds.
TEST(ReferenceMotion, ReductionRoundsAreBounded) {
  auto w = prepared_centred_arc(R, PI);
  w->pb.a2max = 0, rebuild_model(*w);
  w->cv.Dmax10 = 0;
  for (int k = 0; k <= 20; ++k) w->d.mo.tt[k] = k * dt0;
  w->d.mo.nf = 20;
  ConsoleCapture con(w->con);
  reference_motion(w->con, w->m, w->cv, w->d.mo);
  EXPECT_NE(con.text().find("基準CP運動 加速度の縮小が1000回で終わらない"), std::string::npos);
  EXPECT_EQ(w->d.mo.Yn[w->d.mo.nn], (Vec2{PI, 0}));
}

}  // namespace cpt
