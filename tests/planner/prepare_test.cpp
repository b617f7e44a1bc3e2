#include <gtest/gtest.h>

#include <cmath>

#include "model/kinematics.h"
#include "support/world.h"

namespace cpt {

namespace {

// The derived lengths of the default paths, worked out by hand, and the start
// joint values of every path for both robots, which must put the hand on the
// start point and come from the branch nearest to (0, 0).
TEST(Defaults, DerivedLengthsAndStartJointValues) {
  auto w = default_world();
  Settings& st = w->st;
  EXPECT_EQ(st.sf[PathType::Arc], PI);
  EXPECT_NEAR(st.sf[PathType::UShape], 1.4283185, 1e-7);
  EXPECT_NEAR(st.sf[PathType::Slalom], 9.4247780, 1e-7);
  EXPECT_DOUBLE_EQ(st.Pf[PathType::Arc][0], -0.3);
  EXPECT_DOUBLE_EQ(w->pic.link2_draw, 0.38);
  for (const Robot r : {Robot::Cylindrical, Robot::Scara}) {
    st.robottype = r;
    for (const PathType c : kPathTypes) {
      st.cptype = c;
      const Vec2 p = forward(st, st.fi0());
      EXPECT_NEAR(p[0], st.P0[c][0], 1e-12) << r << c;
      EXPECT_NEAR(p[1], st.P0[c][1], 1e-12) << r << c;
      EXPECT_LE(std::fabs(st.fi0()[0]), PI + 1e-9) << r << c;
    }
  }
}

}  // namespace

}  // namespace cpt
