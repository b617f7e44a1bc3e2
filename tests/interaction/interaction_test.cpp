// The window's keys and frames, driven by key strings without a window; the 'o' key's optimum; a step
// along a speed limit.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "console/dialog.h"
#include "interaction/frame.h"
#include "interaction/keys.h"
#include "model/paths.h"
#include "planner/prepare.h"
#include "planner/optimum.h"
#include "problem/problem_file.h"
#include "support/console_capture.h"
#include "support/motion_use.h"
#include "support/world.h"

namespace cpt {

// The setting after the start-up dialog answered with `answers`.
static std::unique_ptr<App> after_dialog(const std::string& answers = "n\nn\nn\n") {
  auto w = std::make_unique<App>();
  ConsoleCapture con(w->con, answers);
  app_start_up(*w);
  if (con.text().find("計算終了") == std::string::npos) ADD_FAILURE() << con.text();
  return w;
}

// Each key, then the frame it runs; the last frame's view. `obtained` counts obtaining frames.
static FrameView keys(App& w, const std::string& s, int* obtained = nullptr) {
  FrameView last;
  for (char c : s)
    if (app_press_key(w, static_cast<unsigned char>(c)) == KeyAction::Frame)
      last = app_run_frame(w, [&](const FrameView&) { if (obtained) ++*obtained; });
  return last;
}

// First step sd = sdd t, s = sdd t^2 / 2, look-ahead not swapped; 't' goes back two steps
// with dt0 / NDIV; view keys scale and move, without a step; 'q' is no key, Esc quits; a
// dialog key clears a notice; no switch at rest; 'c' flips the torque; no table overrun.
TEST(Keys, FirstStepBackSwitchAndFullTables) {
  auto t = after_dialog();
  const Motion& mo = t->d.mo;
  EXPECT_TRUE(keys(*t, "s").look_ahead);
  EXPECT_NEAR(mo.t, dt0, 1e-12);
  EXPECT_NEAR(mo.Y[1][1], mo.A[0].sdd * dt0, 1e-3 * mo.A[0].sdd * dt0);
  EXPECT_NEAR(mo.Y[1][0], 0.5 * mo.A[0].sdd * dt0 * dt0, 1e-3 * mo.Y[1][0]);
  ASSERT_GT(t->d.fr.n_keep, 10); ASSERT_GT(t->d.fr.n_switch, 0);
  EXPECT_GT(t->d.fr.look_keep[1][1], mo.Y[1][1]) << "swapped";
  EXPECT_LT(t->d.fr.look_switch[1][1], mo.Y[1][1]) << "swapped";
  keys(*t, "sst");
  EXPECT_EQ(mo.istep, 2);
  EXPECT_NEAR(mo.t, mo.tt[1] + dt0 / NDIV, 1e-12);
  Picture& pic = t->pic;
  const double zoom = pic.zoom, pp = pic.pp_zoom;
  keys(*t, "w"); EXPECT_NEAR(pic.pp_zoom, 0.9 * pp, 1e-15);
  keys(*t, "WxXXyYY"); EXPECT_NEAR(pic.zoom, zoom, 1e-15);
  EXPECT_NEAR(pic.view_x, view_dx, 1e-15); EXPECT_NEAR(pic.view_y, view_dy, 1e-15);
  EXPECT_EQ(mo.istep, 2);
  EXPECT_EQ(app_press_key(*t, 'q'), KeyAction::Ignored); EXPECT_EQ(app_press_key(*t, 27), KeyAction::Quit);
  t->d.fr.notice = kNoticeStepsFull, t->d.fr.redraw_only = true;
  EXPECT_EQ(app_press_key(*t, 'k'), KeyAction::Dialog); EXPECT_EQ(t->d.fr.notice, nullptr);
  auto w = after_dialog();
  Motion& m = w->d.mo;
  EXPECT_STREQ(keys(*w, "c").notice, kNoticeNoSwitch);
  keys(*w, std::string(10, 's') + "cc");
  EXPECT_EQ(m.NCHN, 2);
  EXPECT_EQ(m.chn_step[1], 10); EXPECT_EQ(m.chn_step[2], 11);
  EXPECT_EQ(m.torque_sel, 1);
  EXPECT_LT(m.Y[11][1], m.Y[10][1]);  // decelerated between the two switches
  EXPECT_EQ(m.tf, m.chn[2].t);        // the panel's goal time is the last record's
  m.istep = 900;
  keys(*w, "s");
  EXPECT_EQ(m.istep, NSTEP + 1);
  m.NCHN = NREC - 1 - kLandingRecords;
  EXPECT_STREQ(keys(*w, "c").notice, kNoticeRecordsFull);
  EXPECT_EQ(m.NCHN, NREC - 1 - kLandingRecords);
  m.NCHN = NREC - 2;  // 'f' needs two
  EXPECT_STREQ(keys(*w, "f").notice, kNoticeRecordsFull);
  EXPECT_EQ(m.final_state, FinalState::None);
  m.NCHN = 0, m.istep = NTAB - 2, m.Y[NTAB - 2] = {0.1, 1.0};
  EXPECT_STREQ(keys(*w, "cc").notice, kNoticeStepsFull);  // a switching's step, not held to NSTEP
  EXPECT_EQ(m.istep, NTAB - 1);
}

// The default construction by keys against its optimum (an independent phase-plane
// integration: 1.442701 s, switch at 0.7984 s); one rebuild and report, limits kept.
TEST(Keys, WholeDefaultConstruction) {
  auto w = after_dialog();
  const Motion& mo = w->d.mo;
  ConsoleCapture con(w->con);
  keys(*w, std::string(10, 's') + "f");  // short of the end curve: a step
  EXPECT_EQ(mo.istep, 11);
  EXPECT_EQ(keys(*w, std::string(69, 's') + "f").mode, FrameMode::Walking);
  EXPECT_EQ(mo.chn_step[1], 80);
  int obtained = 0;
  keys(*w, std::string(63, 's'), &obtained);
  EXPECT_EQ(con.text(), "");
  EXPECT_TRUE(keys(*w, "s", &obtained).obtained);
  EXPECT_EQ(obtained, 1);
  const std::string report = con.take();
  EXPECT_EQ(report.rfind("\n\n新しい軌道に沿う加減速の切り替え回数と状態 NCHN=2\n", 0), 0u) << report;
  EXPECT_NE(report.find("関節トルク切り替え回数 NCT=4 "), std::string::npos) << report;
  EXPECT_NEAR(mo.chn[1].t, 0.7984, 1e-3);
  EXPECT_NEAR(mo.tf, 1.442701, 2e-4);
  for (int k = 0; k <= mo.nf; ++k) {
    ASSERT_LE(std::fabs(mo.CP[k].acc[0]), w->pb.a1max + TOL_STEP) << k;
    ASSERT_LE(std::fabs(mo.CP[k].acc[1]), w->pb.a2max + TOL_STEP) << k;
  }
  const FrameView end = keys(*w, std::string(mo.nn + 5, 's'));
  EXPECT_EQ(end.n, mo.nf);
  EXPECT_STREQ(end.notice, kNoticeReplayEnd);
  EXPECT_EQ(keys(*w, "0").n, 0);  // replays from the start
  EXPECT_EQ(keys(*w, "s").n, 1);
  keys(*w, "rcf");                 // the switchings stay settled
  EXPECT_EQ(mo.NCHN, 2);
  EXPECT_EQ(con.text(), "");  // no second report
}

// A failed rebuild (records out of order) obtains nothing and starts again from rest.
TEST(Keys, FailedRebuildObtainsNothing) {
  auto w = after_dialog();
  Motion& mo = w->d.mo;
  keys(*w, std::string(80, 's') + "f");
  mo.chn[1].t = mo.chn[2].t + 1;
  ConsoleCapture con(w->con);
  int obtained = 0;
  keys(*w, std::string(64, 's'), &obtained);
  EXPECT_EQ(obtained, 0);
  EXPECT_EQ(mo.istep, 0);
  EXPECT_NE(con.text().find("calcp()"), std::string::npos);
}

// Robot 'a' on the slalom: a step fails and is not taken, so the current state is the
// last good one: 't' goes back one step from it (not two), 'r' switches at it.
TEST(Keys, BackAndSwitchAfterAFailedStep) {
  auto w = after_dialog("y\na\nn\ny\n4\n-0.4 0.2 0.1 3\n");
  Motion& mo = w->d.mo;
  ConsoleCapture con(w->con);
  int n = 0;
  for (const char* no = ""; n++ < 300 && std::string(no ? no : "") != kNoticeStepFailed;) no = keys(*w, "s").notice;
  ASSERT_LT(n, 300) << "no step failed";
  const int k = mo.istep;
  const Vec2 before = mo.Y[k - 1];
  auto copy = std::make_unique<App>(*w);
  keys(*w, "t");
  EXPECT_EQ(mo.Y[k - 1], before);
  EXPECT_NEAR(mo.t, mo.tt[k - 1] + dt0 / NDIV, 1e-12);
  EXPECT_EQ(mo.istep, k);
  keys(*copy, "r");
  EXPECT_EQ(copy->d.mo.chn_step[copy->d.mo.NCHN], k);
  EXPECT_EQ(copy->d.mo.chn[copy->d.mo.NCHN].t, copy->d.mo.tt[k]);
}

// Brought to rest halfway by 'c' and more steps, then 'r': back to the step before at its
// own time, whatever the steps since took (one that comes to rest ends there; one from
// rest takes no time). On the default arc, and on a radial line of the cylindrical robot
// where the path acceleration is the same +-a2max all along, so that the deceleration
// ends at rest on a whole step. The motion accelerated again and landed is obtained, its
// rows' times follow from its path and rates (by the test's own reading, every limit
// kept), and it is slower than the optimum by the stop.
TEST(Keys, SwitchBackAfterComingToRest) {
  const std::string radial = "robot: {type: cylindrical}\npath: {type: line, start: [0.2, 0], length: 0.5, angle: 0}\n";
  for (const std::string& problem : {std::string(), radial}) {
    auto w = problem.empty() ? after_dialog() : std::make_unique<App>();
    ConsoleCapture con(w->con);
    std::string error;
    if (!problem.empty()) {
      ASSERT_TRUE(parse_problem(problem, "radial.yaml", w->pb, error) && app_start_problem(*w, "radial.yaml", error));
    }
    Motion& mo = w->d.mo;
    keys(*w, std::string(12, 's') + "c" + std::string(40, 's') + "r");
    keys(*w, std::string(300, 'f') + std::string(500, 's'));
    ASSERT_EQ(mo.traj_state, TrajState::Obtained) << problem << con.text();
    const RowsUse use = rows_use(w->m, mo);
    EXPECT_LE(std::max(use.acc, use.speed), 1 + 2 * TOL_CHECK) << problem << use.acc;
    EXPECT_GT(mo.tf, compute_optimum(w->m).T + 0.1) << problem;
  }
}

// The first 'o' computes the optimum and prints its switch point (the
// figures of an independent integration: 1.4427 s, the switch at 0.7984 s,
// s = 1.5957, sd = 3.5564); 'o' shows and hides it without stepping the
// motion or printing again; a dialog forgets it. Without a feasible motion
// (the settings changed behind the dialog's back): one line on the console
// and as the frame's notice, nothing shown, the hand-built motion untouched.
TEST(OptimumKey, ShowHideForgetAndFail) {
  auto w = after_dialog();
  keys(*w, "s");
  ConsoleCapture con(w->con);
  const int step = w->d.mo.istep;
  EXPECT_EQ(keys(*w, "o").notice, nullptr);
  EXPECT_EQ(con.take(), "\n\n最適軌道(自動計算) T*= 1.4427 切り替え回数=1\nt1= 0.7984 S[]=( 1.5957  3.5564) acc->dec\n");
  EXPECT_TRUE(w->d.optimum.shown);
  EXPECT_NEAR(w->d.optimum.T, 1.442701, 2e-6);
  keys(*w, "o");
  EXPECT_FALSE(w->d.optimum.shown);
  keys(*w, "o");
  EXPECT_TRUE(w->d.optimum.shown);
  EXPECT_EQ(w->d.mo.istep, step);
  EXPECT_EQ(con.take(), "");
  EXPECT_EQ(app_press_key(*w, 'u'), KeyAction::Dialog);
  EXPECT_FALSE(w->d.optimum.shown);
  EXPECT_FALSE(w->d.optimum.computed);

  w->pb.arc.R = 0.75;  // the arc leaves the SCARA's reach
  rebuild_model(*w);
  const Motion before = w->d.mo;
  const FrameView v = keys(*w, "o");
  const std::string line = con.take();
  ASSERT_NE(v.notice, nullptr);
  EXPECT_EQ(std::string(v.notice).rfind("no feasible motion: the path point is out of reach at s=", 0), 0u);
  // The frame's look-ahead on the changed path prints its own lines after it.
  EXPECT_EQ(line.substr(0, line.find('\n', 2) + 1), "\n\n最適軌道(自動計算) " + std::string(v.notice) + "\n");
  EXPECT_FALSE(w->d.optimum.shown);
  EXPECT_EQ(w->d.mo.istep, before.istep);
  EXPECT_EQ(w->d.mo.Y[1], before.Y[1]);
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
    w->pb.vmax = {1, 0};
    ASSERT_EQ(prepare(*w), Prepared::Ready);
    Motion& mo = w->d.mo;
    mo.Y[0] = {k.s0, c(k.s0)}, mo.t = 0.5, mo.ceiling = SpeedLimit::Joint1;
    EXPECT_EQ(construction_step(w->con, w->m, w->d.rhs, mo, w->d.fr.acc_now), k.out) << k.s0;
    if (k.out != StepOutcome::Done) {
      EXPECT_EQ(mo.istep, 0);
      continue;
    }
    EXPECT_EQ(mo.istep, 1); EXPECT_NEAR(mo.Y[1][0], k.s0 + c(k.s0) * dt0, 1e-6);
    EXPECT_NEAR(mo.Y[1][1], c(mo.Y[1][0]), 1e-9);
    EXPECT_NEAR(mo.A[1].acc[0], -0.1 * c(mo.Y[1][0]) * 20 * (mo.Y[1][0] - 0.4), 1e-8);
  }
}

// A step that ends above a speed limit's ceiling names the limit; without one, the step into
// the U-shape's bend above its velocity limit keeps the message of a broken joint limit.
TEST(VelocityLimits, OverLimitMessageNamesTheLimit) {
  struct Case { PathType path; std::array<double, 2> vmax; double vtool; const char* msg; };
  for (const Case& c : {Case{PathType::Line, {1, 0}, 0, kMsgOverJoint1Speed}, Case{PathType::Line, {0, 0.1}, 0, kMsgOverJoint2Speed},
                        Case{PathType::Line, {0, 0}, 0.3, kMsgOverHandSpeed}, Case{PathType::UShape, {0, 0}, 0, kMsgStepFailed}}) {
    auto w = default_world(Robot::Scara, c.path);
    w->pb.vmax = c.vmax, w->pb.vtool = c.vtool;
    ASSERT_EQ(prepare(*w), Prepared::Ready);
    const char* shown = nullptr;
    for (int n = 0; n < 60 && !shown; ++n) shown = keys(*w, "s").step_failed;
    EXPECT_STREQ(shown, c.msg) << c.path;
  }
}

// (Landing before a later switching, and robot 'a''s other failed steps: whole runs
// in tests/programs/bad_states.sh.)

}  // namespace cpt
