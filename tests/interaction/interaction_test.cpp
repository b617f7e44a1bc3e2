// The window's keys and frames, driven by key strings without a window.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "interaction/frame.h"
#include "console/dialog.h"
#include "interaction/keys.h"
#include "support/console_capture.h"
#include "support/world.h"

namespace cpt {

namespace {

// The default setting (SCARA, arc) just after the start-up dialog.
std::unique_ptr<World> after_dialog() {
  auto w = std::make_unique<World>();
  ConsoleCapture con("n\nn\nn\n");
  start_up(*w);
  if (con.text().find("計算終了") == std::string::npos) ADD_FAILURE() << con.text();
  return w;
}

struct KeyRun {
  FrameView last;
  int frames = 0;
  int obtained = 0;  // frames that showed "Trajectory obtained!" before the rebuild
};

// Each key as the window handles it: the key, then the frame it runs.
KeyRun keys(World& w, const std::string& s) {
  KeyRun r;
  for (char c : s) {
    if (press_key(w, static_cast<unsigned char>(c)) != KeyAction::Frame) continue;
    r.last = run_frame(w, [&](const FrameView& v) {
      EXPECT_TRUE(v.obtained && w.mo.traj_state != TrajState::Obtained);
      ++r.obtained;
    });
    ++r.frames;
  }
  return r;
}

// The default construction: 80 steps of maximum acceleration take the
// trajectory just past the end curve; 'f' lands it at step 80, and 64 more
// frames walk it to its end at step 145.
const std::string kToLanding = std::string(80, 's') + "f";
const std::string kWalk(64, 's');

bool within_limits(const World& w, const HandRecord& r) {
  return std::fabs(r.acc[0]) <= w.st.a1max + TOL_STEP && std::fabs(r.acc[1]) <= w.st.a2max + TOL_STEP;
}

// Catches a first frame that does not start from rest at t = 0 with maximum
// acceleration, a time not advanced by dt, a missing look-ahead, and the
// look-ahead curves swapped (the current choice keeps accelerating, so its s
// runs ahead of the switched one).
TEST(Keys, FirstStepAndItsLookAhead) {
  auto w = after_dialog();
  const Motion& mo = w->mo;
  const KeyRun r = keys(*w, "s");
  EXPECT_EQ(mo.istep, 1);
  EXPECT_NEAR(mo.t, dt0, 1e-12);
  EXPECT_EQ(mo.tt[1], mo.t);
  EXPECT_NEAR(mo.Y[1][1], mo.A[0].sdd * dt0, 1e-3 * mo.A[0].sdd * dt0);  // sd = sdd t from rest
  EXPECT_NEAR(mo.Y[1][0], 0.5 * mo.A[0].sdd * dt0 * dt0, 1e-3 * mo.Y[1][0]);
  ASSERT_TRUE(r.last.mode == FrameMode::Construction && r.last.look_ahead && !r.last.step_failed);
  const Frame& fr = w->fr;
  EXPECT_EQ(fr.look_keep[0], mo.Y[1]);
  EXPECT_EQ(fr.look_switch[0], mo.Y[1]);
  ASSERT_GT(fr.n_keep, 10);
  ASSERT_GT(fr.n_switch, 0);
  EXPECT_GT(fr.look_keep[1][1], mo.Y[1][1]);
  EXPECT_LT(fr.look_switch[1][1], mo.Y[1][1]);
  // The current choice runs on until it breaks a limit or passes the end.
  const Vec2& end = fr.look_keep[fr.n_keep];
  EXPECT_TRUE(end[0] > w->st.sf_now() || end[1] < 0 || std::fabs(fr.acc_now.acc[0]) > 0) << end[0];
}

// Catches 't' that goes back one step instead of two, shrinks dt again on a
// second press, or leaves t; 'r' that lets t go negative; the clamp of 's'
// missing; and 'c' that does not flip the torque choice or records the wrong step.
TEST(Keys, BackSwitchAndClamp) {
  auto w = after_dialog();
  Motion& mo = w->mo;
  keys(*w, "sss");
  keys(*w, "t");
  EXPECT_EQ(mo.istep, 2);
  EXPECT_NEAR(mo.t, mo.tt[1] + dt0 / NDIV, 1e-12);
  keys(*w, "tt");  // at istep 1, then 0: back to the start, still dt0 / 20
  EXPECT_EQ(mo.istep, 1);
  EXPECT_EQ(mo.dt, dt0 / NDIV);
  EXPECT_NEAR(mo.t, dt0 / NDIV, 1e-12);

  // 'r' with t < dt: t stops at 0 and the switch is recorded at step 0.
  mo.dt = dt0;
  keys(*w, "r");
  EXPECT_TRUE(mo.NCHN == 1 && mo.chn_step[1] == 0 && mo.chn[1].t == 0 && mo.torque_sel == -1);
  EXPECT_LT(mo.chn[1].acc[0], 0);  // the accelerations just after the switch
  EXPECT_EQ(mo.dt, dt0);

  auto c = after_dialog();
  keys(*c, std::string(10, 's') + "cc");
  const Motion& m = c->mo;
  EXPECT_TRUE(m.NCHN == 2 && m.chn_step[1] == 10 && m.chn_step[2] == 11 && m.torque_sel == 1);
  EXPECT_LT(m.Y[11][1], m.Y[10][1]);  // decelerated between the two switches
  EXPECT_NEAR(m.chn[2].t - m.chn[1].t, dt0, 1e-12);
  EXPECT_NEAR(m.tf, m.chn[2].t, 0);  // the panel's goal time is the last record's

  c->mo.istep = 900;
  keys(*c, "s");
  EXPECT_EQ(c->mo.istep, NSTEP + 1);
}

// Catches a rest step that walks on into stale steps (the plot would jump
// back to the origin and the next step start from there), and an
// unclamped step index past the tables.
TEST(Keys, RestAndFullStepTable) {
  auto w = after_dialog();
  Motion& mo = w->mo;
  const KeyRun r = keys(*w, "sr");  // switch at rest at step 0: deceleration from rest
  EXPECT_EQ(mo.istep, 1);
  EXPECT_LE(mo.Y[1][1], 0);
  EXPECT_STREQ(r.last.notice, kNoticeAtRest);
  EXPECT_EQ(r.last.n, 1);

  mo.istep = NTAB - 2;
  mo.Y[NTAB - 2] = {0.1, 1.0};
  mo.torque_sel = 1;
  const KeyRun full = keys(*w, "ww");  // view keys step too
  EXPECT_EQ(mo.istep, NTAB - 1);
  EXPECT_STREQ(full.last.notice, kNoticeStepsFull);
  EXPECT_EQ(full.last.n, NTAB - 1);
}

// Catches records written past the table and 'c', 'r' or 'f' that still
// step once the records are full; two records are kept for the landing.
TEST(Keys, FullSwitchingTable) {
  auto w = after_dialog();
  Motion& mo = w->mo;
  keys(*w, "sss");
  mo.NCHN = NREC - 1 - kLandingRecords;
  for (const char* k : {"c", "r"}) {
    const int istep = mo.istep, nchn = mo.NCHN, sel = mo.torque_sel;
    const KeyRun r = keys(*w, k);
    EXPECT_TRUE(mo.istep == istep && mo.NCHN == nchn && mo.torque_sel == sel) << k;
    EXPECT_STREQ(r.last.notice, kNoticeRecordsFull) << k;
  }
  mo.NCHN = NREC - 2;  // 'f' needs two
  const int istep = mo.istep;
  const KeyRun r = keys(*w, "f");
  EXPECT_TRUE(mo.NCHN == NREC - 2 && mo.final_state == FinalState::None && mo.istep == istep);
  EXPECT_STREQ(r.last.notice, kNoticeRecordsFull);
}

// 'f' short of the end curve is an 's' step with the key kept; the landing
// then follows at step 80.
TEST(Keys, LandingFallsBackToAStep) {
  auto w = after_dialog();
  Motion& mo = w->mo;
  keys(*w, std::string(10, 's') + "f");
  EXPECT_TRUE(mo.istep == 11 && mo.NCHN == 0 && mo.final_state == FinalState::None);
  auto l = after_dialog();
  const KeyRun r = keys(*l, kToLanding);
  EXPECT_EQ(r.last.mode, FrameMode::Walking);
  EXPECT_TRUE(l->mo.NCHN == 2 && l->mo.chn_step[1] == 80 && l->mo.istep == 81);
  EXPECT_EQ(l->mo.tf, l->mo.chn[2].t);
}

// The whole default construction by keys, from the first 's' to the replay.
// Catches a rebuild that runs without the message on screen or twice, a
// report printed twice or never, replay indices past the reference motion,
// and a rebuilt trajectory that breaks a joint limit.
TEST(Keys, WholeDefaultConstruction) {
  auto w = after_dialog();
  const Motion& mo = w->mo;
  ConsoleCapture con;
  KeyRun r = keys(*w, kToLanding + kWalk.substr(1));
  EXPECT_EQ(mo.traj_state, TrajState::Building);
  EXPECT_EQ(con.text(), "");
  r = keys(*w, "s");
  EXPECT_EQ(r.obtained, 1);
  EXPECT_TRUE(r.last.obtained && mo.traj_state == TrajState::Obtained && mo.istep == 0);
  const std::string report = con.take();
  const std::string head = "\n\n新しい軌道に沿う加減速の切り替え回数と状態 NCHN=2\n";
  ASSERT_EQ(report.rfind(head, 0), 0u) << report;
  char tf_line[80];
  std::snprintf(tf_line, sizeof tf_line, "\ntf=%7.4f S[]=", mo.tf);
  EXPECT_NE(report.find(tf_line), std::string::npos) << report;
  EXPECT_NE(report.find("関節トルク切り替え回数 NCT=4 "), std::string::npos) << report;
  EXPECT_EQ(mo.NCT, 4);

  // The optimum: 0.798 s of acceleration, then deceleration into the end;
  // no faster than the trapezoid, and within the limits at every step.
  EXPECT_NEAR(mo.chn[1].t, 0.798, 0.001);
  EXPECT_NEAR(mo.tf, 1.4427, 1e-3);
  EXPECT_EQ(mo.tf, mo.chn[2].t);
  EXPECT_GT(mo.Tn, mo.tf);
  EXPECT_NEAR(mo.tt[mo.nf], mo.tf, 1e-9);
  for (int k = 0; k <= mo.nf; ++k) ASSERT_TRUE(within_limits(*w, mo.CP[k])) << k;

  // Replay: one step per frame, the optimal motion held at its end while the
  // reference motion goes on, and the last frame repeated.
  r = keys(*w, "s");
  EXPECT_TRUE(r.last.mode == FrameMode::Replay && r.last.n == 1 && r.last.reference == 1);
  r = keys(*w, std::string(mo.nn + 5, 's'));
  EXPECT_TRUE(mo.istep == mo.nn && r.last.n == mo.nf && r.last.reference == mo.nn);
  EXPECT_STREQ(r.last.notice, kNoticeReplayEnd);
  r = keys(*w, "0");
  EXPECT_TRUE(mo.istep == 1 && r.last.n == 1 && mo.NCHN == 2 && mo.traj_state == TrajState::Obtained);
  EXPECT_EQ(con.text(), "");  // no second report
}

// Catches '0' in walking that clears the switching records (the rebuild would
// then have nothing to rebuild), 'r', 'c' or 'f' after the landing that add
// records, and the 's' clamp holding a walk whose end lies past step 801.
TEST(Keys, WalkingKeys) {
  auto w = after_dialog();
  const Motion& mo = w->mo;
  keys(*w, kToLanding + "sss");
  const int nchn = mo.NCHN;
  const double tf = mo.chn[nchn].t;
  const KeyRun r = keys(*w, "rcf");
  EXPECT_TRUE(mo.NCHN == nchn && mo.istep == 87 && r.frames == 3);
  keys(*w, "0");
  EXPECT_TRUE(mo.istep == 1 && mo.NCHN == nchn && mo.final_state == FinalState::Walking);
  ConsoleCapture con;
  keys(*w, std::string(144, 's'));
  EXPECT_EQ(mo.traj_state, TrajState::Obtained);
  EXPECT_NEAR(mo.tf, tf, 2e-3);

  auto l = after_dialog();
  l->mo.final_state = FinalState::Walking;
  l->mo.nf = 900;
  l->mo.istep = 850;
  keys(*l, "s");
  EXPECT_EQ(l->mo.istep, 851);
}

// Catches '0' in construction that keeps records, the switched torque choice,
// the small step or the time: its frame must redo the first step exactly.
TEST(Keys, RestartInConstruction) {
  auto w = after_dialog();
  const Motion& mo = w->mo;
  keys(*w, "s");
  const Vec2 first = mo.Y[1];
  keys(*w, std::string(20, 's') + "cts0");
  EXPECT_TRUE(mo.istep == 1 && mo.NCHN == 0 && mo.torque_sel == 1 && mo.dt == dt0);
  EXPECT_NEAR(mo.t, dt0, 1e-12);
  EXPECT_NEAR(mo.Y[1][0], first[0], 1e-12);
  EXPECT_NEAR(mo.Y[1][1], first[1], 1e-12);
}

// The replay's joint-limit rings, limits 2 and 1.5: each test of the table
// with its hand point and radius (only a joint 2 leaving scales with the
// zoom), and none for changes below the thresholds.
TEST(Replay, LimitMarkers) {
  auto w = default_world(Robot::Scara, PathType::Arc);
  w->st.a2max = 1.5;
  w->pic.zoom = 0.5;
  struct Case { const char* what; Vec2 before, now; int found; bool at_now; double radius; };
  const Case cases[] = {
      {"joint 1 reaches", {1.5, 0}, {2.0, 0}, 1, true, 0.012},
      {"joint 1 leaves", {-2.0, 0}, {-1.9, 0}, 1, false, 0.012},
      {"joint 2 reaches", {0, 1.0}, {0, -1.5}, 1, true, 0.012},
      {"joint 2 leaves", {0, 1.5}, {0, 1.0}, 1, false, 0.006},
      {"joint 1 jumps", {2.0, 0}, {-2.0, 0}, 1, false, 0.012},
      {"joint 2 jumps", {0.3, 1.5}, {0.3, -1.5}, 1, false, 0.012},
      {"on the limit throughout", {2.0, 1.5}, {2.0, 1.5}, 0, false, 0},
      {"within 1e-3 below, then at it", {1.9995, 0}, {2.0, 0}, 0, false, 0},
      {"away from both", {1.0, 1.0}, {1.2, 0.9}, 0, false, 0},
  };
  for (const Case& c : cases) {
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
  EXPECT_EQ(keys(*w, "w").frames, 1);
  EXPECT_NEAR(pic.zoom, 0.9 * zoom, 1e-15);
  EXPECT_NEAR(pic.pp_zoom, 0.9 * pp, 1e-15);
  keys(*w, "WxXXyYY");
  EXPECT_NEAR(pic.zoom, zoom, 1e-15);
  EXPECT_NEAR(pic.view_x, view_dx, 1e-15);
  EXPECT_NEAR(pic.view_y, view_dy, 1e-15);
  EXPECT_EQ(w->mo.istep, 8);
  EXPECT_EQ(press_key(*w, 'q'), KeyAction::Ignored);
  EXPECT_EQ(press_key(*w, 27), KeyAction::Quit);

  w->fr.notice = kNoticeStepsFull;
  w->fr.hold = true;
  ConsoleCapture con("6\n-0.3 0.1 0.6 0.3\n");
  EXPECT_EQ(press_key(*w, 'k'), KeyAction::Dialog);
  settings_dialog(*w, 'k');
  EXPECT_TRUE(w->st.cptype == PathType::CycloidCam && w->mo.istep == 0 && !w->fr.hold && !w->fr.notice);
  const KeyRun r = keys(*w, "s");
  EXPECT_TRUE(w->mo.istep == 1 && r.last.look_ahead && !r.last.notice);
  EXPECT_NE(con.text().find("............計算終了　描画画面へ.........."), std::string::npos);
}

}  // namespace

}  // namespace cpt
