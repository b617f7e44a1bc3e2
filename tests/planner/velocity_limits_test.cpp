// Speed limits in the optimum, the reference motion and the hand-built motion,
// against closed forms of robot 'a' on a centred arc and on a radial line.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "batch/runner.h"
#include "console/summary.h"
#include "draw/texts.h"
#include "interaction/frame.h"
#include "model/ceiling.h"
#include "model/kinematics.h"
#include "model/paths.h"
#include "planner/optimum.h"
#include "planner/prepare.h"
#include "plots/phase_plane.h"
#include "support/console_capture.h"
#include "support/recorder.h"
#include "support/trajectory.h"
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

// The window's keys through the runner on the arc with joint 1 limited to 1 rad/s: ceiling
// reached at t = 1 / 8, i.e. after 12.5 steps. The 13th step ends above it; 'l' from step 12
// follows it, 'f' steps on along it and lands; the goal time is pi + 1/8 like the optimum's.
TEST(VelocityLimits, KeyLFollowsTheCeilingAndTheReportSaysSo) {
  struct Case { const char* what; double v1; std::string keys; const char* notice; bool failed, obtained; };
  // The obtained motion is replayed to its end, which the last frame notes.
  const std::string s12(12, 's');
  const Case cases[] = {
      {"the 13th step ends above the ceiling", 1.0, s12 + "s", nullptr, true, false},
      {"no limit: 'l' only tells", 0, s12 + "l", kNoticeNoSpeedLimit, false, false},
      {"far below the ceiling", 1.0, "sss" "l", kNoticeNotAtCeiling, false, false},
      {"along the ceiling, landed", 1.0, s12 + "l" + std::string(400, 'f') + std::string(400, 's'), kNoticeReplayEnd, false, true},
  };
  FILE* msg = std::fopen("/dev/null", "w");
  for (const Case& c : cases) {
    auto w = prepared_centred_arc(0.5, PI);
    w->st.vmax = {c.v1, 0};
    ASSERT_EQ(prepare_motion(*w), Prepared::Ready);
    ConsoleCapture con;
    size_t next = 0;
    FrameView shown;
    const std::string keys = c.keys;
    run_batch_keys(*w, [&] { return next < keys.size() ? static_cast<unsigned char>(keys[next++]) : EOF; }, msg, &shown);
    const Motion& mo = w->mo;
    EXPECT_EQ(shown.notice == nullptr ? std::string() : std::string(shown.notice),
              c.notice == nullptr ? std::string() : std::string(c.notice)) << c.what;
    EXPECT_EQ(shown.step_failed, c.failed) << c.what;
    EXPECT_EQ(mo.traj_state == TrajState::Obtained, c.obtained) << c.what;
    if (c.notice && !c.obtained) {  // nothing changed by the refused 'l'
      EXPECT_EQ(mo.NCHN, 0) << c.what; EXPECT_EQ(mo.istep, static_cast<int>(keys.size()) - 1) << c.what;
    }
    // The look-ahead of full acceleration ends at its first point above the ceiling.
    for (int k = 1; c.v1 > 0 && k < w->fr.n_keep; ++k) ASSERT_LE(w->fr.look_keep[k - 1][1], 1 + 1e-6) << c.what << k;
    {  // the ceiling, lower than the acceleration limit (2) all along, is drawn in magenta
      Recorder rec;
      plot_boundary(w->pic, mo, w->cv, colour::black);
      EXPECT_EQ(rec.of(DrawCall::ThickLine, &colour::magenta).size(), c.v1 > 0 ? size_t(w->cv.nbnd) : 0u);
    }
    if (!c.obtained) continue;
    print_settings(w->st);
    const std::string out = con.text();
    EXPECT_NE(out.find("\nt1 から関節1の速度上限に沿う"), std::string::npos) << out;
    EXPECT_NE(out.find("(v1max,v2max)=( 1.00  0.00)"), std::string::npos) << out;
    NumberText panel;
    format_speed_limits(panel, w->st);
    EXPECT_STREQ(panel, "(1.00, -) Vhand=-[m/s]\n");
    EXPECT_NEAR(mo.tf, PI + 0.125, 1e-4);
    EXPECT_GE(mo.tf, compute_optimum(w->st).T - 5e-4);
    int on = 0;
    for (int k = 0; k <= mo.nf; ++k) {
      ASSERT_LE(mo.Y[k][1], 1 + 1e-6) << "k=" << k;
      on += std::fabs(mo.Y[k][1] - 1) < 1e-9;
    }
    EXPECT_GT(on, 290);  // (pi - 1/8) s along the ceiling, in steps of dt0
    for (int k = 0; k <= mo.nn; ++k) ASSERT_LE(mo.Yn[k][1], 1 + 1e-9) << "reference, k=" << k;
    for (int i = 0; i <= w->cv.nbnd; ++i) {
      EXPECT_NEAR(w->cv.bnd[i][1], 1, 1e-9); EXPECT_TRUE(w->cv.bnd_ceiling[i]);
    }
  }
  std::fclose(msg);
}

}  // namespace
}  // namespace cpt
