// Speed limits in the optimum against closed forms of robot 'a' on a centred arc and on a
// radial waypoint line, and on curved paths against the limits themselves. (Steps along a
// limit: tests/interaction/interaction_test.cpp; the 'l' key: tests/batch/speed_limit_keys_test.cpp.)
#include <gtest/gtest.h>

#include <cmath>

#include "model/ceiling.h"
#include "model/paths.h"
#include "planner/optimum.h"
#include "support/world.h"

namespace cpt {
namespace {

// Rest to rest over length L at path acceleration a under the rate cap v:
// a trapezoid L / v + v / a when the cap is reached (L > v^2 / a), else a triangle.
double capped_time(double L, double a, double v) { return L > v * v / a ? L / v + v / a : 2 * std::sqrt(L / a); }

// Robot 'a', a1max = a2max = 2. Centred arc, R = 0.5, angle pi: s is the angle of joint 1,
// sdd <= a1max / R^2 = 8, the acceleration limit sd <= sqrt(a2max / R) = 2, the hand speed
// R sd; the radial joint does not move. Radial waypoint line from (0.1, 0) along x, length 0.8:
// only joint 2 moves, sdd <= a2max = 2, hand speed = sd, no acceleration limit of sd.
TEST(VelocityLimits, OptimumIsTheCappedTrapezoid) {
  struct Case { const char* what; bool arc; double v1, v2, vtool, L, a, cap; };
  const double R = 0.5;
  const Case cases[] = {
      {"arc, joint 1 at 1 rad/s", true, 1.0, 0, 0, PI, 8, 1.0},
      {"arc, joint 1 above the acceleration limit: slides at 2", true, 3.0, 0, 0, PI, 8, 2.0},
      {"arc, the radial joint's limit never binds", true, 0, 0.01, 0, PI, 8, 2.0},
      {"arc, hand at 0.25 m/s: sd <= 0.5", true, 0, 0, 0.25, PI, 8, 0.5},
      {"line, hand at 0.5 m/s: trapezoid", false, 0, 0, 0.5, 0.8, 2, 0.5},
      {"line, hand at 1.5 m/s: triangle", false, 0, 0, 1.5, 0.8, 2, 1.5},
      {"line, joint 2 at 0.4 m/s", false, 0, 0.4, 0, 0.8, 2, 0.4},
  };
  for (const Case& c : cases) {
    auto w = default_world(Robot::Cylindrical);
    Settings& st = w->st;
    if (c.arc) {
      use_centred_arc(*w, R, PI);
    } else {
      use_waypoints(*w, {{0.1, 0}, {0.13, 0}, {0.45, 0}, {0.5, 0}, {0.1 + c.L, 0}});  // unevenly spaced, straight
    }
    st.vmax = {c.v1, c.v2}, st.vtool = c.vtool;
    const Optimum o = compute_optimum(st);
    ASSERT_TRUE(o.ok) << c.what << ": " << o.reason;
    EXPECT_NEAR(o.T, capped_time(c.L, c.a, c.cap), 1e-6) << c.what;
    for (const OptimumSample& m : o.motion) ASSERT_LE(m.sd, c.cap * (1 + 1e-6)) << c.what << " t=" << m.t;
  }
}

// On curved paths of robot 'b', and on robot 'a''s line past the base (a ceiling of joint 1
// that falls and rises steeper than the joint limits can follow), every sample of the optimum
// keeps the ceiling and the joint limits, and the limits make it slower than without them.
TEST(VelocityLimits, OptimumOnCurvedPathsKeepsEveryLimit) {
  struct Case { Robot robot; PathType type; double v1, v2, vtool; };
  const Case cases[] = {{Robot::Scara, PathType::Arc, 1.2, 1.5, 0}, {Robot::Scara, PathType::Sine, 0, 2.0, 0.6},
                        {Robot::Scara, PathType::CycloidCam, 1.5, 0, 0.5}, {Robot::Scara, PathType::UShape, 0, 0, 0.4},
                        {Robot::Cylindrical, PathType::Line, 1.0, 0, 0}};
  for (const Case& c : cases) {
    auto w = default_world(c.robot, c.type);
    Settings& st = w->st;
    const Optimum free = compute_optimum(st);
    st.vmax = {c.v1, c.v2}, st.vtool = c.vtool;
    const Optimum o = compute_optimum(st);
    ASSERT_TRUE(free.ok && o.ok) << c.type << o.reason;
    EXPECT_GT(o.T, free.T + 1e-3) << c.type;
    Vec2 ref = st.fi0();
    for (const OptimumSample& m : o.motion) {
      Ceiling cl;
      Vec2 fi;
      ASSERT_TRUE(ceiling_at(st, m.s, ref, fi, cl));
      ref = fi;
      ASSERT_LE(m.sd, cl.sd * (1 + 1e-4)) << c.type << " t=" << m.t;
      ASSERT_LE(std::fabs(m.acc[0]), st.a1max * (1 + 1e-3)) << c.type << " t=" << m.t;
      ASSERT_LE(std::fabs(m.acc[1]), st.a2max * (1 + 1e-3)) << c.type << " t=" << m.t;
    }
  }
}

}  // namespace
}  // namespace cpt
