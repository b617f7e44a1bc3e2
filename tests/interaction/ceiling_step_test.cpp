// A construction step along a speed limit of robot 'a' on a straight line.
#include <gtest/gtest.h>

#include <cmath>

#include "interaction/frame.h"
#include "planner/prepare.h"
#include "support/world.h"

namespace cpt {
namespace {

// Robot 'a' on the line y = 0.1 from x = -0.4 (s = x + 0.4), joint 1 limited to 1 rad/s:
// its rate is 0.1 sd / r^2, so the ceiling is c = 10 r^2. Following it needs sdd = c c',
// with c' = 20 (s - 0.4): -6 at s = 0.1, which joint 2 (a_2 = J^T p' sdd = cos(q1) sdd,
// cos(q1) = -0.95) cannot give; about 0 at s = 0.4, where a step of dt0 advances about
// c dt0 = 0.001 along c, and joint 1 needs a_1 = -y sdd = -0.1 c c'.
TEST(VelocityLimits, StepsAlongTheCeiling) {
  struct Case { double s0; StepOutcome out; };
  const auto c = [](double s) { return 10 * ((s - 0.4) * (s - 0.4) + 0.01); };
  for (const Case& k : {Case{0.1, StepOutcome::Steep}, Case{0.4, StepOutcome::Done}}) {
    auto w = default_world(Robot::Cylindrical, PathType::Line);
    w->st.vmax = {1, 0};
    ASSERT_EQ(prepare_motion(*w), Prepared::Ready);
    Motion& mo = w->mo;
    mo.Y[0] = {k.s0, c(k.s0)}, mo.t = 0.5, mo.ceiling = SpeedLimit::Joint1;
    EXPECT_EQ(construction_step(w->st, w->rhs, mo, w->fr.acc_now), k.out) << k.s0;
    if (k.out != StepOutcome::Done) {
      EXPECT_EQ(mo.istep, 0);
      continue;
    }
    EXPECT_EQ(mo.istep, 1); EXPECT_NEAR(mo.Y[1][0], k.s0 + c(k.s0) * dt0, 1e-6);
    EXPECT_NEAR(mo.Y[1][1], c(mo.Y[1][0]), 1e-9);
    EXPECT_NEAR(mo.A[1].acc[0], -0.1 * c(mo.Y[1][0]) * 20 * (mo.Y[1][0] - 0.4), 1e-8);
  }
}

}  // namespace
}  // namespace cpt
