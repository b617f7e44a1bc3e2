// The window's keys and frames, driven by key strings without a window.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "console/dialog.h"
#include "interaction/frame.h"
#include "interaction/keys.h"
#include "support/console_capture.h"
#include "support/world.h"

namespace cpt {

namespace {

// The setting after the start-up dialog answered with `answers`.
std::unique_ptr<World> after_dialog(const std::string& answers = "n\nn\nn\n") {
  auto w = std::make_unique<World>();
  ConsoleCapture con(answers);
  start_up(*w);
  if (con.text().find("計算終了") == std::string::npos) ADD_FAILURE() << con.text();
  return w;
}

struct KeyRun {
  FrameView last;
  int frames = 0;
  int obtained = 0;  // frames that showed "Trajectory obtained!"
};

// Each key as the window handles it: the key, then the frame it runs.
KeyRun keys(World& w, const std::string& s) {
  KeyRun r;
  for (char c : s) {
    if (press_key(w, static_cast<unsigned char>(c)) != KeyAction::Frame) continue;
    r.last = run_frame(w, [&](const FrameView& v) {
      EXPECT_TRUE(v.obtained);
      ++r.obtained;
    });
    ++r.frames;
  }
  return r;
}

// The default construction: 80 steps of maximum acceleration take the
// trajectory just past the end curve; 'f' lands it at step 80, and 64 more
// frames walk it to its end.
const std::string kToLanding = std::string(80, 's') + "f";
const std::string kWalk(64, 's');

// Catches a first frame that does not start from rest with maximum
// acceleration (sd = sdd t, s = sdd t^2 / 2), a time not advanced by dt, and
// the look-ahead curves swapped (the current choice accelerates on).
TEST(Keys, FirstStepAndItsLookAhead) {
  auto w = after_dialog();
  const Motion& mo = w->mo;
  const KeyRun r = keys(*w, "s");
  EXPECT_EQ(mo.istep, 1);
  EXPECT_NEAR(mo.t, dt0, 1e-12);
  EXPECT_NEAR(mo.Y[1][1], mo.A[0].sdd * dt0, 1e-3 * mo.A[0].sdd * dt0);
  EXPECT_NEAR(mo.Y[1][0], 0.5 * mo.A[0].sdd * dt0 * dt0, 1e-3 * mo.Y[1][0]);
  EXPECT_TRUE(r.last.look_ahead);
  EXPECT_FALSE(r.last.step_failed);
  const Frame& fr = w->fr;
  ASSERT_GT(fr.n_keep, 10);
  ASSERT_GT(fr.n_switch, 0);
  EXPECT_GT(fr.look_keep[1][1], mo.Y[1][1]);
  EXPECT_LT(fr.look_switch[1][1], mo.Y[1][1]);
}

// Catches 't' that goes back one step instead of two or leaves t; a switch
// recorded at rest (the motion would then run backwards); 'c' that does not
// flip the torque choice or records the wrong step; the clamp of 's' missing.
TEST(Keys, BackSwitchAndClamp) {
  auto w = after_dialog();
  Motion& mo = w->mo;
  keys(*w, "ssst");
  EXPECT_EQ(mo.istep, 2);
  EXPECT_NEAR(mo.t, mo.tt[1] + dt0 / NDIV, 1e-12);
  keys(*w, "tt");  // back at the start, still with dt0 / 20
  EXPECT_EQ(mo.istep, 1);
  EXPECT_EQ(mo.dt, dt0 / NDIV);

  // 'r' goes back to step 0, at rest; 'c' before the first step is at rest too.
  auto fresh = after_dialog();
  for (auto [world, k] : {std::pair{w.get(), 'r'}, std::pair{fresh.get(), 'c'}}) {
    const KeyRun r = keys(*world, std::string(1, k));
    EXPECT_EQ(world->mo.NCHN, 0) << k;
    EXPECT_EQ(world->mo.torque_sel, 1) << k;
    EXPECT_STREQ(r.last.notice, kNoticeNoSwitch) << k;
  }

  auto c = after_dialog();
  keys(*c, std::string(10, 's') + "cc");
  const Motion& m = c->mo;
  EXPECT_EQ(m.NCHN, 2);
  EXPECT_EQ(m.chn_step[1], 10);
  EXPECT_EQ(m.chn_step[2], 11);
  EXPECT_EQ(m.torque_sel, 1);
  EXPECT_LT(m.Y[11][1], m.Y[10][1]);  // decelerated between the two switches
  EXPECT_LT(m.chn[1].acc[0] * m.chn[2].acc[0], 0);  // the accelerations just after each
  EXPECT_EQ(m.tf, m.chn[2].t);  // the panel's goal time is the last record's

  c->mo.istep = 900;
  keys(*c, "s");
  EXPECT_EQ(c->mo.istep, NSTEP + 1);
}

// Catches records or steps written past their tables; two records are kept
// for the landing.
TEST(Keys, FullTables) {
  auto w = after_dialog();
  Motion& mo = w->mo;
  keys(*w, "sss");
  mo.NCHN = NREC - 1 - kLandingRecords;
  for (const char* k : {"c", "r"}) {
    const int istep = mo.istep, nchn = mo.NCHN;
    EXPECT_STREQ(keys(*w, k).last.notice, kNoticeRecordsFull) << k;
    EXPECT_EQ(mo.istep, istep) << k;
    EXPECT_EQ(mo.NCHN, nchn) << k;
  }
  mo.NCHN = NREC - 2;  // 'f' needs two
  EXPECT_STREQ(keys(*w, "f").last.notice, kNoticeRecordsFull);
  EXPECT_EQ(mo.final_state, FinalState::None);

  mo.NCHN = 0;
  mo.istep = NTAB - 2;
  mo.Y[NTAB - 2] = {0.1, 1.0};
  const KeyRun full = keys(*w, "ww");  // view keys step too
  EXPECT_EQ(mo.istep, NTAB - 1);
  EXPECT_STREQ(full.last.notice, kNoticeStepsFull);
}

// The whole default construction by keys, from the first 's' to the replay,
// against the optimum of this setting: an independent integration of the
// phase plane gives 1.442701 s with the switch at t = 0.7984 s. Catches a
// rebuild without its message or run twice, a report printed twice or
// never, replay indices past the reference motion, and a rebuilt trajectory
// that breaks a joint limit.
TEST(Keys, WholeDefaultConstruction) {
  auto w = after_dialog();
  const Motion& mo = w->mo;
  ConsoleCapture con;
  KeyRun r = keys(*w, std::string(10, 's') + "f");  // short of the end curve: a step
  EXPECT_EQ(mo.istep, 11);
  EXPECT_EQ(mo.final_state, FinalState::None);
  r = keys(*w, std::string(69, 's') + "f");
  EXPECT_EQ(r.last.mode, FrameMode::Walking);
  EXPECT_EQ(mo.chn_step[1], 80);
  r = keys(*w, kWalk.substr(1));
  EXPECT_EQ(mo.traj_state, TrajState::Building);
  EXPECT_EQ(con.text(), "");
  r = keys(*w, "s");
  EXPECT_EQ(r.obtained, 1);
  EXPECT_TRUE(r.last.obtained);
  EXPECT_EQ(mo.traj_state, TrajState::Obtained);
  const std::string report = con.take();
  EXPECT_EQ(report.rfind("\n\n新しい軌道に沿う加減速の切り替え回数と状態 NCHN=2\n", 0), 0u) << report;
  EXPECT_NE(report.find("関節トルク切り替え回数 NCT=4 "), std::string::npos) << report;

  EXPECT_NEAR(mo.chn[1].t, 0.7984, 1e-3);
  EXPECT_NEAR(mo.tf, 1.442701, 2e-4);
  EXPECT_NEAR(mo.tt[mo.nf], mo.tf, 1e-9);
  EXPECT_GT(mo.Tn, mo.tf);
  for (int k = 0; k <= mo.nf; ++k) {
    ASSERT_LE(std::fabs(mo.CP[k].acc[0]), w->st.a1max + TOL_STEP) << k;
    ASSERT_LE(std::fabs(mo.CP[k].acc[1]), w->st.a2max + TOL_STEP) << k;
  }

  // Replay: the optimal motion held at its end while the reference goes on.
  r = keys(*w, std::string(mo.nn + 5, 's'));
  EXPECT_EQ(mo.istep, mo.nn);
  EXPECT_EQ(r.last.n, mo.nf);
  EXPECT_STREQ(r.last.notice, kNoticeReplayEnd);
  EXPECT_EQ(keys(*w, "0").last.n, 1);  // replays from the start
  keys(*w, "rcf");  // the switchings stay settled
  EXPECT_EQ(mo.NCHN, 2);
  EXPECT_EQ(con.text(), "");  // no second report
}

// Catches a landing that keeps a switching made after the point where it cuts
// the trajectory back: the records' times would go out of order and the
// rebuild fail, or worse, an obtained trajectory that stops short of the end.
TEST(Keys, LandingDropsLaterSwitchings) {
  auto w = after_dialog();
  const Motion& mo = w->mo;
  keys(*w, std::string(82, 's') + "csss" + "f");
  ASSERT_EQ(mo.final_state, FinalState::Walking);
  EXPECT_EQ(mo.NCHN, 2);
  EXPECT_LT(mo.chn[1].t, mo.chn[2].t);
  keys(*w, std::string(80, 's'));
  ASSERT_EQ(mo.traj_state, TrajState::Obtained);
  EXPECT_NEAR(mo.Y[mo.nf][0], w->st.sf_now(), END_TOL * w->st.sf_now());
  EXPECT_NEAR(mo.tf, 1.442701, 2e-4);
}

// Catches a rebuild failure reported as a result: records out of order make
// calcp fail; the frame must obtain nothing and start again from rest.
TEST(Keys, FailedRebuildObtainsNothing) {
  auto w = after_dialog();
  Motion& mo = w->mo;
  keys(*w, kToLanding);
  mo.chn[1].t = mo.chn[2].t + 1;
  ConsoleCapture con;
  const KeyRun r = keys(*w, kWalk);
  EXPECT_EQ(r.obtained, 0);
  EXPECT_EQ(mo.traj_state, TrajState::Building);
  EXPECT_EQ(mo.final_state, FinalState::None);
  EXPECT_EQ(mo.istep, 0);
  EXPECT_EQ(con.text().find("新しい軌道"), std::string::npos);  // no report
  EXPECT_NE(con.text().find("calcp()"), std::string::npos);
}

// Robot 'a' on the default arc accelerates into a region where the state
// stops being a number. Catches such a state stored or landed on, and the
// notice that calls it a stop at rest.
TEST(Keys, FailedStepsAreNotTaken) {
  auto w = after_dialog("y\na\nn\nn\n");
  const Motion& mo = w->mo;
  ConsoleCapture con;
  const KeyRun r = keys(*w, std::string(80, 's') + "f" + std::string(64, 's'));
  EXPECT_STREQ(r.last.notice, kNoticeStepFailed);
  EXPECT_NE(mo.traj_state, TrajState::Obtained);
  for (int k = 0; k <= mo.istep; ++k) {
    ASSERT_TRUE(std::isfinite(mo.Y[k][0]) && std::isfinite(mo.Y[k][1])) << k;
    ASSERT_LE(mo.Y[k][0], w->st.sf_now()) << k;
  }
  EXPECT_LT(con.text().size(), 20000u);  // a few lines per key at most
}

// The replay's joint-limit rings, limits 2 and 1.5: the step it marks and its
// radius (only a joint 2 leaving scales with the zoom), none below the thresholds.
TEST(Replay, LimitMarkers) {
  auto w = default_world(Robot::Scara, PathType::Arc);
  w->st.a2max = 1.5;
  w->pic.zoom = 0.5;
  struct Case { const char* what; Vec2 before, now; int found; bool at_now; double radius; };
  for (const Case& c : {Case{"joint 1 reaches", {1.5, 0}, {2.0, 0}, 1, true, 0.012},
                        Case{"joint 2 leaves", {0, 1.5}, {0, 1.0}, 1, false, 0.006},
                        Case{"joint 2 jumps", {0.3, 1.5}, {0.3, -1.5}, 1, false, 0.012},
                        Case{"on the limit throughout", {2.0, 1.5}, {2.0, 1.5}, 0, false, 0},
                        Case{"within 1e-3 below, then at it", {1.9995, 0}, {2.0, 0}, 0, false, 0}}) {
    w->mo.CP[4] = {0.1, 0.2, c.before};
    w->mo.CP[5] = {0.3, 0.4, c.now};
    Vec2 at{};
    double radius = 0;
    ASSERT_EQ(limit_marker(w->st, w->pic, w->mo, 5, at, radius), c.found) << c.what;
    if (!c.found) continue;
    EXPECT_EQ(at, c.at_now ? (Vec2{0.3, 0.4}) : (Vec2{0.1, 0.2})) << c.what;
    EXPECT_DOUBLE_EQ(radius, c.radius) << c.what;
  }
}

// Catches view keys that do not scale both zooms or move the picture, keys
// outside the table that draw, and a dialog key that leaves a pending notice.
TEST(Keys, ViewQuitAndDialogKeys) {
  auto w = after_dialog();
  Picture& pic = w->pic;
  const double zoom = pic.zoom, pp = pic.pp_zoom;
  keys(*w, "w");
  EXPECT_NEAR(pic.pp_zoom, 0.9 * pp, 1e-15);
  keys(*w, "WxXXyYY");
  EXPECT_NEAR(pic.zoom, zoom, 1e-15);
  EXPECT_NEAR(pic.view_x, view_dx, 1e-15);
  EXPECT_NEAR(pic.view_y, view_dy, 1e-15);
  EXPECT_EQ(press_key(*w, 'q'), KeyAction::Ignored);
  EXPECT_EQ(press_key(*w, 27), KeyAction::Quit);

  w->fr.notice = kNoticeStepsFull;
  w->fr.hold = true;
  ConsoleCapture con("6\n-0.3 0.1 0.6 0.3\n");
  EXPECT_EQ(press_key(*w, 'k'), KeyAction::Dialog);
  EXPECT_EQ(w->fr.notice, nullptr);
  settings_dialog(*w, 'k');
  EXPECT_EQ(w->st.cptype, PathType::CycloidCam);
  const KeyRun r = keys(*w, "s");
  EXPECT_EQ(w->mo.istep, 1);
  EXPECT_EQ(r.last.notice, nullptr);
}

}  // namespace

}  // namespace cpt
