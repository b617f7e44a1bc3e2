#include <gtest/gtest.h>

#include <cmath>

#include "model/kinematics.h"
#include "settings/state.h"
#include "support/world.h"

namespace {

TEST(Defaults, DerivedValuesAndLengths) {
  auto w = default_world();
  const Settings& st = w->st;
  EXPECT_EQ(st.sf[1], PI);
  EXPECT_NEAR(st.sf[1] * RAD2DEG, 180.0, 1e-5);
  EXPECT_NEAR(st.sf[3], 1.4283185, 1e-7);
  EXPECT_NEAR(st.sf[4], 9.4247780, 1e-7);
  EXPECT_EQ(st.sf[2], 1.0);
  EXPECT_EQ(st.sf[5], 0.5);
  EXPECT_EQ(st.sf[6], 0.5);
  EXPECT_EQ(st.sf[7], 0.8);
  EXPECT_DOUBLE_EQ(st.sin_k, 2 * PI);
  EXPECT_DOUBLE_EQ(st.cam_a, 8.0);
  EXPECT_DOUBLE_EQ(st.cyc_c, 4 * PI);
  EXPECT_DOUBLE_EQ(st.cyc_w, 4 * PI);
  for (int c = 1; c <= 7; ++c) EXPECT_EQ(st.s0[c], 0) << c;
  EXPECT_EQ(st.P0[1], (Vec2{0.7, 0.2}));
  EXPECT_DOUBLE_EQ(st.Pf[1][0], -0.3);
  EXPECT_DOUBLE_EQ(st.Pf[1][1], 0.2);
  EXPECT_EQ(st.a1max, 2.0);
  EXPECT_EQ(st.a2max, 2.0);
  EXPECT_EQ(st.robottype, 'b');

  const Picture& p = w->pic;
  EXPECT_DOUBLE_EQ(p.link2_draw, 0.38);
  EXPECT_DOUBLE_EQ(p.link1_draw, 0.5);
  EXPECT_DOUBLE_EQ(p.rod_len, 0.88);
  EXPECT_DOUBLE_EQ(p.rod_w, 0.044);
  EXPECT_DOUBLE_EQ(p.grip_w, 0.12);
  EXPECT_EQ(w->mo.dt, dt0);
}

// The start joint values of every path, for both robots, put the hand on the
// start point, and come from the branch nearest to (0, 0).
TEST(Defaults, StartJointValuesReachTheStartPoints) {
  auto w = default_world();
  Settings& st = w->st;
  for (char r : {'a', 'b'}) {
    st.robottype = r;
    for (int c = 1; c <= 7; ++c) {
      st.cptype = c;
      const Vec2 p = forward(st, st.fi0());
      EXPECT_NEAR(p[0], st.P0[c][0], 1e-12) << r << c;
      EXPECT_NEAR(p[1], st.P0[c][1], 1e-12) << r << c;
      EXPECT_LE(std::fabs(st.fi0()[0]), PI + 1e-9) << r << c;
    }
  }
}

}  // namespace
