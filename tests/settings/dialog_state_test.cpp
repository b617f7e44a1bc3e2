// What a successful pass leaves behind: a motion at rest at the start of
// the path, the view scales for the path length, the prepared curves.
#include <gtest/gtest.h>

#include <cmath>

#include "model/kinematics.h"
#include "model/rhs.h"
#include "settings/dialog.h"
#include "settings/dialog_texts.h"
#include "support/world.h"

namespace {

// A motion as a finished replay leaves it.
void dirty_motion(World& w) {
  Motion& mo = w.mo;
  mo.istep = 55;
  mo.t = 3.5;
  mo.dt = dt0 / NDIV;
  mo.torque_sel = -1;
  mo.NCHN = 4;
  mo.nf = 120;
  mo.traj_state = 'e';
  mo.final_state = 'f';
  mo.chn_step[0] = 9;
  mo.chn[0] = SwitchRecord{1, 2, 3, {4, 5}};
  for (int i = 0; i < NSTEP; ++i) {
    mo.tt[i] = i * 0.01;
    mo.Y[i] = {1.0 + i, 2.0};
    mo.A[i] = AccRecord{7, {8, 9}};
  }
  w.pic.zoom = 2.5;
  w.pic.pp_zoom = 7;
}

TEST(DialogState, MotionResetAfterAPass) {
  auto w = default_world();
  dirty_motion(*w);
  const DialogRun r = run_dialog(*w, 'k', "1\n0.2 0.2 0.5 90\n");
  ASSERT_EQ(r.result, 1);
  const Motion& mo = w->mo;
  EXPECT_EQ(mo.istep, 0);
  EXPECT_EQ(mo.t, 0.0);
  EXPECT_EQ(mo.dt, dt0);
  EXPECT_EQ(mo.torque_sel, 1);
  EXPECT_EQ(mo.NCHN, 0);
  EXPECT_EQ(mo.nf, 0);
  EXPECT_EQ(mo.traj_state, '0');
  EXPECT_EQ(mo.final_state, '0');
  EXPECT_EQ(mo.chn_step[0], 0);
  EXPECT_EQ(mo.chn[0].t, 0.0);
  EXPECT_EQ(mo.chn[0].s, 0.0);
  EXPECT_EQ(mo.chn[0].sd, 0.0);
  for (int i = 0; i < NSTEP; ++i) {
    ASSERT_EQ(mo.tt[i], 0.0) << i;
    ASSERT_EQ(mo.Y[i], (Vec2{0, 0})) << i;
    if (i > 0) {
      ASSERT_EQ(mo.A[i].sdd, 0.0) << i;
      ASSERT_EQ(mo.A[i].acc, (std::array<double, 2>{0, 0})) << i;
    }
  }
  // A[0]: maximum acceleration at rest at the start, as f gives it from the
  // start joint values; the first switching record carries its joint part.
  RhsState fresh;
  AccRecord rec;
  int ok = 0;
  const double y[2] = {0, 0};
  f(w->st, fresh, 1, 1, 0.0, y, rec, ok);
  ASSERT_EQ(ok, 1);
  EXPECT_GT(rec.sdd, 0);
  EXPECT_EQ(mo.A[0].sdd, rec.sdd);
  EXPECT_EQ(mo.A[0].acc, rec.acc);
  EXPECT_EQ(mo.chn[0].acc, rec.acc);
  EXPECT_EQ(w->pic.zoom, 1.0);
}

// The arc angle is entered in degrees and printed back as 90.00.
TEST(DialogState, ArcAngleInDegrees) {
  auto w = default_world();
  const DialogRun r = run_dialog(*w, 'k', "1\n0.2 0.2 0.5 90\n");
  ASSERT_EQ(r.result, 1);
  EXPECT_EQ(w->st.sf[1], 90 * DEG2RAD);
  EXPECT_NE(r.out.find("円弧角= 90.00[deg]"), std::string::npos);
  EXPECT_NE(r.out.find("円弧角θ= 90.0[deg]"), std::string::npos);
}

// pp_zoom by the length of s: 2.0 below 1.01, 0.4 above 1.99, 1.0 between.
TEST(DialogState, PhasePlaneScaleByPathLength) {
  struct Case {
    const char* input;
    double pp_zoom;
  };
  for (const Case& c : {Case{"7\n-0.4 0.1 1.0 0\n", 2.0}, Case{"7\n-0.4 0.1 1.01 0\n", 1.0},
                        Case{"7\n-0.4 0.1 1.5 0\n", 1.0}, Case{"7\n-0.4 0.1 1.99 0\n", 1.0},
                        Case{"1\n0.2 0.2 0.5 180\n", 0.4}}) {
    auto w = default_world('a');
    w->pic.pp_zoom = 5;
    const DialogRun r = run_dialog(*w, 'k', c.input);
    ASSERT_EQ(r.result, 1) << c.input;
    EXPECT_EQ(w->pic.pp_zoom, c.pp_zoom) << c.input;
    EXPECT_EQ(w->pic.zoom, 1.0);
  }
}

// The start joint values, the end point and the boundary are computed for
// the path just set.
TEST(DialogState, PreparedForTheNewPath) {
  auto w = default_world();
  const DialogRun r = run_dialog(*w, 'k', "6\n-0.3 0.1 0.6 0.3\n");
  ASSERT_EQ(r.result, 1);
  const Settings& st = w->st;
  const Vec2 p = forward(st, st.fi0b[6]);
  EXPECT_NEAR(p[0], -0.3, 1e-12);
  EXPECT_NEAR(p[1], 0.1, 1e-12);
  EXPECT_NEAR(st.Pf[6][0], 0.3, 1e-12);
  EXPECT_NEAR(st.Pf[6][1], 0.4, 1e-12);
  EXPECT_GE(w->cv.nbnd, 400);
  EXPECT_GE(w->cv.bnd[w->cv.nbnd][0], st.sf[6] - 1e-12);
  EXPECT_GT(w->cv.n_curve_start, 0);
  EXPECT_GT(w->cv.Dmax00[1][6], 0);
}

// New arm lengths: the drawn links follow, link 2 shorter by the hand.
TEST(DialogState, DrawnLinksAfterNewArmLengths) {
  auto w = default_world();
  ASSERT_EQ(run_dialog(*w, '0', "y b\n0.7 0.45\nn n").result, 1);
  EXPECT_EQ(w->pic.link1_draw, 0.7);
  EXPECT_DOUBLE_EQ(w->pic.link2_draw, 0.45 - 0.12);
}

// The dialog can be opened again at any time; each pass starts from the
// settings the last one left.
TEST(DialogState, OpenedAgain) {
  auto w = default_world();
  ASSERT_EQ(run_dialog(*w, 'u', "3 1.5\nn").result, 1);
  const DialogRun r = run_dialog(*w, 'u', "2.5 2.5\nn");
  ASSERT_EQ(r.result, 1);
  EXPECT_NE(r.out.find("旧amax(x,y)＝(  3.00   1.50)"), std::string::npos);
  EXPECT_EQ(w->st.a1max, 2.5);
}

}  // namespace
