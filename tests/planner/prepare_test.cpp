#include <gtest/gtest.h>

#include <cmath>

#include "model/kinematics.h"
#include "model/paths.h"
#include "planner/prepare.h"
#include "support/console_capture.h"
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

// Robot 'a' on an arc about its base, short enough for bang-bang: the start
// curve is sd^2 = 2 alpha s (alpha = a1max / R^2), which reaches sf / 2 after
// sqrt(sf / alpha); with the mirrored end curve the bound is the optimum
// 2 sqrt(sf / alpha), to a step of the curves. Settings whose motion the
// 10 ms step cannot resolve, or whose values overflow, are refused.
TEST(Prepare, TimeBoundAndRefusals) {
  auto w = default_world(Robot::Cylindrical);
  use_centred_arc(*w, 0.5, 0.4);
  ASSERT_EQ(prepare_motion(*w), Prepared::Ready);
  EXPECT_NEAR(shortest_time_bound(w->st, w->cv), 2 * std::sqrt(0.4 / (2 / 0.25)), 2 * dt_curve);

  struct Case { const char* what; void (*set)(Settings&); Prepared result; };
  for (const Case& c : {
           Case{"radius 1e-6 m", [](Settings& st) { st.arc_R = 1e-6; }, Prepared::TooFast},
           Case{"limits 1e308", [](Settings& st) { st.a1max = st.a2max = 1e308; }, Prepared::NotFinite},
           Case{"limits 1e6", [](Settings& st) { st.a1max = st.a2max = 1e6; }, Prepared::TooFast},
           Case{"sine wavelength 1e-300",
                [](Settings& st) { st.cptype = PathType::Sine; st.sinL = 1e-300; }, Prepared::NotFinite},
           Case{"cam stroke 1e-300",
                [](Settings& st) { st.cptype = PathType::AccCam; st.cam_L = 1e-300; }, Prepared::NotFinite}}) {
    auto v = default_world();
    c.set(v->st);
    update_path_derived(v->st, v->st.cptype);
    cpcurve(v->st, v->st.sf_now(), v->st.Pf[v->st.cptype]);
    ConsoleCapture con;
    EXPECT_EQ(prepare_motion(*v), c.result) << c.what;
    EXPECT_EQ(con.text().find("nan"), std::string::npos) << c.what << con.text();
  }
}

}  // namespace

}  // namespace cpt
