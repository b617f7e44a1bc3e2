#include "planner/reference.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "model/coeffs.h"
#include "support/console_capture.h"
#include "support/trajectory.h"

namespace cpt {

namespace {

// Centred arc, R = 0.5, sf = 0.2 (true D00 = 0.25, D10 = 0): a = min(a1max / Dmax00,
// a2max / Dmax10), a zero maximum setting no bound, breaks no limit. No cruise:
// s = a t^2 / 2 up to Tn / 2 = sqrt(sf / a) (a = 2: Tn = 0.6325), then mirrored.
// Short grids go on by dt0 to Tn, never past index 2000; past Tn the end holds.
TEST(ReferenceMotion, AccelerationFromTheLimitsAndGrid) {
  struct Case { double d00, d10, a; int nf; double step; };
  for (const Case& c : {Case{0.5, 1, 2, 20, dt0}, Case{0.5, 0, 4, 20, dt0}, Case{1, 0.5, 2, 1990, 1e-4}}) {
    SCOPED_TRACE(::testing::Message() << "Dmax " << c.d00 << ", " << c.d10 << "; nf " << c.nf);
    auto w = prepared_centred_arc(0.5, 0.2);
    Dmax00_of(w->cv, w->st) = c.d00;
    Dmax10_of(w->cv, w->st) = c.d10;
    Motion& mo = w->mo;
    for (int k = 0; k <= c.nf; ++k) mo.tt[k] = k * c.step;
    mo.nf = c.nf;
    ConsoleCapture con;
    reference_motion(w->st, w->cv, mo);
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
  auto w = prepared_centred_arc(0.5, PI);
  w->st.a2max = 0;
  Dmax10_of(w->cv, w->st) = 0;
  for (int k = 0; k <= 20; ++k) w->mo.tt[k] = k * dt0;
  w->mo.nf = 20;
  ConsoleCapture con;
  reference_motion(w->st, w->cv, w->mo);
  EXPECT_NE(con.text().find("基準CP運動 加速度の縮小が1000回で終わらない"), std::string::npos);
  EXPECT_EQ(w->mo.Yn[w->mo.nn], (Vec2{PI, 0}));
}

}  // namespace

}  // namespace cpt
