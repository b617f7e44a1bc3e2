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

// Each key as the window handles it: the key, then the frame it runs. Returns
// the last frame's view; `obtained` counts the frames that obtained the trajectory.
FrameView keys(World& w, const std::string& s, int* obtained = nullptr) {
  FrameView last;
  for (char c : s)
    if (press_key(w, static_cast<unsigned char>(c)) == KeyAction::Frame)
      last = run_frame(w, [&](const FrameView&) { if (obtained) ++*obtained; });
  return last;
}

// The first step from rest with maximum acceleration, sd = sdd t, s = sdd t^2 / 2,
// its look-ahead curves not swapped (the current choice accelerates on); 't'
// goes back two steps (to the step before the last) with dt0 / 20; no switch
// at rest (the motion would run backwards); 'c' flips the torque choice at the
// current step; constructing 's' stops at NSTEP + 1; records and steps never
// written past their tables, two records kept for the landing.
TEST(Keys, FirstStepBackSwitchAndFullTables) {
  auto t = after_dialog();
  const Motion& mo = t->mo;
  EXPECT_TRUE(keys(*t, "s").look_ahead);
  EXPECT_NEAR(mo.t, dt0, 1e-12);
  EXPECT_NEAR(mo.Y[1][1], mo.A[0].sdd * dt0, 1e-3 * mo.A[0].sdd * dt0);
  EXPECT_NEAR(mo.Y[1][0], 0.5 * mo.A[0].sdd * dt0 * dt0, 1e-3 * mo.Y[1][0]);
  ASSERT_GT(t->fr.n_keep, 10);
  ASSERT_GT(t->fr.n_switch, 0);
  EXPECT_GT(t->fr.look_keep[1][1], mo.Y[1][1]);
  EXPECT_LT(t->fr.look_switch[1][1], mo.Y[1][1]);
  keys(*t, "sst");
  EXPECT_EQ(mo.istep, 2);
  EXPECT_NEAR(mo.t, mo.tt[1] + dt0 / NDIV, 1e-12);
  auto w = after_dialog();
  Motion& m = w->mo;
  EXPECT_STREQ(keys(*w, "c").notice, kNoticeNoSwitch);
  keys(*w, std::string(10, 's') + "cc");
  EXPECT_EQ(m.NCHN, 2);
  EXPECT_EQ(m.chn_step[1], 10);
  EXPECT_EQ(m.chn_step[2], 11);
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
  m.NCHN = 0;
  m.istep = NTAB - 2;
  m.Y[NTAB - 2] = {0.1, 1.0};
  EXPECT_STREQ(keys(*w, "ww").notice, kNoticeStepsFull);  // view keys step too
  EXPECT_EQ(m.istep, NTAB - 1);
}

// The whole default construction by keys, from the first 's' to the replay,
// against the optimum of this setting: an independent integration of the
// phase plane gives 1.442701 s with the switch at t = 0.7984 s. The rebuild
// and its report come once, in the frame that ends the walk; the rebuilt
// trajectory keeps the limits; the replay holds the optimum at its end.
TEST(Keys, WholeDefaultConstruction) {
  auto w = after_dialog();
  const Motion& mo = w->mo;
  ConsoleCapture con;
  keys(*w, std::string(10, 's') + "f");  // short of the end curve: a step
  EXPECT_EQ(mo.istep, 11);
  EXPECT_EQ(mo.final_state, FinalState::None);
  EXPECT_EQ(keys(*w, std::string(69, 's') + "f").mode, FrameMode::Walking);
  EXPECT_EQ(mo.chn_step[1], 80);
  int obtained = 0;
  keys(*w, std::string(63, 's'), &obtained);
  EXPECT_EQ(mo.traj_state, TrajState::Building);
  EXPECT_EQ(con.text(), "");
  EXPECT_TRUE(keys(*w, "s", &obtained).obtained);
  EXPECT_EQ(obtained, 1);
  const std::string report = con.take();
  EXPECT_EQ(report.rfind("\n\n新しい軌道に沿う加減速の切り替え回数と状態 NCHN=2\n", 0), 0u) << report;
  EXPECT_NE(report.find("関節トルク切り替え回数 NCT=4 "), std::string::npos) << report;
  EXPECT_NEAR(mo.chn[1].t, 0.7984, 1e-3);
  EXPECT_NEAR(mo.tf, 1.442701, 2e-4);
  EXPECT_NEAR(mo.tt[mo.nf], mo.tf, 1e-9);
  for (int k = 0; k <= mo.nf; ++k) {
    ASSERT_LE(std::fabs(mo.CP[k].acc[0]), w->st.a1max + TOL_STEP) << k;
    ASSERT_LE(std::fabs(mo.CP[k].acc[1]), w->st.a2max + TOL_STEP) << k;
  }
  const FrameView end = keys(*w, std::string(mo.nn + 5, 's'));
  EXPECT_EQ(mo.istep, mo.nn);
  EXPECT_EQ(end.n, mo.nf);
  EXPECT_STREQ(end.notice, kNoticeReplayEnd);
  EXPECT_EQ(keys(*w, "0").n, 1);  // replays from the start
  keys(*w, "rcf");                 // the switchings stay settled
  EXPECT_EQ(mo.NCHN, 2);
  EXPECT_EQ(con.text(), "");  // no second report
}

// A landing that cuts the trajectory back before a later switching drops it:
// kept, the records' times would go out of order and the rebuild fail.
TEST(Keys, LandingDropsLaterSwitchings) {
  auto w = after_dialog();
  const Motion& mo = w->mo;
  keys(*w, std::string(82, 's') + "csss" + "f");
  ASSERT_EQ(mo.final_state, FinalState::Walking);
  EXPECT_EQ(mo.NCHN, 2);
  keys(*w, std::string(80, 's'));
  ASSERT_EQ(mo.traj_state, TrajState::Obtained);
  EXPECT_NEAR(mo.tf, 1.442701, 2e-4);
}

// A failed rebuild (records out of order) obtains nothing and starts again from rest.
TEST(Keys, FailedRebuildObtainsNothing) {
  auto w = after_dialog();
  Motion& mo = w->mo;
  keys(*w, std::string(80, 's') + "f");
  mo.chn[1].t = mo.chn[2].t + 1;
  ConsoleCapture con;
  int obtained = 0;
  keys(*w, std::string(64, 's'), &obtained);
  EXPECT_EQ(obtained, 0);
  EXPECT_EQ(mo.traj_state, TrajState::Building);
  EXPECT_EQ(mo.istep, 0);
  EXPECT_EQ(con.text().find("新しい軌道"), std::string::npos);  // no report
  EXPECT_NE(con.text().find("calcp()"), std::string::npos);
}

// Robot 'a' on the default arc accelerates into a region where the state stops
// being a number: such a state is never stored or landed on, nor called a stop
// at rest, and the console is not flooded.
TEST(Keys, FailedStepsAreNotTaken) {
  auto w = after_dialog("y\na\nn\nn\n");
  const Motion& mo = w->mo;
  ConsoleCapture con;
  EXPECT_STREQ(keys(*w, std::string(80, 's') + "f" + std::string(64, 's')).notice, kNoticeStepFailed);
  EXPECT_NE(mo.traj_state, TrajState::Obtained);
  for (int k = 0; k <= mo.istep; ++k) {
    ASSERT_TRUE(std::isfinite(mo.Y[k][0])) << k;
    ASSERT_TRUE(std::isfinite(mo.Y[k][1])) << k;
    ASSERT_LE(mo.Y[k][0], w->st.sf_now()) << k;
  }
  EXPECT_LT(con.text().size(), 20000u);
}

// The replay's joint-limit rings, limits 2 and 1.5: the step it marks and its
// radius (only a joint 2 leaving scales with the zoom), none below 1e-3 under.
TEST(Replay, LimitMarkers) {
  auto w = default_world(Robot::Scara, PathType::Arc);
  w->st.a2max = 1.5;
  w->pic.zoom = 0.5;
  struct Case { const char* what; Vec2 before, now; int found; bool at_now; double radius; };
  for (const Case& c : {Case{"joint 1 reaches", {1.5, 0}, {2.0, 0}, 1, true, 0.012},
                        Case{"joint 2 leaves", {0, 1.5}, {0, 1.0}, 1, false, 0.006},
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

// View keys scale both zooms and move the picture; 'q' is no key, Esc quits;
// a dialog key clears a pending notice.
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
  EXPECT_EQ(press_key(*w, 'k'), KeyAction::Dialog);
  EXPECT_EQ(w->fr.notice, nullptr);
}

}  // namespace

}  // namespace cpt
