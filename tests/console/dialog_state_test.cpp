// What a finished pass leaves behind.
#include <gtest/gtest.h>

#include "model/kinematics.h"
#include "console/dialog_texts.h"
#include "support/world.h"

namespace cpt {

namespace {

// Catches a reset that forgets a field of the motion a finished replay left,
// an A[0] not recomputed (maximum acceleration at rest, > 0), and start joint
// values, boundary, extremal curves or maxima left from the old path.
TEST(DialogState, MotionResetAndNewPathPrepared) {
  auto w = default_world();
  Motion& mo = w->mo;
  mo.istep = 55, mo.t = 3.5, mo.dt = dt0 / NDIV, mo.torque_sel = -1, mo.NCHN = 4, mo.nf = 120;
  mo.Tn = 1.86, mo.nn = 186, mo.NCT = 4;
  mo.traj_state = TrajState::Obtained, mo.final_state = FinalState::Walking, mo.chn_step[0] = 9, mo.chn[0] = {1, 2, 3, {4, 5}};
  for (int i = 0; i < NSTEP; ++i) mo.tt[i] = 1, mo.Y[i] = {1, 2}, mo.A[i] = {7, {8, 9}};
  w->pic.zoom = 2.5;
  ASSERT_EQ(run_dialog(*w, 'k', "6\n-0.3 0.1 0.6 0.3\n").result, 1);
  EXPECT_TRUE(mo.istep == 0 && mo.NCHN == 0 && mo.nf == 0 && mo.chn_step[0] == 0);
  EXPECT_TRUE(mo.Tn == 0 && mo.nn == 0 && mo.NCT == 0);  // no stale normal CP time
  EXPECT_TRUE(mo.t == 0 && mo.dt == dt0 && mo.torque_sel == 1 && w->pic.zoom == 1.0);
  EXPECT_TRUE(mo.traj_state == TrajState::Building && mo.final_state == FinalState::None && mo.chn[0].t == 0 &&
              mo.chn[0].s == 0 && mo.chn[0].sd == 0);
  for (int i = 0; i < NSTEP; ++i)
    ASSERT_TRUE(mo.tt[i] == 0 && mo.Y[i] == Vec2{} &&
                (i == 0 || (mo.A[i].sdd == 0 && mo.A[i].acc == Vec2{}))) << i;
  EXPECT_TRUE(mo.A[0].sdd > 0 && mo.A[0].acc != (Vec2{8, 9}) && mo.chn[0].acc == mo.A[0].acc);
  const Vec2 p = forward(w->st, w->st.fi0b[PathType::CycloidCam]);
  EXPECT_NEAR(p[0], -0.3, 1e-12);
  EXPECT_NEAR(p[1], 0.1, 1e-12);
  EXPECT_GE(w->cv.bnd[w->cv.nbnd][0], w->st.sf[PathType::CycloidCam] - 1e-12);
  EXPECT_TRUE(w->cv.n_curve_start > 0 && w->cv.Dmax00[1][PathType::CycloidCam] > 0);
}

// The arc angle is entered in degrees (sf[PathType::Arc] = θ DEG2RAD); pp_zoom by the
// length of s: 2.0 below 1.01, 0.4 above 1.99, 1.0 between and at the bounds.
TEST(DialogState, PathLengthAndPhasePlaneScale) {
  struct Case { const char* input; PathType c; double sf, pp_zoom; };
  for (const Case& k : {Case{"7\n-.4 .1 1 0\n", PathType::Line, 1, 2}, {"7\n-.4 .1 1.01 0\n", PathType::Line, 1.01, 1},
                        {"7\n-.4 .1 1.99 0\n", PathType::Line, 1.99, 1}, {"1\n0 .2 .5 90\n", PathType::Arc, 90 * DEG2RAD, 1},
                        {"1\n.2 .2 .5 180\n", PathType::Arc, 180 * DEG2RAD, 0.4}}) {
    auto w = default_world(Robot::Cylindrical);
    w->pic.pp_zoom = 5;
    ASSERT_EQ(run_dialog(*w, 'k', k.input).result, 1) << k.input;
    EXPECT_EQ(w->st.sf[k.c], k.sf) << k.input;
    EXPECT_EQ(w->pic.pp_zoom, k.pp_zoom) << k.input;
  }
}

}  // namespace

}  // namespace cpt
